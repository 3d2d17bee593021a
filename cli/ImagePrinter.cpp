#include "ImagePrinter.h"

#include "OutputText.h"

namespace quillane::cli {

void ImagePrinter::BeginImage(const std::string& path) {
  path_ = path;
  out_.Clear();
  count_ = 0;
  mode_ = GeometryMode::NotListable;
}

void ImagePrinter::TellUser(std::string_view text) {
  std::string line = "quillane-dir: ";
  AppendEscaped(line, path_);
  line += ": ";
  AppendEscaped(line, text);
  line += '\n';
  err_.Write(line);
}

void ImagePrinter::TellUserMessage(std::string_view text) {
  std::string line = "quillane-dir: ";
  AppendEscaped(line, text);
  line += '\n';
  err_.Write(line);
}

}  // namespace quillane::cli
