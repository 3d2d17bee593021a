// The main window driven as a user drives it: start-up, the file list, the three prompts across
// images, the command line, the character-set switch, the sizes and the About box.
#include "uMainForm.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QListView>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTreeView>
#include <fstream>

#include "CommandLineImage.h"
#include "FileBrowser.h"
#include "ImageBuilder.h"
#include "ListingModel.h"
#include "ListingView.h"
#include "Modal.h"
#include "WindowPlacement.h"
#include "uFileDialog.h"

namespace {

using quillane::GeometryMode;
using quillane::test::ImageBuilder;

// Only the upper-case face is installed.
class RecordingFontPlatform : public FontPlatform {
 public:
  QStringList added, removed;
  QStringList InstalledFaces() const override { return {QString::fromLatin1(FontUpperName)}; }
  int AddFont(const QString& path) override { return added << path, 1; }
  void RemoveFont(const QString& path) override { removed << path; }
  void BroadcastFontChange() override {}
  void ShowMessage(const QString&) override {}
  void RequestQuit() override {}
};

struct Window {
  RecordingFontPlatform fonts;
  TfMainForm form{fonts, QString::fromLatin1(QL_BIN_DIR)};
  explicit Window(int dots_per_inch = 96, CommandLine arguments = {}) {
    form.SetArguments(arguments);
    form.SetDotsPerInch(dots_per_inch);
  }
  template <typename T = QAbstractButton>
  T* Child(const char* name) {
    return form.findChild<T*>(QString::fromLatin1(name));
  }
  void List(const std::string& path) { form.FileListBox1Click(QString::fromStdString(path)); }
  int Rows() const { return form.Listing()->Count(); }
};

// How the user answers a prompt: tick "Don't ask me again", pick a layout, press a button.
struct Answer {
  bool tick = false;
  const char* radio = nullptr;
  const char* button = "Button1";
};
void Give(QWidget* prompt, const Answer& answer) {
  if (answer.tick) prompt->findChild<QAbstractButton*>("CheckBox1")->click();
  if (answer.radio) prompt->findChild<QAbstractButton*>(answer.radio)->click();
  prompt->findChild<QAbstractButton*>(answer.button)->click();
}

struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    return paints += event->type() == QEvent::Paint, false;
  }
};

// Start-up, the character-set switch (a repaint before the click returns), the About box on F1
// and its button, the drive selector following a splitter move, and the close.
TEST(MainForm, StartsSwitchesShowsAboutAndRemovesTheFontOnceAtClose) {
  Window w;
  EXPECT_EQ(w.form.findChildren<TfFileDialog*>(),
            (QList<TfFileDialog*>{w.form.fCrosslinkDialog(), w.form.fFilesizeDialog(),
                                  w.form.fExtBamDialog()}));
  EXPECT_EQ(w.fonts.added, QStringList{QL_BIN_DIR "/Vexa-Lower.fon"});
  EXPECT_EQ(w.form.windowTitle(), QStringLiteral("Quillane_Light"));
  EXPECT_EQ(QFontInfo(w.form.font()).pixelSize(), 11);
  TfAbout about(&w.form);
  w.form.SetAbout(&about);
  w.form.show();
  w.form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
  // The drives are read after the first frame.
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.Child<QComboBox>("DriveComboBox1")->count() > 0; }));
  PaintCounter counter;
  w.form.findChild<ListingListBox*>()->viewport()->installEventFilter(&counter);
  w.Child("RadioButton2")->click();
  w.Child("RadioButton1")->click();
  EXPECT_EQ(counter.paints, 2);
  ModalAnswerer answerer([](QWidget* modal) { modal->close(); });
  QTest::keyClick(&w.form, Qt::Key_F1);
  w.Child("AboutButton")->click();
  EXPECT_EQ(answerer.shown, (std::vector<QWidget*>{&about, &about}));
  w.Child<QSplitter>("Splitter1")->setSizes({260, w.form.width() - 260});
  w.form.Splitter1Moved();
  EXPECT_EQ(w.Child<QWidget>("DriveComboBox1")->width(), 260);
  w.form.close();
  w.form.close();
  EXPECT_EQ(w.fonts.removed, QStringList{QL_BIN_DIR "/Vexa-Lower.fon"});
}

