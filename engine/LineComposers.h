#pragma once

#include "DiskImage.h"
#include "GeometryMode.h"
#include "LineBuffer.h"
#include "ListingLine.h"

namespace quillane {

// A composed name and whether the listing ends with it (three zero bytes in a row in the name).
struct AnsiStringBool {
  ListingLine text;
  bool EndOfListing = false;
};

// The header: "0 ", the quoted disk name, a blank, the disk ID, a fill byte and the DOS type
// (26 bytes unless a zero byte cuts it). Seeks into track 18 sector 0 itself.
ListingLine ComposeHeaderLine(DiskImage& image, GeometryMode mode);

// Where the disk name block starts under the mode: the name (16 bytes), two bytes of padding,
// the ID (2), a fill byte and the DOS type (2).
std::int64_t DiskNameBlock(GeometryMode mode);

// The quoted file name, read from the current position (entry offset 0x05). All 16 name bytes
// are read, whatever they hold.
AnsiStringBool ComposeQuotedName(DiskImage& image);
// The same, written into *text (replacing what it held); returns EndOfListing.
bool ComposeQuotedName(DiskImage& image, LineBuffer& text);

// The block count, two bytes low first at the current position, formatted "%-3i  ".
ListingLine ComposeBlockCount(DiskImage& image);
// The same, written into *text (replacing what it held).
void ComposeBlockCount(DiskImage& image, LineBuffer& text);

// The type text of the type byte at the current position (entry offset 0x02): "SCR" for 0x00,
// else the CBM or GEOS type name with "*" in front for an unclosed file and "<" behind for a
// locked one. Leaves the position on entry offset 0x03.
ListingLine ComposeFileType(DiskImage& image);
// The same, written into *text (replacing what it held); false when the text is "SCR", the
// entry of a scratched or never used file.
bool ComposeFileType(DiskImage& image, LineBuffer& text);

// The GEOS type name of the entry whose offset 0x03 is the current position; the position is
// restored.
ListingLine GeosTypeName(DiskImage& image);

}  // namespace quillane
