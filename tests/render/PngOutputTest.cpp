// quillane-dir --png: the written file read back.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "DirectoryLister.h"
#include "ImageBuilder.h"
#include "ListingFakes.h"
#include "ListingPicture.h"
#include "ScriptedAnswerer.h"

namespace quillane {
namespace {

const std::string kDemo = QL_SOURCE_DIR "/samples/demo.d64";

RgbImage ReadPng(const std::string& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  RgbImage image;
  if (png_image_begin_read_from_file(&png, path.c_str()) == 0) return image;
  png.format = PNG_FORMAT_RGB;
  image.pixels.resize(PNG_IMAGE_SIZE(png));
  if (png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr) != 0) {
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
  }
  return image;
}

TEST(PngOutputTest, PictureOfTheListingOrAnErrorAndNoFile) {
  test::ScriptedAnswerer answers;
  ImagePrompts prompts(answers);
  test::RecordingMessageBox messages;
  DirectoryLister lister(prompts, messages);
  test::VectorListingList list;
  ASSERT_EQ(lister.ListImage(kDemo, list), ListOutcome::Listed);
  std::vector<ListingRow> rows;
  for (std::size_t r = 0; r < list.rows.size(); ++r) rows.push_back({list.rows[r], list.bits[r]});
  const RgbImage lower = RenderListing(rows, Charset::UpperLower, 1);

  const test::TempFile odd = test::ImageBuilder::Blank35().Size(1000).WriteTemp();
  std::ifstream demo(kDemo, std::ios::binary);
  const test::TempFile copy(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(demo), {}));
  const test::TempFile out({}, ".png");
  const std::string to = " --png " + out.path() + " ";
  const struct {
    std::string args;
    int status, width, height;
    std::string err;
  } cases[] = {
      {to + "--charset lower --scale 1 " + kDemo, 0, lower.width, lower.height, ""},
      {to + "--png-size 100 " + kDemo, 0, 100, 48, ""},
      {to + odd.path(), 3, 0, 0, "quillane-dir: " + odd.path() + ": Unsupported Filesize...\n"},
      {" --png /nonexistent/x.png " + kDemo, 4, 0, 0,
       "quillane-dir: /nonexistent/x.png: No such file or directory\n"},
      {" --png " + copy.path() + " " + copy.path(), 4, 0, 0,
       "quillane-dir: " + copy.path() + ": is the disk image itself; not overwritten\n"},
      {to + "--scale 0 " + kDemo, 1, 0, 0,
       "quillane-dir: invalid value '0' for option '--scale'\n"},
      {to + kDemo + " " + kDemo, 1, 0, 0,
       "quillane-dir: --png writes the picture of exactly one image\n"},
  };
  for (const auto& c : cases) {
    std::remove(out.path().c_str());
    const std::string err = out.path() + ".err";
    const int status = std::system((QL_BIN_DIR "/quillane-dir" + c.args + " 2>" + err).c_str());
    EXPECT_EQ(WEXITSTATUS(status), c.status) << c.args;
    const RgbImage image = ReadPng(out.path());
    EXPECT_EQ(image.width, c.width) << c.args;
    EXPECT_EQ(image.height, c.height) << c.args;
    std::ifstream text(err);
    const std::string said{std::istreambuf_iterator<char>(text), {}};
    EXPECT_EQ(said.substr(0, said.find('\n') + 1), c.err) << c.args;  // the first line
    std::remove(err.c_str());
    EXPECT_TRUE(c.width != lower.width || image.pixels == lower.pixels) << c.args;
  }
}

}  // namespace
}  // namespace quillane
