#include "DirectoryLister.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "BlocksFree.h"
#include "ClassifyImage.h"
#include "LineBuffer.h"
#include "LineComposers.h"
#include "ListEmulation.h"

namespace quillane {
namespace {

// The BAM sector, track 18 sector 0: a chain that links back to it has ended.
constexpr std::int32_t kBamSectorOffset = 0x16500;

// A directory sector holds 8 entries of 32 bytes; the first two bytes of the sector are the
// link to the next one.
constexpr int kEntriesPerSector = 8;
constexpr int kEntrySize = 32;
constexpr int kEntryTypeByte = 0x02;
constexpr int kEntryName = 0x05;
constexpr int kEntryGeosType = 0x18;
constexpr int kEntryBlockCount = 0x1E;

// 36 sectors of 8 entries: the 288 files a C64 directory may list here.
constexpr int kMaxDirectorySectors = 36;

// The header row wraps at the C64's 40-column screen line.
constexpr std::size_t kScreenWidth = 40;

ListingLine BlocksFreeRow(int free_blocks) {
  return std::to_string(free_blocks) + " BLOCKS FREE.";
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

// The stored fields of the entry at offset entry, read in one run of 32 bytes.
EntryFacts ReadEntryFacts(DiskImage& image, std::int64_t entry, std::string_view type_text) {
  std::array<std::uint8_t, kEntrySize> raw{};
  image.SeekTo(entry);
  image.ReadBytes(raw);
  EntryFacts facts;
  facts.type_byte = raw[kEntryTypeByte];
  facts.geos_type = raw[kEntryGeosType];
  facts.blocks = raw[kEntryBlockCount] + 256 * raw[kEntryBlockCount + 1];
  std::copy_n(raw.begin() + kEntryName, facts.name.size(), facts.name.begin());
  facts.type_text = type_text;
  return facts;
}

}  // namespace

std::string CrosslinkMessage(std::int32_t offset) {
  constexpr std::array<char, 16> kDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                         '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
  auto value = static_cast<std::uint32_t>(offset);
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return "Directoryentry $" + hex + " is crosslinked to a previous directoryentry!";
}

std::string TooManyFilesMessage(const std::string& file_name) {
  return file_name + ": Max 288 files allowed! Image aborted!";
}

DirectoryLister::DirectoryLister(PromptDialog& crosslink_dialog, MessageBox& messages)
    : crosslink_dialog_(crosslink_dialog),
      messages_(messages),
      sector_offsets_(BuildSectorOffsetTable()) {}

bool DirectoryLister::GoOnAfterCrosslink(const std::string& file_name, std::int32_t next_offset,
                                         int& crosslink_count) {
  PromptDialog& dialog = crosslink_dialog_;
  if (!dialog.CheckBox1()) {
    dialog.SetEdit1(file_name);
    dialog.SetLabel1(CrosslinkMessage(next_offset));
    dialog.ShowModal();
  }
  // A ticked box remembers "List Anyway": the first crosslink met with it goes on, the second
  // ends the walk, so a looping chain is listed once more at most.
  if (dialog.CheckBox1() && dialog.ModalResult() == kPromptGoOn) ++crosslink_count;
  return dialog.ModalResult() == kPromptGoOn && crosslink_count != 2;
}

void DirectoryLister::WalkDirectory(DiskImage& image, const std::string& file_name,
                                    GeometryMode mode, ListingList& list) {
  const int free_blocks = CountBlocksFree(image, mode);
  const ListingLine composed_header = ComposeHeaderLine(image, mode);
  // The walk's own working state: each row's bits are final before the row is appended, and
  // the row carries a copy of them.
  ReverseMap reverse;
  ResetReverseMap(reverse);

  // The header is the only row a C64 wraps here: what passes column 39 continues on the next
  // screen line, reverse video and all.
  LineBuffer shown_header;
  EmulateListLine(reverse, 0, composed_header, std::nullopt, shown_header);
  const std::string_view header = shown_header.view();
  ClearControlColumns(reverse, 0, header, 0);
  list.Header(ReadHeaderFacts(image, mode));
  list.Append({header.substr(0, kScreenWidth), reverse.rows[0]});
  if (header.size() > kScreenWidth) {
    std::copy_n(reverse.rows[0].begin() + 5, 5, reverse.rows[1].begin());
    list.Append({header.substr(kScreenWidth), reverse.rows[1]});
  }

  std::array<std::int32_t, kMaxDirectorySectors> visited{};
  int visited_count = 0;
  int crosslink_count = 0;
  std::int32_t current = SectorOffset(sector_offsets_, 18, 1, mode);
  // The pieces of one entry row and the row itself, reused from entry to entry.
  LineBuffer type;
  LineBuffer name;
  LineBuffer blocks;
  LineBuffer shown;
  LineBuffer row_text;
  WalkEnd end = WalkEnd::ChainEnd;

  while (current >= 0 && current != kBamSectorOffset) {
    if (visited_count == kMaxDirectorySectors) {
      messages_.ShowMessage(TooManyFilesMessage(file_name));
      end = WalkEnd::TooManyFiles;
      break;
    }
    image.SeekTo(current);
    const int link_track = image.ReadByte();
    const int link_sector = image.ReadByte();
    const std::int32_t next = SectorOffset(sector_offsets_, link_track, link_sector, mode);
    visited[visited_count++] = current;

    const bool links_back = std::find(visited.begin(), visited.begin() + visited_count, next) !=
                            visited.begin() + visited_count;
    if (link_track != 0 && links_back && !GoOnAfterCrosslink(file_name, next, crosslink_count)) {
      end = WalkEnd::Crosslink;
      break;
    }

    for (int k = 0; k < kEntriesPerSector; ++k) {
      const std::int64_t entry = std::int64_t{current} + kEntrySize * k;
      image.SeekTo(entry + kEntryTypeByte);
      if (!ComposeFileType(image, type)) continue;  // "SCR": a scratched or never used entry
      image.ReadByte();                             // the file's first track and sector
      image.ReadByte();
      const bool end_of_listing = ComposeQuotedName(image, name);
      image.SeekTo(entry + kEntryBlockCount);
      ComposeBlockCount(image, blocks);
      if (name.size() < 2) continue;  // the name starts with a zero byte

      const int row = list.Count();
      const std::size_t prefix_length =
          EmulateListLine(reverse, row, name.view(), blocks.view(), shown);
      ClearControlColumns(reverse, row, shown.view(), static_cast<int>(prefix_length));
      row_text.clear();
      row_text.append(blocks.view().substr(0, prefix_length));
      row_text.append(shown.view());
      list.Entry(ReadEntryFacts(image, entry, type.view()));
      if (end_of_listing) {
        list.Append({row_text.view(), reverse.rows[static_cast<std::size_t>(row)]});
        list.End(WalkEnd::EndMarker, free_blocks);
        return;
      }
      // An unclosed file's "*" takes the place of the separating blank.
      if (!type.view().starts_with('*')) row_text.push_back(' ');
      row_text.append(type.view());
      list.Append({row_text.view(), reverse.rows[static_cast<std::size_t>(row)]});
    }

    current = next;
    if (link_track == 0) break;
  }
  // The blocks-free row is printed by the C64 itself, not listed from the directory: never
  // reversed.
  list.End(end, free_blocks);
  list.Append({BlocksFreeRow(free_blocks), {}});
}

ListOutcome DirectoryLister::ListImage(const std::string& path, ImagePrompts& prompts,
                                       ListingList& list, std::string* open_error,
                                       GeometryMode* mode) {
  // The lister's own image keeps its page buffers from file to file. A listing started while
  // another waits on a prompt (a nested event loop) gets an image of its own.
  DiskImage nested;
  DiskImage& image = image_.IsOpen() ? nested : image_;
  if (!image.Open(path, open_error)) return ListOutcome::CannotOpen;
  const GeometryMode classified = ClassifyImage(image, path, prompts);
  if (mode) *mode = classified;
  if (classified == GeometryMode::NotListable) {
    image.Close();
    return ListOutcome::NotListable;
  }
  WalkDirectory(image, path, classified, list);
  image.Close();
  return ListOutcome::Listed;
}

}  // namespace quillane
