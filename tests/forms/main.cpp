// Form tests run on Qt's offscreen platform with one application object for the whole program.
#include <gtest/gtest.h>

#include <cstdlib>

#include "toolkit/application.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  orvane::tk::Application app(argc, argv);
  return RUN_ALL_TESTS();
}
