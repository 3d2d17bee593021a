#include "PlainMessage.h"

#include <QMessageBox>

#include "ApplicationTitle.h"

namespace quillane::display {

void ShowPlainMessage(const QString& text, QWidget* owner) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(ApplicationTitle), text, QMessageBox::Ok,
                  owner);
  box.exec();
}

}  // namespace quillane::display
