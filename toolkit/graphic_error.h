// The failure a picture object raises when a file cannot be loaded or decoded.
#pragma once

#include <stdexcept>
#include <string>

namespace orvane::tk {

class GraphicError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace orvane::tk
