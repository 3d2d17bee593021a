#include "ClassifyImage.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "ImageBuilder.h"
#include "ScriptedPromptDialog.h"

namespace quillane {
namespace {

using test::ImageBuilder;
using test::PromptAnswer;
using test::ScriptedPromptDialog;

// The two dialogs of classification, answering the layout question as told.
struct Prompts {
  explicit Prompts(PromptAnswer layout = {kPromptStop}) : ext_bam(kExtBamPrompt, layout) {}
  ScriptedPromptDialog size{kFilesizePrompt};
  ScriptedPromptDialog ext_bam;
  DialogImagePrompts dialogs{size, ext_bam};
};

constexpr std::array<int, 4> kFree{17, 0xFF, 0xFF, 0x01};  // 17 free, 17 bits
constexpr std::array<int, 4> kFull{0, 0, 0, 0};

ImageBuilder Plain40() {
  return ImageBuilder::Blank40(GeometryMode::Original);
}

// Classified from the size alone, without reading a byte; a sparse 5 GB file is just odd.
TEST(ClassifyImageTest, SizesThatNeedNoReading) {
  for (const std::int64_t size :
       {kSize35, kSize35Errors, 0L, kSize35 - 1, kSize35 + 1, kSize35Errors - 1, kSize35Errors + 1,
        kSize40 - 1, kSize40 + 1, kSize40Errors - 1, kSize40Errors + 1, 5'000'000'000L}) {
    test::TempFile file({});
    ASSERT_EQ(::truncate(file.path().c_str(), size), 0);  // sparse: takes no space
    DiskImage image;
    ASSERT_TRUE(image.Open(file.path()));
    EXPECT_EQ(image.ImageSize(), size);
    Prompts prompts;
    const bool standard = size == kSize35 || size == kSize35Errors;
    EXPECT_EQ(ClassifyImage(image, "odd.d64", prompts.dialogs),
              standard ? GeometryMode::Original : GeometryMode::NotListable)
        << size;
    EXPECT_EQ(image.OsReadCalls(), 0u) << size;
    EXPECT_TRUE(prompts.ext_bam.shown().empty());
    if (standard) continue;
    ASSERT_EQ(prompts.size.shown().size(), 1u) << size;
    EXPECT_EQ(prompts.size.shown()[0].edit1, "odd.d64");
    EXPECT_EQ(prompts.size.shown()[0].label1, "Unsupported Filesize...");
  }
}

TEST(ClassifyImageTest, FortyTrackDetectionInOrder) {
  const struct {
    const char* what;
    ImageBuilder image;
    GeometryMode expected;  // NotListable: the question is asked (and cancelled)
  } cases[] = {
      {"SpeedDOS", ImageBuilder::Blank40(GeometryMode::SpeedDOS), GeometryMode::SpeedDOS},
      {"DolphinDOS", ImageBuilder::Blank40(GeometryMode::DolphinDOS), GeometryMode::DolphinDOS},
      {"PrologicDOS", ImageBuilder::Blank40(GeometryMode::PrologicDOS), GeometryMode::PrologicDOS},
      {"SpeedDOS is tested before DolphinDOS",
       ImageBuilder::Blank40(GeometryMode::SpeedDOS)
           .ExtendedBam(0xAC, {kFree, kFree, kFree, kFree, kFree}),
       GeometryMode::SpeedDOS},
      {"2A with a PrologicDOS BAM and 2P falls through to PrologicDOS",
       Plain40().ExtendedBam(0x90, {kFree, kFree, kFree, kFree, kFree}).Set(0x16500 + 0xB9, "2P"),
       GeometryMode::PrologicDOS},
      {"a SpeedDOS BAM needs DOS type 2A",
       ImageBuilder::Blank40(GeometryMode::SpeedDOS).DosType("2C"), GeometryMode::NotListable},
      {"a PrologicDOS BAM needs 2P at 0xB9",
       Plain40().ExtendedBam(0x90, {kFree, kFree, kFree, kFree, kFree}), GeometryMode::NotListable},
      {"no extended BAM at all", Plain40(), GeometryMode::NotListable},
      {"all tracks 36-40 full is not plausible",
       Plain40().ExtendedBam(0xC0, {kFull, kFull, kFull, kFull, kFull}), GeometryMode::NotListable},
      {"a count that disagrees with its bitmap",
       Plain40().ExtendedBam(0xC0, {kFree, {17, 0xFF, 0xFF, 0x00}, kFree, kFree, kFree}),
       GeometryMode::NotListable},
      {"one free track is enough, all 24 bits count",
       Plain40().ExtendedBam(0xC0, {kFull, kFull, {24, 0xFF, 0xFF, 0xFF}, kFull, kFull}),
       GeometryMode::SpeedDOS},
      {"with error bytes",
       ImageBuilder::Blank40(GeometryMode::DolphinDOS)
           .Size(static_cast<std::size_t>(kSize40Errors)),
       GeometryMode::DolphinDOS},
  };
  for (const auto& c : cases) {
    DiskImage image = c.image.Image();
    Prompts prompts;
    EXPECT_EQ(ClassifyImage(image, "x.d64", prompts.dialogs), c.expected) << c.what;
    EXPECT_EQ(prompts.ext_bam.shown().size(), c.expected == GeometryMode::NotListable) << c.what;
  }
}

TEST(ClassifyImageTest, TheAnswerToTheQuestionDecides) {
  const struct {
    PromptAnswer answer;
    GeometryMode expected;
  } cases[] = {
      {{kPromptGoOn, false, 1}, GeometryMode::Original},
      {{kPromptGoOn, false, 2}, GeometryMode::SpeedDOS},
      {{kPromptGoOn, false, 3}, GeometryMode::DolphinDOS},
      {{kPromptGoOn, false, 4}, GeometryMode::PrologicDOS},
      {{kPromptStop, false, 3}, GeometryMode::NotListable},
  };
  for (const auto& c : cases) {
    DiskImage image = Plain40().Image();
    Prompts prompts(c.answer);
    EXPECT_EQ(ClassifyImage(image, "undetected.d64", prompts.dialogs), c.expected);
    ASSERT_EQ(prompts.ext_bam.shown().size(), 1u);
    EXPECT_EQ(prompts.ext_bam.shown()[0].edit1, "undetected.d64");
  }
}

// The don't-ask-again boxes last from image to image; a cancel unticks the box.
TEST(DialogImagePromptsTest, TickedBoxesSilenceTheDialogsAndCancelAsksAgain) {
  Prompts prompts;
  prompts.size.Then({kPromptGoOn, false}).Then({kPromptGoOn, true});
  prompts.ext_bam.Then({kPromptStop, true}).Then({kPromptGoOn, true, 3});
  for (const char* name : {"", "a.d64", "b.d64", "c.d64"}) {
    prompts.dialogs.ReportUnsupportedSize(name);
  }
  EXPECT_EQ(prompts.size.shown().size(), 2u);  // an empty name shows nothing, ticked after b
  for (const GeometryMode mode :
       {GeometryMode::NotListable, GeometryMode::DolphinDOS, GeometryMode::DolphinDOS}) {
    DiskImage image = Plain40().Image();
    EXPECT_EQ(ClassifyImage(image, "x.d64", prompts.dialogs), mode);
  }
  EXPECT_EQ(prompts.ext_bam.shown().size(), 2u);
}

}  // namespace
}  // namespace quillane
