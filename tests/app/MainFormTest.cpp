// The main window driven as a user drives it: the three prompts across images, the file list
// and the command line.
#include "uMainForm.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QDir>
#include <QFileSystemModel>
#include <QListView>
#include <QTemporaryDir>
#include <QTreeView>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "CommandLineImage.h"
#include "FileBrowser.h"
#include "ImageBuilder.h"
#include "ListingModel.h"
#include "Modal.h"
#include "uFileDialog.h"

namespace {

using namespace quillane::app;
using namespace quillane::display;

using quillane::GeometryMode;
using quillane::Question;
using quillane::test::ImageBuilder;

struct Window {
  StubFonts fonts{QStringList{QString::fromLatin1(FontUpperName)}};  // upper case only
  TfMainForm form{fonts, QString::fromLatin1(QL_BIN_DIR)};
  explicit Window(CommandLine arguments = {}) {
    form.SetArguments(arguments);
    form.SetDotsPerInch(96);
  }
  void List(const std::string& path) { form.FileListBox1Click(QString::fromStdString(path)); }
  int Rows() const { return form.Listing()->Count(); }
};

// How the user answers a prompt: tick "Don't ask me again", pick a layout, press a button.
// clang-format off
struct Answer { bool tick = false; const char *radio = nullptr, *button = "Button1"; };
// clang-format on
void Give(QWidget* prompt, const Answer& answer) {
  if (answer.tick) prompt->findChild<QAbstractButton*>("CheckBox1")->click();
  if (answer.radio) prompt->findChild<QAbstractButton*>(answer.radio)->click();
  prompt->findChild<QAbstractButton*>(answer.button)->click();
}

// Each step lists one image and answers the prompt it raises; the prompts keep their boxes and
// the layout across images. A file that cannot be opened empties the list without a word.
TEST(MainForm, PromptsOfAllThreeKindsAnsweredAcrossImages) {
  const auto unknown40 = ImageBuilder::Blank40(GeometryMode::Original).WriteTemp();
  // clang-format off
  const auto crosslinked = ImageBuilder::Blank35().SetEntry(18, 1, 0, {.name = "A"})
      .Link(18, 1, 18, 4).SetEntry(18, 4, 0, {.name = "B"}).Link(18, 4, 18, 1).WriteTemp();
  // clang-format on
  const auto odd_size = ImageBuilder(1000).WriteTemp();
  QTemporaryDir dir;
  Window w;
  // clang-format off
  const struct { std::string image; Answer answer; TfFileDialog* shown; const char* header_end;
                 int rows; } steps[] = {  // shown nullptr: no prompt
      {odd_size.path(), {}, w.form.fFilesizeDialog(), "", 0},
      {unknown40.path(), {.radio = "RadioButton2"}, w.form.fExtBamDialog(), " 01 2S", 2},
      {unknown40.path(), {.button = "Button4"}, w.form.fExtBamDialog(), "", 0},
      {unknown40.path(), {true, "RadioButton3"}, w.form.fExtBamDialog(), " 01 2D", 2},
      {unknown40.path(), {}, nullptr, " 01 2D", 2},  // the layout remembered
      {crosslinked.path(), {.tick = true}, w.form.fCrosslinkDialog(), " 01 2A", 4},
      {dir.path().toStdString() + "/vanished.d64", {}, nullptr, "", 0},
      {crosslinked.path(), {}, nullptr, " 01 2A", 4},
      {dir.path().toStdString(), {}, nullptr, "", 0}};
  // clang-format on
  w.form.show();
  for (const auto& step : steps) {
    SCOPED_TRACE(&step - steps);
    ModalAnswerer answerer([&](QWidget* prompt) { Give(prompt, step.answer); });
    w.List(step.image);
    EXPECT_EQ(answerer.shown,
              step.shown ? std::vector<QWidget*>{step.shown} : std::vector<QWidget*>{});
    ASSERT_EQ(w.Rows(), step.rows);
    EXPECT_TRUE(w.Rows() == 0 || w.form.Listing()->Row(0).text.ends_with(step.header_end));
  }
  // Each question has a window of its own kind.
  EXPECT_EQ((std::vector{w.form.fCrosslinkDialog()->Kind(), w.form.fFilesizeDialog()->Kind(),
                         w.form.fExtBamDialog()->Kind()}),
            (std::vector{Question::Crosslink, Question::UnsupportedSize, Question::Layout}));
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
  auto* files = w.form.findChild<QListView*>("FileListBox1");
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
  w.form.findChild<QTreeView*>("DirectoryListBox1")->setFocus();
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

#ifdef QL_WITH_ARCHIVES
// An archive in the tree is a folder of its images; a .d64.gz sits among the .d64 files; a
// member path on the command line lists at start.
TEST(MainForm, ArchivesAreFoldersOfTheirImages) {
  QTemporaryDir dir;
  const std::string demo = QL_SOURCE_DIR "/samples/demo.d64", at = dir.path().toStdString();
  ASSERT_EQ(std::system(("cd " + at + " && cp " + demo +
                         " m.d64 && /usr/bin/python3 -m zipfile -c r.zip m.d64 && " +
                         "gzip m.d64 && echo x >o.txt.gz")
                            .c_str()),
            0);
  Window w({"", at + "/r.zip/m.d64"});
  w.form.show();
  EXPECT_EQ(CommandLineImage({"", at + "/r.zip/m.d64"}), at + "/r.zip/m.d64");
  EXPECT_EQ(CommandLineImage({"", at + "/m.d64.gz"}), at + "/m.d64.gz");
  EXPECT_EQ(CommandLineImage({"", at + "/r.zip/x.d64"}), at + "/r.zip/x.d64");
  EXPECT_EQ(CommandLineImage({"", at + "/o.txt.gz"}), "");
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.Rows() == 19; }));
  w.form.Browser()->SetFolder(dir.path());
  auto* files = w.form.findChild<QListView*>("FileListBox1");
  QFileSystemModel* model = w.form.Browser()->FileModel();
  ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(files->rootIndex()) == 1; }));
  EXPECT_EQ(model->index(0, 0, files->rootIndex()).data().toString(), "m.d64.gz");
  auto* tree = w.form.findChild<QTreeView*>("DirectoryListBox1");
  auto* folders = qobject_cast<QFileSystemModel*>(tree->model());
  ASSERT_NE(folders, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return folders->index(dir.filePath("r.zip")).isValid(); }));
  tree->setCurrentIndex(folders->index(dir.filePath("r.zip")));
  ASSERT_EQ(files->model()->rowCount(), 1);
  EXPECT_EQ(files->model()->index(0, 0).data().toString(), "m.d64");
  QStringList chosen;
  QObject::connect(w.form.Browser(), &FileBrowser::FileSelected,
                   [&](const QString& path) { chosen << path; });
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                    files->visualRect(files->model()->index(0, 0)).center());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !chosen.isEmpty(); }));
  EXPECT_EQ(chosen, QStringList{dir.filePath("r.zip/m.d64")});
}
#endif

