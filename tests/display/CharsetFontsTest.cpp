// Font installation and removal against a recording platform: which files are registered and
// removed, how many font-change broadcasts go out, and the failure path.
#include <gtest/gtest.h>

#include <string>

#include "CharsetFonts.h"

namespace {

using namespace quillane::display;

// Records every platform call in order, joined by " | ", and the text of the message box.
class RecordingFontPlatform : public FontPlatform {
 public:
  QStringList installed;  // faces installed before the program started
  QString registrable;    // "L" and "U": the files whose registration succeeds
  std::string log;
  std::string message;

  QStringList InstalledFaces() const override { return installed; }
  int AddFont(const QString& path) override {
    return Log("add " + path), registrable.contains(path.contains("Lower") ? 'L' : 'U') ? 1 : 0;
  }
  void RemoveFont(const QString& path) override { Log("remove " + path); }
  void BroadcastFontChange() override { Log("broadcast"); }
  void ShowMessage(const QString& text) override { Log("message"), message = text.toStdString(); }
  void RequestQuit() override { Log("quit"); }
  void Log(const QString& call) { log += (log.empty() ? "" : " | ") + call.toStdString(); }
};

// The files are taken from the program's folder, here "/p".
TEST(CharsetFontsTest, RegistersBroadcastsAndRemovesOnlyWhatThisRunAdded) {
  // Face names are looked up without regard to letter case. A failed file: the message, then
  // the end request, and no broadcast even though the other file was registered; only that
  // other file is ever removed.
  const std::string add = "add /p/Vexa-Lower.fon | add /p/Vexa-Upper.fon | ";
  const std::string lower = "remove /p/Vexa-Lower.fon | broadcast",
                    upper = "remove /p/Vexa-Upper.fon | broadcast";
  // clang-format off
  const struct { const char* installed; const char* registrable; FontState lower, upper; std::string atStart, atClose; } cases[] = {
      {"Arial,Vexa-Dir-Lower,VEXA-DIR-UPPER", "LU", FontPresent, FontPresent, "", ""},
      {"Vexa-Dir-Upper", "LU", FontAdded, FontPresent, "add /p/Vexa-Lower.fon | broadcast", lower},
      {"Arial", "LU", FontAdded, FontAdded, add + "broadcast", lower + " | " + upper},
      {"", "U", FontFailed, FontAdded, add + "message | quit", upper}, {"", "L", FontAdded, FontFailed, add + "message | quit", lower},
      {"Vexa-Dir-Upper", "", FontFailed, FontPresent, "add /p/Vexa-Lower.fon | message | quit", ""}};
  // clang-format on
  const std::string failure =
      "Installation of Fonts failed...Please make sure that the File 'Vexa-Lower.fon' and the "
      "File 'Vexa-Upper.fon' are present in the Quillane_Light Directory or install these Files "
      "manually in Your Windows\\fonts Directory and start the Quillane_Light again!";
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.installed) + " installed, files " + c.registrable);
    RecordingFontPlatform platform;
    platform.installed = QString(c.installed).split(',', Qt::SkipEmptyParts);
    platform.registrable = c.registrable;
    CharsetFonts fonts(platform);
    fonts.Install(QStringLiteral("/p"));
    EXPECT_EQ(fonts.FontLowerState(), c.lower);
    EXPECT_EQ(fonts.FontUpperState(), c.upper);
    EXPECT_EQ(platform.log, c.atStart);
    EXPECT_EQ(platform.message, platform.log.find("message") != std::string::npos ? failure : "");

    platform.log.clear();
    fonts.Remove();
    fonts.Remove();  // a second close removes nothing more
    EXPECT_EQ(platform.log, c.atClose);
  }
}

}  // namespace
