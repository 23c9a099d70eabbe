// The X connection behind Qt's xcb platform, for what Qt does not offer (EWMH states, SHAPE).
#pragma once

#include <xcb/xcb.h>

namespace orvane::tk::x11 {

// Null unless the program runs on the xcb platform.
xcb_connection_t* Connection();
xcb_atom_t Atom(const char* name);

}  // namespace orvane::tk::x11
