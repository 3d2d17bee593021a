#include "ListingActions.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "ImageBuilder.h"
#include "ListingModel.h"
#include "ListingView.h"
#include "uMainForm.h"

namespace {

using quillane::test::ImageBuilder;
using quillane::test::TempFile;

// Both faces count as installed, so nothing is registered.
struct InstalledFonts : FontPlatform {
  QStringList InstalledFaces() const override { return {"Vexa-Dir-Upper", "Vexa-Dir-Lower"}; }
  int AddFont(const QString&) override { return 1; }
  void RemoveFont(const QString&) override {}
  void BroadcastFontChange() override {}
  void ShowMessage(const QString&) override {}
  void RequestQuit() override {}
};

const std::string kSpaces(12, ' ');

struct Window {
  InstalledFonts fonts;
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
  void Settle() { QTest::qWait(30); }
};

TEST(ListingActions, ZoomStepsWithinOneToFourTimesTheStartCell) {
  const std::pair<const char*, int> steps[] = {{"+", 16}, {"+", 24}, {"+", 32}, {"+", 32},
                                               {"-", 24}, {"0", 8},  {"-", 8},  {"w", 16},
                                               {"W", 8},  {"s", 8}};
  Window w;
  for (const auto& [step, side] : steps) {
    const char c = *step;
    if (c == '+' || c == '-' || c == '0') {
      w.Key(w.list, c == '+' ? Qt::Key_Plus : c == '-' ? Qt::Key_Minus : Qt::Key_0);
    } else {  // the wheel with Ctrl (w up, W down), then without (s)
      const QPoint at = w.list->viewport()->rect().center();
      QWheelEvent wheel(at, w.list->viewport()->mapToGlobal(at), {}, {0, c == 'W' ? -120 : 120},
                        Qt::NoButton, c == 's' ? Qt::NoModifier : Qt::ControlModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(w.list->viewport(), &wheel);
    }
    EXPECT_EQ(w.list->ItemHeight(), side) << step;
  }
  Window large(120);
  large.Key(&large.form, Qt::Key_Plus);
  EXPECT_EQ(large.list->ItemHeight(), 32);
}

TEST(ListingActions, TheWindowWidensForFortyColumnsAsFarAsTheScreenAllows) {
  Window w;
  const int screen = w.form.screen()->availableGeometry().width();
  w.Key(w.list, Qt::Key_Plus);
  w.Settle();
  EXPECT_EQ(w.form.frameGeometry().width(), screen);  // 640 cells do not fit on 800 pixels
  w.form.resize(400, w.form.height());
  w.Settle();
  w.Key(w.list, Qt::Key_0);
  w.Settle();
  const int bar = w.list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, w.list);
  EXPECT_EQ(w.list->width(), 320 + bar);
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
  w.list->selectionModel()->select(w.list->model()->index(1, 0), QItemSelectionModel::Select);
  w.list->selectionModel()->select(w.list->model()->index(2, 0), QItemSelectionModel::Select);
  w.Key(w.list, Qt::Key_C);
  EXPECT_EQ(clipboard->text().toStdString(),
            "1    \"Aarb\"" + kSpaces + " prg\n664 blocks free.\n");
  const QImage picture = QImage::fromData(clipboard->mimeData()->data("image/png"));
  EXPECT_EQ(picture.size(), QSize(640, 32));
  EXPECT_EQ(picture.pixel(0, 0), qRgb(55, 57, 196));
  EXPECT_EQ(picture.pixel(128, 0), qRgb(112, 124, 230));  // the reversed r of 0x12

  // The context menu copies one form alone.
  const std::pair<int, const char*> menu[] = {{0, "text/plain"}, {1, "image/png"}};
  for (const auto& [action, only] : menu) {
    w.list->findChild<QMenu*>()->actions().at(action)->trigger();
    EXPECT_EQ(clipboard->mimeData()->formats().contains("text/plain"), action == 0) << only;
    EXPECT_EQ(clipboard->mimeData()->hasFormat("image/png"), action == 1) << only;
  }
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
    w.Settle();
    EXPECT_EQ(w.form.Listing()->Count(), rows) << path.toStdString();
  }
}

}  // namespace
