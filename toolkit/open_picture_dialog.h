// The picture picker: an open-file dialog with a preview of the picture under the cursor. The
// file and its folder must exist; the dialog can be resized; it has no read-only box.
#pragma once

#include <string>
#include <vector>

namespace orvane::tk {

class OpenPictureDialog {
 public:
  // "description|patterns" pairs separated by "|", patterns separated by ";".
  std::string filter;
  std::string initialDir;
  std::string fileName;  // in: the name offered; out: the chosen file's full path

  bool Execute();  // true when the user confirmed a file

  struct FilterEntry {
    std::string description;
    std::vector<std::string> patterns;
  };
  // `filter` taken apart; an entry without patterns is left out.
  static std::vector<FilterEntry> ParseFilter(const std::string& filter);
};

}  // namespace orvane::tk
