// quillane-dir: lists .d64 disk images in a terminal, as a C64 lists their directories.
#include <unistd.h>
#include <cstdio>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "RunLister.h"

#ifndef QL_VERSION
#define QL_VERSION "unknown"
#endif

int main(int argc, char** argv) {
  using namespace quillane::cli;
  const ParsedCommandLine parsed =
      ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (parsed.action) {
    case ParsedCommandLine::Action::Help:
      std::fputs(kUsage, stdout);
      std::fputs("\n", stdout);
      std::fputs(kHelp, stdout);
      return 0;
    case ParsedCommandLine::Action::Version:
      std::fputs("quillane-dir " QL_VERSION "\n", stdout);
      return 0;
    case ParsedCommandLine::Action::UsageError:
      std::fprintf(stderr, "quillane-dir: %s\n", parsed.error.c_str());
      std::fputs(kUsage, stderr);
      std::fputs("Try 'quillane-dir --help' for more information.\n", stderr);
      return kExitUsage;
    case ParsedCommandLine::Action::Run:
      break;
  }
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  return RunLister(parsed.options, ::isatty(STDOUT_FILENO) == 1, stdout, stderr);
}
