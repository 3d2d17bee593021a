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

AnsweringDialog::Answer CrosslinkAnswerOf(CrosslinkAnswer choice) {
  switch (choice) {
    case CrosslinkAnswer::Abort:
      return {kPromptStop, false, 1};
    case CrosslinkAnswer::List:
      return {kPromptGoOn, false, 1};
    case CrosslinkAnswer::ListOnce:
      break;
  }
  return {kPromptGoOn, true, 1};
}

AnsweringDialog::Answer LayoutAnswerOf(int layout) {
  if (layout < 1 || layout > 4) return {kPromptStop, false, 1};
  return {kPromptGoOn, true, layout};
}

int ExitStatusOf(ListOutcome outcome) {
  switch (outcome) {
    case ListOutcome::Listed:
      return kExitListed;
    case ListOutcome::CannotOpen:
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
  auto report = [&printer](const AnsweringDialog& dialog) {
    printer.Prompt(dialog.Kind(), dialog.Edit1(), dialog.Label1());
  };
  AnsweringDialog crosslink_dialog(kCrosslinkPrompt, "", CrosslinkAnswerOf(options.crosslinks),
                                   report);
  AnsweringDialog filesize_dialog(kFilesizePrompt, "Unsupported Filesize...",
                                  {kPromptGoOn, false, 1}, report);
  AnsweringDialog ext_bam_dialog(kExtBamPrompt,
                                 "The Extended BAM could not be detected. Handle this Image as:",
                                 LayoutAnswerOf(options.layout), report);
  DialogImagePrompts prompts(filesize_dialog, ext_bam_dialog);
  DirectoryLister lister(crosslink_dialog, printer);
  PngListing picture;
  ListingList& rows = options.png.empty() ? static_cast<ListingList&>(printer) : picture;

  int status = kExitListed;
  for (const std::string& path : options.images) {
    printer.BeginImage(path);
    std::string reason;
    const ListOutcome outcome = lister.ListImage(path, prompts, rows, &reason, printer.ModeSlot());
    if (outcome == ListOutcome::CannotOpen) printer.Unreadable(path, reason);
    printer.EndImage(outcome);
    status = std::max(status, ExitStatusOf(outcome));
    if (&rows == &picture && picture.Count() > 0 && !picture.WritePicture(options, path, &reason)) {
      std::fprintf(err, "quillane-dir: %s: %s\n", options.png.c_str(), reason.c_str());
      status = std::max(status, kExitCannotWrite);
    }
  }
  return status;
}

}  // namespace quillane::cli
