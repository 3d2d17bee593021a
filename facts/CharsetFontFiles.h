#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "Charset.h"

namespace quillane {

// A character-set face and the font file, lying beside the programs, that provides it.
struct CharsetFont {
  Charset charset;
  const char* face;
  const char* file;
};

inline constexpr std::array<CharsetFont, 2> kCharsetFonts = {{
    {Charset::UpperGraphics, "Vexa-Dir-Upper", "Vexa-Upper.fon"},
    {Charset::UpperLower, "Vexa-Dir-Lower", "Vexa-Lower.fon"},
}};

// Where `charset` stands in kCharsetFonts, and in every table kept in the same order.
constexpr std::size_t CharsetIndex(Charset charset) {
  return charset == Charset::UpperGraphics ? 0 : 1;
}

constexpr const CharsetFont& CharsetFontOf(Charset charset) {
  return kCharsetFonts[CharsetIndex(charset)];
}

}  // namespace quillane

// The two faces that carry the Commodore 64 character sets.
inline constexpr const char* FontLowerName =
    quillane::CharsetFontOf(quillane::Charset::UpperLower).face;
inline constexpr const char* FontUpperName =
    quillane::CharsetFontOf(quillane::Charset::UpperGraphics).face;

// Outcome of making one face available at start-up.
enum FontState : int {
  FontNotInstalled = 0,  // the installation has not run yet
  FontAdded = 1,         // the face was missing and this run registered its file
  FontPresent = 2,       // the face was already installed; its file was not touched
  FontFailed = -1,       // the face was missing and registering its file failed
};

// The text of the message box shown when a registration failed.
inline constexpr std::string_view kFontFailureMessage =
    "Installation of Fonts failed...Please make sure that the File 'Vexa-Lower.fon' and the "
    "File 'Vexa-Upper.fon' are present in the Quillane_Light Directory or install these Files "
    "manually in Your Windows\\fonts Directory and start the Quillane_Light again!";
