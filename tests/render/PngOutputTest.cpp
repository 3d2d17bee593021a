// quillane-dir --png: the written file read back.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "ImageBuilder.h"
#include "ListingPicture.h"

namespace quillane {
namespace {

const std::string kDemo = QL_SOURCE_DIR "/samples/demo.d64";

RgbImage ReadPng(const std::string& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&png, path.c_str()) == 0) return {};
  png.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(png));
  if (png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr) == 0) return {};
  return {static_cast<int>(png.width), static_cast<int>(png.height), pixels};
}

TEST(PngOutputTest, PictureOfTheListingOrAnErrorAndNoFile) {
  const test::TempFile odd = test::ImageBuilder::Blank35().Size(1000).WriteTemp();
  const test::TempFile copy = test::ImageBuilder::Blank35().WriteTemp();
  const test::TempFile out({}, ".png");
  const std::string to = " --png " + out.path() + " ";
  // clang-format off
  const struct { std::string args; int status, width, height; std::string err; } cases[] = {
      {to + "--charset lower --scale 1 " + kDemo, 0, 320, 152, ""}, {to + "--png-size 100 " + kDemo, 0, 100, 48, ""},
      {to + odd.path(), 3, 0, 0, "quillane-dir: " + odd.path() + ": Unsupported Filesize..."},
      {" --png /nonexistent/x.png " + kDemo, 4, 0, 0, "quillane-dir: /nonexistent/x.png: No such file or directory"},
      {" --png " + copy.path() + " " + copy.path(), 4, 0, 0, "quillane-dir: " + copy.path() + ": is the disk image itself; not overwritten"},
      {to + kDemo + " " + kDemo, 1, 0, 0, "quillane-dir: --png writes the picture of exactly one image"}};
  // clang-format on
  for (const auto& c : cases) {
    std::remove(out.path().c_str());
    const std::string err = out.path() + ".err";
    const int status = std::system((QL_BIN_DIR "/quillane-dir" + c.args + " 2>" + err).c_str());
    EXPECT_EQ(WEXITSTATUS(status), c.status) << c.args;
    const RgbImage image = ReadPng(out.path());
    EXPECT_EQ(image.width, c.width) << c.args;
    EXPECT_EQ(image.height, c.height) << c.args;
    std::ifstream text(err);
    std::string said;
    EXPECT_EQ(std::getline(text, said) ? said : "", c.err) << c.args;  // the first line
    std::remove(err.c_str());
    if (c.width == 320) {  // blue, and the header's reversed quote in the text colour
      EXPECT_EQ(image.At(0, 0), kListingBackgroundRgb);
      EXPECT_EQ(image.At(16, 7), kListingForegroundRgb);
    }
  }
}

}  // namespace
}  // namespace quillane
