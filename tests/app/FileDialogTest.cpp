// The prompt dialog driven as the user drives it: captions per kind, focus and the Enter key,
// each way of answering, the "Don't ask me again" box and kind 6's layout choice across showings.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Modal.h"
#include "uFileDialog.h"

namespace {

using namespace quillane::app;
using namespace quillane::display;

QAbstractButton* Button(QWidget* dialog, const QString& name) {
  return dialog->findChild<QAbstractButton*>(name);
}
const QString kRadios[] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"};

// Shows the dialog modally, runs `whileShown` (which must close it), and returns the result.
int ShowAndDo(TfFileDialog& dialog, const std::function<void()>& whileShown) {
  ModalAnswerer answerer([&](QWidget*) { whileShown(); });
  const int result = dialog.ShowModal();
  EXPECT_EQ(answerer.shown.size(), 1u);
  return result;
}

TEST(FileDialog, EachKindShowsItsTextsFocusesTheBoxAndIgnoresEnter) {
  // clang-format off
  const struct { int kind; const char *caption, *label, *button1, *button4; } rows[] = {
      {3, "Crosslinked Entry...", "", "List Anyway", "Abort"},
      {4, "Unsupported Filesize...", "Unsupported Filesize...", "OK", nullptr},  // no Button4
      {6, "Extended BAM could not be detected...",
       "The Extended BAM could not be detected. Handle this Image as:", "OK", "Cancel"}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(r.kind);
    TfFileDialog dialog(nullptr, static_cast<quillane::Question>(r.kind));
    EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(r.caption));
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), QString::fromLatin1(r.label));
    EXPECT_EQ(Button(&dialog, "CheckBox1")->text(), "Don't ask me again during this session");
    EXPECT_EQ(dialog.size(), QSize(391, r.kind == 6 ? 192 : 121));
    const int result = ShowAndDo(dialog, [&] {
      EXPECT_EQ(Button(&dialog, "Button1")->text(), QString::fromLatin1(r.button1));
      auto* button4 = Button(&dialog, "Button4");
      EXPECT_EQ(button4->isVisible() ? button4->text() : QString(), r.button4);
      for (const QString& name : kRadios)
        EXPECT_EQ(Button(&dialog, name)->isVisible(), r.kind == 6);
      EXPECT_EQ(QApplication::focusWidget(), Button(&dialog, "CheckBox1"));
      PressKey(&dialog, Qt::Key_Tab);  // on to Button1: still no answer by Enter
      PressKey(&dialog, Qt::Key_Return);
      EXPECT_TRUE(dialog.isVisible());
      PressKey(&dialog, Qt::Key_Space);  // the focused button answers to Space
    });
    EXPECT_EQ(result, 1);
  }
}

// The user ticks "Don't ask me again", in kind 6 chooses a layout, and answers: a "go on" (1)
// keeps the box ticked, a "stop" (2) unticks it; the layout is kept after OK and after Cancel.
// The next showing opens with the box, the file name and the layout as they were left.
TEST(FileDialog, AnswersGiveTheirResultsAndTheNextShowingKeepsTheBoxOnlyOnGoOnAndTheLayout) {
  enum Way { kButton1, kButton4, kEsc, kCloseBox, kHidden };
  // radio: the layout button clicked first (kind 6), 0 none.
  // clang-format off
  const struct { int kind; Way way; int result, radio, variant; } rows[] = {
      {3, kButton1, 1, 0, 1}, {3, kButton4, 2, 0, 1}, {3, kEsc, 2, 0, 1}, {3, kCloseBox, 2, 0, 1},
      {4, kButton1, 1, 0, 1}, {4, kEsc, 1, 0, 1}, {4, kCloseBox, 2, 0, 1}, {4, kHidden, 2, 0, 1},
      {6, kButton1, 1, 3, 3}, {6, kButton1, 1, 4, 4}, {6, kButton4, 2, 2, 2}, {6, kEsc, 2, 1, 1},
      {6, kCloseBox, 2, 3, 3}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << r.kind << " " << r.way << " " << r.radio);
    TfFileDialog dialog(nullptr, static_cast<quillane::Question>(r.kind));
    dialog.SetEdit1("GAMES.D64");
    const int result = ShowAndDo(dialog, [&] {
      Button(&dialog, "CheckBox1")->click();
      if (r.radio > 0) QTest::mouseClick(Button(&dialog, kRadios[r.radio - 1]), Qt::LeftButton);
      if (r.way <= kButton4) Button(&dialog, r.way == kButton1 ? "Button1" : "Button4")->click();
      if (r.way == kEsc) PressKey(&dialog, Qt::Key_Escape);
      if (r.way == kCloseBox) dialog.windowHandle()->close();
      if (r.way == kHidden) dialog.hide();
    });
    EXPECT_EQ(result, r.result);
    EXPECT_EQ(dialog.ModalResult(), r.result);
    EXPECT_EQ(dialog.CheckBox1(), r.result == 1);
    EXPECT_EQ(quillane::ModeNumber(dialog.DosVariant()), r.variant);
    ShowAndDo(dialog, [&] {
      EXPECT_EQ(dialog.ModalResult(), 0);  // a new showing has no answer yet
      EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit1")->text(), "GAMES.D64");
      for (int i = 0; i < 4 && r.kind == 6; ++i) {
        EXPECT_EQ(Button(&dialog, kRadios[i])->isChecked(), i + 1 == r.variant) << i;
      }
      Button(&dialog, "Button1")->click();
    });
    EXPECT_EQ(quillane::ModeNumber(dialog.DosVariant()), r.variant);
  }
}

}  // namespace
