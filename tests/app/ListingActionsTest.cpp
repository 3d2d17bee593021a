#include "ListingActions.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "ImageBuilder.h"
#include "ListingListBox.h"
#include "ListingModel.h"
#include "Modal.h"
#include "uMainForm.h"

namespace {

using namespace quillane::app;
using namespace quillane::display;

using quillane::test::ImageBuilder;
using quillane::test::TempFile;

const std::string kSpaces(12, ' ');

struct Window {
  StubFonts fonts{QStringList{"Vexa-Dir-Upper", "Vexa-Dir-Lower"}};  // nothing to add
  TfMainForm form{fonts, QString()};
  ListingListBox* list = form.findChild<ListingListBox*>("ListBox1");
  ListingActions* actions = form.findChild<ListingActions*>();
  TempFile image = ImageBuilder::Blank35()
                       .DiskName("DISK")
                       .SetEntry(18, 1, 0, {.name = "\xC1\x41\x12\x42"})
                       .WriteTemp();
  explicit Window(int dots_per_inch = 96) {
    form.SetDotsPerInch(dots_per_inch);
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    form.FileListBox1Click(QString::fromStdString(image.path()));
  }
  void Key(QWidget* to, Qt::Key key) { QTest::keyClick(to, key, Qt::ControlModifier); }
};

TEST(ListingActions, ZoomStepsWithinOneToFourTimesTheStartCell) {
  // clang-format off
  const std::pair<char, int> steps[] = {{'+', 16}, {'+', 24}, {'+', 32}, {'+', 32}, {'-', 24},
                                        {'0', 8}, {'-', 8}, {'w', 16}, {'W', 8}, {'s', 8}};
  // clang-format on
  Window w;
  for (const auto& [c, side] : steps) {
    if (c == '+' || c == '-' || c == '0') {
      w.Key(w.list, c == '+' ? Qt::Key_Plus : c == '-' ? Qt::Key_Minus : Qt::Key_0);
    } else {  // the wheel with Ctrl (w up, W down), then without (s)
      const QPoint at = w.list->viewport()->rect().center();
      QWheelEvent wheel(at, w.list->viewport()->mapToGlobal(at), {}, {0, c == 'W' ? -120 : 120},
                        Qt::NoButton, c == 's' ? Qt::NoModifier : Qt::ControlModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(w.list->viewport(), &wheel);
    }
    EXPECT_EQ(w.list->ItemHeight(), side) << c;
  }
  Window large(120);
  large.Key(&large.form, Qt::Key_Plus);
  EXPECT_EQ(large.list->ItemHeight(), 32);
}

TEST(ListingActions, CopyPutsTextAndPictureOfTheSelectedOrAllRowsInOneEntry) {
  Window w;
  const QClipboard* clipboard = QGuiApplication::clipboard();
  w.Key(w.list, Qt::Key_C);
  EXPECT_EQ(clipboard->text().toStdString(), "0 \"DISK" + kSpaces + "\" 01 2A\n1    \"\u2660ARB\"" +
                                                 kSpaces + " PRG\n664 BLOCKS FREE.\n");
  EXPECT_EQ(QImage::fromData(clipboard->mimeData()->data("image/png")).size(), QSize(320, 24));

  w.form.findChild<QRadioButton*>("RadioButton2")->click();
  w.Key(w.list, Qt::Key_Plus);
  auto* selection = w.list->selectionModel();
  for (int row : {1, 2}) selection->select(w.list->model()->index(row, 0), selection->Select);
  w.Key(w.list, Qt::Key_C);
  EXPECT_EQ(clipboard->text().toStdString(),
            "1    \"Aarb\"" + kSpaces + " prg\n664 blocks free.\n");
  EXPECT_EQ(QImage::fromData(clipboard->mimeData()->data("image/png")).size(), QSize(640, 32));
}

TEST(ListingActions, SaveWritesThePictureAtTheCellSizeShown) {
  Window w(120);
  QTemporaryDir dir;
  ASSERT_TRUE(w.actions->SavePicture(dir.filePath("listing.png")));
  EXPECT_EQ(QImage(dir.filePath("listing.png")).size(), QSize(640, 48));
  EXPECT_FALSE(w.actions->SavePicture(dir.filePath("missing/listing.png")));
  w.form.FileListBox1Click(QString());
  EXPECT_FALSE(w.actions->SavePicture(dir.filePath("empty.png")));
  EXPECT_FALSE(QFile::exists(dir.filePath("empty.png")));
}

TEST(ListingActions, ADroppedD64IsListedAndAnythingElseIgnored) {
  Window w;
  QTemporaryDir dir;
  const QString other = dir.filePath("games.D64");
  QFile::copy(QString::fromStdString(w.image.path()), dir.filePath("notes.txt"));
  QFile::copy(QString::fromStdString(ImageBuilder::Blank35().WriteTemp().path()), other);
  const std::pair<QString, int> drops[] = {
      {dir.filePath("notes.txt"), 3}, {dir.filePath("gone.d64"), 3}, {dir.path(), 3}, {other, 2}};
  for (const auto& [path, rows] : drops) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&w.form, &enter);
    EXPECT_EQ(enter.isAccepted(), rows == 2) << path.toStdString();
    QDropEvent drop({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&w.form, &drop);
    QTest::qWait(30);
    EXPECT_EQ(w.form.Listing()->Count(), rows) << path.toStdString();
  }
}

}  // namespace
