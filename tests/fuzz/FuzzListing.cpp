// libFuzzer target: arbitrary bytes listed through a real file and every output form (make fuzz).
#include <cstddef>
#include <cstdint>

#include "ListArbitraryBytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillane::test::ListArbitraryBytes(data, size);
  return 0;
}
