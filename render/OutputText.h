#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "Charset.h"
#include "ListingRow.h"

namespace quillane {

// The ways bytes are written as text by the lister's output forms. Each appends to out.

// Grows out by n bytes and returns where they start, for a writer that puts its bytes there
// and then shrinks out to what it wrote.
char* Extend(std::string& out, std::size_t n);

// Writers for such a place: each writes at `at` and returns the end of what it wrote.
char* PutHex(char* at, std::string_view bytes);  // two lowercase hex digits per byte
char* PutHex(char* at, std::span<const std::uint8_t> bytes);
char* PutDecimal(char* at, int n);  // at most 10 digits

// Two lowercase hex digits per byte.
void AppendHex(std::string& out, std::string_view bytes);
void AppendHex(std::string& out, std::span<const std::uint8_t> bytes);

// One listing row as UTF-8 text in a character set, each cell as the C64 shows it; with ANSI
// escapes around the reversed cells when reverse_as_ansi.
void AppendRowText(std::string& out, const ListingRow& row, Charset charset, bool reverse_as_ansi);
// The same written in place, at most RowTextRoom(row) bytes.
char* PutRowText(char* at, const ListingRow& row, Charset charset, bool reverse_as_ansi);
std::size_t RowTextRoom(const ListingRow& row);

// Stored PETSCII bytes as UTF-8 text in a character set, each byte as the C64 prints it.
void AppendPetsciiText(std::string& out, std::span<const std::uint8_t> bytes, Charset charset);

// A file name or message made safe for a terminal and for a line-based record: a backslash
// becomes "\\", a newline "\n", a tab "\t", and every other control character (C0, DEL and the
// C1 range) and every byte that is not part of valid UTF-8 becomes "\xNN". Nothing else changes,
// so the original bytes can always be recovered.
void AppendEscaped(std::string& out, std::string_view text);

}  // namespace quillane
