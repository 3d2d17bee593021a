#include "DirectoryLister.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "BamSector.h"
#include "BlocksFree.h"
#include "ClassifyImage.h"
#include "LineBuffer.h"
#include "LineComposers.h"
#include "ListEmulation.h"
#include "SectorOffsetTable.h"

namespace quillane {
namespace {

// A directory sector: the link to the next one in its first two bytes (track 0: the last
// sector), then 8 entries of 32 bytes, entry k at 32k.
constexpr std::int64_t kLinkTrack = 0x00;
constexpr int kEntriesPerSector = 8;
constexpr std::size_t kEntrySize = 32;
// Fields of an entry, as offsets from its start.
constexpr std::size_t kEntryType = 0x02;
constexpr std::size_t kEntryName = 0x05;  // behind the file's first track and sector
constexpr std::size_t kEntryGeosType = 0x18;
constexpr std::size_t kEntryBlocks = 0x1E;  // low byte first

// 36 sectors of 8 entries: the 288 files a C64 directory may list here.
constexpr int kMaxDirectorySectors = 36;

// The header row wraps at the C64's 40-column screen line; the bits of the second line are the
// second half of the row's ten bytes.
constexpr std::size_t kScreenWidth = 40;
constexpr std::size_t kScreenLineBytes = kScreenWidth / 8;

// The pieces of one entry row and the row itself, reused from entry to entry.
struct EntryBuffers {
  LineBuffer type;
  LineBuffer name;
  LineBuffer shown;
  LineBuffer row;
};

int BlockCountOf(const std::array<std::uint8_t, kEntrySize>& raw) {
  return raw[kEntryBlocks] + 256 * raw[kEntryBlocks + 1];
}

// The stored bytes behind the header, for a list that catalogues them.
HeaderFacts ReadHeaderFacts(DiskImage& image, GeometryMode mode) {
  HeaderFacts facts;
  image.SeekTo(DiskNameBlock(mode));
  image.ReadBytes(facts.disk_name);
  image.SeekBy(2);
  image.ReadBytes(facts.disk_id);
  image.SeekBy(1);
  image.ReadBytes(facts.dos_type);
  return facts;
}

// An entry's 32 bytes, read in one run; bytes beyond the end of the image read as zero.
using EntryBytes = std::array<std::uint8_t, kEntrySize>;

EntryBytes ReadEntryBytes(DiskImage& image, std::int64_t entry) {
  EntryBytes raw{};
  image.SeekTo(entry);
  image.ReadBytes(raw);
  return raw;
}

// The stored fields of an entry.
EntryFacts EntryFactsOf(const EntryBytes& raw, std::string_view type_text) {
  EntryFacts facts;
  facts.type_byte = raw[kEntryType];
  facts.geos_type = raw[kEntryGeosType];
  facts.blocks = BlockCountOf(raw);
  std::copy_n(raw.begin() + kEntryName, facts.name.size(), facts.name.begin());
  facts.type_text = type_text;
  return facts;
}

// The header row, or two when LIST's output of it is wider than a screen line: what passes
// column 39 continues on the next screen line, reverse video and all.
void AppendHeader(DiskImage& image, GeometryMode mode, ListingList& list) {
  LineBuffer composed;
  ComposeHeaderLine(image, mode, composed);
  ReverseMap::Row bits = ReverseMap::kHeaderRow;
  LineBuffer shown;
  EmulateListLine(bits, composed.view(), std::nullopt, shown);
  const std::string_view header = shown.view();
  list.Header(ReadHeaderFacts(image, mode));
  list.Append({header.substr(0, kScreenWidth), bits});
  if (header.size() > kScreenWidth) {
    ReverseMap::Row wrapped{};
    std::copy_n(bits.begin() + kScreenLineBytes, kScreenLineBytes, wrapped.begin());
    list.Append({header.substr(kScreenWidth), wrapped});
  }
}

// The row of an entry whose name LIST changes as it prints it, or which ends the listing,
// appended unless the name starts with a zero byte. The row holds the block count, its first
// blocks_length bytes; b.type the type text. True when the entry ends the listing.
bool AppendEmulatedEntry(const EntryBytes& raw, std::size_t blocks_length, EntryBuffers& b,
                         ListingList& list) {
  std::array<std::uint8_t, 16> name{};
  std::copy_n(raw.begin() + kEntryName, name.size(), name.begin());
  const bool end_of_listing = ComposeQuotedName(name, b.name);
  if (b.name.size() < 2) return false;  // the name starts with a zero byte

  ReverseMap::Row bits{};
  const std::string_view blocks(b.row.data(), blocks_length);
  const std::size_t prefix_length = EmulateListLine(bits, b.name.view(), blocks, b.shown);
  b.row.resize(prefix_length);  // deletes may have eaten into the block count
  b.row.append(b.shown.view());
  if (!end_of_listing) {
    // An unclosed file's "*" takes the place of the separating blank.
    if (!b.type.view().starts_with('*')) b.row.push_back(' ');
    b.row.append(b.type.view());
  }
  list.Entry(EntryFactsOf(raw, b.type.view()));
  list.Append({b.row.view(), bits});
  return end_of_listing;
}

// The row of the entry at offset `entry`, appended unless the entry is not listed. True when
// the entry ends the listing. Most names are printable bytes padded with 0xA0: their row is
// composed straight from the entry's bytes, with nothing reversed.
bool AppendEntry(DiskImage& image, std::int64_t entry, EntryBuffers& b, ListingList& list) {
  const EntryBytes raw = ReadEntryBytes(image, entry);
  const std::uint8_t type = raw[kEntryType];
  if (type == 0) return false;  // "SCR": a scratched or never used entry

  b.type.resize(ComposeFileType(type, raw[kEntryGeosType], b.type.data()));
  char* const row = b.row.data();
  std::size_t length = ComposeBlockCount(BlockCountOf(raw), row);
  const std::size_t name_length = ComposePlainName(raw.data() + kEntryName, row + length);
  if (name_length == 0) return AppendEmulatedEntry(raw, length, b, list);
  length += name_length;
  // An unclosed file's "*" takes the place of the separating blank.
  if (!b.type.view().starts_with('*')) row[length++] = ' ';
  for (const char c : b.type.view()) row[length++] = c;
  b.row.resize(length);
  list.Entry(EntryFactsOf(raw, b.type.view()));
  list.Append({b.row.view(), {}});
  return false;
}

std::string BlocksFreeRow(int free_blocks) {
  return std::to_string(free_blocks) + " BLOCKS FREE.";
}

}  // namespace

std::string TooManyFilesMessage(const std::string& file_name) {
  return file_name + ": Max 288 files allowed! Image aborted!";
}

void DirectoryLister::WalkDirectory(DiskImage& image, const std::string& file_name,
                                    GeometryMode mode, ListingList& list) {
  const int free_blocks = CountBlocksFree(image, mode);
  AppendHeader(image, mode, list);

  // The chain from track 18 sector 1; it ends at a link to track 0, at a link that leads
  // nowhere and at a link back to the BAM sector.
  std::array<std::int32_t, kMaxDirectorySectors> visited{};
  int visited_count = 0;
  int crosslink_count = 0;
  EntryBuffers buffers;
  WalkEnd end = WalkEnd::ChainEnd;
  std::int32_t current = SectorOffset(18, 1, mode);
  while (current >= 0 && current != kBamSector) {
    if (visited_count == kMaxDirectorySectors) {
      messages_.ShowMessage(TooManyFilesMessage(file_name));
      end = WalkEnd::TooManyFiles;
      break;
    }
    image.SeekTo(current + kLinkTrack);
    const int link_track = image.ReadByte();
    const int link_sector = image.ReadByte();
    const std::int32_t next = SectorOffset(link_track, link_sector, mode);
    visited[static_cast<std::size_t>(visited_count++)] = current;

    const bool links_back = std::find(visited.begin(), visited.begin() + visited_count, next) !=
                            visited.begin() + visited_count;
    if (link_track != 0 && links_back) {
      // A remembered "List Anyway" lets the first crosslink of a walk go on and ends the walk
      // at the second, so a looping chain is listed once more at most.
      const ImagePrompts::Decision decision = prompts_.AskCrosslink(file_name, next);
      if (decision.remembered) ++crosslink_count;
      if (!decision.go_on || crosslink_count == 2) {
        end = WalkEnd::Crosslink;
        break;
      }
    }

    for (int k = 0; k < kEntriesPerSector; ++k) {
      if (AppendEntry(image, current + std::int64_t{kEntrySize} * k, buffers, list)) {
        list.End(WalkEnd::EndMarker, free_blocks);
        return;
      }
    }
    current = next;
    if (link_track == 0) break;
  }
  // The blocks-free row is printed by the C64 itself, not listed from the directory: never
  // reversed.
  list.End(end, free_blocks);
  list.Append({BlocksFreeRow(free_blocks), {}});
}

ListOutcome DirectoryLister::ListImage(const std::string& path, ListingList& list,
                                       std::string* reason, GeometryMode* mode) {
  DiskImage image;
  if (!image.Open(path, reason)) return ListOutcome::CannotOpen;
  const GeometryMode classified = ClassifyImage(image, path, prompts_);
  if (!image.Failed()) {
    if (mode) *mode = classified;
    if (classified == GeometryMode::NotListable) return ListOutcome::NotListable;
    WalkDirectory(image, path, classified, list);
    if (!image.Failed()) return ListOutcome::Listed;
  }
  if (reason) *reason = image.FailureReason();
  return ListOutcome::Unreadable;
}

}  // namespace quillane
