#include "uMainForm.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTreeView>
#include <string>
#include <vector>

#include "CommandLineImage.h"
#include "DirectoryLister.h"
#include "FileBrowser.h"
#include "ImageBuilder.h"
#include "ListingFakes.h"
#include "ListingModel.h"
#include "ListingView.h"
#include "Modal.h"
#include "ScriptedAnswerer.h"
#include "uAbout.h"
#include "uFileDialog.h"

namespace {

using quillane::test::ImageBuilder;
using quillane::test::TempFile;

// A font platform on which only the upper-case face is installed, recording what is asked of it
// and how many prompt windows existed when the fonts were looked up.
class RecordingFontPlatform : public FontPlatform {
 public:
  QStringList added;
  QStringList removed;
  mutable int prompts_at_install = -1;

  QStringList InstalledFaces() const override {
    if (prompts_at_install < 0) {
      prompts_at_install = 0;
      for (QWidget* widget : QApplication::allWidgets()) {
        prompts_at_install += qobject_cast<TfFileDialog*>(widget) != nullptr;
      }
    }
    return {QString::fromLatin1(FontUpperName)};
  }
  int AddFont(const QString& path) override {
    added << path;
    return 1;
  }
  void RemoveFont(const QString& path) override { removed << path; }
  void BroadcastFontChange() override {}
  void ShowMessage(const QString&) override {}
  void RequestQuit() override {}
};

// The main window as main() makes it, fonts beside the program, at the given resolution.
struct Window {
  RecordingFontPlatform fonts;
  TfMainForm form{fonts, QString::fromLatin1(QL_BIN_DIR)};
  explicit Window(int dots_per_inch = 96, QStringList arguments = {"quillane-light"}) {
    form.SetArguments(arguments);
    form.SetDotsPerInch(dots_per_inch);
  }
  template <typename T = QWidget>
  T* Child(const char* name) {
    T* child = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  void List(const std::string& path) { form.FileListBox1Click(QString::fromStdString(path)); }
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int row = 0; row < form.Listing()->Count(); ++row) {
      rows.push_back(form.Listing()->RowBytes(row).toStdString());
    }
    return rows;
  }
};

// The rows the engine itself makes of an image, for comparison.
std::vector<std::string> EngineRows(const std::string& path) {
  quillane::test::ScriptedAnswerer answers;
  answers.otherwise[quillane::Question::Crosslink] = {};
  quillane::ImagePrompts prompts(answers);
  quillane::test::RecordingMessageBox messages;
  quillane::DirectoryLister lister(prompts, messages);
  quillane::test::VectorListingList list;
  lister.ListImage(path, list);
  return {list.rows.begin(), list.rows.end()};
}

// Presses the prompt's first button ("OK", "List Anyway"), or closes any other modal window.
void PressFirstButton(QWidget* modal) {
  if (auto* button = modal->findChild<QPushButton*>("Button1")) {
    button->click();
  } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  }
}

TempFile ThreeFileImage() {
  return ImageBuilder::Blank35()
      .DiskName("GAMES")
      .SetEntry(18, 1, 0, {.name = "HELLO", .blocks = 12})
      .SetEntry(18, 1, 1, {.type = 0x81, .name = "DATA", .blocks = 3})
      .SetEntry(18, 1, 2, {.type = 0xC2, .name = "LOCKED", .blocks = 600})
      .WriteTemp();
}

TEST(MainForm, StartUpInstallsFontsThenPromptsThreeFourSixAndAnEmptyListingCloseRemovesFont) {
  Window w;
  EXPECT_EQ(w.fonts.prompts_at_install, 0);
  EXPECT_EQ(w.form.Fonts().FontLowerState(), FontAdded);
  EXPECT_EQ(w.form.Fonts().FontUpperState(), FontPresent);
  EXPECT_EQ(w.fonts.added, QStringList{QL_BIN_DIR "/Vexa-Lower.fon"});

  const QList<TfFileDialog*> prompts = w.form.findChildren<TfFileDialog*>();
  ASSERT_EQ(prompts.size(), 3);
  const std::pair<TfFileDialog*, int> expected[] = {
      {w.form.fCrosslinkDialog(), 3}, {w.form.fFilesizeDialog(), 4}, {w.form.fExtBamDialog(), 6}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(prompts[i], expected[i].first) << i;
    EXPECT_EQ(static_cast<int>(prompts[i]->Kind()), expected[i].second) << i;
    EXPECT_FALSE(prompts[i]->isVisible()) << i;
  }
  EXPECT_EQ(w.form.Listing()->Count(), 0);
  EXPECT_EQ(w.form.windowTitle(), QStringLiteral("Quillane_Light"));
  EXPECT_EQ(w.Child<QRadioButton>("RadioButton1")->text(), QStringLiteral("Upper/Graphics"));
  EXPECT_EQ(w.Child<QRadioButton>("RadioButton2")->text(), QStringLiteral("Upper/Lower"));
  EXPECT_TRUE(w.Child<QRadioButton>("RadioButton1")->isChecked());
  EXPECT_EQ(w.Child<QPushButton>("AboutButton")->text(), QStringLiteral("About..."));

  w.form.show();
  w.form.close();
  w.form.close();  // the font this run registered is removed once
  EXPECT_EQ(w.fonts.removed, QStringList{QL_BIN_DIR "/Vexa-Lower.fon"});
}

