// The prompt dialog driven as the user drives it: captions per kind, each way of answering,
// the "Don't ask me again" box, the layout choice of kind 6, focus and the Enter key.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <ostream>
#include <string>

#include "ModalDriver.h"
#include "uFileDialog.h"

namespace {

template <typename T>
T* Control(QWidget* dialog, const char* name) {
  T* control = dialog->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

void Click(QWidget* dialog, const char* name) {
  QTest::mouseClick(Control<QAbstractButton>(dialog, name), Qt::LeftButton);
}

int ShowAndDo(TfFileDialog& dialog, const std::function<void()>& whileShown) {
  ModalDriver driver;
  const int result = driver.Run(&dialog, whileShown, [&] { return dialog.ShowModal(); });
  EXPECT_FALSE(driver.timedOut) << "the dialog did not close";
  EXPECT_FALSE(dialog.isVisible());
  return result;
}

// ---- Form per kind --------------------------------------------------------------------------

struct KindForm {
  int kind;
  const char* caption;
  const char* label;
  const char* button1;
  const char* button4;  // nullptr: hidden
  bool radioButtons;
  int height;
};

void PrintTo(const KindForm& f, std::ostream* out) {
  *out << "kind " << f.kind;
}

class FileDialogForm : public testing::TestWithParam<KindForm> {};

TEST_P(FileDialogForm, ShowsTheKindsCaptionsAndButtons) {
  const KindForm& f = GetParam();
  TfFileDialog dialog(nullptr, f.kind);
  EXPECT_EQ(dialog.Kind(), f.kind);
  EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(f.caption));
  EXPECT_EQ(Control<QLabel>(&dialog, "Label1")->text(), QString::fromLatin1(f.label));
  EXPECT_EQ(Control<QCheckBox>(&dialog, "CheckBox1")->text(),
            QStringLiteral("Don't ask me again during this session"));
  EXPECT_EQ(dialog.width(), 391);
  EXPECT_EQ(dialog.height(), f.height);
  EXPECT_EQ(dialog.ModalResult(), 0);
  EXPECT_EQ(dialog.DosVariant(), 1);
  EXPECT_FALSE(dialog.CheckBox1());

  ShowAndDo(dialog, [&] {
    auto* button1 = Control<QPushButton>(&dialog, "Button1");
    auto* button4 = Control<QPushButton>(&dialog, "Button4");
    EXPECT_EQ(button1->text(), QString::fromLatin1(f.button1));
    EXPECT_EQ(button4->isVisible(), f.button4 != nullptr);
    if (f.button4 != nullptr) {
      EXPECT_EQ(button4->text(), QString::fromLatin1(f.button4));
    }
    EXPECT_EQ(button1->pos(), QPoint(16, 30));  // buttons keep their places
    EXPECT_EQ(button4->pos(), QPoint(304, 30));
    EXPECT_FALSE(Control<QPushButton>(&dialog, "Button2")->isVisible());
    EXPECT_FALSE(Control<QPushButton>(&dialog, "Button3")->isVisible());
    for (const char* radio : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"}) {
      auto* button = Control<QRadioButton>(&dialog, radio);
      EXPECT_EQ(button->isVisible(), f.radioButtons) << radio;
      // Every shown radio button fits inside the middle band.
      if (f.radioButtons) {
        EXPECT_TRUE(button->parentWidget()->rect().contains(button->geometry())) << radio;
      }
    }
    button1->click();
  });
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FileDialogForm,
    testing::Values(KindForm{3, "Crosslinked Entry...", "", "List Anyway", "Abort", false, 121},
                    KindForm{4, "Unsupported Filesize...", "Unsupported Filesize...", "OK", nullptr,
                             false, 121},
                    KindForm{6, "Extended BAM could not be detected...",
                             "The Extended BAM could not be detected. Handle this Image as:", "OK",
                             "Cancel", true, 192}),
    [](const testing::TestParamInfo<KindForm>& info) {
      return "Kind" + std::to_string(info.param.kind);
    });

// ---- Answers ----------------------------------------------------------------------------------

enum class Answer { Button1, Button4, Esc, CloseBox };

struct AnswerCase {
  int kind;
  Answer answer;
  int result;
  const char* name;
};

void PrintTo(const AnswerCase& c, std::ostream* out) {
  *out << c.name;
}

class FileDialogAnswer : public testing::TestWithParam<AnswerCase> {};

void Give(TfFileDialog& dialog, Answer answer) {
  switch (answer) {
    case Answer::Button1:
      Click(&dialog, "Button1");
      break;
    case Answer::Button4:
      Click(&dialog, "Button4");
      break;
    case Answer::Esc:
      PressKey(&dialog, Qt::Key_Escape);
      break;
    case Answer::CloseBox:
      CloseBox(&dialog);
      break;
  }
}

// The user ticks "Don't ask me again" and answers: a "go on" keeps the box ticked for the
// rest of the run, a "stop" unticks it, so the next occurrence asks again.
TEST_P(FileDialogAnswer, GivesTheResultAndKeepsTheBoxTickedOnlyOnGoOn) {
  const AnswerCase& c = GetParam();
  TfFileDialog dialog(nullptr, c.kind);
  dialog.SetEdit1("GAMES.D64");
  const int result = ShowAndDo(dialog, [&] {
    Click(&dialog, "CheckBox1");
    EXPECT_TRUE(dialog.CheckBox1());
    Give(dialog, c.answer);
  });
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(dialog.ModalResult(), c.result);
  EXPECT_EQ(dialog.CheckBox1(), c.result == 1);

  // The window was only hidden: the next showing finds the box as the last one left it.
  const int again = ShowAndDo(dialog, [&] {
    EXPECT_EQ(Control<QCheckBox>(&dialog, "CheckBox1")->isChecked(), c.result == 1);
    EXPECT_EQ(Control<QLineEdit>(&dialog, "Edit1")->text(), QStringLiteral("GAMES.D64"));
    Click(&dialog, "Button1");
  });
  EXPECT_EQ(again, 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileDialogAnswer,
                         testing::Values(AnswerCase{3, Answer::Button1, 1, "Kind3ListAnyway"},
                                         AnswerCase{3, Answer::Button4, 2, "Kind3Abort"},
                                         AnswerCase{3, Answer::Esc, 2, "Kind3Esc"},
                                         AnswerCase{3, Answer::CloseBox, 2, "Kind3CloseBox"},
                                         AnswerCase{4, Answer::Button1, 1, "Kind4Ok"},
                                         AnswerCase{4, Answer::Esc, 1, "Kind4EscIsOk"},
                                         AnswerCase{4, Answer::CloseBox, 2, "Kind4CloseBox"},
                                         AnswerCase{6, Answer::Button1, 1, "Kind6Ok"},
                                         AnswerCase{6, Answer::Button4, 2, "Kind6Cancel"},
                                         AnswerCase{6, Answer::Esc, 2, "Kind6Esc"},
                                         AnswerCase{6, Answer::CloseBox, 2, "Kind6CloseBox"}),
                         [](const testing::TestParamInfo<AnswerCase>& info) {
                           return info.param.name;
                         });

TEST(FileDialog, ResultStaysAfterClosingUntilTheNextShowing) {
  TfFileDialog dialog(nullptr, 3);
  ShowAndDo(dialog, [&] { Click(&dialog, "Button4"); });
  EXPECT_EQ(dialog.ModalResult(), 2);
  ShowAndDo(dialog, [&] {
    EXPECT_EQ(dialog.ModalResult(), 0);  // a new showing has no answer yet
    Click(&dialog, "Button1");
  });
  EXPECT_EQ(dialog.ModalResult(), 1);
}

TEST(FileDialog, ShowingEndedFromOutsideCountsAsStop) {
  TfFileDialog dialog(nullptr, 4);
  const int result = ShowAndDo(dialog, [&] {
    Click(&dialog, "CheckBox1");
    dialog.hide();
  });
  EXPECT_EQ(result, 2);
  EXPECT_FALSE(dialog.CheckBox1());
}

// ---- Focus and Enter --------------------------------------------------------------------------

class FileDialogKeys : public testing::TestWithParam<int> {};

TEST_P(FileDialogKeys, FocusStartsOnTheCheckBoxAndEnterAnswersNothing) {
  TfFileDialog dialog(nullptr, GetParam());
  for (int showing = 0; showing < 2; ++showing) {
    ShowAndDo(dialog, [&] {
      auto* checkBox = Control<QCheckBox>(&dialog, "CheckBox1");
      EXPECT_EQ(QApplication::focusWidget(), checkBox);
      for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
      }
      PressKey(&dialog, Qt::Key_Return);
      EXPECT_TRUE(dialog.isVisible());
      PressKey(&dialog, Qt::Key_Tab);  // the focus goes on to Button1
      EXPECT_EQ(QApplication::focusWidget(), Control<QPushButton>(&dialog, "Button1"));
      PressKey(&dialog, Qt::Key_Enter);
      PressKey(&dialog, Qt::Key_Return);
      EXPECT_TRUE(dialog.isVisible());
      PressKey(&dialog, Qt::Key_Space);  // the focused button answers to Space
    });
    EXPECT_EQ(dialog.ModalResult(), 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileDialogKeys, testing::Values(3, 4, 6));

// ---- Layout choice of kind 6 ------------------------------------------------------------------

struct VariantCase {
  const char* name;
  const char* radio;  // nullptr: left as it is
  Answer answer;
  int result;
  int variant;
};

void PrintTo(const VariantCase& c, std::ostream* out) {
  *out << c.name;
}

class ExtBamVariant : public testing::TestWithParam<VariantCase> {};

const char* const kRadios[] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"};

// The chosen layout survives the answer, OK or Cancel, and the next showing opens with it.
TEST_P(ExtBamVariant, ChoiceIsKeptForTheNextShowing) {
  const VariantCase& c = GetParam();
  TfFileDialog dialog(nullptr, 6);
  const int result = ShowAndDo(dialog, [&] {
    if (c.radio != nullptr) Click(&dialog, c.radio);
    Give(dialog, c.answer);
  });
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(dialog.DosVariant(), c.variant);

  ShowAndDo(dialog, [&] {
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(Control<QRadioButton>(&dialog, kRadios[i])->isChecked(), i + 1 == c.variant)
          << kRadios[i];
    }
    Click(&dialog, "Button1");
  });
  EXPECT_EQ(dialog.ModalResult(), 1);
  EXPECT_EQ(dialog.DosVariant(), c.variant);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ExtBamVariant,
    testing::Values(VariantCase{"OriginalUntouched", nullptr, Answer::Button1, 1, 1},
                    VariantCase{"SpeedDosOk", "RadioButton2", Answer::Button1, 1, 2},
                    VariantCase{"DolphinDosOk", "RadioButton3", Answer::Button1, 1, 3},
                    VariantCase{"PrologicDosOk", "RadioButton4", Answer::Button1, 1, 4},
                    VariantCase{"SpeedDosCancel", "RadioButton2", Answer::Button4, 2, 2},
                    VariantCase{"DolphinDosCloseBox", "RadioButton3", Answer::CloseBox, 2, 3},
                    VariantCase{"BackToOriginal", "RadioButton1", Answer::Esc, 2, 1}),
    [](const testing::TestParamInfo<VariantCase>& info) { return info.param.name; });

TEST(ExtBamVariant, ArrowKeysChooseTheLayoutToo) {
  TfFileDialog dialog(nullptr, 6);
  ShowAndDo(dialog, [&] {
    Control<QRadioButton>(&dialog, "RadioButton1")->setFocus();
    PressKey(&dialog, Qt::Key_Down);
    PressKey(&dialog, Qt::Key_Down);
    Click(&dialog, "Button1");
  });
  EXPECT_EQ(dialog.DosVariant(), 3);
}

}  // namespace
