#include "QtMessageBox.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "Modal.h"

TEST(QtMessageBoxTest, ShowsTheTextUnderTheProgramTitleWithOneOkAndNoIcon) {
  QWidget owner;
  QtMessageBox messages(&owner);
  ModalAnswerer answerer([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Quillane_Light"));
    EXPECT_EQ(box->text(), QStringLiteral("/tmp/big.d64: Max 288 files allowed! Image aborted!"));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->buttons().size(), 1);
    box->button(QMessageBox::Ok)->click();
  });
  messages.ShowMessage("/tmp/big.d64: Max 288 files allowed! Image aborted!");
  EXPECT_EQ(answerer.shown.size(), 1u);
}
