// quillane-dir: lists .d64 disk images in a terminal, as a C64 lists their directories.
#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "OutputFile.h"
#include "OutputText.h"
#include "RunLister.h"

#ifndef QL_VERSION
#define QL_VERSION "unknown"
#endif

int main(int argc, char** argv) {
  using namespace quillane;
  using namespace quillane::cli;
  // A standard stream that was closed would be the descriptor of the next file opened, an
  // image among them: park it on /dev/null. Standard output closed is an output failure.
  const bool out_closed = ::fcntl(STDOUT_FILENO, F_GETFD) < 0;
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (::fcntl(fd, F_GETFD) < 0) ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  }
  const ParsedCommandLine parsed =
      ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  OutputFile out(STDOUT_FILENO);
  OutputFile err(STDERR_FILENO);
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
      status = RunLister(parsed.options, ::isatty(STDOUT_FILENO) == 1, out, err);
      if (out.Failed()) return status;  // already said
      break;
  }
  if (!out.Close()) return OutputFailed(out, err);
  return status;
}
