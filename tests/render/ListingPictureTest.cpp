#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListingPicture.h"

namespace quillane {
namespace {

constexpr Rgb kBlue = kListingBackgroundRgb;
constexpr Rgb kLight = kListingForegroundRgb;

// The size follows the scale and the longest row; FitInto shrinks keeping the aspect, never
// enlarges, and averages the pixels each target pixel covers.
TEST(ListingPictureTest, SizeAndFit) {
  const std::string long_text(45, 'A');
  const std::vector<ListingRow> one{{"ABC"}}, two{{"ABC"}, {long_text}};
  // clang-format off
  const struct { const std::vector<ListingRow>* rows; int scale, width, height; } cases[] = {
      {&one, 1, 320, 8}, {&one, 3, 960, 24}, {&two, 2, 45 * 16, 32}, {&one, 0, 0, 0}, {&one, 9, 0, 0}};
  // clang-format on
  for (const auto& c : cases) {
    const RgbImage picture = RenderListing(*c.rows, Charset::UpperGraphics, c.scale);
    EXPECT_EQ(picture.width, c.width) << c.scale;
    EXPECT_EQ(picture.height, c.height) << c.scale;
  }
  const auto halves = [](int width, int height) {  // left half blue, right half light
    RgbImage image{width, height, {}};
    for (int i = 0; i < width * height; ++i) {
      const Rgb c = i % width < width / 2 ? kBlue : kLight;
      image.pixels.insert(image.pixels.end(), {c.red, c.green, c.blue});
    }
    return image;
  };
  // clang-format off
  const struct { int width, height, max_side, fitted_width, fitted_height; } fits[] = {
      {320, 160, 100, 100, 50}, {10, 10, 20, 10, 10}, {64, 235, 25, 7, 25}, {1000, 3, 10, 10, 1}, {40, 40, 40, 40, 40}, {4, 4, 0, 0, 0}};
  // clang-format on
  for (const auto& c : fits) {
    const RgbImage fitted = FitInto(halves(c.width, c.height), c.max_side);
    EXPECT_EQ(fitted.width, c.fitted_width) << c.width << "x" << c.height;
    EXPECT_EQ(fitted.height, c.fitted_height) << c.width << "x" << c.height;
  }
  const RgbImage fitted = FitInto(halves(8, 4), 2);
  EXPECT_EQ(fitted.At(0, 0), kBlue);
  EXPECT_EQ(fitted.At(1, 0), kLight);
  EXPECT_EQ(FitInto(halves(2, 2), 1).At(0, 0), (Rgb{84, 91, 213}));
}

}  // namespace
}  // namespace quillane
