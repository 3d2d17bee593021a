#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::ImageBuilder;
using test::TempFile;

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Runs the built program with its standard error captured in a file.
Result RunDir(const std::vector<std::string>& args) {
  char err_name[] = "/tmp/quillane-dir-err-XXXXXX";
  const int fd = ::mkstemp(err_name);
  ::close(fd);
  std::string command = Quoted(std::string(QL_BIN_DIR) + "/quillane-dir");
  for (const std::string& arg : args) command += " " + Quoted(arg);
  command += " 2>" + Quoted(err_name) + " </dev/null";
  Result result;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::ifstream err_file(err_name, std::ios::binary);
  result.err.assign(std::istreambuf_iterator<char>(err_file), {});
  ::unlink(err_name);
  return result;
}

std::string Hex(const std::string& bytes) {
  std::string hex;
  char digits[3];
  for (unsigned char c : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", c);
    hex += digits;
  }
  return hex;
}

std::string DumpRow(int row, const std::string& text, const std::string& reverse) {
  return std::to_string(row) + "\t" + Hex(text) + "\t" + reverse + "\n";
}

const std::string kBlankHeader = "0 \"" + std::string(16, ' ') + "\" 01 2A";
const std::string kHeaderReverse = "fcffffffffffffffffff";
const std::string kNoReverse = "00000000000000000000";

std::string EntryRow(const std::string& name) {
  std::string quoted = "\"" + name + "\"";
  quoted.resize(18, ' ');
  return "1    " + quoted + " PRG";
}

// 18/1 -> 18/4 -> 18/1: a directory chain that loops.
ImageBuilder Loop() {
  return ImageBuilder::Blank35()
      .Link(18, 1, 18, 4)
      .SetEntry(18, 1, 0, {.name = "A"})
      .Link(18, 4, 18, 1)
      .SetEntry(18, 4, 0, {.name = "B"});
}

const std::string kLoopPrompt =
    "# prompt 3 Directoryentry $16600 is crosslinked to a previous directoryentry!\n";

TEST(QuillaneDirTest, DumpOfABlankDisk) {
  const TempFile file = ImageBuilder::Blank35().WriteTemp();
  const Result r = RunDir({"--dump", file.path()});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "# image " + file.path() + "\n# mode 1\n" +
                       DumpRow(0, kBlankHeader, kHeaderReverse) +
                       DumpRow(1, "664 BLOCKS FREE.", kNoReverse));
  EXPECT_EQ(r.err, "");
}

TEST(QuillaneDirTest, TextOutputWithAndWithoutReverseVideo) {
  const TempFile file = ImageBuilder::Blank35()
                            .DiskName("DISK")
                            .SetEntry(18, 1, 0,
                                      {.name = "\xC1"
                                               "A\x12"
                                               "B"})
                            .WriteTemp();
  const std::string plain_name = "1    \"\u2660ARB\"" + std::string(12, ' ') + " PRG";
  const Result plain = RunDir({"--color", "never", file.path()});
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.out,
            "0 \"DISK" + std::string(12, ' ') + "\" 01 2A\n" + plain_name + "\n664 BLOCKS FREE.\n");

  // Reverse video: the header from its quote on, the control byte 0x12 kept inside the quotes
  // as a reversed R; the lower-case set shows the shifted A as a capital.
  const Result ansi = RunDir({"--color=always", "--charset", "lower", file.path()});
  EXPECT_EQ(ansi.status, 0);
  EXPECT_EQ(ansi.out, "0 \x1b[7m\"disk" + std::string(12, ' ') + "\" 01 2a\x1b[27m\n" +
                          "1    \"Aa\x1b[7mr\x1b[27mb\"" + std::string(12, ' ') +
                          " prg\n664 blocks free.\n");
}

TEST(QuillaneDirTest, CrosslinkAskedOnceAcrossImagesByDefault) {
  const TempFile first = Loop().WriteTemp();
  const TempFile second = Loop().WriteTemp();
  const Result r = RunDir({"--dump", first.path(), second.path()});
  EXPECT_EQ(r.status, 0);
  const std::string rows =
      DumpRow(0, kBlankHeader, kHeaderReverse) + DumpRow(1, EntryRow("A"), kNoReverse);
  const std::string rest =
      DumpRow(2, EntryRow("B"), kNoReverse) + DumpRow(3, "664 BLOCKS FREE.", kNoReverse);
  EXPECT_EQ(r.out, "# image " + first.path() + "\n# mode 1\n" + rows + kLoopPrompt + rest +
                       "# image " + second.path() + "\n# mode 1\n" + rows + rest);
}

