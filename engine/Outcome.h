#pragma once

#include <string>
#include <utility>

namespace quillane {

// What a step that can fail brings back: whether it went well and, when it did not, why, in the
// words the user is shown ("No such file or directory", "the file shrank while it was read").
struct Outcome {
  bool ok = true;
  std::string reason;  // empty when ok

  static Outcome Success() { return {}; }
  static Outcome Failure(std::string why) { return {false, std::move(why)}; }
  explicit operator bool() const { return ok; }
};

}  // namespace quillane
