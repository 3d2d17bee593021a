#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::ImageBuilder;
using test::TempFile;

struct Result {
  int status;
  std::string out, err;
};

std::string Slurp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Runs the built program, its two output streams captured in files.
Result RunDir(const std::vector<std::string>& args) {
  const TempFile out({}, ".out"), err({}, ".err");
  std::string command = std::string(QL_BIN_DIR) + "/quillane-dir";
  for (const std::string& arg : args) command += " '" + arg + "'";  // no quotes in test paths
  command += " >" + out.path() + " 2>" + err.path() + " </dev/null";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out.path()), Slurp(err.path())};
}

// One --dump row line: index, text bytes and reverse-map row in lowercase hex.
std::string DumpRow(int row, const std::string& text,
                    const std::string& reverse = std::string(20, '0')) {
  std::string line = std::to_string(row) + "\t";
  char digits[3];
  for (unsigned char c : text) {
    std::snprintf(digits, sizeof digits, "%02x", c);
    line += digits;
  }
  return line + "\t" + reverse + "\n";
}

std::string HeaderRow(const char* dos_type = "2A") {
  return DumpRow(0, "0 \"" + std::string(16, ' ') + "\" 01 " + dos_type,
                 "fc" + std::string(18, 'f'));
}

const std::string kHeader = HeaderRow();
const std::string kFree = "664 BLOCKS FREE.";

std::string EntryRow(int row, const std::string& name) {
  return DumpRow(row, "1    \"" + name + "\"" + std::string(16 - name.size(), ' ') + " PRG");
}

TEST(QuillaneDirTest, TextOutputWithAndWithoutReverseVideo) {
  const TempFile file = ImageBuilder::Blank35()
                            .DiskName("DISK")
                            .SetEntry(18, 1, 0, {.name = "\xC1\x41\x12\x42"})
                            .WriteTemp();
  const Result plain = RunDir({"--color", "never", file.path()});
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.out, "0 \"DISK" + std::string(12, ' ') + "\" 01 2A\n1    \"\u2660ARB\"" +
                           std::string(12, ' ') + " PRG\n664 BLOCKS FREE.\n");
  // Reverse video: the header from its quote on, the control byte 0x12 kept inside the quotes
  // as a reversed R; the lower-case set shows the shifted A as a capital.
  const Result ansi = RunDir({"--color=always", "--charset", "lower", file.path()});
  EXPECT_EQ(ansi.out, "0 \x1b[7m\"disk" + std::string(12, ' ') + "\" 01 2a\x1b[27m\n" +
                          "1    \"Aa\x1b[7mr\x1b[27mb\"" + std::string(12, ' ') +
                          " prg\n664 blocks free.\n");
}

// A looping chain 18/1 -> 18/4 -> 18/1 listed twice in one run: the dialog's state lasts.
TEST(QuillaneDirTest, CrosslinkAnswersAcrossImages) {
  const TempFile file = ImageBuilder::Blank35()
                            .Link(18, 1, 18, 4)
                            .SetEntry(18, 1, 0, {.name = "A"})
                            .Link(18, 4, 18, 1)
                            .SetEntry(18, 4, 0, {.name = "B"})
                            .WriteTemp();
  const std::string image = "# image " + file.path() + "\n# mode 1\n" + kHeader + EntryRow(1, "A");
  const std::string crosslink =
      "Directoryentry $16600 is crosslinked to a previous directoryentry!";
  const std::string prompt = "# prompt 3 " + crosslink + "\n";
  const std::string once = EntryRow(2, "B") + DumpRow(3, kFree);
  const std::string aborted = prompt + DumpRow(2, kFree);
  const Result list_once = RunDir({"--dump", file.path(), file.path()});  // the default
  EXPECT_EQ(list_once.status, 0);
  EXPECT_EQ(list_once.out, image + prompt + once + image + once);
  EXPECT_EQ(list_once.err, "");
  const Result abort = RunDir({"--dump", "--crosslinks", "abort", file.path(), file.path()});
  EXPECT_EQ(abort.out, image + aborted + image + aborted);
  EXPECT_EQ(RunDir({"--crosslinks", "abort", file.path()}).err,
            "quillane-dir: " + file.path() + ": " + crosslink + "\n");

  // Listed anyway every time, the loop runs into the limit of 36 directory sectors.
  const Result list = RunDir({"--dump", "--crosslinks", "list", file.path()});
  EXPECT_EQ(list.status, 0);
  EXPECT_TRUE(list.out.ends_with("# message " + file.path() +
                                 ": Max 288 files allowed! Image aborted!\n" + DumpRow(37, kFree)));
}