TEST(MainForm, SelectingAnImageListsTheRowsOfTheEngine) {
  Window w;
  const TempFile image = ThreeFileImage();
  w.List(image.path());
  const std::vector<std::string> expected = EngineRows(image.path());
  ASSERT_EQ(expected.size(), 5u);
  EXPECT_EQ(w.Rows(), expected);
  EXPECT_TRUE(w.form.Listing()->IsReversed(0, 2));  // the header, from its quote
  EXPECT_FALSE(w.form.Listing()->IsReversed(0, 1));
}

// A file selected by keyboard or mouse in the browser is listed; clicking the file that is
// already selected lists it again.
TEST(MainForm, SelectingAFileInTheBrowserListsItAndClickingItAgainListsItAgain) {
  Window w;
  QTemporaryDir dir;
  const QString path = dir.filePath("games.d64");
  ASSERT_TRUE(QFile::copy(QString::fromStdString(ThreeFileImage().path()), path));
  const std::vector<std::string> expected = EngineRows(QFile::encodeName(path).toStdString());
  w.form.show();
  w.form.Browser()->SetFolder(dir.path());
  QFileSystemModel* files = w.form.Browser()->FileModel();
  QSignalSpy loaded(files, &QFileSystemModel::directoryLoaded);
  for (int i = 0; i < 50 && !files->index(path).isValid(); ++i) loaded.wait(100);

  auto* list = w.Child<QListView>("FileListBox1");
  list->setCurrentIndex(files->index(path));  // what the arrow keys do
  EXPECT_EQ(w.Rows(), expected);
  w.form.FileListBox1Click(QString());  // empties the list
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualRect(files->index(path)).center());
  EXPECT_EQ(w.Rows(), expected);
}

TEST(MainForm, UnsupportedSizeShowsTheSizePromptAndLeavesTheListEmpty) {
  Window w;
  w.form.show();
  w.List(ThreeFileImage().path());
  ASSERT_GT(w.form.Listing()->Count(), 0);

  ModalAnswerer answerer(PressFirstButton);
  w.List(ImageBuilder(174849).WriteTemp().path());
  ASSERT_EQ(answerer.shown.size(), 1u);
  EXPECT_EQ(answerer.shown[0], w.form.fFilesizeDialog());
  EXPECT_EQ(w.form.Listing()->Count(), 0);
}

TEST(MainForm, NoSecondListingStartsWhileAPromptOfTheFirstIsOpen) {
  Window w;
  const TempFile listed = ThreeFileImage();
  w.form.show();
  ModalAnswerer answerer([&](QWidget* modal) {
    w.List(listed.path());  // e.g. the folder changed under the prompt
    PressFirstButton(modal);
  });
  w.List(ImageBuilder(1000).WriteTemp().path());
  ASSERT_EQ(answerer.shown.size(), 1u);
  EXPECT_EQ(w.form.Listing()->Count(), 0);
}

TEST(MainForm, AFileThatCannotBeOpenedEmptiesTheListSilently) {
  Window w;
  const TempFile listed = ThreeFileImage();
  QTemporaryDir dir;
  w.form.show();
  for (const QString& path : {dir.filePath("vanished.d64"), dir.path(), QString()}) {
    w.List(listed.path());
    ASSERT_GT(w.form.Listing()->Count(), 0);
    ModalAnswerer answerer(PressFirstButton);
    w.form.FileListBox1Click(path);
    QTest::qWait(30);
    EXPECT_TRUE(answerer.shown.empty()) << path.toStdString();
    EXPECT_EQ(w.form.Listing()->Count(), 0) << path.toStdString();
  }
}

