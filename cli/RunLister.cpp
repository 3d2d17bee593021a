#include "RunLister.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "AnsweringDialog.h"
#include "DirectoryLister.h"
#include "ImagePrinter.h"
#include "ImagePrompts.h"

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
  auto report = [&printer, &options](const AnsweringDialog& dialog) {
    std::string_view answer = "ok";
    if (dialog.Kind() == kCrosslinkPrompt) answer = CrosslinkAnswerWord(options.crosslinks);
    if (dialog.Kind() == kExtBamPrompt) answer = LayoutWord(options.layout);
    printer->Prompt(dialog.Kind(), dialog.Label1(), answer);
  };
  AnsweringDialog crosslink_dialog(kCrosslinkPrompt, "", CrosslinkAnswerOf(options.crosslinks),
                                   report);
  AnsweringDialog filesize_dialog(kFilesizePrompt, "Unsupported Filesize...",
                                  {kPromptGoOn, false, 1}, report);
  AnsweringDialog ext_bam_dialog(kExtBamPrompt,
                                 "The Extended BAM could not be detected. Handle this Image as:",
                                 LayoutAnswerOf(options.layout), report);
  DialogImagePrompts prompts(filesize_dialog, ext_bam_dialog);
  DirectoryLister lister(crosslink_dialog, *printer);

  int status = kExitListed;
  for (const std::string& path : options.images) {
    printer->BeginImage(path);
    std::string reason;
    const ListOutcome outcome =
        lister.ListImage(path, prompts, *printer, &reason, printer->ModeSlot());
    printer->EndImage(outcome, reason);
    if (!out.Write(printer->Output())) return OutputFailed(out, err);
    status = std::max(status, ExitStatusOf(outcome));
  }
  return status;
}

}  // namespace quillane::cli
