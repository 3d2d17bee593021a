#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "CliOptions.h"
#include "DirectoryLister.h"
#include "GeometryMode.h"
#include "ListingList.h"
#include "OutputBuffer.h"
#include "OutputFile.h"
#include "PromptAnswerer.h"

namespace quillane::cli {

// One output form of the lister. It is the listing list and the message box of the directory
// walk, and is told about each image, its prompts and its outcome in the order they happen.
// What an image writes to standard output is gathered in one buffer and written at once after
// EndImage, so an image that turns out unreadable leaves no half listing behind.
// Prompts and messages meant for the user go to standard error at once.
class ImagePrinter : public ListingList, public MessageBox {
 public:
  explicit ImagePrinter(OutputFile& err) : err_(err) {}

  virtual void BeginImage(const std::string& path);
  // Where an image read out of an archive (or a .d64.gz) comes from; called after BeginImage.
  void SetOrigin(const std::string& archive, const std::string& member) {
    archive_ = archive;
    member_ = member;
  }
  // A prompt that was shown, its text and the answer it got (the option's word).
  virtual void Prompt(Question question, const std::string& text, std::string_view answer) = 0;
  // reason: why the image could not be opened or read.
  virtual void EndImage(ListOutcome outcome, const std::string& reason) = 0;

  // The bytes of the image last ended, for standard output.
  std::string_view Output() const { return out_.View(); }

  int Count() const override { return count_; }
  void Mode(GeometryMode mode) override { mode_ = mode; }

 protected:
  // "quillane-dir: PATH: TEXT" on standard error, PATH and TEXT escaped.
  void TellUser(std::string_view text);
  // "quillane-dir: TEXT" on standard error, TEXT escaped.
  void TellUserMessage(std::string_view text);

  OutputFile& err_;
  std::string path_;
  std::string archive_;  // empty for a plain file
  std::string member_;
  OutputBuffer out_;
  int count_ = 0;
  GeometryMode mode_ = GeometryMode::NotListable;
};

// The listing as terminal text (UTF-8 in the chosen character set, reverse video as ANSI
// escapes when asked), the --dump record stream, and the --json catalogue.
std::unique_ptr<ImagePrinter> MakeTextPrinter(Charset charset, bool reverse_as_ansi,
                                              OutputFile& err);
std::unique_ptr<ImagePrinter> MakeDumpPrinter(OutputFile& err);
std::unique_ptr<ImagePrinter> MakeJsonPrinter(Charset charset, OutputFile& err);

}  // namespace quillane::cli
