// The About box: its contents, and every way of closing it.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ModalDriver.h"
#include "uAbout.h"

namespace {

int ShowAndDo(TfAbout& about, const std::function<void()>& whileShown) {
  ModalDriver driver;
  const int result = driver.Run(&about, whileShown, [&] { return about.exec(); });
  EXPECT_FALSE(driver.timedOut) << "the About box did not close";
  EXPECT_FALSE(about.isVisible());
  return result;
}

QString TextOf(TfAbout& about, const char* name) {
  auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
  if (label != nullptr) return label->text();
  auto* field = about.findChild<QLineEdit*>(QString::fromLatin1(name));
  return field != nullptr ? field->text() : QStringLiteral("<missing>");
}

TEST(About, HoldsTheProgramsTexts) {
  TfAbout about(nullptr);
  EXPECT_EQ(about.windowTitle(), QStringLiteral("Info"));
  EXPECT_EQ(about.size(), QSize(298, 240));
  const std::pair<const char*, const char*> texts[] = {
      {"ProductName", "Quillane"}, {"Label4", "Zeviz"}, {"Label1", "Build: 07.07.2018"},
      {"Comments", "mail to:"},    {"Label2", "Home:"},
  };
  for (const auto& [name, text] : texts) {
    EXPECT_EQ(TextOf(about, name), QString::fromLatin1(text)) << name;
  }
  EXPECT_EQ(about.findChild<QPushButton*>("OKButton")->text(), QStringLiteral("OK"));
  EXPECT_TRUE(about.findChild<QPushButton*>("OKButton")->isDefault());
  auto* icon = about.findChild<QLabel*>("ProgramIcon");
  ASSERT_NE(icon, nullptr);
  EXPECT_FALSE(icon->pixmap().isNull()) << "the picture resource was not found";
  EXPECT_EQ(icon->pixmap().size(), QSize(142, 100));
}

TEST(About, AddressFieldsAreReadOnlySelectableAndNoTabStops) {
  TfAbout about(nullptr);
  for (const char* name : {"Edit1", "Edit2"}) {
    auto* field = about.findChild<QLineEdit*>(name);
    ASSERT_NE(field, nullptr) << name;
    EXPECT_TRUE(field->isReadOnly()) << name;
    EXPECT_FALSE(field->hasFrame()) << name;
    EXPECT_FALSE(field->focusPolicy() & Qt::TabFocus) << name;
    EXPECT_FALSE(field->text().isEmpty()) << name;
  }
}

enum class Close { OkButton, Enter, Esc, CloseBox };

class AboutClose : public testing::TestWithParam<Close> {};

TEST_P(AboutClose, ClosesAndLooksTheSameOnTheNextShowing) {
  TfAbout about(nullptr);
  QImage first;
  for (int showing = 0; showing < 2; ++showing) {
    ShowAndDo(about, [&] {
      auto* ok = about.findChild<QPushButton*>("OKButton");
      EXPECT_EQ(QApplication::focusWidget(), ok);
      const QImage look = about.grab().toImage();
      if (showing == 0) {
        first = look;
      } else {
        EXPECT_EQ(look, first);
      }
      switch (GetParam()) {
        case Close::OkButton:
          QTest::mouseClick(ok, Qt::LeftButton);
          break;
        case Close::Enter:
          PressKey(&about, Qt::Key_Return);
          break;
        case Close::Esc:
          PressKey(&about, Qt::Key_Escape);
          break;
        case Close::CloseBox:
          CloseBox(&about);
          break;
      }
    });
  }
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutClose,
                         testing::Values(Close::OkButton, Close::Enter, Close::Esc,
                                         Close::CloseBox));

}  // namespace
