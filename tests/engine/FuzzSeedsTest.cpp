#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "../fuzz/ListArbitraryBytes.h"

namespace quillane {
namespace {

// The fuzz target's seeds, run through the same body so that every build checks them (the
// sanitizer build catches what the fuzzer would).
TEST(FuzzSeedsTest, EverySeedListsWithinItsBounds) {
  const std::filesystem::path corpus = std::filesystem::path(QL_SOURCE_DIR) / "tests/fuzz/corpus";
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    SCOPED_TRACE(entry.path().string());
    std::ifstream file(entry.path(), std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
    test::ListArbitraryBytes(bytes.data(), bytes.size());
    ++seeds;
  }
  EXPECT_GE(seeds, 5);
}

}  // namespace
}  // namespace quillane
