// The About box: its texts, and every way of closing it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Modal.h"
#include "uAbout.h"

namespace {

TEST(About, HoldsTheProgramsTextsAndReadOnlyAddresses) {
  TfAbout about(nullptr);
  EXPECT_EQ(about.windowTitle(), QStringLiteral("Info"));
  const std::pair<const char*, const char*> texts[] = {
      {"ProductName", "Quillane"}, {"Label4", "Zeviz"}, {"Label1", "Build: 07.07.2018"},
      {"Comments", "mail to:"},    {"Label2", "Home:"},
  };
  for (const auto& [name, text] : texts) {
    auto* label = about.findChild<QLabel*>(name);
    ASSERT_NE(label, nullptr) << name;
    EXPECT_EQ(label->text(), QString::fromLatin1(text)) << name;
  }
  for (const char* name : {"Edit1", "Edit2"}) {
    auto* field = about.findChild<QLineEdit*>(name);
    ASSERT_NE(field, nullptr) << name;
    EXPECT_TRUE(field->isReadOnly()) << name;
    EXPECT_FALSE(field->text().isEmpty()) << name;
  }
  EXPECT_FALSE(about.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
}

TEST(About, ClosesOnOkEnterEscAndTheCloseBoxAndOpensAgain) {
  TfAbout about(nullptr);
  auto* ok = about.findChild<QPushButton*>("OKButton");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QStringLiteral("OK"));
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"OK", [&] { QTest::mouseClick(ok, Qt::LeftButton); }},
      {"Enter", [&] { PressKey(&about, Qt::Key_Return); }},
      {"Esc", [&] { PressKey(&about, Qt::Key_Escape); }},
      {"close box", [&] { CloseBox(&about); }},
  };
  for (const auto& [name, close] : ways) {
    ModalAnswerer answerer([&](QWidget*) { close(); });
    about.exec();
    EXPECT_EQ(answerer.shown.size(), 1u) << name;
    EXPECT_FALSE(about.isVisible()) << name;
  }
}

}  // namespace
