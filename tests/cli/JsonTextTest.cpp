#include "JsonText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillane::cli {
namespace {

TEST(JsonTextTest, EscapesQuotesBackslashesAndControlsOnly) {
  const struct {
    std::string text, json;
  } cases[] = {
      {"", "\"\""},
      {"\"", "\"\\\"\""},
      {"\\", "\"\\\\\""},
      {std::string("\0\n\x1f", 3), "\"\\u0000\\u000a\\u001f\""},
      {" !#[]~\x7f", "\" !#[]~\x7f\""},
      {"\xc3\xa9\x80\xff", "\"\xc3\xa9\x80\xff\""},  // UTF-8 and other bytes as they are
      {"a\"b\x01", "\"a\\\"b\\u0001\""},
  };
  for (const auto& c : cases) {
    std::vector<char> room(JsonRoom(c.text.size()));
    char* end = PutJsonString(room.data(), c.text);
    EXPECT_EQ(std::string(room.data(), end), c.json) << c.json;
  }
}

}  // namespace
}  // namespace quillane::cli
