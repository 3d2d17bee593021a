#include "QtMessageBox.h"

#include <QByteArray>
#include <QFile>

#include "PlainMessage.h"

void QtMessageBox::ShowMessage(const std::string& text) {
  ShowPlainMessage(QFile::decodeName(QByteArray::fromStdString(text)), owner_.data());
}
