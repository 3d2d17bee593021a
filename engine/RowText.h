#pragma once

#include <string>

#include "Charset.h"
#include "ListingRow.h"

namespace quillane {

// One listing row as UTF-8 text in a character set, one Unicode character per screen cell; with
// ANSI escapes (ESC [7m on, ESC [27m off) around the reversed cells when reverse_as_ansi. The
// text is what the terminal lister prints and what the window copies to the clipboard.
void AppendRowText(std::string& out, const ListingRow& row, Charset charset, bool reverse_as_ansi);

}  // namespace quillane
