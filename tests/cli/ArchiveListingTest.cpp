#include <gtest/gtest.h>

#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace quillane {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string out, err;
};

std::string Slurp(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// The archives made from the demo disk, once for all the cases, and quillane-dir run in their
// folder.
class ArchiveListingTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = fs::temp_directory_path() / ("ql-archives-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    const std::string make = "/usr/bin/python3 " QL_SOURCE_DIR "/tests/cli/make_archives.py " +
                             dir_.string() + " " QL_SOURCE_DIR "/samples/demo.d64";
    ASSERT_EQ(std::system(make.c_str()), 0);
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }

  static Outcome Dir(const std::string& args) {
    const std::string command = "cd " + dir_.string() + " && " QL_BIN_DIR "/quillane-dir " + args +
                                " >out 2>err </dev/null";
    const int status = std::system(command.c_str());
    return {WEXITSTATUS(status), Slurp(dir_ / "out"), Slurp(dir_ / "err")};
  }

  static fs::path dir_;
};
fs::path ArchiveListingTest::dir_;

TEST_F(ArchiveListingTest, MembersListAsThePlainFileUnderMemberPaths) {
  const Outcome plain = Dir("--dump " QL_SOURCE_DIR "/samples/demo.d64");
  const std::string rows = plain.out.substr(plain.out.find('\n'));
  const Outcome zip = Dir("--dump three.zip three.zip/two.d64");
  EXPECT_EQ(zip.status, 0);
  EXPECT_EQ(zip.out, "# image three.zip/one.d64" + rows + "# image three.zip/two.d64" + rows +
                         "# image three.zip/three.d64" + rows + "# image three.zip/two.d64" + rows);
  const Outcome json = Dir("--json three.zip/one.d64 tree/b/g.d64.gz");
  EXPECT_NE(json.out.find("{\"path\":\"three.zip/one.d64\",\"path_hex\":\"74687265652e7a69702f"
                          "6f6e652e643634\",\"archive\":\"three.zip\",\"member\":\"one.d64\","),
            std::string::npos);
  EXPECT_NE(json.out.find("\"archive\":\"tree/b/g.d64.gz\",\"member\":null,\"outcome\":\"listed\""),
            std::string::npos);
}

TEST_F(ArchiveListingTest, BadArchivesAndMembers) {
  struct Case {
    std::string args;
    int status;
    std::string images, err;
  };
  const Case cases[] = {
      {"zeros.zip", 3, "", "quillane-dir: zeros.zip/zeros.d64: Unsupported Filesize...\n"},
      {"--dump cut.zip", 2,
       "# image cut.zip/one.d64\n# image cut.zip/two.d64\n# image cut.zip/three.d64\n"
       "# image cut.zip\n",
       "quillane-dir: cut.zip/three.d64: ZIP decompression failed (-5)\n"
       "quillane-dir: cut.zip: Truncated input file (needed 389 bytes, only 0 available)\n"},
      {"--dump names.zip", 2,
       "# image names.zip/../up.d64\n# image names.zip//abs.d64\n"
       "# image names.zip/x\\x1b[2J.d64\n# image names.zip/ok.d64\n",
       "quillane-dir: names.zip/../up.d64: member name climbs out with \"..\"\n"
       "quillane-dir: names.zip//abs.d64: member name is an absolute path\n"
       "quillane-dir: names.zip/x\\x1b[2J.d64: member name holds a control character\n"},
      {"tree/b/none.zip", 2, "", "quillane-dir: tree/b/none.zip: no disk image in the archive\n"},
      {"--png p.png three.zip", 1, "",
       "quillane-dir: three.zip: --png draws one image; the rest is not listed\n"},
      {"three.zip/none.d64", 2, "",
       "quillane-dir: three.zip/none.d64: no such image in the archive\n"},
      {"three.zip/../three.zip", 2, "",
       "quillane-dir: three.zip/../three.zip: no such image in the archive\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const auto start = std::chrono::steady_clock::now();
    const Outcome run = Dir(c.args);
    // Never more than an image's worth inflated: the 4 GiB member costs nothing like 4 GiB.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.err);
    std::string images;
    for (std::size_t at = 0; (at = run.out.find("# image ", at)) != std::string::npos;) {
      const std::size_t end = run.out.find('\n', at) + 1;
      images += run.out.substr(at, end - at);
      at = end;
    }
    EXPECT_EQ(images, c.images);
  }
  // The members before the damage list whole.
  const Outcome cut = Dir("--dump cut.zip");
  std::string one = Dir("--dump three.zip/one.d64").out;
  one.replace(8, 9, "cut.zip");
  EXPECT_EQ(cut.out.substr(0, one.size()), one);
}

TEST_F(ArchiveListingTest, RecursiveListsEveryImageOnceSorted) {
  const Outcome run = Dir("--dump -r tree");
  std::string images;
  for (std::size_t at = 0; (at = run.out.find("# image ", at)) != std::string::npos; ++at) {
    images += run.out.substr(at + 8, run.out.find('\n', at) - at - 7);
  }
  std::string expected =
      "tree/B.D64\ntree/a.tar.xz/in/t.d64\ntree/b/c/four.zip/x.d64\ntree/b/g.d64.gz\n";
  if (fs::exists(dir_ / "tree/s.7z")) expected += "tree/s.7z/s.d64\n";
  EXPECT_EQ(images, expected);
  EXPECT_EQ(run.err, "");  // an archive without images is passed over
  EXPECT_EQ(run.status, 0);
}

// Every disk of the corpus, packed in one zip, lists exactly as the files do.
TEST_F(ArchiveListingTest, CorpusPackedListsAsUnpacked) {
  const char* corpus = std::getenv("QL_CORPUS_DIR");
  if (!corpus) GTEST_SKIP() << "QL_CORPUS_DIR not set";
  const std::string zip = (dir_ / "corpus.zip").string();
  ASSERT_EQ(std::system(("cd " + std::string(corpus) + " && /usr/bin/python3 -m zipfile -c " + zip +
                         " *.d64")
                            .c_str()),
            0);
  std::string plain = Dir("--dump --layout original " + std::string(corpus) + "/*.d64").out;
  ASSERT_NE(plain.find("# mode"), std::string::npos);
  for (std::size_t at = 0; (at = plain.find(corpus, at)) != std::string::npos;) {
    plain.replace(at, std::strlen(corpus), "corpus.zip");
  }
  EXPECT_EQ(Dir("--dump --layout original corpus.zip").out, plain);
}

}  // namespace
}  // namespace quillane
