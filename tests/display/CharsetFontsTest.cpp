// Font installation and removal against a recording platform: which files are registered and
// removed, how many font-change broadcasts go out, and the failure path.
#include <gtest/gtest.h>

#include <QDir>
#include <QSet>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "CharsetFonts.h"

namespace {

// Records every platform call in order, as one line each.
class RecordingFontPlatform : public FontPlatform {
 public:
  QStringList installed;      // faces installed before the program started
  QSet<QString> registrable;  // paths whose registration succeeds
  std::vector<std::string> log;

  QStringList InstalledFaces() const override { return installed; }
  int AddFont(const QString& path) override {
    log.push_back("add " + path.toStdString());
    return registrable.contains(path) ? 1 : 0;
  }
  void RemoveFont(const QString& path) override { log.push_back("remove " + path.toStdString()); }
  void BroadcastFontChange() override { log.push_back("broadcast"); }
  void ShowMessage(const QString& text) override { log.push_back("message " + text.toStdString()); }
  void RequestQuit() override { log.push_back("quit"); }
};

const QString kFolder = QStringLiteral("/opt/quillane/bin");
const std::string kLower = "/opt/quillane/bin/Vexa-Lower.fon";
const std::string kUpper = "/opt/quillane/bin/Vexa-Upper.fon";
const std::string kMessage =
    "message Installation of Fonts failed...Please make sure that the File 'Vexa-Lower.fon' and "
    "the File 'Vexa-Upper.fon' are present in the Quillane_Light Directory or install these "
    "Files manually in Your Windows\\fonts Directory and start the Quillane_Light again!";

struct InstallCase {
  const char* name;
  QStringList installed;
  std::vector<std::string> registrable;
  FontState lowerState;
  FontState upperState;
  std::vector<std::string> atStart;
  std::vector<std::string> atClose;
};

class CharsetFontsTest : public testing::TestWithParam<InstallCase> {};

TEST_P(CharsetFontsTest, RegistersBroadcastsAndRemovesOnlyWhatThisRunAdded) {
  const InstallCase& c = GetParam();
  RecordingFontPlatform platform;
  platform.installed = c.installed;
  for (const std::string& path : c.registrable)
    platform.registrable.insert(QString::fromStdString(path));

  CharsetFonts fonts(platform);
  fonts.Install(kFolder);
  EXPECT_EQ(fonts.FontLowerState(), c.lowerState);
  EXPECT_EQ(fonts.FontUpperState(), c.upperState);
  EXPECT_EQ(platform.log, c.atStart);

  platform.log.clear();
  fonts.Remove();
  EXPECT_EQ(platform.log, c.atClose);

  platform.log.clear();
  fonts.Remove();  // a second close removes nothing more
  EXPECT_TRUE(platform.log.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CharsetFontsTest,
    testing::Values(InstallCase{"BothInstalled",
                                {"Arial", "Vexa-Dir-Lower", "Vexa-Dir-Upper"},
                                {kLower, kUpper},
                                FontPresent,
                                FontPresent,
                                {},
                                {}},
                    InstallCase{"BothInstalledOtherCase",
                                {"vexa-dir-lower", "VEXA-DIR-UPPER"},
                                {},
                                FontPresent,
                                FontPresent,
                                {},
                                {}},
                    InstallCase{"OnlyUpperInstalled",
                                {"Vexa-Dir-Upper"},
                                {kLower, kUpper},
                                FontAdded,
                                FontPresent,
                                {"add " + kLower, "broadcast"},
                                {"remove " + kLower, "broadcast"}},
                    InstallCase{"OnlyLowerInstalled",
                                {"Vexa-Dir-Lower"},
                                {kLower, kUpper},
                                FontPresent,
                                FontAdded,
                                {"add " + kUpper, "broadcast"},
                                {"remove " + kUpper, "broadcast"}},
                    InstallCase{"NeitherInstalled",
                                {"Arial"},
                                {kLower, kUpper},
                                FontAdded,
                                FontAdded,
                                {"add " + kLower, "add " + kUpper, "broadcast"},
                                {"remove " + kLower, "broadcast", "remove " + kUpper, "broadcast"}},
                    // A failed file: the message, then the end request, and no broadcast even
                    // though the other file was registered. Only that other file is ever removed.
                    InstallCase{"LowerFileMissing",
                                {},
                                {kUpper},
                                FontFailed,
                                FontAdded,
                                {"add " + kLower, "add " + kUpper, kMessage, "quit"},
                                {"remove " + kUpper, "broadcast"}},
                    InstallCase{"UpperFileMissing",
                                {},
                                {kLower},
                                FontAdded,
                                FontFailed,
                                {"add " + kLower, "add " + kUpper, kMessage, "quit"},
                                {"remove " + kLower, "broadcast"}},
                    InstallCase{"LowerFileMissingUpperInstalled",
                                {"Vexa-Dir-Upper"},
                                {},
                                FontFailed,
                                FontPresent,
                                {"add " + kLower, kMessage, "quit"},
                                {}},
                    InstallCase{"BothFilesMissing",
                                {},
                                {},
                                FontFailed,
                                FontFailed,
                                {"add " + kLower, "add " + kUpper, kMessage, "quit"},
                                {}}),
    [](const testing::TestParamInfo<InstallCase>& info) { return info.param.name; });

TEST(CharsetFonts, FilesAreTakenFromTheGivenProgramFolderNotTheCurrentFolder) {
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));
  RecordingFontPlatform platform;
  CharsetFonts fonts(platform);
  fonts.Install(QStringLiteral("/usr/lib/quillane"));
  QDir::setCurrent(before);

  EXPECT_EQ(fonts.FontLowerPath(), QStringLiteral("/usr/lib/quillane/Vexa-Lower.fon"));
  EXPECT_EQ(fonts.FontUpperPath(), QStringLiteral("/usr/lib/quillane/Vexa-Upper.fon"));
  EXPECT_EQ(platform.log.at(0), "add /usr/lib/quillane/Vexa-Lower.fon");
}

TEST(CharsetFonts, FolderWithTrailingSlashGetsNoSecondSlash) {
  RecordingFontPlatform platform;
  CharsetFonts fonts(platform);
  fonts.Install(QStringLiteral("/"));
  EXPECT_EQ(fonts.FontLowerPath(), QStringLiteral("/Vexa-Lower.fon"));
  EXPECT_EQ(fonts.FontUpperPath(), QStringLiteral("/Vexa-Upper.fon"));
}

}  // namespace
