#include "uMainForm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QFontInfo>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <string>
#include <vector>

#include "CharsetFonts.h"
#include "CommandLineImage.h"
#include "DirectoryLister.h"
#include "FileBrowser.h"
#include "ImageBuilder.h"
#include "ListingDelegate.h"
#include "ListingModel.h"
#include "ListingView.h"
#include "QtFontPlatform.h"
#include "uAbout.h"
#include "uFileDialog.h"

namespace {

using quillane::test::Entry;
using quillane::test::ImageBuilder;
using quillane::test::TempFile;

// A font platform on which both faces are already installed, recording what is asked of it.
class RecordingFontPlatform : public FontPlatform {
 public:
  QStringList faces{QString::fromLatin1(FontLowerName), QString::fromLatin1(FontUpperName)};
  QStringList added;
  QStringList removed;
  int prompts_existing_at_install = -1;

  QStringList InstalledFaces() const override {
    auto* self = const_cast<RecordingFontPlatform*>(this);
    if (self->prompts_existing_at_install < 0) {
      self->prompts_existing_at_install = 0;
      for (QWidget* widget : QApplication::allWidgets()) {
        if (dynamic_cast<TfFileDialog*>(widget) != nullptr) ++self->prompts_existing_at_install;
      }
    }
    return faces;
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

// The listing rows of the window, as byte strings.
std::vector<std::string> Rows(const TfMainForm& form) {
  std::vector<std::string> rows;
  const ListingModel& model = *form.Listing();
  for (int row = 0; row < model.Count(); ++row) rows.push_back(model.RowBytes(row).toStdString());
  return rows;
}

// The rows the engine makes of an image, for comparison.
struct VectorList final : quillane::ListingList {
  std::vector<std::string> rows;
  void Append(const quillane::ListingLine& row) override { rows.push_back(row); }
  int Count() const override { return static_cast<int>(rows.size()); }
};
struct SilentDialog final : quillane::PromptDialog {
  int Kind() const override { return quillane::kCrosslinkPrompt; }
  void SetEdit1(const std::string&) override {}
  void SetLabel1(const std::string&) override {}
  int ShowModal() override { return quillane::kPromptStop; }
  bool CheckBox1() const override { return false; }
  int ModalResult() const override { return quillane::kPromptStop; }
  int DosVariant() const override { return 1; }
};
struct SilentMessages final : quillane::MessageBox {
  void ShowMessage(const std::string&) override {}
};
std::vector<std::string> EngineRows(const std::string& path) {
  SilentDialog dialog;
  SilentMessages messages;
  quillane::DirectoryLister lister(dialog, messages);
  quillane::DialogImagePrompts prompts(dialog, dialog);
  VectorList list;
  lister.ListImage(path, prompts, list);
  return list.rows;
}

// Once a modal window is up, hands it to `answer` (which must close it) and records it. A window
// that stays up longer than three seconds is hidden, so a wrong answer fails instead of hanging.
class ModalAnswerer {
 public:
  explicit ModalAnswerer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      if (modal == last_ && since_.elapsed() > 3000) {
        modal->hide();
        ADD_FAILURE() << "a modal window was left open";
        return;
      }
      if (modal != last_) since_.start();
      last_ = modal;
      shown.push_back(modal);
      answer_(modal);
      if (!modal->isVisible()) last_ = nullptr;
    });
    timer_.start(10);
  }
  std::vector<QWidget*> shown;

 private:
  std::function<void(QWidget*)> answer_;
  QTimer timer_;
  QWidget* last_ = nullptr;
  QElapsedTimer since_;
};

// Presses the prompt's first button ("OK", "List Anyway"), or closes any other modal window.
void PressFirstButton(QWidget* modal) {
  if (auto* button = modal->findChild<QPushButton*>("Button1")) {
    button->click();
  } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->accept();
  }
}

