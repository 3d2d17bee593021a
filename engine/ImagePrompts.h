#pragma once

#include <string>

#include "PromptDialog.h"

namespace quillane {

// The answer to "Handle this Image as:": the prompt's result code and the layout chosen.
struct GeometryAnswer {
  int modal_result = kPromptStop;
  int dos_variant = 1;
};

// The two questions image classification may put to the user.
class ImagePrompts {
 public:
  virtual ~ImagePrompts() = default;
  virtual void ReportUnsupportedSize(const std::string& file_name) = 0;
  virtual GeometryAnswer AskGeometryMode(const std::string& file_name) = 0;
};

// ImagePrompts carried out with two prompt windows, by the don't-ask-again protocol: the size
// report with the kind-4 prompt, the layout question with the kind-6 prompt.
class DialogImagePrompts final : public ImagePrompts {
 public:
  DialogImagePrompts(PromptDialog& filesize_dialog, PromptDialog& ext_bam_dialog)
      : filesize_dialog_(filesize_dialog), ext_bam_dialog_(ext_bam_dialog) {}

  void ReportUnsupportedSize(const std::string& file_name) override;
  GeometryAnswer AskGeometryMode(const std::string& file_name) override;

 private:
  PromptDialog& filesize_dialog_;
  PromptDialog& ext_bam_dialog_;
};

}  // namespace quillane
