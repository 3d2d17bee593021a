#include "RunLister.h"

#include <algorithm>
#include <string>

#include "AnsweringDialog.h"
#include "DirectoryLister.h"
#include "ImagePrompts.h"
#include "ListingPrinter.h"
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

}  // namespace

int RunLister(const CliOptions& options, bool out_is_terminal, std::FILE* out, std::FILE* err) {
  const bool reverse_as_ansi = options.color == ColorChoice::Always ||
                               (options.color == ColorChoice::Auto && out_is_terminal);

  ListingPrinter printer(options, reverse_as_ansi, out, err);
  AnsweringDialog answers(options, [&printer](Question question, const std::string& file_name,
                                              const std::string& message) {
    printer.Prompt(question, file_name, message);
  });
  ImagePrompts prompts(answers);
  DirectoryLister lister(prompts, printer);
  PngListing picture;
  ListingList& rows = options.png.empty() ? static_cast<ListingList&>(printer) : picture;

  int status = kExitListed;
  for (const std::string& path : options.images) {
    printer.BeginImage(path);
    std::string reason;
    const ListOutcome outcome = lister.ListImage(path, rows, &reason, printer.ModeSlot());
    if (outcome == ListOutcome::CannotOpen || outcome == ListOutcome::Unreadable) {
      printer.Unreadable(path, reason);
    }
    printer.EndImage(outcome);
    status = std::max(status, ExitStatusOf(outcome));
    if (&rows == &picture && outcome != ListOutcome::Unreadable && picture.Count() > 0 &&
        !picture.WritePicture(options, path, &reason)) {
      std::fprintf(err, "quillane-dir: %s: %s\n", options.png.c_str(), reason.c_str());
      status = std::max(status, kExitCannotWrite);
    }
  }
  return status;
}

}  // namespace quillane::cli
