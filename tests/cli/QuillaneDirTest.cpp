#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "../fuzz/ListArbitraryBytes.h"
#include "CliOptions.h"
#include "ImageBuilder.h"
#include "OutputText.h"

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

void Replace(std::string& text, const std::string& what, const std::string& with) {
  for (std::size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += with.size()) {
    text.replace(at, what.size(), with);
  }
}

// Runs the built program through the shell line `shape`, where CMD stands for the program run
// with args (stderr, exit status and stdin taken care of), OUT for a file read back as out,
// and BIN for the program (run under `wrap` in CMD).
Result RunDir(const std::vector<std::string>& args, std::string shape = "CMD >OUT",
              const std::string& wrap = "") {
  const TempFile out({}, ".out"), err({}, ".err"), status({}, ".status");
  std::string command = "{ " + wrap + "BIN";
  for (const std::string& arg : args) command += " '" + arg + "'";  // no quotes in test paths
  command += " 2>" + err.path() + " </dev/null; echo $? >" + status.path() + "; }";
  Replace(shape, "CMD", command);
  Replace(shape, "OUT", out.path());
  Replace(shape, "BIN", std::string(QL_BIN_DIR) + "/quillane-dir");
  std::system(shape.c_str());
  return {std::atoi(Slurp(status.path()).c_str()), Slurp(out.path()), Slurp(err.path())};
}

// One --dump row line: index, text bytes and reverse-map row in lowercase hex.
std::string DumpRow(int row, const std::string& text,
                    const std::string& reverse = std::string(20, '0')) {
  std::string line = std::to_string(row) + "\t";
  for (unsigned char c : text) line += {"0123456789abcdef"[c >> 4], "0123456789abcdef"[c & 15]};
  return line + "\t" + reverse + "\n";
}

const std::string kHeader =
    DumpRow(0, "0 \"" + std::string(16, ' ') + "\" 01 2A", "fc" + std::string(18, 'f'));
const std::string kFree = "664 BLOCKS FREE.";
const std::string kQuestion = "The Extended BAM could not be detected. Handle this Image as:";

std::string EntryRow(int row, const std::string& name) {
  return DumpRow(row, "1    \"" + name + "\"" + std::string(16 - name.size(), ' ') + " PRG");
}

// The pound sign sits amid the codes that show as ASCII, in a row of ASCII otherwise.
TEST(QuillaneDirTest, TextOutputWithAndWithoutReverseVideo) {
  const TempFile file = ImageBuilder::Blank35()
                            .DiskName("DISK")
                            .SetEntry(18, 1, 0, {.name = "\xC1\x41\x12\x42"})
                            .SetEntry(18, 1, 1, {.name = "[\\"})
                            .WriteTemp();
  const std::string pound = "1    \"[\u00A3\"" + std::string(14, ' ');
  const Result plain = RunDir({"--color", "never", file.path()});
  EXPECT_EQ(plain.out, "0 \"DISK" + std::string(12, ' ') + "\" 01 2A\n1    \"\u2660ARB\"" +
                           std::string(12, ' ') + " PRG\n" + pound + " PRG\n664 BLOCKS FREE.\n");
  // Reverse video: the header from its quote on, the control byte 0x12 kept inside the quotes
  // as a reversed R; the lower-case set shows the shifted A as a capital.
  const Result ansi = RunDir({"--color=always", "--charset", "lower", file.path()});
  EXPECT_EQ(ansi.out, "0 \x1b[7m\"disk" + std::string(12, ' ') + "\" 01 2a\x1b[27m\n" +
                          "1    \"Aa\x1b[7mr\x1b[27mb\"" + std::string(12, ' ') + " prg\n" + pound +
                          " prg\n664 blocks free.\n");
}

