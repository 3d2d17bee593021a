#include "QtMessageBox.h"

#include <QByteArray>
#include <QFile>

#include "PlainMessage.h"

namespace quillane::app {

void QtMessageBox::ShowMessage(const std::string& text) {
  display::ShowPlainMessage(QFile::decodeName(QByteArray::fromStdString(text)), owner_.data());
}

}  // namespace quillane::app
