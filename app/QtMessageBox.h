#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "ListingList.h"

namespace quillane::app {

// The plain message box of the listing: the text, one OK button, no icon, the program's title
// as caption, modal over the owner.
class QtMessageBox final : public quillane::MessageBox {
 public:
  explicit QtMessageBox(QWidget* owner) : owner_(owner) {}
  void ShowMessage(const std::string& text) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace quillane::app
