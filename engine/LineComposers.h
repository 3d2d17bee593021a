#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "DiskImage.h"
#include "GeometryMode.h"
#include "LineBuffer.h"

namespace quillane {

// The composers read the pieces of the listing rows from the image and write each text into a
// buffer the caller holds (replacing what it held).

// The header: "0 ", the quoted disk name, a blank, the disk ID, a fill byte and the DOS type
// (26 bytes unless a zero byte cuts it). Seeks into track 18 sector 0 itself.
void ComposeHeaderLine(DiskImage& image, GeometryMode mode, LineBuffer& text);

// The quoted file name, read from the current position (entry offset 0x05). All 16 name bytes
// are read, whatever they hold. Returns EndOfListing: three zero bytes in a row in the name.
bool ComposeQuotedName(DiskImage& image, LineBuffer& text);
// The same of the 16 name bytes in hand.
bool ComposeQuotedName(const std::array<std::uint8_t, 16>& name, LineBuffer& text);

// The block count, two bytes low first at the current position, formatted "%-3i  ".
void ComposeBlockCount(DiskImage& image, LineBuffer& text);

// The type text of the type byte at the current position (entry offset 0x02): "SCR" for 0x00,
// else the CBM or GEOS type name with "*" in front for an unclosed file and "<" behind for a
// locked one. Leaves the position on entry offset 0x03. False when the text is "SCR", the
// entry of a scratched or never used file.
bool ComposeFileType(DiskImage& image, LineBuffer& text);

// The same texts from bytes in hand, written at out (room for 18 bytes); each returns its length.
// ComposeBlockCount: the block count (0-65535). ComposeFileType: the text of a type byte other
// than 0x00, with the entry's GEOS type byte (-1 when there is none). ComposePlainName: the
// quoted name of the 16 name bytes at name, as LIST shows it, for a name that LIST prints as it
// is stored (printable bytes other than a quote, then 0xA0 padding followed by bytes printable
// without bit 7); 0 for any other name, which ComposeQuotedName and EmulateListLine handle.
std::size_t ComposeBlockCount(int blocks, char* out);
std::size_t ComposeFileType(std::uint8_t type, int geos_type, char* out);
std::size_t ComposePlainName(const std::uint8_t* name, char* out);

// The GEOS type name of the entry whose offset 0x03 is the current position; the position is
// restored.
std::string_view GeosTypeName(DiskImage& image);

}  // namespace quillane
