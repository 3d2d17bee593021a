// libFuzzer target: classification and the directory walk on arbitrary bytes (make fuzz).
#include <cstddef>
#include <cstdint>

#include "ListArbitraryBytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillane::test::ListArbitraryBytes(data, size);
  return 0;
}
