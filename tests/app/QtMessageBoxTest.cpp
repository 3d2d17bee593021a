#include "QtMessageBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

TEST(QtMessageBoxTest, ShowsTheTextUnderTheProgramTitleWithOneOkAndNoIcon) {
  QWidget owner;
  QtMessageBox messages(&owner);
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::Warning;
  int buttons = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      buttons = static_cast<int>(box->buttons().size());
      box->button(QMessageBox::Ok)->click();
    }
  });
  timer.start(10);

  messages.ShowMessage("/tmp/big.d64: Max 288 files allowed! Image aborted!");

  EXPECT_EQ(title, QStringLiteral("Quillane_Light"));
  EXPECT_EQ(text, QStringLiteral("/tmp/big.d64: Max 288 files allowed! Image aborted!"));
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
}
