#include "ClassifyImage.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ImageBuilder.h"
#include "ScriptedAnswerer.h"

namespace quillane {
namespace {

using test::ImageBuilder;
using test::kBam;
constexpr auto N = GeometryMode::NotListable;
constexpr auto S = GeometryMode::SpeedDOS;
constexpr auto D = GeometryMode::DolphinDOS;
constexpr auto P = GeometryMode::PrologicDOS;

// A 40-track image with five extended BAM entries at `at`: four of them full, one as given.
ImageBuilder Extended(int at, std::initializer_list<int> entry,
                      ImageBuilder b = ImageBuilder::Blank40(GeometryMode::Original)) {
  for (int k = 0; k < 5; ++k) b.Set(kBam + at + 4 * k, {0, 0, 0, 0});
  return b.Set(kBam + at + 8, entry);
}

// Sizes that need no reading, whatever the bytes; a sparse 5 GB file is just odd.
TEST(ClassifyImageTest, SizesThatNeedNoReading) {
  for (const std::int64_t size : {174848LL, 175531LL, 0LL, 174847LL, 174849LL, 175530LL, 175532LL,
                                  196607LL, 196609LL, 197375LL, 197377LL, 5'000'000'000LL}) {
    test::TempFile file({});
    std::filesystem::resize_file(file.path(), static_cast<std::uintmax_t>(size));
    DiskImage image;
    ASSERT_TRUE(image.Open(file.path()));
    test::ScriptedAnswerer answers;
    ImagePrompts prompts(answers);
    const bool standard = size == 174848 || size == 175531;
    EXPECT_EQ(ClassifyImage(image, "odd.d64", prompts), standard ? GeometryMode::Original : N);
    EXPECT_EQ(answers.Count(Question::UnsupportedSize), standard ? 0u : 1u) << size;
  }
}

// SpeedDOS is tested before DolphinDOS, both need "2A"; PrologicDOS needs "2P" at 0xB9. An
// extended BAM counts when every count agrees with its bitmap and a sector is free.
TEST(ClassifyImageTest, FortyTrackDetectionInOrder) {
  // NotListable: the question is asked (and cancelled)
  // clang-format off
  const struct { ImageBuilder image; GeometryMode expected; } cases[] = {
      {ImageBuilder::Blank40(S), S}, {ImageBuilder::Blank40(D), D}, {ImageBuilder::Blank40(P), P},
      {Extended(0xAC, {1, 1, 0, 0}, ImageBuilder::Blank40(S)), S}, {Extended(0x90, {1, 1, 0, 0}).Set(kBam + 0xB9, "2P"), P},
      {ImageBuilder::Blank40(S).Set(kBam + 0xA5, "2C"), N}, {ImageBuilder::Blank40(D).Set(kBam + 0xA6, "B"), N},
      {Extended(0x90, {1, 1, 0, 0}), N}, {ImageBuilder::Blank40(GeometryMode::Original), N},
      {Extended(0xC0, {0, 0, 0, 0}), N}, {Extended(0xC0, {17, 0xFF, 0xFF, 0}), N},
      {Extended(0xC0, {24, 0xFF, 0xFF, 0xFF}), S}, {Extended(0xAC, {2, 0, 0x81, 0}), D},
      {ImageBuilder::Blank40(D).Size(197376), D}};
  // clang-format on
  for (const auto& c : cases) {
    DiskImage image = c.image.Image();
    test::ScriptedAnswerer answers;
    answers.otherwise[Question::Layout] = {};
    ImagePrompts prompts(answers);
    EXPECT_EQ(ClassifyImage(image, "x.d64", prompts), c.expected) << &c - cases;
    EXPECT_EQ(answers.Count(Question::Layout), c.expected == N) << &c - cases;
  }
}

// The answers decide, and a ticked box silences a question from one image to the next; a
// cancel with the box ticked asks again.
TEST(ImagePromptsTest, AnswersAndTickedBoxesAcrossImages) {
  test::ScriptedAnswerer answers;
  answers.script[Question::UnsupportedSize] = {{true, false}, {true, true}};
  ImagePrompts prompts(answers);
  for (const char* name : {"", "a.d64", "b.d64", "c.d64"}) prompts.ReportUnsupportedSize(name);
  EXPECT_EQ(answers.Count(Question::UnsupportedSize), 2u);  // none for "", ticked after b
  // clang-format off
  const struct { Answer answer; GeometryMode expected; } cases[] = {// the last is never asked: the answer before stands
      {{false, true, D}, N}, {{true, false, GeometryMode::Original}, GeometryMode::Original},
      {{true, false, P}, P}, {{true, true, D}, D}, {{false, false, S}, D}};
  // clang-format on
  for (const auto& c : cases) {
    answers.script[Question::Layout] = {c.answer};
    EXPECT_EQ(prompts.AskGeometryMode("x.d64"), c.expected);
  }
  EXPECT_EQ(answers.Count(Question::Layout), 4u);
  EXPECT_EQ(answers.shown.back().message,
            "The Extended BAM could not be detected. Handle this Image as:");
}

}  // namespace
}  // namespace quillane