// Each step lists one image and answers the prompt it raises; the prompts keep their boxes and
// the layout across images. A file that cannot be opened empties the list without a word.
TEST(MainForm, PromptsOfAllThreeKindsAnsweredAcrossImages) {
  const auto unknown40 = ImageBuilder::Blank40(GeometryMode::Original).WriteTemp();
  const auto crosslinked = ImageBuilder::Blank35()
                               .SetEntry(18, 1, 0, {.name = "A"})
                               .Link(18, 1, 18, 4)
                               .SetEntry(18, 4, 0, {.name = "B"})
                               .Link(18, 4, 18, 1)
                               .WriteTemp();
  const auto odd_size = ImageBuilder(1000).WriteTemp();
  QTemporaryDir dir;
  Window w;
  const struct {
    std::string image;
    Answer answer;
    TfFileDialog* shown;  // nullptr: no prompt
    const char* header_end;
    int rows;
  } steps[] = {
      {odd_size.path(), {}, w.form.fFilesizeDialog(), "", 0},
      {unknown40.path(), {.radio = "RadioButton2"}, w.form.fExtBamDialog(), " 01 2S", 2},
      {unknown40.path(), {.button = "Button4"}, w.form.fExtBamDialog(), "", 0},
      {unknown40.path(), {true, "RadioButton3"}, w.form.fExtBamDialog(), " 01 2D", 2},
      {unknown40.path(), {}, nullptr, " 01 2D", 2},  // the layout remembered
      {crosslinked.path(), {.tick = true}, w.form.fCrosslinkDialog(), " 01 2A", 4},
      {dir.path().toStdString() + "/vanished.d64", {}, nullptr, "", 0},
      {crosslinked.path(), {}, nullptr, " 01 2A", 4},
      {dir.path().toStdString(), {}, nullptr, "", 0},
      {"", {}, nullptr, "", 0},
  };
  w.form.show();
  for (const auto& step : steps) {
    SCOPED_TRACE(&step - steps);
    ModalAnswerer answerer([&](QWidget* prompt) { Give(prompt, step.answer); });
    w.List(step.image);
    EXPECT_EQ(answerer.shown,
              step.shown ? std::vector<QWidget*>{step.shown} : std::vector<QWidget*>{});
    ASSERT_EQ(w.Rows(), step.rows);
    EXPECT_TRUE(w.Rows() == 0 || w.form.Listing()->RowBytes(0).endsWith(step.header_end));
    // The header in reverse video from its quote on.
    EXPECT_EQ(w.form.Listing()->IsReversed(0, 2) && !w.form.Listing()->IsReversed(0, 1),
              step.rows > 0);
  }
}

// Only the user's own choice lists: not the focus arriving by Tab, not the listed file deleted
// on disk; and the clicked file is highlighted when its prompt opens.
TEST(MainForm, OnlyTheUsersChoiceInTheFileListListsWithTheHighlightOnTheFile) {
  QTemporaryDir dir;
  for (const char* name : {"a_bad.d64", "b_good.d64", "c_bad.D64", "d.d64.bak", "e.txt"}) {
    const auto bytes = ImageBuilder(name[2] == 'g' ? 174848 : 1000).bytes();
    std::ofstream(dir.filePath(name).toStdString()).write((const char*)bytes.data(), bytes.size());
  }
  QDir(dir.path()).mkdir("folder.d64");
  mkfifo(QFile::encodeName(dir.filePath("fifo.d64")).constData(), 0600);
  Window w;
  auto* files = w.Child<QListView>("FileListBox1");
  QStringList highlighted;  // at each prompt
  ModalAnswerer answerer([&](QWidget* prompt) {
    highlighted << files->selectionModel()->selectedIndexes().value(0).data().toString();
    prompt->hide();
  });
  w.form.show();
  w.form.Browser()->SetFolder(dir.path());
  QFileSystemModel* model = w.form.Browser()->FileModel();
  const auto file = [&](const char* name) { return model->index(dir.filePath(name)); };
  const auto click = [&](const char* name) {
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualRect(file(name)).center());
    QTest::qWait(50);
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(files->rootIndex()) >= 3; }));
  QTest::qWait(50);
  EXPECT_EQ(model->rowCount(files->rootIndex()), 3);  // .d64 files in any letter case only
  w.Child<QTreeView>("DirectoryListBox1")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::qWait(50);
  EXPECT_EQ(QApplication::focusWidget(), files);
  click("b_good.d64");
  EXPECT_EQ(w.Rows(), 2);
  QFile::remove(dir.filePath("b_good.d64"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !file("b_good.d64").isValid(); }));
  QTest::qWait(50);
  EXPECT_EQ(w.Rows(), 2);
  EXPECT_TRUE(highlighted.isEmpty());
  click("a_bad.d64");
  EXPECT_EQ(highlighted, QStringList{"a_bad.d64"});
  EXPECT_EQ(w.Rows(), 0);
  QTest::keyClick(files, Qt::Key_Down);
  QTest::qWait(50);
  EXPECT_EQ(highlighted, (QStringList{"a_bad.d64", "c_bad.D64"}));
}

