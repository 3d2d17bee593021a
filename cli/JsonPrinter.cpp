// --json: JSON Lines, one object per image, for building and searching catalogues.
//
// Every row of a listing becomes a few hundred bytes of JSON, so the printer writes in place
// into buffers it keeps from image to image: one for each part of the object that the walk
// fills out of order (prompts, messages, header, entries, the end), joined in EndImage. Text
// goes through per-byte tables of its JSON form, numbers through std::to_chars, and nothing is
// allocated for a row once the buffers have grown to the longest image.
#include <array>
#include <charconv>
#include <cstring>
#include <span>

#include "ImagePrinter.h"
#include "JsonText.h"
#include "OutputText.h"

namespace quillane::cli {
namespace {

// The layouts by mode number, 0 NotListable to 4 PrologicDOS.
constexpr std::array<std::string_view, 5> kModeNames{"NotListable", "Original", "SpeedDOS",
                                                     "DolphinDOS", "PrologicDOS"};

constexpr std::array<std::string_view, 4> kWalkEndNames{"chain-end", "end-marker", "too-many-files",
                                                        "crosslink"};

std::string_view OutcomeName(ListOutcome outcome) {
  switch (outcome) {
    case ListOutcome::Listed:
      return "listed";
    case ListOutcome::NotListable:
      return "not-listable";
    case ListOutcome::CannotOpen:
    case ListOutcome::Unreadable:
      break;
  }
  return "unreadable";
}

// Stored bytes without the 0xA0 padding at their end.
std::span<const std::uint8_t> Unpadded(std::span<const std::uint8_t> bytes) {
  while (!bytes.empty() && bytes.back() == 0xA0) bytes = bytes.first(bytes.size() - 1);
  return bytes;
}

// The JSON form of each PETSCII byte as the character set shows it: its UTF-8 text through
// kJsonOfByte. A listing row's text is the same cells one after the other, so the table serves
// rows and stored names alike. A cell of more than one UTF-8 byte needs no escape, so six bytes
// always hold one.
JsonCells MakePetsciiCells(Charset charset) {
  JsonCells cells{};
  std::string utf8;
  for (std::size_t b = 0; b < cells.size(); ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    utf8.clear();
    AppendPetsciiText(utf8, std::span(&byte, 1), charset);
    JsonCell& cell = cells[b];
    for (char c : utf8) {
      const JsonCell& part = kJsonOfByte[static_cast<std::uint8_t>(c)];
      if (cell.length + part.length > cell.bytes.size()) break;  // no cell of the sets is so long
      std::memcpy(cell.bytes.data() + cell.length, part.bytes.data(), part.length);
      cell.length = static_cast<std::uint8_t>(cell.length + part.length);
    }
  }
  return cells;
}

char* Put(char* at, std::string_view literal) {
  return std::copy(literal.begin(), literal.end(), at);
}

// A signed number, at most 11 characters.
char* PutInt(char* at, int n) {
  return std::to_chars(at, at + 11, n).ptr;
}

// Room for a field of PutField: a name of name_size bytes over n stored bytes.
constexpr std::size_t FieldRoom(std::size_t name_size, std::size_t n) {
  return 2 * name_size + 16 + (kMostJsonCell + 2) * n;
}

class JsonPrinter final : public ImagePrinter {
 public:
  JsonPrinter(Charset charset, OutputFile& err)
      : ImagePrinter(err), petscii_(MakePetsciiCells(charset)) {}

  void BeginImage(const std::string& path) override {
    ImagePrinter::BeginImage(path);
    for (OutputBuffer* part : {&prompts_, &messages_, &header_, &entries_, &end_, &free_row_}) {
      part->Clear();
    }
  }

  void Prompt(Question question, const std::string& text, std::string_view answer) override {
    char* at = prompts_.Room(32);
    *at++ = prompts_.Size() == 0 ? '[' : ',';
    at = Put(at, "{\"kind\":");
    at = PutInt(at, static_cast<int>(question));
    at = Put(at, ",\"text\":");
    prompts_.Commit(at);
    PutDisplay(prompts_, text);
    at = prompts_.Room(16 + JsonRoom(answer.size()));
    at = Put(at, ",\"answer\":");
    at = PutJsonString(at, answer);
    *at++ = '}';
    prompts_.Commit(at);
  }

  void ShowMessage(const std::string& text) override {
    messages_ += messages_.Size() == 0 ? '[' : ',';
    PutDisplay(messages_, text);
  }

  void End(WalkEnd end, int blocks_free) override {
    const std::string_view name = kWalkEndNames[static_cast<std::size_t>(end)];
    end_.Clear();
    char* at = end_.Room(48 + name.size());
    at = Put(at, "\"blocks_free\":");
    at = PutInt(at, blocks_free);
    at = Put(at, ",\"end\":\"");
    at = Put(at, name);
    *at++ = '"';
    end_.Commit(at);
  }

  void AppendRow(const ListingRow& row, const RowFacts& facts) override {
    if (facts.header) OpenHeader(*facts.header);
    if (facts.entry) OpenEntry(*facts.entry);
    OutputBuffer& to = facts.kind == RowKind::BlocksFree ? free_row_
                       : facts.kind == RowKind::Entry    ? entries_
                                                         : header_;
    PutRow(to, row);
  }

  // Rows without facts: none come from the walk.
  void Append(const ListingRow& row) override { AppendRow(row, {}); }

