// The listing as a C64 shows it, as terminal text.
#include "ImagePrinter.h"
#include "OutputText.h"

namespace quillane::cli {
namespace {

class TextPrinter final : public ImagePrinter {
 public:
  TextPrinter(Charset charset, bool reverse_as_ansi, OutputFile& err)
      : ImagePrinter(err), charset_(charset), reverse_as_ansi_(reverse_as_ansi) {}

  void Prompt(Question /*question*/, const std::string& text,
              std::string_view /*answer*/) override {
    TellUser(text);
  }
  void ShowMessage(const std::string& text) override { TellUserMessage(text); }

  void Append(const ListingRow& row) override {
    char* at = out_.Room(1 + RowTextRoom(row) + 1);
    // Listings of several images are kept apart by an empty line.
    if (count_++ == 0 && images_listed_ > 0) *at++ = '\n';
    at = PutRowText(at, row, charset_, reverse_as_ansi_);
    *at++ = '\n';
    out_.Commit(at);
  }

  void EndImage(ListOutcome outcome, const std::string& reason) override {
    if (outcome == ListOutcome::Listed) {
      ++images_listed_;
      return;
    }
    out_.Clear();
    if (outcome != ListOutcome::NotListable) TellUser(reason);
  }

 private:
  Charset charset_;
  bool reverse_as_ansi_;
  int images_listed_ = 0;
};

}  // namespace

std::unique_ptr<ImagePrinter> MakeTextPrinter(Charset charset, bool reverse_as_ansi,
                                              OutputFile& err) {
  return std::make_unique<TextPrinter>(charset, reverse_as_ansi, err);
}

}  // namespace quillane::cli
