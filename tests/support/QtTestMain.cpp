// GoogleTest main for widget tests: the offscreen platform unless one is chosen, and one
// QApplication for the whole run (gtest_discover_tests also runs the binary at build time).
#include <gtest/gtest.h>
#include <QApplication>
#include <cstdlib>

#include "OffscreenPlatform.h"

int main(int argc, char** argv) {
  quillane::display::PreferOffscreenPlatform();
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