ImageBuilder ThreeFileImage() {
  return ImageBuilder::Blank35()
      .DiskName("GAMES")
      .SetEntry(18, 1, 0, {.name = "HELLO", .blocks = 12})
      .SetEntry(18, 1, 1, {.type = 0x81, .name = "DATA", .blocks = 3})
      .SetEntry(18, 1, 2, {.type = 0xC2, .name = "LOCKED", .blocks = 600});
}

class MainFormTest : public testing::Test {
 protected:
  MainFormTest() : form(fonts, QString::fromLatin1(QL_BIN_DIR)) {
    form.SetArguments({QStringLiteral("quillane-light")});
    form.SetDotsPerInch(96);
  }

  template <typename T>
  T* Child(const char* name) {
    T* child = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  RecordingFontPlatform fonts;
  TfMainForm form;
};

TEST_F(MainFormTest, ConstructionInstallsFontsThenMakesThePromptsThenAnEmptyListing) {
  EXPECT_EQ(fonts.prompts_existing_at_install, 0);
  EXPECT_EQ(form.Fonts().FontLowerState(), FontPresent);
  EXPECT_EQ(form.Fonts().FontUpperState(), FontPresent);
  EXPECT_EQ(form.Fonts().FontLowerPath(), QString::fromLatin1(QL_BIN_DIR "/Vexa-Lower.fon"));

  const QList<TfFileDialog*> prompts = form.findChildren<TfFileDialog*>();
  ASSERT_EQ(prompts.size(), 3);
  EXPECT_EQ(prompts[0], form.fCrosslinkDialog());
  EXPECT_EQ(prompts[1], form.fFilesizeDialog());
  EXPECT_EQ(prompts[2], form.fExtBamDialog());
  EXPECT_EQ(form.fCrosslinkDialog()->Kind(), 3);
  EXPECT_EQ(form.fFilesizeDialog()->Kind(), 4);
  EXPECT_EQ(form.fExtBamDialog()->Kind(), 6);
  for (TfFileDialog* prompt : prompts) EXPECT_FALSE(prompt->isVisible());

  EXPECT_EQ(form.Listing()->Count(), 0);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Quillane_Light"));
  EXPECT_EQ(form.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
  EXPECT_TRUE(Child<QRadioButton>("RadioButton1")->isChecked());
  EXPECT_FALSE(Child<QRadioButton>("RadioButton2")->isChecked());
}

TEST_F(MainFormTest, LayoutHasTheControlsOfTheDesign) {
  for (const char* name : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel6", "Panel7", "Panel8"}) {
    Child<QWidget>(name);
  }
  Child<QComboBox>("DriveComboBox1");
  Child<QTreeView>("DirectoryListBox1");
  Child<QListView>("FileListBox1");
  Child<ListingListBox>("ListBox1");
  Child<QSplitter>("Splitter1");
  Child<QSplitter>("Splitter2");
  EXPECT_EQ(Child<QRadioButton>("RadioButton1")->text(), QStringLiteral("Upper/Graphics"));
  EXPECT_EQ(Child<QRadioButton>("RadioButton2")->text(), QStringLiteral("Upper/Lower"));
  EXPECT_EQ(Child<QPushButton>("AboutButton")->text(), QStringLiteral("About..."));
}

TEST_F(MainFormTest, SelectingAnImageListsTheRowsOfTheEngine) {
  const TempFile image = ThreeFileImage().WriteTemp();
  form.FileListBox1Click(QString::fromStdString(image.path()));

  const std::vector<std::string> expected = EngineRows(image.path());
  ASSERT_EQ(expected.size(), 5u);
  EXPECT_EQ(Rows(form), expected);
  EXPECT_TRUE(form.ReverseMap().IsReversed(0, 2));
  EXPECT_FALSE(form.ReverseMap().IsReversed(0, 1));
}

TEST_F(MainFormTest, SelectingAFileInTheBrowserListsIt) {
  QTemporaryDir dir;
  const QString path = dir.filePath("games.d64");
  ASSERT_TRUE(QFile::copy(QString::fromStdString(ThreeFileImage().WriteTemp().path()), path));
  form.show();
  form.Browser()->SetFolder(dir.path());
  QSignalSpy loaded(form.Browser()->FileModel(), &QFileSystemModel::directoryLoaded);
  const QModelIndex index = form.Browser()->FileModel()->index(path);
  for (int i = 0; i < 50 && !index.isValid(); ++i) loaded.wait(100);

  Child<QListView>("FileListBox1")->setCurrentIndex(form.Browser()->FileModel()->index(path));

  EXPECT_EQ(Rows(form), EngineRows(QFile::encodeName(path).toStdString()));
}

TEST_F(MainFormTest, UnsupportedSizeShowsTheSizePromptAndLeavesTheListEmpty) {
  const TempFile listed = ThreeFileImage().WriteTemp();
  const TempFile odd = ImageBuilder(174849).WriteTemp();
  form.show();
  form.FileListBox1Click(QString::fromStdString(listed.path()));
  ASSERT_GT(form.Listing()->Count(), 0);

  ModalAnswerer answerer(PressFirstButton);
  form.FileListBox1Click(QString::fromStdString(odd.path()));

  ASSERT_EQ(answerer.shown.size(), 1u);
  EXPECT_EQ(answerer.shown[0], form.fFilesizeDialog());
  EXPECT_EQ(form.Listing()->Count(), 0);
}

TEST_F(MainFormTest, NoSecondListingStartsWhileAPromptOfTheFirstIsOpen) {
  const TempFile listed = ThreeFileImage().WriteTemp();
  const TempFile odd = ImageBuilder(1000).WriteTemp();
  form.show();
  ModalAnswerer answerer([&](QWidget* modal) {
    form.FileListBox1Click(QString::fromStdString(listed.path()));  // e.g. the folder changed
    PressFirstButton(modal);
  });
  form.FileListBox1Click(QString::fromStdString(odd.path()));

  ASSERT_EQ(answerer.shown.size(), 1u);
  EXPECT_EQ(form.Listing()->Count(), 0);
}

TEST_F(MainFormTest, AFileThatCannotBeOpenedEmptiesTheListSilently) {
  const TempFile listed = ThreeFileImage().WriteTemp();
  QTemporaryDir dir;
  form.show();
  for (const QString& path : {dir.filePath("vanished.d64"), dir.path(), QString()}) {
    form.FileListBox1Click(QString::fromStdString(listed.path()));
    ASSERT_GT(form.Listing()->Count(), 0);
    ModalAnswerer answerer(PressFirstButton);
    form.FileListBox1Click(path);
    QTest::qWait(30);
    EXPECT_TRUE(answerer.shown.empty()) << path.toStdString();
    EXPECT_EQ(form.Listing()->Count(), 0) << path.toStdString();
  }
}

// The command-line rules, on the pure function.
TEST(CommandLineImageTest, TakesOnlyTheFirstArgumentNamingAnExistingD64File) {
  QTemporaryDir dir;
  const auto make = [&](const char* name) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return file.fileName();
  };
  const QString lower = make("lower.d64");
  const QString upper = make("UPPER.D64");
  const QString mixed = make("Mixed.D64");
  const QString bak = make("disk.D64.bak");
  const QString bare = make("disk");
  const QString dotted_folder_file = make("v1.d64.txt");
  QDir(dir.path()).mkdir("folder.d64");
  const QString folder = dir.filePath("folder.d64");
  const QString fifo = dir.filePath("fifo.d64");
  ASSERT_EQ(0, mkfifo(QFile::encodeName(fifo).constData(), 0600));
  QDir(dir.path()).mkdir("sub.d64");
  const QString no_extension_in_dotted_folder = make("sub.d64/plain");

  struct Case {
    QStringList arguments;
    QString expected;
  };
  const std::vector<Case> cases = {
      {{"prog", lower}, lower},
      {{"prog", upper}, upper},
      {{"prog", mixed}, mixed},
      {{"prog", lower, upper}, lower},  // the second is ignored
      {{"prog", bak, lower}, ""},       // only the first counts
      {{"prog", bak}, ""},
      {{"prog", bare}, ""},
      {{"prog", dotted_folder_file}, ""},
      {{"prog", no_extension_in_dotted_folder}, ""},
      {{"prog", folder}, ""},
      {{"prog", fifo}, ""},
      {{"prog", dir.filePath("missing.d64")}, ""},
      {{"prog", ""}, ""},
      {{"prog"}, ""},
      {{}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandLineImage(c.arguments), c.expected) << c.arguments.join(' ').toStdString();
  }
}

TEST(CommandLineImageTest, ExtensionStartsAtTheLastDotOfTheLastComponent) {
  const std::vector<std::pair<QString, QString>> cases = {
      {"a/b.d64", ".d64"}, {"b.d64.bak", ".bak"}, {"v1.2/disk", ""}, {"disk", ""},
      {".d64", ".d64"},    {"dir/", ""},          {"a.", "."},
  };
  for (const auto& [path, expected] : cases) {
    EXPECT_EQ(PathExtension(path), expected) << path.toStdString();
  }
}

TEST_F(MainFormTest, CommandLineImageIsListedWhenShown) {
  const TempFile image = ThreeFileImage().WriteTemp();
  form.SetArguments({"quillane-light", QString::fromStdString(image.path())});
  form.show();
  EXPECT_EQ(Rows(form), EngineRows(image.path()));
}

TEST_F(MainFormTest, CommandLineFifoIsIgnoredWithoutOpeningIt) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath("x.d64");
  ASSERT_EQ(0, mkfifo(QFile::encodeName(fifo).constData(), 0600));
  form.SetArguments({"quillane-light", fifo});
  form.show();  // would hang if the FIFO were opened for reading
  EXPECT_EQ(form.Listing()->Count(), 0);
}