TEST(CommandLineImageTest, TakesOnlyTheFirstArgumentNamingAnExistingD64File) {
  QTemporaryDir dir;
  const std::string base = dir.path().toStdString() + "/";
  for (const char* name : {"a.d64", "B.D64", "x.D64.bak", "disk", "x.d64/plain"}) {
    if (std::string(name) == "x.d64/plain") mkdir((base + "x.d64").c_str(), 0700);
    std::ofstream(base + name).put('x');
  }
  mkfifo((base + "fifo.d64").c_str(), 0600);
  const std::pair<CommandLine, std::string> cases[] = {
      {{"p", base + "a.d64", base + "B.D64"}, base + "a.d64"},
      {{"p", base + "B.D64"}, base + "B.D64"},
      {{"p", base + "x.D64.bak", base + "a.d64"}, ""},
      {{"p", base + "disk"}, ""},
      {{"p", base + "x.d64/plain"}, ""},
      {{"p", base + "x.d64"}, ""},     // a folder
      {{"p", base + "fifo.d64"}, ""},  // never opened, so no hang
      {{"p", base + "missing.d64"}, ""},
      {{"p"}, ""},
  };
  for (const auto& [arguments, expected] : cases) EXPECT_EQ(CommandLineImage(arguments), expected);
}

// The layout question a command-line image raises opens over the mapped main window; the image
// is found under a name that is not UTF-8.
TEST(MainForm, CommandLineImagePromptsOverTheShownWindow) {
  QTemporaryDir dir;
  const std::string path = dir.path().toStdString() + "/b\xE4.d64";
  const auto bytes = ImageBuilder::Blank40(GeometryMode::Original).bytes();
  std::ofstream(path).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  Window w(96, {"quillane-light", path});
  bool exposed = false;
  ModalAnswerer answerer([&](QWidget* prompt) {
    exposed = w.form.windowHandle()->isExposed();
    Give(prompt, {});
  });
  w.form.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.Rows() > 0; }));
  EXPECT_EQ(answerer.shown, std::vector<QWidget*>{w.form.fExtBamDialog()});
  EXPECT_TRUE(exposed);
}

TEST(MainForm, CellSizeAndWidthFollowTheResolution) {
  const int rows[][3] = {{96, 8, 533}, {119, 8, 533}, {120, 16, 667}, {192, 16, 667}};
  for (const auto& [dots_per_inch, item_height, width] : rows) {
    Window w(dots_per_inch);
    w.form.show();
    EXPECT_EQ(w.form.findChild<ListingListBox*>()->ItemHeight(), item_height) << dots_per_inch;
    EXPECT_EQ(w.form.width(), width) << dots_per_inch;
  }
}

// The window and its frame centred, shrunk to the screen when asked, never above or left of it.
TEST(WindowPlacementTest, CentresTheFrameAndKeepsTheTitleBarOnTheScreen) {
  const QMargins frame(1, 20, 1, 5);
  const struct {
    QRect area;
    QSize client;
    bool fit;
    QRect expected;
  } cases[] = {
      {{0, 0, 640, 512}, {533, 529}, true, {53, 20, 533, 487}},
      {{0, 0, 640, 512}, {533, 529}, false, {53, 20, 533, 529}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CentredClientRect(c.area, c.client, {100, 100}, frame, c.fit), c.expected);
  }
}

}  // namespace
