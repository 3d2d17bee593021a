// Prints the PETSCII byte -> screen character table of the engine for the font generator, one
// line per byte code: "<byte> <screen code> <reversed>", e.g. "0x92 0x52 1". The generator
// reads this instead of keeping its own copy of the mapping.
#include <cstdio>

#include "ScreenCode.h"

int main() {
  for (int b = 0; b < 256; ++b) {
    const quillane::ScreenCell cell = quillane::kScreenCellOfByte[b];
    std::printf("0x%02X 0x%02X %d\n", b, cell.code, cell.reversed ? 1 : 0);
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