TEST_F(MainFormTest, CharacterSetSwitchRepaintsAtOnceWithoutRecomposing) {
  const TempFile image = ThreeFileImage().WriteTemp();
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.FileListBox1Click(QString::fromStdString(image.path()));
  const std::vector<std::string> before = Rows(form);
  const quillane::ReverseMap map_before = form.ReverseMap();

  struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++paints;
      return false;
    }
  } counter;
  auto* list = Child<ListingListBox>("ListBox1");
  list->viewport()->installEventFilter(&counter);
  QSignalSpy reset(form.Listing(), &QAbstractItemModel::modelReset);
  QSignalSpy inserted(form.Listing(), &QAbstractItemModel::rowsInserted);
  QSignalSpy changed(form.Listing(), &QAbstractItemModel::dataChanged);

  Child<QRadioButton>("RadioButton2")->click();
  EXPECT_EQ(counter.paints, 1);                  // painted before the click returned
  Child<QRadioButton>("RadioButton2")->click();  // already checked: nothing happens
  EXPECT_EQ(counter.paints, 1);
  Child<QRadioButton>("RadioButton1")->click();
  EXPECT_EQ(counter.paints, 2);

  EXPECT_EQ(reset.count() + inserted.count() + changed.count(), 0);
  EXPECT_EQ(Rows(form), before);
  EXPECT_EQ(form.ReverseMap().rows, map_before.rows);
}