TEST(QuillaneDirTest, CrosslinkAnswers) {
  const TempFile file = Loop().WriteTemp();
  const Result abort = RunDir({"--dump", "--crosslinks", "abort", file.path(), file.path()});
  EXPECT_EQ(abort.status, 0);
  const std::string aborted = "# mode 1\n" + DumpRow(0, kBlankHeader, kHeaderReverse) +
                              DumpRow(1, EntryRow("A"), kNoReverse) + kLoopPrompt +
                              DumpRow(2, "664 BLOCKS FREE.", kNoReverse);
  EXPECT_EQ(abort.out,
            "# image " + file.path() + "\n" + aborted + "# image " + file.path() + "\n" + aborted);

  // Listed anyway every time, the loop runs into the limit of 36 directory sectors.
  const Result list = RunDir({"--dump", "--crosslinks", "list", file.path()});
  EXPECT_EQ(list.status, 0);
  std::istringstream lines(list.out);
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) all.push_back(line);
  ASSERT_EQ(all.size(), 2u + 38u + 35u + 1u);
  EXPECT_EQ(all[all.size() - 2],
            "# message " + file.path() + ": Max 288 files allowed! Image aborted!");
  EXPECT_EQ(all.back() + "\n", DumpRow(37, "664 BLOCKS FREE.", kNoReverse));

  // In the text output the prompts go to standard error.
  const Result text = RunDir({"--crosslinks", "abort", file.path()});
  EXPECT_EQ(text.err, "quillane-dir: " + file.path() +
                          ": Directoryentry $16600 is crosslinked to a previous directoryentry!\n");
}

TEST(QuillaneDirTest, ExtendedBamQuestion) {
  const TempFile file = ImageBuilder::Blank40(GeometryMode::Original).WriteTemp();
  const std::string prompt =
      "# prompt 6 The Extended BAM could not be detected. Handle this Image as:\n";
  const Result cancel = RunDir({"--dump", file.path()});
  EXPECT_EQ(cancel.status, 3);
  EXPECT_EQ(cancel.out, "# image " + file.path() + "\n" + prompt + "# mode 0\n");

  // A chosen layout is asked once and kept for the rest of the run.
  const Result dolphin = RunDir({"--dump", "--layout", "dolphindos", file.path(), file.path()});
  EXPECT_EQ(dolphin.status, 0);
  EXPECT_EQ(dolphin.out.find(prompt), dolphin.out.rfind(prompt));
  EXPECT_NE(dolphin.out.find("# image " + file.path() + "\n# mode 3\n0\t"), std::string::npos);
  EXPECT_NE(dolphin.out.find("\n" + prompt + "# mode 3\n0\t"), std::string::npos);

  const Result text = RunDir({file.path()});
  EXPECT_EQ(text.status, 3);
  EXPECT_EQ(text.out, "");
  EXPECT_EQ(text.err, "quillane-dir: " + file.path() +
                          ": The Extended BAM could not be detected. Handle this Image as:\n");
}

TEST(QuillaneDirTest, ExitStatusIsTheHighestOfTheImages) {
  const TempFile good = ImageBuilder::Blank35().WriteTemp();
  const TempFile odd = ImageBuilder::Blank35().Size(1000).WriteTemp();
  const std::string missing = good.path() + ".missing";
  struct Case {
    std::vector<std::string> images;
    int status;
  };
  const Case cases[] = {
      {{good.path()}, 0},
      {{missing}, 2},
      {{"/tmp"}, 2},
      {{odd.path()}, 3},
      {{good.path(), missing}, 2},
      {{missing, odd.path(), good.path()}, 3},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"--dump"};
    args.insert(args.end(), c.images.begin(), c.images.end());
    EXPECT_EQ(RunDir(args).status, c.status) << c.images.size() << " " << c.images[0];
  }
  const Result unreadable = RunDir({"--dump", missing});
  EXPECT_EQ(unreadable.out, "# image " + missing + "\n# unreadable\n");
  EXPECT_EQ(unreadable.err, "quillane-dir: " + missing + ": No such file or directory\n");
  const Result unsupported = RunDir({"--dump", odd.path()});
  EXPECT_EQ(unsupported.out,
            "# image " + odd.path() + "\n# prompt 4 Unsupported Filesize...\n# mode 0\n");
  const Result unsupported_text = RunDir({odd.path(), odd.path()});
  EXPECT_EQ(unsupported_text.err, "quillane-dir: " + odd.path() + ": Unsupported Filesize...\n" +
                                      "quillane-dir: " + odd.path() +
                                      ": Unsupported Filesize...\n");
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
  const Result help = RunDir({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: quillane-dir", 0), 0u);
  const Result version = RunDir({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("quillane-dir ", 0), 0u);
}

TEST(QuillaneDirTest, DemoDiskLists) {
  const std::string demo = std::string(QL_SOURCE_DIR) + "/samples/demo.d64";
  const Result r = RunDir({"--color", "never", demo});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("DEMO DISK"), std::string::npos);
  EXPECT_NE(r.out.find(" LIST  2A"), std::string::npos);  // the token after the disk name
  EXPECT_NE(r.out.find("\"UNCLOSED\"" + std::string(8, ' ') + "*PRG"), std::string::npos);
  EXPECT_NE(r.out.find("\"GEOS APP\"" + std::string(9, ' ') + "APP"), std::string::npos);
  EXPECT_NE(r.out.find(" BLOCKS FREE.\n"), std::string::npos);
}

}  // namespace
}  // namespace quillane
