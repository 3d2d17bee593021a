// quillane-dir: lists .d64 disk images in a terminal, as a C64 lists their directories.
#include <cerrno>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "OutputFile.h"
#include "OutputText.h"
#include "ProgramEnvironment.h"
#include "RunLister.h"

#ifndef QL_VERSION
#define QL_VERSION "unknown"
#endif

int main(int argc, char** argv) {
  using namespace quillane;
  using namespace quillane::cli;
  // Standard output closed is an output failure.
  const bool out_closed = PrepareStandardStreams();
  const ParsedCommandLine parsed = ParseCommandLine(CommandLineArguments(argc, argv));
  OutputFile out(1);
  OutputFile err(2);
  // A picture run writes nothing to standard output, and needs none.
  const bool picture =
      parsed.action == ParsedCommandLine::Action::Run && !parsed.options.png.empty();
  if (out_closed && !picture) out.Fail(EBADF);
  int status = kExitListed;
  switch (parsed.action) {
    case ParsedCommandLine::Action::Help:
      out.Write(std::string(kUsage) + "\n" + kHelp);
      break;
    case ParsedCommandLine::Action::Version:
      out.Write("quillane-dir " QL_VERSION "\n");
      break;
    case ParsedCommandLine::Action::UsageError: {
      std::string text = "quillane-dir: ";
      AppendEscaped(text, parsed.error);
      err.Write(text + "\n" + kUsage + "Try 'quillane-dir --help' for more information.\n");
      return kExitUsage;
    }
    case ParsedCommandLine::Action::Run:
      if (out.Failed()) break;
      status = RunLister(parsed.options, OutputShowsColor(), out, err);
      if (out.Failed()) return status;  // already said
      break;
  }
  if (!out.Close()) return OutputFailed(out, err);
  return status;
}
