#include "ClassifyImage.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::ImageBuilder;

// Answers the layout question as scripted and records what was asked.
class RecordingPrompts : public ImagePrompts {
 public:
  explicit RecordingPrompts(GeometryAnswer answer = {}) : answer_(answer) {}
  void ReportUnsupportedSize(const std::string& file_name) override {
    calls.push_back("size " + file_name);
  }
  GeometryAnswer AskGeometryMode(const std::string& file_name) override {
    calls.push_back("ask " + file_name);
    return answer_;
  }
  std::vector<std::string> calls;

 private:
  GeometryAnswer answer_;
};

constexpr std::array<int, 4> kFree{17, 0xFF, 0xFF, 0x01};  // 17 free, 17 bits
constexpr std::array<int, 4> kFull{0, 0, 0, 0};

ImageBuilder Plain40() {
  return ImageBuilder::Blank40(GeometryMode::Original);
}

TEST(ClassifyImageTest, ThirtyFiveTrackSizesAreOriginalWithoutReadingAByte) {
  for (std::int64_t size : {kSize35, kSize35Errors}) {
    test::TempFile file(std::vector<std::uint8_t>(static_cast<std::size_t>(size), 0));
    DiskImage image;
    ASSERT_TRUE(image.Open(file.path()));
    RecordingPrompts prompts;
    EXPECT_EQ(ClassifyImage(image, file.path(), prompts), GeometryMode::Original) << size;
    EXPECT_EQ(image.OsReadCalls(), 0u) << size;
    EXPECT_TRUE(prompts.calls.empty());
  }
}

TEST(ClassifyImageTest, UnsupportedSizesAreReportedAndNotListable) {
  const std::int64_t sizes[] = {0,
                                1,
                                kSize35 - 1,
                                kSize35 + 1,
                                kSize35Errors - 1,
                                kSize35Errors + 1,
                                kSize40 - 1,
                                kSize40 + 1,
                                kSize40Errors - 1,
                                kSize40Errors + 1,
                                1 << 20};
  for (std::int64_t size : sizes) {
    DiskImage image =
        DiskImage::FromBytes(std::vector<std::uint8_t>(static_cast<std::size_t>(size), 0));
    RecordingPrompts prompts;
    EXPECT_EQ(ClassifyImage(image, "odd.d64", prompts), GeometryMode::NotListable) << size;
    EXPECT_EQ(prompts.calls, std::vector<std::string>{"size odd.d64"}) << size;
  }
}

struct DetectionCase {
  const char* what;
  ImageBuilder image;
  GeometryMode expected;  // NotListable: the question is asked (and cancelled)
};

TEST(ClassifyImageTest, FortyTrackDetectionInOrder) {
  const DetectionCase cases[] = {
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
      {"one free track is enough",
       Plain40().ExtendedBam(0xC0, {kFull, kFull, {1, 0, 0, 0x80}, kFull, kFull}),
       GeometryMode::SpeedDOS},
      {"with error bytes",
       ImageBuilder::Blank40(GeometryMode::DolphinDOS)
           .Size(static_cast<std::size_t>(kSize40Errors)),
       GeometryMode::DolphinDOS},
  };
  for (const DetectionCase& c : cases) {
    DiskImage image = c.image.Image();
    RecordingPrompts prompts({kPromptStop, 3});
    EXPECT_EQ(ClassifyImage(image, "x.d64", prompts), c.expected) << c.what;
    const bool asked = !prompts.calls.empty();
    EXPECT_EQ(asked, c.expected == GeometryMode::NotListable) << c.what;
  }
}

TEST(ClassifyImageTest, TheAnswerToTheQuestionDecides) {
  struct {
    GeometryAnswer answer;
    GeometryMode expected;
  } cases[] = {
      {{kPromptGoOn, 1}, GeometryMode::Original},    {{kPromptGoOn, 2}, GeometryMode::SpeedDOS},
      {{kPromptGoOn, 3}, GeometryMode::DolphinDOS},  {{kPromptGoOn, 4}, GeometryMode::PrologicDOS},
      {{kPromptStop, 3}, GeometryMode::NotListable},
  };
  for (const auto& c : cases) {
    DiskImage image = Plain40().Image();
    RecordingPrompts prompts(c.answer);
    EXPECT_EQ(ClassifyImage(image, "undetected.d64", prompts), c.expected);
    EXPECT_EQ(prompts.calls, std::vector<std::string>{"ask undetected.d64"});
  }
}