  void EndImage(ListOutcome outcome, const std::string& reason) override {
    out_ += "{\"path\":";
    PutDisplay(out_, path_);
    char* at = out_.Room(16 + 2 * path_.size());
    at = Put(at, ",\"path_hex\":\"");
    at = PutHex(at, std::string_view(path_));
    *at++ = '"';
    out_.Commit(at);
    if (!archive_.empty()) {
      out_ += ",\"archive\":";
      PutDisplay(out_, archive_);
      out_ += ",\"member\":";
      if (member_.empty()) {
        out_ += "null";
      } else {
        PutDisplay(out_, member_);
      }
    }
    at = out_.Room(128 + JsonRoom(reason.size()));
    at = Put(at, ",\"outcome\":\"");
    at = Put(at, OutcomeName(outcome));
    *at++ = '"';
    if (outcome == ListOutcome::CannotOpen || outcome == ListOutcome::Unreadable) {
      at = Put(at, ",\"reason\":");
      at = PutJsonString(at, reason);
      TellUser(reason);
    }
    if (outcome != ListOutcome::CannotOpen) {
      const int mode = ModeNumber(mode_);
      at = Put(at, ",\"mode\":");
      at = PutInt(at, mode);
      at = Put(at, ",\"mode_name\":\"");
      at = Put(at, kModeNames[static_cast<std::size_t>(mode)]);
      *at++ = '"';
    }
    out_.Commit(at);
    out_ += ",\"prompts\":";
    PutPart(prompts_, "[");
    out_ += "],\"messages\":";
    PutPart(messages_, "[");
    out_ += ']';
    if (outcome == ListOutcome::Listed) {
      out_ += ",\"header\":";
      out_ += header_.View();
      out_ += "]},\"entries\":";
      PutPart(entries_, "[");
      out_ += "],";
      out_ += end_.View();
      out_ += ",\"blocks_free_row\":";
      PutPart(free_row_, "null");
    }
    out_ += "}\n";
  }

 private:
  void OpenHeader(const HeaderFacts& facts) {
    char* at =
        header_.Room(16 + FieldRoom(9, facts.disk_name.size()) +
                     FieldRoom(7, facts.disk_id.size()) + FieldRoom(8, facts.dos_type.size()));
    *at++ = '{';
    at = PutField(at, "disk_name", facts.disk_name, true);
    at = PutField(at, "disk_id", facts.disk_id, false);
    at = PutField(at, "dos_type", facts.dos_type, false);
    at = Put(at, "\"rows\":[");
    header_.Commit(at);
  }

  void OpenEntry(const EntryFacts& facts) {
    char* at = entries_.Room(160 + JsonRoom(facts.type_text.size()) + FieldRoom(4, kEntryNameSize));
    *at++ = entries_.Size() == 0 ? '[' : ',';
    at = Put(at, "{\"blocks\":");
    at = PutInt(at, facts.Blocks());
    at = Put(at, ",\"type_byte\":");
    at = PutInt(at, facts.TypeByte());
    at = Put(at, ",\"type\":");
    at = PutJsonString(at, facts.type_text);
    at = Put(at, facts.Locked() ? ",\"locked\":true" : ",\"locked\":false");
    at = Put(at, facts.Closed() ? ",\"closed\":true" : ",\"closed\":false");
    at = Put(at, ",\"geos_type\":");
    at = PutInt(at, facts.GeosType());
    *at++ = ',';
    at = PutField(at, "name", facts.Name(), true);
    at = Put(at, "\"row\":");
    entries_.Commit(at);
  }

  // {"index":N,"text":"TEXT","petscii_hex":"HEX","reverse_hex":"HEX"}, the text in the
  // character set; an entry's row closes its entry too.
  void PutRow(OutputBuffer& to, const ListingRow& row) {
    char* at = to.Room(96 + (kMostJsonCell + 2) * row.text.size() + 2 * row.reverse.size());
    if (&to == &header_ && count_ > 0) *at++ = ',';
    at = Put(at, "{\"index\":");
    at = PutInt(at, count_++);
    at = Put(at, ",\"text\":\"");
    at = PutJson(at, row.text, petscii_);
    at = Put(at, "\",\"petscii_hex\":\"");
    at = PutHex(at, row.text);
    at = Put(at, "\",\"reverse_hex\":\"");
    at = PutHex(at, row.reverse);
    at = Put(at, "\"}");
    if (&to == &entries_) *at++ = '}';
    to.Commit(at);
  }

  // "NAME":"TEXT","NAME_hex":"HEX", the text in the character set, without the padding when
  // unpad: at most FieldRoom(name.size(), bytes.size()) bytes.
  char* PutField(char* at, std::string_view name, std::span<const std::uint8_t> bytes,
                 bool unpad) const {
    *at++ = '"';
    at = Put(at, name);
    at = Put(at, "\":\"");
    at = PutJson(at, unpad ? Unpadded(bytes) : bytes, petscii_);
    at = Put(at, "\",\"");
    at = Put(at, name);
    at = Put(at, "_hex\":\"");
    at = PutHex(at, bytes);
    return Put(at, "\",");
  }

  // A path or message: its escaped form as a JSON string.
  void PutDisplay(OutputBuffer& to, std::string_view text) {
    scratch_.clear();
    AppendEscaped(scratch_, text);
    to.Commit(PutJsonString(to.Room(JsonRoom(scratch_.size())), scratch_));
  }

  // A part of the object as gathered, or `empty` when nothing was.
  void PutPart(const OutputBuffer& part, std::string_view empty) {
    out_ += part.Size() == 0 ? empty : part.View();
  }

  JsonCells petscii_;
  OutputBuffer prompts_, messages_, header_, entries_, end_, free_row_;
  std::string scratch_;  // escaped text, its capacity kept
};

}  // namespace

std::unique_ptr<ImagePrinter> MakeJsonPrinter(Charset charset, OutputFile& err) {
  return std::make_unique<JsonPrinter>(charset, err);
}

}  // namespace quillane::cli