// The command-line rules: only the first argument, naming an existing regular file whose
// extension is ".D64" in any letter case.
TEST(CommandLineImageTest, TakesOnlyTheFirstArgumentNamingAnExistingD64File) {
  QTemporaryDir dir;
  const auto make = [&](const char* name) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name;
    return file.fileName();
  };
  const QString lower = make("lower.d64");
  const QString upper = make("UPPER.D64");
  const QString bak = make("disk.D64.bak");
  const QString bare = make("disk");
  QDir(dir.path()).mkdir("x.d64");
  const QString in_dotted_folder = make("x.d64/plain");
  const QString fifo = dir.filePath("fifo.d64");
  ASSERT_EQ(0, mkfifo(QFile::encodeName(fifo).constData(), 0600));

  const std::pair<QStringList, QString> cases[] = {
      {{"prog", lower}, lower},
      {{"prog", upper}, upper},
      {{"prog", lower, upper}, lower},  // the second is ignored
      {{"prog", bak, lower}, ""},       // only the first counts
      {{"prog", bare}, ""},
      {{"prog", in_dotted_folder}, ""},
      {{"prog", dir.filePath("x.d64")}, ""},  // a folder
      {{"prog", fifo}, ""},                   // never opened, so no hang
      {{"prog", dir.filePath("missing.d64")}, ""},
      {{"prog"}, ""},
      {{}, ""},
  };
  for (const auto& [arguments, expected] : cases) {
    EXPECT_EQ(CommandLineImage(arguments), expected) << arguments.join(' ').toStdString();
  }
}

TEST(MainForm, CommandLineImageIsListedWhenShown) {
  const TempFile image = ThreeFileImage();
  Window w(96, {"quillane-light", QString::fromStdString(image.path())});
  w.form.show();
  EXPECT_EQ(w.Rows(), EngineRows(image.path()));
}

TEST(MainForm, CharacterSetSwitchRepaintsAtOnceWithoutRecomposing) {
  Window w;
  w.form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.form));
  w.List(ThreeFileImage().path());
  const std::vector<std::string> before = w.Rows();

  struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      paints += event->type() == QEvent::Paint;
      return false;
    }
  } counter;
  w.Child<ListingListBox>("ListBox1")->viewport()->installEventFilter(&counter);
  QSignalSpy reset(w.form.Listing(), &QAbstractItemModel::modelReset);
  QSignalSpy inserted(w.form.Listing(), &QAbstractItemModel::rowsInserted);
  QSignalSpy changed(w.form.Listing(), &QAbstractItemModel::dataChanged);

  w.Child<QRadioButton>("RadioButton2")->click();
  EXPECT_EQ(counter.paints, 1);  // painted before the click returned
  w.Child<QRadioButton>("RadioButton1")->click();
  EXPECT_EQ(counter.paints, 2);
  EXPECT_EQ(reset.count() + inserted.count() + changed.count(), 0);
  EXPECT_EQ(w.Rows(), before);
}

TEST(MainForm, CellSizeAndWidthFollowTheResolution) {
  const int rows[][3] = {{96, 8, 533}, {119, 8, 533}, {120, 16, 667}, {192, 16, 667}};
  for (const auto& [dots_per_inch, item_height, width] : rows) {
    Window w(dots_per_inch);
    w.form.show();
    EXPECT_EQ(w.Child<ListingListBox>("ListBox1")->ItemHeight(), item_height) << dots_per_inch;
    EXPECT_EQ(w.form.width(), width) << dots_per_inch;
  }
}

TEST(MainForm, AboutButtonAndF1OpenTheAboutBoxAndChangeNothingElse) {
  Window w;
  TfAbout about(&w.form);
  w.form.SetAbout(&about);
  w.form.show();
  w.form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
  w.List(ThreeFileImage().path());
  const std::vector<std::string> before = w.Rows();

  ModalAnswerer answerer(PressFirstButton);
  QTest::keyClick(&w.form, Qt::Key_F1);
  w.Child<QPushButton>("AboutButton")->click();
  EXPECT_EQ(answerer.shown, (std::vector<QWidget*>{&about, &about}));
  EXPECT_EQ(w.Rows(), before);
}

TEST(MainForm, DriveSelectorKeepsTheFolderTreesWidthAfterASplitterMove) {
  Window w;
  w.form.show();
  w.Child<QSplitter>("Splitter1")->setSizes({260, w.form.width() - 260});
  w.form.Splitter1Moved();
  EXPECT_EQ(w.Child<QTreeView>("DirectoryListBox1")->width(), 260);
  EXPECT_EQ(w.Child<QComboBox>("DriveComboBox1")->width(), 260);
}

}  // namespace
