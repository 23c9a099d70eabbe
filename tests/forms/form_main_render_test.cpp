// Rendering the chime: window size, shape, the drawn message and its place, and the load failure.
#include <fstream>
#include "core/error_codes.h"
#include "tests/forms/form_fixture.h"
#include "toolkit/application.h"

namespace orvane {
namespace {

using P = TForm_MainProbe;

// The box of pixels that differ from the picture's colour in the shown picture; empty when none.
struct Ink {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  bool Empty() const { return right < 0; }
};
Ink InkOf(const TForm_Main& f, unsigned background) {
  const gfx::Bitmap& b = f.Image_Main.Picture().Pixels();
  EXPECT_EQ(b.bitsPerPixel, 24);
  Ink ink;
  for (int y = 0; y < b.height; ++y)
    for (int x = 0; x < b.width; ++x) {
      const std::uint8_t* p = b.Row(y) + 3 * x;
      const unsigned rgb = p[2] << 16 | p[1] << 8 | p[0];
      // JPEG noise stays within a few steps of the colour; text is far from it.
      const int d = std::abs(int(rgb >> 16) - int(background >> 16)) +
                    std::abs(int(rgb >> 8 & 255) - int(background >> 8 & 255)) +
                    std::abs(int(rgb & 255) - int(background & 255));
      if (d < 60) continue;
      ink.left = std::min(ink.left, x), ink.top = std::min(ink.top, y);
      ink.right = std::max(ink.right, x), ink.bottom = std::max(ink.bottom, y);
    }
  return ink;
}

constexpr unsigned kBlue = 0x204080;
const std::string kWhiteFont = "FONT_COLOR=16777215\nFONT_NAME=ＭＳ Ｐゴシック\nFONT_SIZE=12\n";

// The message is drawn from its position's top-left corner; each line feed starts a line
// below at the same left edge; a line runs off the right edge without wrapping.
TEST_F(FormTest, MessageStartsAtItsPositionLineByLineWithoutWrapping) {
  WriteJpeg("pic.jpg", 200, 150, kBlue);
  WriteIni(IniFor(
      "pic.jpg",
      kWhiteFont +
          "MESSAGE_POS_X=20\nMESSAGE_POS_Y=30\nMESSAGE_NUM=1\nMESSAGE_0=WWWWWWWWWWWWWWWWWWWWWWWWWWWW\n"));
  TForm_Main* f = Create();
  const Ink one = InkOf(*f, kBlue);
  ASSERT_FALSE(one.Empty());
  EXPECT_GE(one.left, 20);
  EXPECT_LE(one.left, 23);
  EXPECT_GE(one.top, 30);
  EXPECT_LE(one.top, 36);
  EXPECT_EQ(one.right, 199);  // ran off the right edge
  const int oneLine = one.bottom - one.top;
  tk::Application::Instance()->DestroyForms();

  WriteIni(
      IniFor("pic.jpg",
             kWhiteFont + "MESSAGE_POS_X=20\nMESSAGE_POS_Y=30\nMESSAGE_NUM=2\nMESSAGE_0=W\nMESSAGE_1=W\n"));
  f = Create();
  const Ink two = InkOf(*f, kBlue);
  EXPECT_EQ(two.left, one.left);
  EXPECT_EQ(two.top, one.top);
  EXPECT_GT(two.bottom - two.top, 2 * oneLine);  // a second line below the first
  EXPECT_LT(two.right, 60);                      // both lines start at the same edge
}

// "&" is drawn as itself (no access-key underline eats it); an empty message or one placed
// beyond the picture draws nothing.
TEST_F(FormTest, AmpersandIsDrawnAndAMessageOutsideThePictureIsNot) {
  WriteJpeg("pic.jpg", 200, 150, kBlue);
  struct Case {
    const char* lines;
    bool ink;
  } cases[] = {
      {"MESSAGE_POS_X=10\nMESSAGE_POS_Y=10\nMESSAGE_NUM=1\nMESSAGE_0=&\n", true},
      {"MESSAGE_POS_X=10\nMESSAGE_POS_Y=10\nMESSAGE_NUM=1\nMESSAGE_0=\n", false},
      {"MESSAGE_POS_X=300\nMESSAGE_POS_Y=10\nMESSAGE_NUM=1\nMESSAGE_0=text\n", false},
      {"MESSAGE_POS_X=-500\nMESSAGE_POS_Y=10\nMESSAGE_NUM=1\nMESSAGE_0=text\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    WriteIni(IniFor("pic.jpg", kWhiteFont + c.lines));
    TForm_Main* f = Create();
    EXPECT_EQ(!InkOf(*f, kBlue).Empty(), c.ink);
    tk::Application::Instance()->DestroyForms();
  }
}

// First run (no LAST_VERSION): the message goes to (90, 130) whatever the file says, and the
// default message in the window-text colour is drawn there.
TEST_F(FormTest, FirstRunDrawsTheDefaultMessageAt90x130) {
  WriteJpeg("pic.jpg", 300, 200, 0xE0E0E0);
  WriteIni("[OPTION]\nIMAGE_PATH=" + Path("pic.jpg") + "\nMESSAGE_POS_X=5\nMESSAGE_POS_Y=5\n");
  TForm_Main* f = Create();
  EXPECT_EQ(P::Options(*f).MessagePosX, 90);
  EXPECT_EQ(P::Options(*f).MessagePosY, 130);
  const Ink ink = InkOf(*f, 0xE0E0E0);
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.left, 90);
  EXPECT_LE(ink.left, 93);
  EXPECT_GE(ink.top, 130);
  EXPECT_LE(ink.top, 136);
}

// The window takes the picture's size and sits in the work area's bottom-right corner (only
// its right and bottom edges count); without a work area, box 014 and the top-left corner.
TEST_F(FormTest, WindowTakesThePictureSizeAndTheBottomRightOfTheWorkArea) {
  WriteJpeg("pic.jpg", 200, 150, kBlue);
  WriteIni(IniFor("pic.jpg"));
  workArea_ = {100, 50, 800, 570};
  TForm_Main* f = Create();
  EXPECT_EQ(f->Width(), 200);
  EXPECT_EQ(f->Height(), 150);
  EXPECT_EQ(f->Left(), 600);
  EXPECT_EQ(f->Top(), 420);
  tk::Application::Instance()->DestroyForms();

  workAreaFails_ = true;
  f = Create();
  EXPECT_EQ(Captions(), std::vector<std::string>{err::k014.caption});
  EXPECT_EQ(f->Left(), 0);
  EXPECT_EQ(f->Top(), 0);
  EXPECT_NE(ReadFile("error.txt").find("GetLastError は"), std::string::npos);
}

// A BMP with IS_REGION is cut to the pixels that differ from pixel (0, 0), and the picture
// shown is the bitmap; without IS_REGION, or as a JPEG, the window stays rectangular.
TEST_F(FormTest, ShapedBitmapCutsTheWindowToItsPixels) {
  WriteBmp("shape.bmp", 40, 30, 0xFF00FF, {{5, 5}, {6, 5}, {20, 10}});
  WriteIni(IniFor("shape.bmp", "IS_REGION=1\n"));
  TForm_Main* f = Create();
  const gfx::Region expected{{5, 5, 7, 6}, {20, 10, 21, 11}};
  EXPECT_EQ(P::WindowRegion(*f), expected);
  EXPECT_EQ(f->Region(), expected);
  EXPECT_EQ(f->Width(), 40);
  EXPECT_EQ(f->Height(), 30);
  tk::Application::Instance()->DestroyForms();

  WriteIni(IniFor("shape.bmp", "IS_REGION=0\n"));
  f = Create();
  EXPECT_TRUE(f->Region().empty());
  EXPECT_TRUE(boxes_.empty());
}

// Box 003 when the picture cannot be loaded. No ends the process with 0 and the event is in
// error.txt. A capitalised ".BMP" counts as JPEG and so fails too, and so does a JPEG whose
// header is whole but whose pixels are cut short.
TEST_F(FormTest, LoadFailureAnsweredNoEndsTheProcess) {
  WriteJpeg("cut.jpg", 64, 48, 0x336699);
  std::filesystem::resize_file(Path("cut.jpg"), std::filesystem::file_size(Path("cut.jpg")) * 2 / 3);
  for (const char* picture : {"missing.jpg", "shape.BMP", "cut.jpg"}) {
    SCOPED_TRACE(picture);
    WriteBmp("shape.BMP", 8, 8, 0);
    WriteIni(IniFor(picture));
    boxes_.clear();
    answers_ = {kIdNo};
    EXPECT_EQ(CreateExpectingExit(), 0);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].caption, err::k003.caption);
    EXPECT_EQ(boxes_[0].flags, 308);
    EXPECT_NE(ReadFile("error.txt").find(err::k003.caption), std::string::npos);
    EXPECT_TRUE(tk::Application::Instance()->Forms().empty());
  }
}

// Mended: after a failed load answered Yes the picture is empty; the window takes 0 x 0, the
// region builder gives none, nothing reads outside the picture, and the program runs on.
TEST_F(FormTest, LoadFailureAnsweredYesGoesOnWithAnEmptyPicture) {
  for (const char* picture : {"broken.jpg", "broken.bmp"}) {
    SCOPED_TRACE(picture);
    std::ofstream(Path(picture), std::ios::binary) << "BM\x10\0\0\0 not really a picture";
    WriteIni(IniFor(picture, "IS_REGION=1\n"));
    answers_ = {kIdYes};
    TForm_Main* f = Create();
    EXPECT_EQ(f->Width(), 0);
    EXPECT_EQ(f->Height(), 0);
    EXPECT_TRUE(f->Region().empty());
    EXPECT_TRUE(f->Image_Main.Picture().Pixels().Empty());
    f->Timer_MainTimer();
    EXPECT_TRUE(f->Visible());
    tk::Application::Instance()->DestroyForms();
  }
}

}  // namespace
}  // namespace orvane
