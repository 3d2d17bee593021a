#include "RunLister.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "DirectoryLister.h"
#include "ImagePrinter.h"
#include "ImagePrompts.h"
#include "ImageSources.h"
#include "OptionAnswerer.h"
#include "OutputText.h"
#include "PngOutput.h"

namespace quillane::cli {
namespace {

int ExitStatusOf(ListOutcome outcome) {
  switch (outcome) {
    case ListOutcome::Listed:
      return kExitListed;
    case ListOutcome::CannotOpen:
    case ListOutcome::Unreadable:
      return kExitCannotOpen;
    case ListOutcome::NotListable:
      return kExitNotListable;
  }
  return kExitNotListable;
}

std::unique_ptr<ImagePrinter> MakePrinter(const CliOptions& options, bool out_is_terminal,
                                          OutputFile& err) {
  switch (options.form) {
    case OutputForm::Dump:
      return MakeDumpPrinter(err);
    case OutputForm::Json:
      return MakeJsonPrinter(options.charset, err);
    case OutputForm::Text:
      break;
  }
  const bool reverse_as_ansi = options.color == ColorChoice::Always ||
                               (options.color == ColorChoice::Auto && out_is_terminal);
  return MakeTextPrinter(options.charset, reverse_as_ansi, err);
}

}  // namespace

int OutputFailed(const OutputFile& out, OutputFile& err) {
  err.Write(std::string("quillane-dir: output could not be written: ") +
            std::strerror(out.Error()) + "\n");
  return kExitOutputFailed;
}

int RunLister(const CliOptions& options, bool out_is_terminal, OutputFile& out, OutputFile& err) {
  const std::unique_ptr<ImagePrinter> printer = MakePrinter(options, out_is_terminal, err);
  OptionAnswerer answers(
      options, [&printer](Question question, const std::string& message, std::string_view word) {
        printer->Prompt(question, message, word);
      });
  ImagePrompts prompts(answers);
  DirectoryLister lister(prompts, *printer);
  PngListing picture;
  ListingList& rows = options.png.empty() ? static_cast<ListingList&>(*printer) : picture;

  int status = kExitListed;
  bool stopped = false;  // by a failed write, or --png given more than its one image
  int images = 0;
  const auto list = [&](ImageSource& source) {
    const std::string& path = source.path;
    if (!options.png.empty() && ++images > 1) {
      std::string line = "quillane-dir: ";
      AppendEscaped(line,
                    options.images.front() + ": --png draws one image; the rest is not listed");
      err.Write(line + "\n");
      status = std::max(status, kExitUsage);
      return false;
    }
    printer->BeginImage(path);
    printer->SetOrigin(source.archive, source.member);
    ListResult listed{ListOutcome::CannotOpen, source.reason};
    if (source.kind == ImageSource::Kind::File) {
      listed = lister.ListImage(path, rows);
    } else if (source.kind == ImageSource::Kind::Bytes) {
      DiskImage image = DiskImage::FromBytes(std::move(source.bytes));
      listed = lister.ListImage(image, path, rows);
    }
    printer->EndImage(listed.outcome, listed.reason);
    if (!out.Write(printer->Output())) {
      status = OutputFailed(out, err);
      stopped = true;
      return false;
    }
    status = std::max(status, ExitStatusOf(listed.outcome));
    const Outcome written = &rows == &picture && listed.outcome == ListOutcome::Listed
                                ? picture.WritePicture(options, path)
                                : Outcome::Success();
    if (!written) {
      std::string line = "quillane-dir: ";
      AppendEscaped(line, options.png + ": " + written.reason);
      err.Write(line + "\n");
      status = std::max(status, kExitOutputFailed);
    }
    return true;
  };
  for (const std::string& path : options.images) {
    if (!ForEachImageSource(path, options.recursive, list)) break;
  }
  if (stopped) return kExitOutputFailed;
  return status;
}

}  // namespace quillane::cli
