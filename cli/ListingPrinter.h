#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "CliOptions.h"
#include "DirectoryLister.h"
#include "GeometryMode.h"
#include "ListingList.h"
#include "ListingRow.h"
#include "PromptAnswerer.h"

namespace quillane::cli {

// Where the rows and events of a run go: the listing as terminal text, or the --dump stream.
// It is the listing list and the message box of the directory walk, and is told about the
// images, prompts and outcomes around it, in the order they happen.
class ListingPrinter final : public ListingList, public MessageBox {
 public:
  ListingPrinter(const CliOptions& options, bool reverse_as_ansi, std::FILE* out, std::FILE* err);

  void BeginImage(const std::string& path);
  void Unreadable(const std::string& path, const std::string& reason);
  void Prompt(Question question, const std::string& file_name, const std::string& text);
  // Where the lister writes the image's layout once it is known.
  GeometryMode* ModeSlot() { return &mode_; }
  void EndImage(ListOutcome outcome);

  // ListingList and MessageBox.
  void Append(const ListingRow& row) override;
  int Count() const override { return count_; }
  void ShowMessage(const std::string& text) override;

 private:
  void FlushModeLine();

  const CliOptions& options_;
  bool reverse_as_ansi_;
  std::FILE* out_;
  std::FILE* err_;
  int count_ = 0;
  int images_listed_ = 0;
  GeometryMode mode_ = GeometryMode::NotListable;
  bool mode_written_ = false;
  std::string line_;  // reused for every output line
};

}  // namespace quillane::cli
