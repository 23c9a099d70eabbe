// A multi-line text field with both scroll bars and no wrapping. Its lines are those of the text
// split at line breaks, where a last line that is empty does not count: "a\nb\n" has the two
// lines "a" and "b", "a\n\n" the lines "a" and "", and an empty memo none.
#pragma once

#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/font.h"
#include "toolkit/font_style.h"

namespace orvane::tk {

class Memo : public Control {
 public:
  explicit Memo(Container& parent);
  ~Memo() override;

  std::string Text() const;
  void SetText(const std::string& text);

  void Clear();
  // Appends `line` followed by a line break, so that the next line starts after it.
  void AddLine(const std::string& line);
  std::vector<std::string> Lines() const;
  int LineCount() const;

  // The face, size, colour and style the text is shown in.
  void SetFont(const Font& font, const FontStyle& style);
  Font GetFont() const { return font_; }
  FontStyle GetFontStyle() const { return style_; }

 private:
  Font font_;
  FontStyle style_;
};

}  // namespace orvane::tk
