#include "ClassifyImage.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "ImageBuilder.h"
#include "ScriptedAnswerer.h"

namespace quillane {
namespace {

using test::ImageBuilder;
using test::kBam;
constexpr auto N = GeometryMode::NotListable;

ImageBuilder Plain40() {
  return ImageBuilder::Blank40(GeometryMode::Original);
}

ImageBuilder ExtendedBam(ImageBuilder b, int at, std::initializer_list<int> third_entry) {
  for (int k = 0; k < 5; ++k) b.Set(kBam + at + 4 * k, {0, 0, 0, 0});
  return b.Set(kBam + at + 8, third_entry);
}

// Sizes that need no reading, whatever the bytes; a sparse 5 GB file is just odd.
TEST(ClassifyImageTest, SizesThatNeedNoReading) {
  for (const std::int64_t size : {174848L, 175531L, 0L, 174847L, 174849L, 175530L, 175532L, 196607L,
                                  196609L, 197375L, 197377L, 5'000'000'000L}) {
    test::TempFile file({});
    ASSERT_EQ(::truncate(file.path().c_str(), size), 0);
    DiskImage image;
    ASSERT_TRUE(image.Open(file.path()));
    test::ScriptedAnswerer answers;
    ImagePrompts prompts(answers);
    const bool standard = size == 174848 || size == 175531;
    EXPECT_EQ(ClassifyImage(image, "odd.d64", prompts), standard ? GeometryMode::Original : N)
        << size;
    ASSERT_EQ(answers.shown.size(), standard ? 0u : 1u) << size;
    if (standard) continue;
    EXPECT_EQ(answers.shown[0].question, Question::UnsupportedSize);
    EXPECT_EQ(answers.shown[0].file_name, "odd.d64");
    EXPECT_EQ(answers.shown[0].message, "Unsupported Filesize...");
  }
}

TEST(ClassifyImageTest, FortyTrackDetectionInOrder) {
  const auto speed = ImageBuilder::Blank40(GeometryMode::SpeedDOS);
  const struct {
    const char* what;
    ImageBuilder image;
    GeometryMode expected;  // NotListable: the question is asked (and cancelled)
  } cases[] = {
      {"SpeedDOS", speed, GeometryMode::SpeedDOS},
      {"DolphinDOS", ImageBuilder::Blank40(GeometryMode::DolphinDOS), GeometryMode::DolphinDOS},
      {"PrologicDOS", ImageBuilder::Blank40(GeometryMode::PrologicDOS), GeometryMode::PrologicDOS},
      {"SpeedDOS before DolphinDOS", ExtendedBam(speed, 0xAC, {1, 1, 0, 0}),
       GeometryMode::SpeedDOS},
      {"2A, a PrologicDOS BAM and 2P",
       ExtendedBam(Plain40(), 0x90, {1, 1, 0, 0}).Set(kBam + 0xB9, "2P"),
       GeometryMode::PrologicDOS},
      {"a SpeedDOS BAM needs 2A", ImageBuilder(speed).Set(kBam + 0xA5, "2C"), N},
      {"a DolphinDOS BAM needs 2A",
       ImageBuilder::Blank40(GeometryMode::DolphinDOS).Set(kBam + 0xA6, "B"), N},
      {"a PrologicDOS BAM needs 2P", ExtendedBam(Plain40(), 0x90, {1, 1, 0, 0}), N},
      {"no extended BAM", Plain40(), N},
      {"tracks 36-40 all full", ExtendedBam(Plain40(), 0xC0, {0, 0, 0, 0}), N},
      {"a count that disagrees with its bitmap", ExtendedBam(Plain40(), 0xC0, {17, 0xFF, 0xFF, 0}),
       N},
      {"all 24 bits count", ExtendedBam(Plain40(), 0xC0, {24, 0xFF, 0xFF, 0xFF}),
       GeometryMode::SpeedDOS},
      {"with error bytes", ImageBuilder::Blank40(GeometryMode::DolphinDOS).Size(197376),
       GeometryMode::DolphinDOS},
  };
  for (const auto& c : cases) {
    DiskImage image = c.image.Image();
    test::ScriptedAnswerer answers;
    answers.otherwise[Question::Layout] = {};
    ImagePrompts prompts(answers);
    EXPECT_EQ(ClassifyImage(image, "x.d64", prompts), c.expected) << c.what;
    EXPECT_EQ(answers.Count(Question::Layout), c.expected == N) << c.what;
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
  const struct {
    Answer answer;
    GeometryMode expected;
  } cases[] = {
      {{false, true, GeometryMode::DolphinDOS}, N},
      {{true, false, GeometryMode::Original}, GeometryMode::Original},
      {{true, false, GeometryMode::PrologicDOS}, GeometryMode::PrologicDOS},
      {{true, true, GeometryMode::DolphinDOS}, GeometryMode::DolphinDOS},
      {{false, false, GeometryMode::SpeedDOS}, GeometryMode::DolphinDOS},  // never asked
  };
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