struct SizeCase {
  int dots_per_inch;
  int item_height;
  int client_width;
};
void PrintTo(const SizeCase& c, std::ostream* out) {
  *out << c.dots_per_inch << " dpi";
}

class MainFormSizeTest : public MainFormTest, public testing::WithParamInterface<SizeCase> {};

TEST_P(MainFormSizeTest, ShowSizesFollowTheResolution) {
  form.SetDotsPerInch(GetParam().dots_per_inch);
  form.show();
  EXPECT_EQ(Child<ListingListBox>("ListBox1")->ItemHeight(), GetParam().item_height);
  EXPECT_EQ(form.width(), GetParam().client_width);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, MainFormSizeTest,
                         testing::Values(SizeCase{72, 8, 533}, SizeCase{96, 8, 533},
                                         SizeCase{119, 8, 533}, SizeCase{120, 16, 667},
                                         SizeCase{144, 16, 667}, SizeCase{192, 16, 667}),
                         [](const testing::TestParamInfo<SizeCase>& info) {
                           return std::to_string(info.param.dots_per_inch) + "dpi";
                         });

TEST_F(MainFormTest, AboutButtonAndF1OpenTheAboutBoxModally) {
  TfAbout about(&form);
  form.SetAbout(&about);
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  const TempFile image = ThreeFileImage().WriteTemp();
  form.FileListBox1Click(QString::fromStdString(image.path()));
  const std::vector<std::string> before = Rows(form);

  ModalAnswerer answerer([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  QTest::keyClick(&form, Qt::Key_F1);
  ASSERT_EQ(answerer.shown.size(), 1u);
  EXPECT_EQ(answerer.shown[0], &about);

  Child<QPushButton>("AboutButton")->click();
  ASSERT_EQ(answerer.shown.size(), 2u);
  EXPECT_EQ(answerer.shown[1], &about);
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(Rows(form), before);
}

TEST_F(MainFormTest, DriveSelectorFollowsTheFolderTreeWidthAfterSplitterMove) {
  form.show();
  auto* splitter = Child<QSplitter>("Splitter1");
  splitter->setSizes({260, form.width() - 260});
  form.Splitter1Moved();
  EXPECT_EQ(Child<QComboBox>("DriveComboBox1")->width(),
            Child<QTreeView>("DirectoryListBox1")->width());
  EXPECT_EQ(Child<QTreeView>("DirectoryListBox1")->width(), 260);
}

TEST(MainFormCloseTest, ClosingRemovesWhatThisRunRegisteredOnce) {
  RecordingFontPlatform fonts;
  fonts.faces = {QString::fromLatin1(FontUpperName)};  // only the lower face is missing
  TfMainForm form(fonts, QStringLiteral("/opt/quillane"));
  form.SetArguments({});
  form.show();
  EXPECT_EQ(fonts.added, QStringList{"/opt/quillane/Vexa-Lower.fon"});
  form.close();
  form.close();
  EXPECT_EQ(fonts.removed, QStringList{"/opt/quillane/Vexa-Lower.fon"});
}

TEST(MainFormFontsTest, FontsBesideTheProgramAreRegisteredForTheRunAndRemovedAtClose) {
  const QString folder = QString::fromLatin1(QL_BIN_DIR);
  if (!QFileInfo::exists(folder + "/Vexa-Upper.fon")) GTEST_SKIP() << "fonts not built";
  ASSERT_FALSE(QFontDatabase::families().contains(QString::fromLatin1(FontUpperName)));
  QtFontPlatform platform;
  ModalAnswerer answerer(PressFirstButton);  // the failure message, should it come
  auto form = std::make_unique<TfMainForm>(platform, folder);
  form->SetArguments({});

  EXPECT_TRUE(answerer.shown.empty());
  EXPECT_EQ(form->Fonts().FontLowerState(), FontAdded);
  EXPECT_EQ(form->Fonts().FontUpperState(), FontAdded);
  EXPECT_EQ(QFontInfo(form->Delegate()->FaceFont(quillane::Charset::UpperGraphics)).family(),
            QString::fromLatin1(FontUpperName));
  EXPECT_EQ(QFontInfo(form->Delegate()->FaceFont(quillane::Charset::UpperLower)).family(),
            QString::fromLatin1(FontLowerName));

  form->show();
  form->close();
  EXPECT_FALSE(QFontDatabase::families().contains(QString::fromLatin1(FontUpperName)));
  EXPECT_FALSE(QFontDatabase::families().contains(QString::fromLatin1(FontLowerName)));
}

}  // namespace
