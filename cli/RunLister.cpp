#include "RunLister.h"

#include <algorithm>
#include <string>

#include "AnsweringDialog.h"
#include "DirectoryLister.h"
#include "ImagePrompts.h"
#include "ListingPrinter.h"

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

  int status = kExitListed;
  for (const std::string& path : options.images) {
    printer.BeginImage(path);
    std::string reason;
    const ListOutcome outcome = lister.ListImage(path, printer, &reason, printer.ModeSlot());
    if (outcome == ListOutcome::CannotOpen || outcome == ListOutcome::Unreadable) {
      printer.Unreadable(path, reason);
    }
    printer.EndImage(outcome);
    status = std::max(status, ExitStatusOf(outcome));
  }
  return status;
}

}  // namespace quillane::cli