// A looping chain 18/1 -> 18/4 -> 18/1 listed twice in one run: the dialog's state lasts.
// The first name holds every hex digit as a high and as a low nibble.
TEST(QuillaneDirTest, CrosslinkAnswersAcrossImages) {
  const std::string digits = "\x01\x23\x45\x67\x89\xAB\xCD\xEF\xFE\xDC\xBA\x98\x76\x54\x32\x10";
  const TempFile file = ImageBuilder::Blank35()
                            .Link(18, 1, 18, 4)
                            .SetEntry(18, 1, 0, {.name = digits})
                            .Link(18, 4, 18, 1)
                            .SetEntry(18, 4, 0, {.name = "B"})
                            .WriteTemp();
  const std::string image =
      "# image " + file.path() + "\n# mode 1\n" + kHeader + EntryRow(1, digits);
  const std::string crosslink =
      "Directoryentry $16600 is crosslinked to a previous directoryentry!";
  const std::string prompt = "# prompt 3 " + crosslink + "\n";
  const std::string once = EntryRow(2, "B") + DumpRow(3, kFree);
  const Result list_once = RunDir({"--dump", file.path(), file.path()});  // the default
  EXPECT_EQ(list_once.status, 0);
  EXPECT_EQ(list_once.out, image + prompt + once + image + once);
  EXPECT_EQ(list_once.err, "");

  // Listed anyway every time, the loop runs into the limit of 36 directory sectors.
  const Result list = RunDir({"--dump", "--crosslinks", "list", file.path()});
  EXPECT_EQ(list.status, 0);
  EXPECT_TRUE(list.out.ends_with("# message " + file.path() +
                                 ": Max 288 files allowed! Image aborted!\n" + DumpRow(37, kFree)));
}

// Exit statuses and messages, with several images the highest; a write that fails stops the
// run at once. Paths in messages come escaped.
TEST(QuillaneDirTest, ExitStatusesAndMessages) {
  const TempFile good = ImageBuilder::Blank35().WriteTemp();
  const TempFile odd = ImageBuilder::Blank35().Size(1000).WriteTemp();
  const TempFile forty = ImageBuilder::Blank40(GeometryMode::Original).WriteTemp();
  const std::string missing = good.path() + "\x1b[2J\\";
  const std::string no_file =
      "quillane-dir: " + good.path() + "\\x1b[2J\\\\: No such file or directory\n";
  const std::string bad_size = "quillane-dir: " + odd.path() + ": Unsupported Filesize...\n";
  const std::string asked = "quillane-dir: " + forty.path() + ": " + kQuestion + "\n";
  const std::string unwritable = "quillane-dir: output could not be written: ";
  const std::string full = unwritable + "No space left on device\n";
  const std::string usage =
      std::string(cli::kUsage) + "Try 'quillane-dir --help' for more information.\n";
  const std::string pipe = "trap '' PIPE; { sleep 0.3; CMD; } | true";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
    std::string shape = "CMD >OUT";
  } cases[] = {// clang-format off
      {{good.path()}, 0, ""}, {{missing}, 2, no_file},
      {{odd.path(), odd.path()}, 3, bad_size + bad_size},  // shown every time
      {{missing, odd.path(), good.path()}, 3, no_file + bad_size}, {{forty.path()}, 3, asked},
      {{"--layout", "original", forty.path()}, 0, asked},
      {{"--color", "purple", "x.d64"}, 1, "quillane-dir: invalid value 'purple' for option '--color'\n" + usage},
      {{"--dump"}, 1, "quillane-dir: no image given\n" + usage}, {{good.path()}, 4, full, "CMD >/dev/full"},
      {{missing, "--dump", good.path(), missing}, 4, no_file + full, "CMD >/dev/full"},
      {{"--json", good.path()}, 4, full, "CMD >/dev/full"}, {{"--help"}, 4, full, "CMD >/dev/full"},
      {{"--version"}, 4, full, "CMD >/dev/full"}, {{good.path()}, 4, unwritable + "Bad file descriptor\n", "CMD >&-"},
      {{"--dump", good.path()}, 4, unwritable + "Broken pipe\n", pipe}};
  // clang-format on
  for (const auto& c : cases) {
    const Result r = RunDir(c.args, c.shape);
    EXPECT_EQ(r.status, c.status) << c.args.back() << " " << c.shape;
    EXPECT_EQ(r.err, c.err);
  }
  EXPECT_EQ(RunDir({"--dump", missing, odd.path()}).out,
            "# image " + good.path() + "\\x1b[2J\\\\\n# unreadable\n# image " + odd.path() +
                "\n# prompt 4 Unsupported Filesize...\n# mode 0\n");
}