TEST(QuillaneDirTest, ExtendedBamQuestionAskedOncePerRun) {
  const TempFile file = ImageBuilder::Blank40(GeometryMode::Original).WriteTemp();
  const std::string question = "The Extended BAM could not be detected. Handle this Image as:";
  const std::string image = "# image " + file.path() + "\n";
  const Result cancel = RunDir({"--dump", file.path()});
  EXPECT_EQ(cancel.status, 3);
  EXPECT_EQ(cancel.out, image + "# prompt 6 " + question + "\n# mode 0\n");
  const Result text = RunDir({file.path()});
  EXPECT_EQ(text.status, 3);
  EXPECT_EQ(text.out, "");
  EXPECT_EQ(text.err, "quillane-dir: " + file.path() + ": " + question + "\n");

  const Result dolphin = RunDir({"--dump", "--layout", "dolphindos", file.path(), file.path()});
  EXPECT_EQ(dolphin.status, 0);
  const std::string rows = HeaderRow("2D") + DumpRow(1, kFree);
  EXPECT_EQ(dolphin.out,
            image + "# prompt 6 " + question + "\n# mode 3\n" + rows + image + "# mode 3\n" + rows);
}

TEST(QuillaneDirTest, ExitStatusIsTheHighestOfTheImages) {
  const TempFile good = ImageBuilder::Blank35().WriteTemp();
  const TempFile odd = ImageBuilder::Blank35().Size(1000).WriteTemp();
  const std::string missing = good.path() + ".missing";
  const std::string no_file = "quillane-dir: " + missing + ": No such file or directory\n";
  const std::string bad_size = "quillane-dir: " + odd.path() + ": Unsupported Filesize...\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{good.path()}, 0, ""},
      {{missing}, 2, no_file},
      {{"/tmp"}, 2, "quillane-dir: /tmp: Is a directory\n"},
      {{odd.path(), odd.path()}, 3, bad_size + bad_size},  // shown every time
      {{good.path(), missing}, 2, no_file},
      {{missing, odd.path(), good.path()}, 3, no_file + bad_size},
  };
  for (const auto& c : cases) {
    const Result r = RunDir(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.back();
    EXPECT_EQ(r.err, c.err);
  }
  EXPECT_EQ(RunDir({"--dump", missing, odd.path()}).out,
            "# image " + missing + "\n# unreadable\n# image " + odd.path() +
                "\n# prompt 4 Unsupported Filesize...\n# mode 0\n");
}

TEST(QuillaneDirTest, UsageErrorsHelpAndVersion) {
  const std::vector<std::string> bad[] = {
      {}, {"--dump"}, {"--color", "purple", "x.d64"}, {"--charset"}, {"--frobnicate", "x.d64"}};
  for (const auto& args : bad) {
    const Result r = RunDir(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: quillane-dir"), std::string::npos) << r.err;
  }
  EXPECT_TRUE(RunDir({"--help"}).out.starts_with("usage: quillane-dir"));
  EXPECT_TRUE(RunDir({"--version"}).out.starts_with("quillane-dir "));
}

TEST(QuillaneDirTest, DemoDiskLists) {
  const Result r = RunDir({"--color", "never", std::string(QL_SOURCE_DIR) + "/samples/demo.d64"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  for (const char* shown : {"DEMO DISK", " LIST  2A", "\"UNCLOSED\"        *PRG",
                            "\"GEOS APP\"         APP", " BLOCKS FREE.\n"}) {
    EXPECT_NE(r.out.find(shown), std::string::npos) << shown;
  }
}

}  // namespace
}  // namespace quillane
