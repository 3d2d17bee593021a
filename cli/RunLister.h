#pragma once

#include <cstdio>

#include "CliOptions.h"

namespace quillane::cli {

// Exit statuses; with several images the highest wins.
inline constexpr int kExitListed = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitCannotOpen = 2;
inline constexpr int kExitNotListable = 3;
inline constexpr int kExitCannotWrite = 4;  // the output could not be written

// Lists every image of the options in order, answering the prompts from the options; with
// --png, draws the one image's listing into the picture file instead. The
// prompts' don't-ask-again state lasts across the images, as in a session of the window.
// Returns the exit status.
int RunLister(const CliOptions& options, bool out_is_terminal, std::FILE* out, std::FILE* err);

}  // namespace quillane::cli
