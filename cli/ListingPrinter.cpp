#include "ListingPrinter.h"

#include "RowText.h"

namespace quillane::cli {
namespace {

void AppendHex(std::string& out, unsigned char byte) {
  constexpr char kDigits[] = "0123456789abcdef";
  out += kDigits[byte >> 4];
  out += kDigits[byte & 0xF];
}

void Write(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace

ListingPrinter::ListingPrinter(const CliOptions& options, bool reverse_as_ansi, std::FILE* out,
                               std::FILE* err)
    : options_(options), reverse_as_ansi_(reverse_as_ansi), out_(out), err_(err) {}

void ListingPrinter::BeginImage(const std::string& path) {
  count_ = 0;
  mode_ = GeometryMode::NotListable;
  mode_written_ = false;
  if (options_.dump) Write(out_, "# image " + path + "\n");
}

void ListingPrinter::Unreadable(const std::string& path, const std::string& reason) {
  if (options_.dump) Write(out_, "# unreadable\n");
  Write(err_, "quillane-dir: " + path + ": " + reason + "\n");
  mode_written_ = true;  // nothing more is said about this image
}

void ListingPrinter::Prompt(Question question, const std::string& file_name,
                            const std::string& text) {
  if (options_.dump) {
    // The crosslink prompt comes from the walk, after the layout is known.
    if (question == Question::Crosslink) FlushModeLine();
    Write(out_, "# prompt " + std::to_string(static_cast<int>(question)) + " " + text + "\n");
  } else {
    Write(err_, "quillane-dir: " + file_name + ": " + text + "\n");
  }
}

void ListingPrinter::ShowMessage(const std::string& text) {
  if (options_.dump) {
    FlushModeLine();
    Write(out_, "# message " + text + "\n");
  } else {
    Write(err_, "quillane-dir: " + text + "\n");
  }
}

void ListingPrinter::FlushModeLine() {
  if (mode_written_) return;
  mode_written_ = true;
  if (options_.dump) Write(out_, "# mode " + std::to_string(ModeNumber(mode_)) + "\n");
}

void ListingPrinter::EndImage(ListOutcome outcome) {
  if (outcome != ListOutcome::CannotOpen) FlushModeLine();
  std::fflush(out_);
}

void ListingPrinter::Append(const ListingRow& row) {
  line_.clear();
  if (options_.dump) {
    FlushModeLine();
    line_ += std::to_string(count_);
    line_ += '\t';
    for (char c : row.text) AppendHex(line_, static_cast<unsigned char>(c));
    line_ += '\t';
    for (std::uint8_t bits : row.reverse) AppendHex(line_, bits);
  } else {
    // Listings of several images are kept apart by an empty line.
    if (count_ == 0 && images_listed_++ > 0) line_ += '\n';
    AppendRowText(line_, row, options_.charset, reverse_as_ansi_);
  }
  line_ += '\n';
  Write(out_, line_);
  ++count_;
}

}  // namespace quillane::cli
