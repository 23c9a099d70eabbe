// Every failure and notice the program reports: caption, message and message-box style.
#pragma once

namespace orvane {

// Message-box styles (the Windows flag values; every backend maps them).
enum BoxFlags : int {
  kBoxStop = 16,       // OK, error icon
  kBoxWarning = 48,    // OK, exclamation icon
  kBoxInfo = 64,       // OK, information icon
  kBoxQuestion = 308,  // Yes/No, exclamation icon, No preselected
};

// Message-box results.
enum BoxResult : int { kIdOk = 1, kIdYes = 6, kIdNo = 7 };

struct ErrorText {
  const char* code;
  const char* caption;
  const char* message;  // for 011 and 012 a printf format taking the attempt number
  int flags;
  bool logsSystemError;  // whether LogLastError follows the box
};

namespace err {
extern const ErrorText k001, k002, k003, k005, k006, k007, k008, k011, k012, k013, k014, k018, k019, k020,
    k021, k022, k023, kBcb001, kBcb002, kBcb003, kBcb004;
// All of them, in the order above.
extern const ErrorText* const kAll[21];
}  // namespace err

}  // namespace orvane
