// The fonts' start-up and close sequence against recording calls, as any window runs it.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "FontSequence.h"

namespace {

class RecordingCalls : public FontCalls {
 public:
  std::string installed;    // face names, upper-cased, between commas
  std::string registrable;  // "L" and "U": the files whose registration succeeds
  std::string log;

  bool HasFace(std::string_view face) override {
    std::string upper(face);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return installed.find(upper) != std::string::npos;
  }
  int AddFont(const std::string& path) override {
    Log("add " + path);
    return registrable.find(path[0]) != std::string::npos ? 1 : 0;
  }
  void RemoveFont(const std::string& path) override { Log("remove " + path); }
  void BroadcastFontChange() override { Log("broadcast"); }
  void ShowMessage(std::string_view text) override {
    Log(text == kFontFailureMessage ? "failure" : "?");
  }
  void RequestQuit() override { Log("quit"); }
  void Log(const std::string& call) { log += (log.empty() ? "" : ", ") + call; }
};

TEST(FontSequenceTest, OneBroadcastAfterAddingOnePerRemovalNoneOnFailure) {
  const struct {
    const char* installed;
    const char* registrable;
    const char* at_start;
    const char* at_close;
  } cases[] = {
      {"VEXA-DIR-LOWER,VEXA-DIR-UPPER", "LU", "", ""},
      {"", "LU", "add L, add U, broadcast", "remove L, broadcast, remove U, broadcast"},
      {"VEXA-DIR-LOWER", "LU", "add U, broadcast", "remove U, broadcast"},
      {"", "U", "add L, add U, failure, quit", "remove U, broadcast"},
      {"VEXA-DIR-LOWER", "", "add U, failure, quit", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.installed) + " / " + c.registrable);
    RecordingCalls calls;
    calls.installed = c.installed;
    calls.registrable = c.registrable;
    FontSequence fonts(calls);
    fonts.Install("L", "U");
    EXPECT_EQ(calls.log, c.at_start);
    calls.log.clear();
    fonts.Remove();
    fonts.Remove();
    EXPECT_EQ(calls.log, c.at_close);
  }
}

}  // namespace