// Only the first argument naming an existing .d64 file is listed, here one whose name is not
// UTF-8; the layout question it raises opens over the mapped main window. The lower-case face
// is added at start and removed once at close.
TEST(MainForm, CommandLineImageListedWithItsPromptOverTheShownWindow) {
  QTemporaryDir dir;
  const std::string base = dir.path().toStdString() + "/", path = base + "b\xE4.d64";
  const auto bytes = ImageBuilder::Blank40(GeometryMode::Original).bytes();
  std::ofstream(path).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  for (const char* name : {"B.D64", "x.D64.bak"}) std::ofstream(base + name).put('x');
  mkfifo((base + "fifo.d64").c_str(), 0600);  // never opened, so no hang
  // clang-format off
  const std::pair<CommandLine, std::string> cases[] = {
      {{"p", path, base + "B.D64"}, path}, {{"p", base + "B.D64"}, base + "B.D64"},
      {{"p", base + "x.D64.bak", path}, ""}, {{"p", dir.path().toStdString()}, ""},
      {{"p", base + "fifo.d64"}, ""}, {{"p", base + "missing.d64"}, ""}, {{"p"}, ""}};
  // clang-format on
  for (const auto& [arguments, expected] : cases) EXPECT_EQ(CommandLineImage(arguments), expected);
  Window w({"quillane-light", path});
  bool exposed = false;
  ModalAnswerer answerer([&](QWidget* prompt) {
    exposed = w.form.windowHandle()->isExposed();
    Give(prompt, {});
  });
  w.form.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.Rows() > 0; }));
  EXPECT_EQ(answerer.shown, std::vector<QWidget*>{w.form.fExtBamDialog()});
  EXPECT_TRUE(exposed);
  EXPECT_EQ(w.fonts.added, QStringList{QL_BIN_DIR "/Vexa-Lower.fon"});
  w.form.close();
  w.form.close();
  EXPECT_EQ(w.fonts.removed, QStringList{QL_BIN_DIR "/Vexa-Lower.fon"});
  std::remove(path.c_str());  // QTemporaryDir cannot remove a name that is not UTF-8
}

}  // namespace
