#include "DirectoryLister.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

#include "BamSector.h"
#include "BlocksFree.h"
#include "ClassifyImage.h"
#include "EntryRow.h"
#include "LineBuffer.h"
#include "LineComposers.h"
#include "ListEmulation.h"
#include "SectorOffsetTable.h"

namespace quillane {
namespace {

// A directory sector: the link to the next one in its first two bytes (track 0: the last
// sector), then 8 entries of 32 bytes (DirectoryFacts.h), entry k at 32k.
constexpr std::int64_t kSectorSize = 256;
constexpr int kEntriesPerSector = 8;

// 36 sectors of 8 entries: the 288 files a C64 directory may list here.
constexpr int kMaxDirectorySectors = 36;

// The header row wraps at the C64's 40-column screen line; the bits of the second line are the
// second half of the row's ten bytes.
constexpr std::size_t kScreenWidth = kScreenColumns;
constexpr std::size_t kScreenLineBytes = kScreenWidth / 8;

// The header row, or two when LIST's output of it is wider than a screen line: what passes
// column 39 continues on the next screen line, reverse video and all.
void AppendHeader(DiskImage& image, GeometryMode mode, ListingList& list) {
  const HeaderFacts facts = ReadHeaderFacts(image, mode);
  LineBuffer composed;
  ComposeHeaderLine(facts, mode, composed);
  ReverseMap::Row bits = ReverseMap::kHeaderRow;
  LineBuffer shown;
  EmulateListLine(bits, composed.view(), std::nullopt, shown);
  const std::string_view header = shown.view();
  list.AppendRow({header.substr(0, kScreenWidth), bits}, {RowKind::Header, &facts});
  if (header.size() > kScreenWidth) {
    ReverseMap::Row wrapped{};
    std::copy_n(bits.begin() + kScreenLineBytes, kScreenLineBytes, wrapped.begin());
    list.AppendRow({header.substr(kScreenWidth), wrapped}, {RowKind::Header});
  }
}

// The row of the entry whose 32 bytes are at `entry`, appended unless the entry is not listed.
// True when the entry ends the listing.
bool AppendEntry(const std::uint8_t* entry, EntryRowComposer& rows, EntryRow& row,
                 ListingList& list) {
  if (entry[kEntryType] == 0) return false;  // "SCR": a scratched or never used entry
  rows.Compose(entry, row);
  if (!row.listed) return false;
  list.AppendRow(row.row, {RowKind::Entry, nullptr, &row.facts});
  return row.ends_listing;
}

// The entries of the directory sector at `sector`; true when one of them ends the listing.
bool AppendSectorEntries(DiskImage& image, std::int64_t sector, EntryRowComposer& rows,
                         ListingList& list) {
  EntryRow row;
  const std::uint8_t* bytes = image.BytesAt(sector, kSectorSize);
  std::array<std::uint8_t, kSectorSize> held;
  if (bytes == nullptr) {
    // A sector the image ends in, or one that could not be read: zero bytes where it fails.
    held.fill(0);
    image.SeekTo(sector);
    image.ReadBytes(held);
    bytes = held.data();
  }
  for (int k = 0; k < kEntriesPerSector; ++k) {
    if (AppendEntry(bytes + kEntrySize * k, rows, row, list)) return true;
  }
  return false;
}

// "664 BLOCKS FREE." into row.
void ComposeBlocksFreeRow(int free_blocks, LineBuffer& row) {
  constexpr std::string_view kBlocksFree = " BLOCKS FREE.";
  const char* const end = std::to_chars(row.data(), row.data() + 16, free_blocks).ptr;
  row.resize(static_cast<std::size_t>(end - row.data()));
  row.append(kBlocksFree);
}

}  // namespace

std::string TooManyFilesMessage(const std::string& file_name) {
  return file_name + ": Max 288 files allowed! Image aborted!";
}

void DirectoryLister::WalkDirectory(DiskImage& image, const std::string& file_name,
                                    GeometryMode mode, ListingList& list) {
  // Nothing is listed from an image whose BAM cannot be read; ListImage tells it unreadable.
  const std::optional<int> counted = CountBlocksFree(image, mode);
  if (!counted) return;
  const int free_blocks = *counted;
  AppendHeader(image, mode, list);

  // The chain from track 18 sector 1; it ends at a link to track 0, at a link that leads
  // nowhere and at a link back to the BAM sector. The sectors walked are marked by their
  // number in the image (offset / 256).
  std::bitset<geometry::SectorsUpTo(SectorOffsetTable::kTracks)> visited;
  int visited_count = 0;
  int crosslink_count = 0;
  EntryRowComposer rows;
  WalkEnd end = WalkEnd::ChainEnd;
  std::int32_t current = SectorOffset(18, 1, mode);
  while (current >= 0 && current != kBamSector) {
    if (visited_count == kMaxDirectorySectors) {
      messages_.ShowMessage(TooManyFilesMessage(file_name));
      end = WalkEnd::TooManyFiles;
      break;
    }
    image.SeekTo(current);
    const int link_track = image.ReadByte();
    const int link_sector = image.ReadByte();
    const std::int32_t next = SectorOffset(link_track, link_sector, mode);
    visited.set(static_cast<std::size_t>(current / kSectorSize));
    ++visited_count;

    const bool links_back = next >= 0 && visited.test(static_cast<std::size_t>(next / kSectorSize));
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

    if (AppendSectorEntries(image, current, rows, list)) {
      list.End(WalkEnd::EndMarker, free_blocks);
      return;
    }
    current = next;
    if (link_track == 0) break;
  }
  // The blocks-free row is printed by the C64 itself, not listed from the directory: never
  // reversed.
  list.End(end, free_blocks);
  LineBuffer row;
  ComposeBlocksFreeRow(free_blocks, row);
  list.AppendRow({row.view(), {}}, {RowKind::BlocksFree});
}

ListResult DirectoryLister::ListImage(const std::string& path, ListingList& list) {
  DiskImage image;
  if (Outcome opened = image.Open(path); !opened) {
    return {ListOutcome::CannotOpen, std::move(opened.reason)};
  }
  return ListImage(image, path, list);
}

ListResult DirectoryLister::ListImage(DiskImage& image, const std::string& path,
                                      ListingList& list) {
  const GeometryMode classified = ClassifyImage(image, path, prompts_);
  if (!image.Failed()) {
    list.Mode(classified);
    if (classified == GeometryMode::NotListable) return {ListOutcome::NotListable, {}};
    WalkDirectory(image, path, classified, list);
    if (!image.Failed()) return {ListOutcome::Listed, {}};
  }
  return {ListOutcome::Unreadable, image.FailureReason()};
}

}  // namespace quillane
