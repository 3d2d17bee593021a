#pragma once

#include <string>
#include <vector>

namespace quillane::app {

// The command line as the system handed it over: the program's own name, then the arguments,
// each byte for byte. File names on this system are bytes, not text; a name that is not valid
// UTF-8 must reach the existence test and the open unchanged.
using CommandLine = std::vector<std::string>;

// The image to list at start: the first argument after the program's own name, when it names an
// existing regular file whose extension (after the last "/"), upper-cased, is exactly ".D64".
// Any further arguments are ignored. Everything else (no argument, a missing file, a folder, a
// FIFO, socket or device, another extension) gives an empty string, and the window comes up
// with an empty listing without a word. A FIFO is never opened: opening it could wait for a
// writer forever.
std::string CommandLineImage(const CommandLine& arguments);

}  // namespace quillane::app
