// The About box: its texts inside the panel, and every way of closing it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Modal.h"
#include "uAbout.h"

namespace {

using namespace quillane::app;
using namespace quillane::display;

TEST(About, ShowsItsTextsInsideThePanelAndClosesOnOkEnterEscAndTheCloseBox) {
  TfAbout about(nullptr);
  EXPECT_EQ(about.windowTitle(), QStringLiteral("Info"));
  const QRect inside = about.findChild<QWidget*>("Panel1")->contentsRect();
  // clang-format off
  const std::pair<const char*, const char*> labels[] = {
      {"ProductName", "Quillane"}, {"Label4", "Zeviz"}, {"Label1", "Build: 07.07.2018"},
      {"Comments", "mail to:"}, {"Label2", "Home:"}};
  // clang-format on
  for (const auto& [name, text] : labels) {
    auto* label = about.findChild<QLabel*>(name);
    EXPECT_EQ(label->text(), QString::fromLatin1(text));
    EXPECT_TRUE(inside.contains(label->geometry())) << name;  // clear of the bevel
  }
  EXPECT_TRUE(about.findChild<QLineEdit*>("Edit2")->isReadOnly());
  auto* ok = about.findChild<QPushButton*>("OKButton");
  // clang-format off
  const std::function<void()> ways[] = {[&] { QTest::mouseClick(ok, Qt::LeftButton); },
      [&] { PressKey(&about, Qt::Key_Return); }, [&] { PressKey(&about, Qt::Key_Escape); },
      [&] { about.windowHandle()->close(); }};
  // clang-format on
  for (const auto& close : ways) {
    ModalAnswerer answerer([&](QWidget*) { close(); });
    about.exec();
    EXPECT_EQ(answerer.shown.size(), 1u);
  }
}

}  // namespace
