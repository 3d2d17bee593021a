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
    Record("# image ", path);
    image_record_length_ = out_.Size();
  }

  void Prompt(Question question, const std::string& text, std::string_view /*answer*/) override {
    // The size and layout prompts come before the layout is known; the crosslink prompt comes
    // from the walk, after the header row and so after the mode record.
    Record("# prompt " + std::to_string(static_cast<int>(question)) + " ", text);
  }

  void ShowMessage(const std::string& text) override {
    WriteModeRecord();
    Record("# message ", text);
  }

  void Append(const ListingRow& row) override {
    WriteModeRecord();
    char* at = out_.Room(10 + 1 + 2 * row.text.size() + 1 + 2 * row.reverse.size() + 1);
    at = PutDecimal(at, count_++);
    *at++ = '\t';
    at = PutHex(at, row.text);
    *at++ = '\t';
    at = PutHex(at, row.reverse);
    *at++ = '\n';
    out_.Commit(at);
  }

  void EndImage(ListOutcome outcome, const std::string& reason) override {
    if (outcome == ListOutcome::CannotOpen || outcome == ListOutcome::Unreadable) {
      out_.Truncate(image_record_length_);
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
    out_ += "# mode " + std::to_string(ModeNumber(mode_)) + "\n";
  }

  // "HEAD TEXT" and a newline, TEXT escaped.
  void Record(std::string_view head, std::string_view text) {
    record_ = head;
    AppendEscaped(record_, text);
    record_ += '\n';
    out_ += record_;
  }

  bool mode_written_ = false;
  std::size_t image_record_length_ = 0;
  std::string record_;
};

}  // namespace

std::unique_ptr<ImagePrinter> MakeDumpPrinter(OutputFile& err) {
  return std::make_unique<DumpPrinter>(err);
}

}  // namespace quillane::cli
