#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "GeometryMode.h"
#include "UnicodeCharset.h"

namespace quillane::cli {

enum class ColorChoice { Auto, Always, Never };

// What is written to standard output: the listing as text, the --dump records, the --json
// catalogue.
enum class OutputForm { Text, Dump, Json };

// How the three prompts are answered in place of a user.
enum class CrosslinkAnswer { Abort, List, ListOnce };

struct CliOptions {
  Charset charset = Charset::UpperGraphics;
  ColorChoice color = ColorChoice::Auto;
  OutputForm form = OutputForm::Text;
  // The extended-BAM question answered with this layout; NotListable: Cancel.
  GeometryMode layout = GeometryMode::NotListable;
  CrosslinkAnswer crosslinks = CrosslinkAnswer::ListOnce;
  std::string png;         // --png: the picture file to write instead of the text
  int scale = 2;           // --scale: 1-8, cells of 8 x scale pixels
  int png_size = 0;        // --png-size: fit the picture into this many pixels square; 0: as drawn
  bool recursive = false;  // -r: folders stand for every image beneath them
  std::vector<std::string> images;
};

struct ParsedCommandLine {
  enum class Action { Run, Help, Version, UsageError };
  Action action = Action::Run;
  CliOptions options;
  std::string error;  // for UsageError: what was wrong
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The option words of the answers, as the prompts' reports give them.
std::string_view CrosslinkAnswerWord(CrosslinkAnswer answer);
std::string_view LayoutWord(GeometryMode layout);

// The synopsis, and the full --help text.
extern const char* const kUsage;
extern const char* const kHelp;

}  // namespace quillane::cli
