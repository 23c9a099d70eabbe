#pragma once

#include <QIcon>
#include <QImage>

#include "toolkit/icon.h"

namespace orvane::tk {

struct Icon::Impl {
  QImage image;  // ARGB32, transparent where the mask colour was
  QIcon icon;
};

}  // namespace orvane::tk
