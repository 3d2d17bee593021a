// --dump: one record per line, for scripts and tests.
//   # image PATH          an image begins (PATH escaped, so no name can start a record)
//   # unreadable          it could not be opened or read: nothing else follows for it
//   # prompt KIND TEXT    a prompt was shown
//   # mode N              the layout it is listed under (0: not listable)
//   # message TEXT        a message box
//   ROW<TAB>TEXT<TAB>REV  a listing row: its number, its PETSCII bytes and its ten bytes of
//                         reverse-video bits, both in lowercase hex
#include "ImagePrinter.h"
#include "OutputText.h"

namespace quillane::cli {
namespace {

class DumpPrinter final : public ImagePrinter {
 public:
  using ImagePrinter::ImagePrinter;

  void BeginImage(const std::string& path) override {
    ImagePrinter::BeginImage(path);
    mode_written_ = false;
    out_ += "# image ";
    AppendEscaped(out_, path);
    out_ += '\n';
    image_record_length_ = out_.size();
  }

  void Prompt(Question question, const std::string& text, std::string_view /*answer*/) override {
    // The size and layout prompts come before the layout is known; the crosslink prompt comes
    // from the walk, after the header row and so after the mode record.
    out_ += "# prompt ";
    out_ += std::to_string(static_cast<int>(question));
    out_ += ' ';
    AppendEscaped(out_, text);
    out_ += '\n';
  }

  void ShowMessage(const std::string& text) override {
    WriteModeRecord();
    out_ += "# message ";
    AppendEscaped(out_, text);
    out_ += '\n';
  }

  void Append(const ListingRow& row) override {
    WriteModeRecord();
    const std::size_t old = out_.size();
    char* const start = Extend(out_, 10 + 1 + 2 * row.text.size() + 1 + 2 * row.reverse.size() + 1);
    char* at = PutDecimal(start, count_++);
    *at++ = '\t';
    at = PutHex(at, row.text);
    *at++ = '\t';
    at = PutHex(at, row.reverse);
    *at++ = '\n';
    out_.resize(old + static_cast<std::size_t>(at - start));
  }

  void EndImage(ListOutcome outcome, const std::string& reason) override {
    if (outcome == ListOutcome::CannotOpen || outcome == ListOutcome::Unreadable) {
      out_.resize(image_record_length_);
      out_ += "# unreadable\n";
      TellUser(reason);
      return;
    }
    WriteModeRecord();
  }

 private:
  void WriteModeRecord() {
    if (mode_written_) return;
    mode_written_ = true;
    out_ += "# mode ";
    out_ += std::to_string(ModeNumber(mode_));
    out_ += '\n';
  }

  bool mode_written_ = false;
  std::size_t image_record_length_ = 0;
};

}  // namespace

std::unique_ptr<ImagePrinter> MakeDumpPrinter(OutputFile& err) {
  return std::make_unique<DumpPrinter>(err);
}

}  // namespace quillane::cli
