// An icon handle taken from an image list; released by destroying the object.
#pragma once

#include <memory>

namespace orvane::tk {

class Icon {
 public:
  struct Impl;
  explicit Icon(std::unique_ptr<Impl> impl);
  ~Icon();
  Icon(const Icon&) = delete;
  Icon& operator=(const Icon&) = delete;
  const Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace orvane::tk
