#pragma once

// Classification and the directory walk over arbitrary bytes, with scripted answers: the body
// of the fuzz target, also run over the committed seeds by the engine tests.
//
// Input: one control byte, then the image bytes. The bytes are laid into an image of one of
// the accepted sizes starting at track 18 sector 0 (0x16500), where the BAM and the directory
// live, wrapping round to the start of the image, so short inputs reach the directory.
//   bits 0-1  size: 174848, 175531, 196608, 197376
//   bits 2-3  crosslink answer: 0 Abort, 1 List Anyway, 2-3 List Anyway with the box ticked
//   bits 4-6  layout answer: 1-4 OK with that layout and the box ticked, else Cancel
//   bit 7     no layout: the image is the bytes as they are, of whatever size

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ClassifyImage.h"
#include "DirectoryLister.h"
#include "DiskImage.h"
#include "ImagePrompts.h"
#include "ListingFakes.h"
#include "ScriptedAnswerer.h"

namespace quillane::test {

// A broken bound is a finding: say which, and stop.
inline void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "listing bound broken: %s\n", what);
  std::abort();
}

inline void ListArbitraryBytes(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  const std::uint8_t control = data[0];
  ++data;
  --size;

  std::vector<std::uint8_t> bytes;
  if (control & 0x80) {
    bytes.assign(data, data + size);
  } else {
    constexpr std::size_t kSizes[] = {174848, 175531, 196608, 197376};
    bytes.assign(kSizes[control & 3], 0);
    for (std::size_t i = 0; i < size; ++i) bytes[(0x16500 + i) % bytes.size()] = data[i];
  }

  const int crosslink_choice = (control >> 2) & 3;
  const int layout = (control >> 4) & 7;
  ScriptedAnswerer answers;
  answers.otherwise[Question::Crosslink] = {crosslink_choice != 0, crosslink_choice >= 2};
  const bool chosen = layout >= 1 && layout <= 4;
  answers.otherwise[Question::Layout] = {chosen, true,
                                         static_cast<GeometryMode>(chosen ? layout : 1)};
  ImagePrompts prompts(answers);
  RecordingMessageBox messages;
  DirectoryLister lister(prompts, messages);

  // Twice, as two images of one session: the prompts' state carries over.
  for (int pass = 0; pass < 2; ++pass) {
    DiskImage image = DiskImage::FromBytes(bytes);
    const GeometryMode mode = ClassifyImage(image, "fuzz.d64", prompts);
    Require(ModeNumber(mode) >= 0 && ModeNumber(mode) <= 4, "mode 0-4");
    if (mode == GeometryMode::NotListable) continue;

    VectorListingList list;
    const std::size_t shown_before = answers.Count(Question::Crosslink);
    lister.WalkDirectory(image, "fuzz.d64", mode, list);

    // Two header rows, 288 entries and the blocks-free row at the most; one crosslink prompt
    // per directory sector read (the first sector may link to itself).
    Require(!list.rows.empty() && list.rows.size() <= 291, "1-291 rows");
    Require(list.rows[0].size() <= 40, "header row of 40 columns");
    for (const std::string& row : list.rows) {
      Require(row.find('\0') == std::string::npos, "no zero byte in a row");
      Require(row.size() <= 7 + 80 + 6, "prefix, emulated name, blank and type");
    }
    Require(answers.Count(Question::Crosslink) - shown_before <= 36,
            "a crosslink prompt per sector read");
    Require(messages.messages.size() <= static_cast<std::size_t>(pass) + 1, "one message a walk");
  }
}

}  // namespace quillane::test