// A file name cannot forge records of the dump.
TEST(QuillaneDirTest, NamesAreEscaped) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "quillane-forged";
  std::filesystem::create_directories(dir);
  const std::string forged = (dir / "evil\n# mode 4\n0\t41\t00.d64").string();
  std::filesystem::copy_file(TempFile(ImageBuilder::Blank35().bytes()).path(), forged,
                             std::filesystem::copy_options::overwrite_existing);
  EXPECT_EQ(RunDir({"--dump", forged}).out, "# image " + dir.string() +
                                                "/evil\\n# mode 4\\n0\\t41\\t00.d64\n# mode 1\n" +
                                                kHeader + DumpRow(1, kFree));
  std::filesystem::remove_all(dir);

  // Controls, DEL, C1 controls (CSI) and what is not UTF-8 (overlong, surrogate, cut short).
  for (const auto& [raw, escaped] : std::vector<std::pair<std::string, std::string>>{
           {"a\\b\r\x7f\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80",
            "a\\\\b\\x0d\\x7f\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80"},
           {"\xC2\x9B\xC2\xA0\xC1\xBF\xED\xA0\x80", "\\xc2\\x9b\xC2\xA0\\xc1\\xbf\\xed\\xa0\\x80"},
           {"\xE0\x9F\xBF\xF4\x90\x80\x80\xF0\x9F\x98",
            "\\xe0\\x9f\\xbf\\xf4\\x90\\x80\\x80\\xf0\\x9f\\x98"}}) {
    std::string out;
    AppendEscaped(out, raw);
    EXPECT_EQ(out, escaped);
  }
}

// An image whose reads fail lists no row in any form.
TEST(QuillaneDirTest, UnreadableImageListsNothing) {
  if (std::system("strace -o /dev/null true 2>/dev/null") != 0) GTEST_SKIP() << "no strace";
  // The image's reads, those after the dynamic loader's, fail; or the first of them waits while
  // the file shrinks.
  const TempFile file = ImageBuilder::Blank35().WriteTemp();
  const std::string loader =
      "K=$(strace -f -e trace=pread64 BIN --version 2>&1 >/dev/null | grep -c pread64); ";
  // (The leak checker of a sanitizer build cannot run under ptrace.)
  const std::string inject =
      "ASAN_OPTIONS=detect_leaks=0 strace -f -o /dev/null -e inject=pread64:";
  const std::string shrink = "CMD >OUT & sleep 0.5; truncate -s 1000 " + file.path() + "; wait";
  const std::string cut = "quillane-dir: " + file.path() + ": the file shrank while it was read\n";
  const std::string eio = "quillane-dir: " + file.path() + ": Input/output error\n";
  for (const auto& [form, shape, wrap, out, err] :
       std::vector<std::tuple<std::string, std::string, std::string, std::string, std::string>>{
           {"--color=never", "CMD >OUT", "error=EIO:when=$((K+1))+ ", "", eio},
           {"--json", "CMD >OUT", "error=EIO:when=$((K+1))+ ", "\"unreadable\"", eio},
           {"--dump", shrink, "delay_enter=1000000:when=$((K+1)) ",
            "# image " + file.path() + "\n# unreadable\n", cut}}) {
    const Result r = RunDir({form, file.path()}, loader + shape, inject + wrap);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, err);
    EXPECT_EQ(form == "--json" ? r.out.substr(r.out.find("\"outcome\":") + 10, 12) : r.out, out);
  }
}

