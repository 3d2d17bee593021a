#pragma once

#include <string_view>

namespace quillane::cli {

// An output file descriptor written without buffering of its own: every Write hands all its
// bytes to the system (partial writes and interruptions are carried on), and the first error
// is kept. After an error nothing more is written.
class OutputFile {
 public:
  explicit OutputFile(int fd) : fd_(fd) {}

  // True when all bytes were written.
  bool Write(std::string_view bytes);
  // Closes the descriptor; true when it and every write before it went well.
  bool Close();

  // Counts as failed from now on, with the given errno.
  void Fail(int error) {
    if (error_ == 0) error_ = error;
  }
  bool Failed() const { return error_ != 0; }
  int Error() const { return error_; }  // the errno of the first failure, 0 without one

 private:
  int fd_;
  int error_ = 0;
};

}  // namespace quillane::cli
