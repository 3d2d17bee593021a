#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListingPicture.h"

namespace quillane {
namespace {

constexpr Rgb kBlue = kListingBackgroundRgb;
constexpr Rgb kLight = kListingForegroundRgb;

TEST(ListingPictureTest, SizeFollowsScaleAndLongestRow) {
  const std::string short_text = "ABC", long_text(45, 'A');
  const std::vector<ListingRow> one{{short_text}}, two{{short_text}, {long_text}};
  struct Case {
    const std::vector<ListingRow>* rows;
    int scale, width, height;
  } cases[] = {{&one, 1, 320, 8},
               {&one, 3, 960, 24},
               {&two, 2, 45 * 16, 32},
               {&one, 0, 0, 0},
               {&one, 9, 0, 0}};
  for (const Case& c : cases) {
    const RgbImage picture = RenderListing(*c.rows, Charset::UpperGraphics, c.scale);
    EXPECT_EQ(picture.width, c.width) << c.scale;
    EXPECT_EQ(picture.height, c.height) << c.scale;
    EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(c.width * c.height * 3));
  }
}

RgbImage Plain(int width, int height, Rgb left, Rgb right) {
  RgbImage image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = x < width / 2 ? left : right;
      image.pixels.insert(image.pixels.end(), {c.red, c.green, c.blue});
    }
  }
  return image;
}

TEST(ListingPictureTest, FitIntoShrinksKeepingAspectNeverEnlarges) {
  struct Case {
    int width, height, max_side, fitted_width, fitted_height;
  } cases[] = {{320, 160, 100, 100, 50}, {10, 10, 20, 10, 10}, {64, 235, 25, 7, 25},
               {1000, 3, 10, 10, 1},     {40, 40, 40, 40, 40}, {4, 4, 0, 0, 0}};
  for (const Case& c : cases) {
    const RgbImage fitted = FitInto(Plain(c.width, c.height, kBlue, kBlue), c.max_side);
    EXPECT_EQ(fitted.width, c.fitted_width) << c.width << "x" << c.height;
    EXPECT_EQ(fitted.height, c.fitted_height) << c.width << "x" << c.height;
  }
}

TEST(ListingPictureTest, FitIntoAveragesTheCoveredPixels) {
  const RgbImage halves = FitInto(Plain(8, 4, kBlue, kLight), 2);
  EXPECT_EQ(halves.At(0, 0), kBlue);
  EXPECT_EQ(halves.At(1, 0), kLight);
  EXPECT_EQ(FitInto(Plain(2, 2, kBlue, kLight), 1).At(0, 0), (Rgb{84, 91, 213}));
}

}  // namespace
}  // namespace quillane
