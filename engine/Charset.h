#pragma once

namespace quillane {

// The two character sets of the C64, as the listing's character-set switch names them.
enum class Charset {
  UpperGraphics,  // upper case and graphics, the set a C64 starts with
  UpperLower,     // upper and lower case
};

}  // namespace quillane
