// --json: JSON Lines, one object per image, for building and searching catalogues.
#include <array>
#include <span>

#include "ImagePrinter.h"
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

class JsonPrinter final : public ImagePrinter {
 public:
  JsonPrinter(Charset charset, OutputFile& err) : ImagePrinter(err), charset_(charset) {}

  void BeginImage(const std::string& path) override {
    ImagePrinter::BeginImage(path);
    for (std::string* part : {&prompts_, &messages_, &header_, &entries_, &end_, &free_row_}) {
      part->clear();
    }
  }

  void Prompt(Question question, const std::string& text, std::string_view answer) override {
    prompts_ += prompts_.empty() ? "[" : ",";
    prompts_ += "{\"kind\":" + std::to_string(static_cast<int>(question)) + ",\"text\":";
    AppendDisplay(prompts_, text);
    prompts_ += ",\"answer\":";
    AppendJsonString(prompts_, answer);
    prompts_ += '}';
  }

  void ShowMessage(const std::string& text) override {
    messages_ += messages_.empty() ? "[" : ",";
    AppendDisplay(messages_, text);
  }

  void OpenHeader(const HeaderFacts& facts) {
    header_ += "{";
    AppendField(header_, "disk_name", facts.disk_name, true);
    AppendField(header_, "disk_id", facts.disk_id, false);
    AppendField(header_, "dos_type", facts.dos_type, false);
    header_ += "\"rows\":[";
  }

  void OpenEntry(const EntryFacts& facts) {
    entries_ += entries_.empty() ? "[" : ",";
    entries_ += "{\"blocks\":" + std::to_string(facts.Blocks());
    entries_ += ",\"type_byte\":" + std::to_string(facts.TypeByte()) + ",\"type\":";
    AppendJsonString(entries_, facts.type_text);
    entries_ += facts.Locked() ? ",\"locked\":true" : ",\"locked\":false";
    entries_ += facts.Closed() ? ",\"closed\":true" : ",\"closed\":false";
    entries_ += ",\"geos_type\":" + std::to_string(facts.GeosType()) + ",";
    AppendField(entries_, "name", facts.Name(), true);
    entries_ += "\"row\":";
  }

  void End(WalkEnd end, int blocks_free) override {
    end_ = "\"blocks_free\":" + std::to_string(blocks_free) + ",\"end\":\"";
    end_ += kWalkEndNames[static_cast<std::size_t>(end)];
    end_ += '"';
  }

  void AppendRow(const ListingRow& row, const RowFacts& facts) override {
    if (facts.header) OpenHeader(*facts.header);
    if (facts.entry) OpenEntry(*facts.entry);
    std::string& to = facts.kind == RowKind::BlocksFree ? free_row_
                      : facts.kind == RowKind::Entry    ? entries_
                                                        : header_;
    PutRow(to, row);
  }

  // Rows without facts: none come from the walk.
  void Append(const ListingRow& row) override { AppendRow(row, {}); }

  void PutRow(std::string& to, const ListingRow& row) {
    if (&to == &header_ && count_ > 0) to += ',';
    to += "{\"index\":" + std::to_string(count_++) + ",\"text\":";
    scratch_.clear();
    AppendRowText(scratch_, row, charset_, false);
    AppendJsonString(to, scratch_);
    to += ",\"petscii_hex\":\"";
    AppendHex(to, row.text);
    to += "\",\"reverse_hex\":\"";
    AppendHex(to, row.reverse);
    to += "\"}";
    if (&to == &entries_) to += '}';
  }

  void EndImage(ListOutcome outcome, const std::string& reason) override {
    line_ = "{\"path\":";
    AppendDisplay(line_, path_);
    line_ += ",\"path_hex\":\"";
    AppendHex(line_, path_);
    line_ += '"';
    if (!archive_.empty()) {
      line_ += ",\"archive\":";
      AppendDisplay(line_, archive_);
      line_ += ",\"member\":";
      if (member_.empty()) {
        line_ += "null";
      } else {
        AppendDisplay(line_, member_);
      }
    }
    line_ += ",\"outcome\":";
    AppendJsonString(line_, OutcomeName(outcome));
    if (outcome == ListOutcome::CannotOpen || outcome == ListOutcome::Unreadable) {
      line_ += ",\"reason\":";
      AppendJsonString(line_, reason);
      TellUser(reason);
    }
    if (outcome != ListOutcome::CannotOpen) {
      line_ += ",\"mode\":" + std::to_string(ModeNumber(mode_)) + ",\"mode_name\":";
      AppendJsonString(line_, kModeNames[static_cast<std::size_t>(ModeNumber(mode_))]);
    }
    line_ += ",\"prompts\":" + (prompts_.empty() ? "[" : prompts_) + "]";
    line_ += ",\"messages\":" + (messages_.empty() ? "[" : messages_) + "]";
    if (outcome == ListOutcome::Listed) {
      line_ += ",\"header\":" + header_ + "]}";
      line_ += ",\"entries\":" + (entries_.empty() ? "[" : entries_) + "]";
      line_ += "," + end_ + ",\"blocks_free_row\":" + (free_row_.empty() ? "null" : free_row_);
    }
    line_ += "}\n";
    out_ += line_;
  }

 private:
  // A path or message: its escaped form as a JSON string.
  void AppendDisplay(std::string& to, std::string_view text) {
    scratch_.clear();
    AppendEscaped(scratch_, text);
    AppendJsonString(to, scratch_);
  }

  // "NAME":"TEXT","NAME_hex":"HEX", the text in the character set, without the padding when
  // unpad.
  void AppendField(std::string& to, std::string_view name, std::span<const std::uint8_t> bytes,
                   bool unpad) {
    to += '"';
    to += name;
    to += "\":";
    scratch_.clear();
    AppendPetsciiText(scratch_, unpad ? Unpadded(bytes) : bytes, charset_);
    AppendJsonString(to, scratch_);
    to += ",\"";
    to += name;
    to += "_hex\":\"";
    AppendHex(to, bytes);
    to += "\",";
  }

  Charset charset_;
  std::string prompts_, messages_, header_, entries_, end_, free_row_, scratch_, line_;
};

}  // namespace

std::unique_ptr<ImagePrinter> MakeJsonPrinter(Charset charset, OutputFile& err) {
  return std::make_unique<JsonPrinter>(charset, err);
}

}  // namespace quillane::cli
