#pragma once

#include "CliOptions.h"
#include "OutputFile.h"

namespace quillane::cli {

// Exit statuses; with several images the highest wins.
inline constexpr int kExitListed = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitCannotOpen = 2;  // also: could not be read
inline constexpr int kExitNotListable = 3;
inline constexpr int kExitOutputFailed = 4;  // standard output or the picture

// Lists every image of the options in order, answering the prompts from the options, and
// writes each image's output to out in one piece; with --png, draws the one image's listing
// into the picture file instead. The prompts' don't-ask-again state lasts across the images,
// as in a session of the window. Stops at the first failed write to out.
// Returns the exit status.
int RunLister(const CliOptions& options, bool out_is_terminal, OutputFile& out, OutputFile& err);

// Says on err that out could not be written, and why; returns kExitOutputFailed.
int OutputFailed(const OutputFile& out, OutputFile& err);

}  // namespace quillane::cli