TEST(ExtendedBamPlausibleTest, EntryConsistency) {
  struct {
    std::array<int, 4> entry;
    bool plausible;
  } cases[] = {
      {{0x11, 0xFF, 0xFF, 0x01}, true},   // 17 free, 17 bits
      {{0x11, 0xFF, 0xFF, 0x00}, false},  // 17 free, 16 bits
      {{0x00, 0x00, 0x00, 0x00}, false},  // consistent but nothing free anywhere
      {{0x18, 0xFF, 0xFF, 0xFF}, true},   // all 24 bits count
  };
  for (const auto& c : cases) {
    DiskImage image = Plain40().ExtendedBam(0xC0, {c.entry, kFull, kFull, kFull, kFull}).Image();
    EXPECT_EQ(ExtendedBamPlausible(image, 0x165C0), c.plausible);
  }
}

// A prompt window stand-in that answers from a script and keeps state like the real one.
class FakePrompt : public PromptDialog {
 public:
  FakePrompt(int kind, std::vector<std::pair<int, bool>> script) : kind_(kind), script_(script) {}
  int Kind() const override { return kind_; }
  void SetEdit1(const std::string& text) override { edit1 = text; }
  void SetLabel1(const std::string& text) override { label1 = text; }
  int ShowModal() override {
    const auto [result, tick] = script_.at(shown++);
    box_ = result == kPromptStop ? false : tick;
    result_ = result;
    return result;
  }
  bool CheckBox1() const override { return box_; }
  int ModalResult() const override { return result_; }
  int DosVariant() const override { return variant; }

  std::string edit1, label1;
  int shown = 0;
  int variant = 1;

 private:
  int kind_;
  std::vector<std::pair<int, bool>> script_;
  bool box_ = false;
  int result_ = 0;
};

TEST(DialogImagePromptsTest, SizeReportWritesTheTextsAndIsSilencedByATickedBox) {
  FakePrompt size(kFilesizePrompt, {{kPromptGoOn, false}, {kPromptGoOn, true}});
  FakePrompt bam(kExtBamPrompt, {});
  DialogImagePrompts prompts(size, bam);
  prompts.ReportUnsupportedSize("");  // an empty name shows nothing
  EXPECT_EQ(size.shown, 0);
  prompts.ReportUnsupportedSize("a.d64");
  EXPECT_EQ(size.edit1, "a.d64");
  EXPECT_EQ(size.label1, "Unsupported Filesize...");
  prompts.ReportUnsupportedSize("b.d64");  // ticked now
  prompts.ReportUnsupportedSize("c.d64");
  EXPECT_EQ(size.shown, 2);
}

TEST(DialogImagePromptsTest, LayoutQuestionRemembersTheTickedAnswerAndAsksAgainAfterCancel) {
  FakePrompt size(kFilesizePrompt, {});
  FakePrompt bam(kExtBamPrompt, {{kPromptStop, true}, {kPromptGoOn, true}});
  DialogImagePrompts prompts(size, bam);
  bam.variant = 3;
  DiskImage first = Plain40().Image();
  // Cancel with the box ticked: not listed, and the box is unticked again.
  EXPECT_EQ(ClassifyImage(first, "one.d64", prompts), GeometryMode::NotListable);
  EXPECT_EQ(bam.edit1, "one.d64");
  DiskImage second = Plain40().Image();
  EXPECT_EQ(ClassifyImage(second, "two.d64", prompts), GeometryMode::DolphinDOS);
  DiskImage third = Plain40().Image();
  EXPECT_EQ(ClassifyImage(third, "three.d64", prompts), GeometryMode::DolphinDOS);
  EXPECT_EQ(bam.shown, 2);
  EXPECT_EQ(bam.edit1, "two.d64");
}

}  // namespace
}  // namespace quillane

namespace quillane {
namespace {

TEST(ClassifyImageTest, AFiveGigabyteFileIsJustAnUnsupportedSize) {
  test::TempFile file({});
  ASSERT_EQ(::truncate(file.path().c_str(), 5'000'000'000LL), 0);  // sparse: takes no space
  DiskImage image;
  ASSERT_TRUE(image.Open(file.path()));
  EXPECT_EQ(image.ImageSize(), 5'000'000'000LL);
  RecordingPrompts prompts;
  EXPECT_EQ(ClassifyImage(image, file.path(), prompts), GeometryMode::NotListable);
  EXPECT_EQ(prompts.calls.size(), 1u);
  EXPECT_EQ(image.OsReadCalls(), 0u);
}

}  // namespace
}  // namespace quillane
