#pragma once

#include <cstdlib>

namespace quillane::display {

// Programs that draw without showing a window (the tests, the benchmarks, the character-set
// sheet) run on Qt's offscreen platform unless the environment chooses another. Called before
// the application object is made.
inline void PreferOffscreenPlatform() {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

}  // namespace quillane::display
