#include "ImagePrompts.h"

namespace quillane {

void DialogImagePrompts::ReportUnsupportedSize(const std::string& file_name) {
  if (file_name.empty() || filesize_dialog_.CheckBox1()) return;
  filesize_dialog_.SetEdit1(file_name);
  filesize_dialog_.SetLabel1("Unsupported Filesize...");
  filesize_dialog_.ShowModal();
}

GeometryAnswer DialogImagePrompts::AskGeometryMode(const std::string& file_name) {
  if (!ext_bam_dialog_.CheckBox1()) {
    ext_bam_dialog_.SetEdit1(file_name);
    ext_bam_dialog_.ShowModal();
  }
  return {ext_bam_dialog_.ModalResult(), ext_bam_dialog_.DosVariant()};
}

}  // namespace quillane
