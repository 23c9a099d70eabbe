#include "toolkit/qt/x11.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

namespace orvane::tk::x11 {

xcb_connection_t* Connection() {
  if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x ? x->connection() : nullptr;
}

xcb_atom_t Atom(const char* name) {
  xcb_connection_t* c = Connection();
  if (!c) return XCB_NONE;
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
  if (!reply) return XCB_NONE;
  const xcb_atom_t atom = reply->atom;
  std::free(reply);
  return atom;
}

}  // namespace orvane::tk::x11
