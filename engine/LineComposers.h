#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "DirectoryFacts.h"
#include "DiskImage.h"
#include "GeometryMode.h"
#include "LineBuffer.h"

namespace quillane {

// The composers write the texts of a listing row's pieces. The header's reads track 18 sector 0
// of the image itself; those of an entry row take the entry's bytes in hand, read once by the
// walk (see DirectoryFacts.h for where each field stands).

// The disk name block of track 18 sector 0 under the layout, read once for the header row and
// its facts. A byte past the end of the image reads as a zero byte, which ends the header text.
HeaderFacts ReadHeaderFacts(DiskImage& image, GeometryMode mode);

// The header: "0 ", the quoted disk name, a blank, the disk ID, a fill byte and the DOS type
// (26 bytes unless a zero byte cuts it), into text (replacing what it held).
void ComposeHeaderLine(const HeaderFacts& facts, GeometryMode mode, LineBuffer& text);

// The quoted file name of the 16 name bytes, into text (replacing what it held). All 16 are
// looked at, whatever they hold. Returns EndOfListing: three zero bytes in a row in the name.
bool ComposeQuotedName(std::span<const std::uint8_t, 16> name, LineBuffer& text);

// The quoted name as LIST shows it, for a name that LIST prints as it is stored: one without
// control codes, whose bytes behind the closing quote lose bit 7 and stay printable. Writes the 18
// columns at out (room for 18) and returns 18; 0 for any other name, which ComposeQuotedName and
// EmulateListLine handle.
std::size_t ComposePlainName(const std::uint8_t* name, char* out);

// The block count (0-65535) formatted "%-3i  ", at out (room for 8); returns its length.
std::size_t ComposeBlockCount(int blocks, char* out);

// The type text of a type byte other than 0x00 (0x00, "SCR", is an entry never listed), with
// the entry's GEOS type byte: the CBM or GEOS type name with "*" in front for an unclosed file
// and "<" behind for a locked one. Written at out (room for 8); returns its length, 3 to 5.
std::size_t ComposeFileType(std::uint8_t type, std::uint8_t geos_type, char* out);

// What follows the quoted name in an entry row: a blank and the type text (ComposeFileType),
// whose "*" takes the blank's place for an unclosed file. Written at out (room for 9); returns
// its length, with the type text from out + *type_start on.
std::size_t ComposeTypeBehindName(std::uint8_t type, std::uint8_t geos_type, char* out,
                                  std::size_t* type_start);

// The whole row of an entry whose name LIST prints as it is stored (see ComposePlainName), from
// the entry's 32 bytes: the block count, the quoted name and ComposeTypeBehindName. Written at out
// (room for 40); returns the row's length, with the type text from out + *type_start to the end; 0
// for any other name.
std::size_t ComposePlainEntryRow(const std::uint8_t* entry, char* out, std::size_t* type_start);

}  // namespace quillane
