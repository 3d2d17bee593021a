#include "QtMessageBox.h"

#include <QByteArray>
#include <QFile>
#include <QMessageBox>
#include <QString>

#include "ApplicationTitle.h"

void QtMessageBox::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(ApplicationTitle),
                  QFile::decodeName(QByteArray::fromStdString(text)), QMessageBox::Ok,
                  owner_.data());
  box.exec();
}