// The catalogue's fields, read back with jq.
TEST(QuillaneDirTest, JsonFields) {
  const TempFile entry = ImageBuilder::Blank35()
                             .DiskName("DISK")
                             .SetEntry(18, 1, 0, {.type = 0x42, .name = "AB", .blocks = 300})
                             .SetEntry(18, 1, 1, {.name = "G", .geos_type = 6})
                             .WriteTemp();
  const TempFile end =
      ImageBuilder::Blank35().SetEntry(18, 1, 0, {.name = std::string("A\0\0\0", 4)}).WriteTemp();
  const TempFile odd = ImageBuilder::Blank35().Size(1000).WriteTemp();
  // ID and fill byte of BASIC tokens, listed as keywords: a header of two screen lines.
  const TempFile speed = ImageBuilder::Blank40(GeometryMode::SpeedDOS)
                             .Set(test::kBam + 0xA2, "\x98\x98\x98")
                             .WriteTemp();
  const struct {
    std::vector<std::string> args;
    std::string filter, expected;
  } cases[] = {
      // clang-format off
      {{entry.path()}, "[.header.disk_name, .header.disk_name_hex, (.entries[] | .blocks, .type_byte, .type, "
       ".locked, .closed, .geos_type, .name, .name_hex[:6], .row.index)]",
       "[\"DISK\",\"4449534ba0a0a0a0a0a0a0a0a0a0a0a0\",300,66,\"*PRG<\",true,false,0,\"AB\","
       "\"4142a0\",1,1,130,\"APP\",false,true,6,\"G\",\"47a0a0\",2]"},
      {{end.path()}, "[.end, .blocks_free_row, .entries[0].row.petscii_hex]", "[\"end-marker\",null,\"31202020202241\"]"},
      {{odd.path()}, "[.outcome, .mode, .mode_name, .prompts[0].kind, .prompts[0].answer]",
       "[\"not-listable\",0,\"NotListable\",4,\"ok\"]"},
      {{speed.path()}, "[.mode_name, .header.dos_type, (.header.rows[] | .index, .text[-2:])]",
       "[\"SpeedDOS\",\"2A\",0,\"#2\",1,\"S\"]"}};
  // clang-format on
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.begin(), "--json");
    EXPECT_EQ(RunDir(args, "CMD | jq -c '" + c.filter + "' >OUT").out, c.expected + "\n");
  }
}

// Each row's text in the catalogue reads as the plain listing shows the row, in both character
// sets, with names that hold every byte code but zero.
TEST(QuillaneDirTest, JsonRowTextIsTheListingText) {
  ImageBuilder image = ImageBuilder::Blank35().Link(18, 1, 18, 4);
  for (int k = 0; k < 16; ++k) {
    std::string name;
    for (int i = 0; i < 16; ++i) name += static_cast<char>(std::max(1, 16 * k + i));
    image.SetEntry(18, k < 8 ? 1 : 4, k % 8, {.name = name});
  }
  const TempFile file = image.WriteTemp();
  for (const std::string charset : {"upper", "lower"}) {
    const Result text = RunDir({"--color", "never", "--charset", charset, file.path()});
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 18);
    EXPECT_EQ(RunDir({"--json", "--charset", charset, file.path()},
                     "CMD | jq -r '.header.rows[].text, .entries[].row.text, "
                     ".blocks_free_row.text' >OUT")
                  .out,
              text.out);
  }
}

// Every line of a run over the real-disk corpus is a JSON object whose rows are the dump's.
TEST(QuillaneDirTest, JsonAgreesWithTheDumpOverTheCorpus) {
  const char* corpus = std::getenv("QL_CORPUS_DIR");  // set by make test where it exists
  if (corpus == nullptr) GTEST_SKIP() << "no corpus";
  std::vector<std::string> images = {"--json"};
  for (const auto& file : std::filesystem::directory_iterator(corpus)) {
    if (file.path().extension() == ".d64") images.push_back(file.path().string());
  }
  const Result json =
      RunDir(images,
             "CMD | jq -r '[.header.rows[]?, .entries[]?.row, .blocks_free_row // "
             "empty][] | \"\\(.index)\\t\\(.petscii_hex)\\t\\(.reverse_hex)\"' >OUT");
  EXPECT_GT(json.out.size(), 1000u);
  EXPECT_EQ(RunDir(images, "CMD | jq -c objects | wc -l >OUT").out,
            std::to_string(images.size() - 1) + "\n");
  images[0] = "--dump";
  EXPECT_EQ(json.out, RunDir(images, "CMD | grep -v '^#' >OUT").out);
}

// The fuzz target's seeds through the same body, so that every build (the sanitizer one too)
// checks them.
TEST(QuillaneDirTest, FuzzSeedsList) {
  int seeds = 0;
  for (const auto& seed :
       std::filesystem::directory_iterator(std::string(QL_SOURCE_DIR) + "/tests/fuzz/corpus")) {
    const std::string bytes = Slurp(seed.path());
    test::ListArbitraryBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++seeds;
  }
  EXPECT_GE(seeds, 9);
}

}  // namespace
}  // namespace quillane
