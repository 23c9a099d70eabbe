// A one-line edit field. The length limit counts bytes of the platform's encoding (UTF-8 here),
// as a Windows edit field counts bytes of the ANSI code page: typing that would pass it is
// refused, and pasted text is cut to what fits without splitting a character.
#pragma once

#include <functional>
#include <string>

#include "toolkit/control.h"

namespace orvane::tk {

class Edit : public Control {
 public:
  explicit Edit(Container& parent);
  ~Edit() override;

  std::string Text() const;
  void SetText(const std::string& text);  // not subject to the limit, as on Windows

  std::size_t MaxLength() const;  // 0: no limit
  void SetMaxLength(std::size_t bytes);

  // Runs for every typed character before the field takes it (control characters such as
  // Backspace, 8, and Ctrl+V, 22, included); a key set to 0 is dropped.
  std::function<void(char32_t& key)> onKeyPress;
  // Runs when the focus moves from this field to another control of the form.
  std::function<void()> onExit;

  // What the field does with a typed character (the backend calls this; so do tests): runs the
  // key filter, then inserts what is left at the cursor within the limit. False if dropped.
  bool TypeChar(char32_t key);
  // A paste at the cursor: the text is cut to the room the limit leaves.
  void Paste(const std::string& text);

 private:
  std::size_t maxLength_ = 0;
};

}  // namespace orvane::tk
