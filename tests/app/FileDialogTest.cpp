// The prompt dialog driven as the user drives it: captions per kind, focus and the Enter key,
// each way of answering, the "Don't ask me again" box and kind 6's layout choice across showings.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Modal.h"
#include "uFileDialog.h"

namespace {

template <typename T = QAbstractButton>
T* Control(QWidget* dialog, const QString& name) {
  T* control = dialog->findChild<T*>(name);
  EXPECT_NE(control, nullptr) << name.toStdString();
  return control;
}

const QString kRadios[] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"};

// Shows the dialog modally, runs `whileShown` (which must close it), and returns the result.
int ShowAndDo(TfFileDialog& dialog, const std::function<void()>& whileShown) {
  ModalAnswerer answerer([&](QWidget*) { whileShown(); });
  const int result = dialog.ShowModal();
  EXPECT_EQ(answerer.shown.size(), 1u);
  EXPECT_FALSE(dialog.isVisible());
  return result;
}

enum class Answer { Button1, Button4, Esc, CloseBox, HiddenFromOutside };

void Give(TfFileDialog& dialog, Answer answer) {
  switch (answer) {
    case Answer::Button1:
      return QTest::mouseClick(Control(&dialog, "Button1"), Qt::LeftButton);
    case Answer::Button4:
      return QTest::mouseClick(Control(&dialog, "Button4"), Qt::LeftButton);
    case Answer::Esc:
      return PressKey(&dialog, Qt::Key_Escape);
    case Answer::CloseBox:
      return CloseBox(&dialog);
    case Answer::HiddenFromOutside:
      return dialog.hide();
  }
}

TEST(FileDialog, EachKindShowsItsTextsFocusesTheBoxAndIgnoresEnter) {
  struct Row {
    int kind;
    const char* caption;
    const char* label;
    const char* button1;
    const char* button4;  // nullptr: hidden
  };
  const Row rows[] = {
      {3, "Crosslinked Entry...", "", "List Anyway", "Abort"},
      {4, "Unsupported Filesize...", "Unsupported Filesize...", "OK", nullptr},
      {6, "Extended BAM could not be detected...",
       "The Extended BAM could not be detected. Handle this Image as:", "OK", "Cancel"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.kind);
    TfFileDialog dialog(nullptr, static_cast<quillane::Question>(r.kind));
    EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(r.caption));
    EXPECT_EQ(Control<QLabel>(&dialog, "Label1")->text(), QString::fromLatin1(r.label));
    EXPECT_EQ(Control(&dialog, "CheckBox1")->text(),
              QStringLiteral("Don't ask me again during this session"));
    const int result = ShowAndDo(dialog, [&] {
      EXPECT_EQ(Control(&dialog, "Button1")->text(), QString::fromLatin1(r.button1));
      auto* button4 = Control(&dialog, "Button4");  // hidden when the kind has none
      EXPECT_EQ(button4->isVisible() ? button4->text() : QString(), QString::fromLatin1(r.button4));
      for (const QString& name : kRadios) {  // kind 6 only, all inside the window
        auto* radio = Control(&dialog, name);
        EXPECT_EQ(radio->isVisible(), r.kind == 6);
        EXPECT_TRUE(r.kind != 6 || radio->parentWidget()->rect().contains(radio->geometry()));
      }
      EXPECT_EQ(QApplication::focusWidget(), Control(&dialog, "CheckBox1"));
      PressKey(&dialog, Qt::Key_Return);
      PressKey(&dialog, Qt::Key_Tab);  // on to Button1: still no answer by Enter
      EXPECT_EQ(QApplication::focusWidget(), Control(&dialog, "Button1"));
      PressKey(&dialog, Qt::Key_Enter);
      PressKey(&dialog, Qt::Key_Return);
      EXPECT_TRUE(dialog.isVisible());
      PressKey(&dialog, Qt::Key_Space);  // the focused button answers to Space
    });
    EXPECT_EQ(result, 1);
  }
}

// The user ticks "Don't ask me again", in kind 6 chooses a layout, and answers: a "go on" (1)
// keeps the box ticked for the rest of the run, a "stop" (2) unticks it, so the next occurrence
// asks again; the layout is kept after OK and after Cancel. The window is only hidden between
// showings: the next one opens with the box, the file name and the layout as they were left.
TEST(FileDialog, AnswersGiveTheirResultsAndTheNextShowingKeepsTheBoxOnlyOnGoOnAndTheLayout) {
  struct Row {
    int kind;
    Answer answer;
    int result;
    int radio = 0;  // kind 6: the layout button clicked first, 0 for none
    int variant = 1;
  };
  const Row rows[] = {
      {3, Answer::Button1, 1},       {3, Answer::Button4, 2},
      {3, Answer::Esc, 2},           {3, Answer::CloseBox, 2},
      {4, Answer::Button1, 1},       {4, Answer::Esc, 1},
      {4, Answer::CloseBox, 2},      {4, Answer::HiddenFromOutside, 2},
      {6, Answer::Button1, 1},       {6, Answer::Button1, 1, 3, 3},
      {6, Answer::Button1, 1, 4, 4}, {6, Answer::Button4, 2, 2, 2},
      {6, Answer::Esc, 2, 1, 1},     {6, Answer::CloseBox, 2, 3, 3},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message()
                 << "kind " << r.kind << " answer " << int(r.answer) << " radio " << r.radio);
    TfFileDialog dialog(nullptr, static_cast<quillane::Question>(r.kind));
    dialog.SetEdit1("GAMES.D64");
    const int result = ShowAndDo(dialog, [&] {
      QTest::mouseClick(Control(&dialog, "CheckBox1"), Qt::LeftButton);
      EXPECT_TRUE(dialog.CheckBox1());
      if (r.radio > 0) QTest::mouseClick(Control(&dialog, kRadios[r.radio - 1]), Qt::LeftButton);
      Give(dialog, r.answer);
    });
    EXPECT_EQ(result, r.result);
    EXPECT_EQ(dialog.ModalResult(), r.result);
    EXPECT_EQ(dialog.CheckBox1(), r.result == 1);
    EXPECT_EQ(dialog.DosVariant(), r.variant);

    ShowAndDo(dialog, [&] {
      EXPECT_EQ(dialog.ModalResult(), 0);  // a new showing has no answer yet
      EXPECT_EQ(Control(&dialog, "CheckBox1")->isChecked(), r.result == 1);
      EXPECT_EQ(Control<QLineEdit>(&dialog, "Edit1")->text(), QStringLiteral("GAMES.D64"));
      for (int i = 0; i < 4 && r.kind == 6; ++i) {
        EXPECT_EQ(Control(&dialog, kRadios[i])->isChecked(), i + 1 == r.variant) << i;
      }
      Give(dialog, Answer::Button1);
    });
    EXPECT_EQ(dialog.DosVariant(), r.variant);
  }
}

}  // namespace
