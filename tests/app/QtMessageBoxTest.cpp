#include "QtMessageBox.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "Modal.h"

TEST(QtMessageBoxTest, ShowsTheTextUnderTheProgramTitleWithOneOkAndNoIcon) {
  QWidget owner;
  QString seen;
  ModalAnswerer answerer([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    seen = QString("%1|%2|%3|%4")
               .arg(box->windowTitle(), box->text())
               .arg(box->icon())
               .arg(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  quillane::app::QtMessageBox(&owner).ShowMessage(
      "/tmp/big.d64: Max 288 files allowed! Image aborted!");
  EXPECT_EQ(seen, "Quillane_Light|/tmp/big.d64: Max 288 files allowed! Image aborted!|0|1");
}
