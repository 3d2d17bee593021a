#include "FileBrowser.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QListView>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

void Touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// The browser's three controls, as the main window holds them.
struct Pane {
  QWidget window;
  QComboBox* drives = new QComboBox(&window);
  QTreeView* folders = new QTreeView(&window);
  QListView* files = new QListView(&window);
  FileBrowser browser{drives, folders, files};

  Pane() {
    window.resize(300, 600);
    folders->setGeometry(0, 30, 300, 300);
    files->setGeometry(0, 330, 300, 270);
  }

  QStringList ListedFiles() {
    QStringList names;
    QFileSystemModel* model = browser.FileModel();
    const QModelIndex root = files->rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row) {
      names << model->fileName(model->index(row, 0, root));
    }
    names.sort();
    return names;
  }

  // The file model reads folders in the background.
  void WaitForFiles() {
    QSignalSpy loaded(browser.FileModel(), &QFileSystemModel::directoryLoaded);
    for (int i = 0; i < 50 && ListedFiles().isEmpty(); ++i) loaded.wait(100);
  }
};

TEST(FileBrowserTest, ListsOnlyD64FilesInAnyLetterCase) {
  QTemporaryDir dir;
  for (const char* name : {"a.d64", "B.D64", "c.D64", "d.d64.bak", "e.txt", "f"}) {
    Touch(dir.filePath(name));
  }
  QDir(dir.path()).mkdir("folder.d64");
  ASSERT_EQ(0, mkfifo(QFile::encodeName(dir.filePath("fifo.d64")).constData(), 0600));

  Pane pane;
  pane.browser.SetFolder(dir.path());
  pane.WaitForFiles();

  EXPECT_EQ(pane.ListedFiles(), (QStringList{"B.D64", "a.d64", "c.D64"}));
}

TEST(FileBrowserTest, SelectingAFileByKeyboardOrMouseAnnouncesItsFullPath) {
  QTemporaryDir dir;
  Touch(dir.filePath("one.d64"));
  Touch(dir.filePath("two.d64"));
  Pane pane;
  pane.window.show();
  pane.browser.SetFolder(dir.path());
  pane.WaitForFiles();
  QSignalSpy selected(&pane.browser, &FileBrowser::FileSelected);

  const QModelIndex one = pane.browser.FileModel()->index(dir.filePath("one.d64"));
  const QModelIndex two = pane.browser.FileModel()->index(dir.filePath("two.d64"));
  pane.files->setCurrentIndex(one);  // what the arrow keys do
  QTest::mouseClick(pane.files->viewport(), Qt::LeftButton, {},
                    pane.files->visualRect(two).center());
  // A second click on the file already selected lists it again.
  QTest::mouseClick(pane.files->viewport(), Qt::LeftButton, {},
                    pane.files->visualRect(two).center());

  ASSERT_EQ(selected.count(), 3);
  EXPECT_EQ(selected[0][0].toString(), dir.filePath("one.d64"));
  EXPECT_EQ(selected[1][0].toString(), dir.filePath("two.d64"));
  EXPECT_EQ(selected[2][0].toString(), dir.filePath("two.d64"));
}

TEST(FileBrowserTest, ChoosingAFolderInTheTreeShowsItsFiles) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("inner/deeper");
  Touch(dir.filePath("inner/deeper/x.d64"));
  Pane pane;
  pane.window.show();
  pane.browser.SetFolder(dir.path());

  const QString deeper = dir.filePath("inner/deeper");
  pane.folders->setCurrentIndex(pane.browser.FolderModel()->index(deeper));
  pane.WaitForFiles();

  EXPECT_EQ(pane.browser.Folder(), deeper);
  EXPECT_EQ(pane.ListedFiles(), QStringList{"x.d64"});
}

TEST(FileBrowserTest, StartFolderIsCurrentAndVisibleInTheTree) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("a/b/c");
  const QString target = dir.filePath("a/b/c");
  Pane pane;
  pane.window.show();
  pane.browser.SetFolder(target);
  QSignalSpy loaded(pane.browser.FolderModel(), &QFileSystemModel::directoryLoaded);
  // Reading and sorting take a few rounds of the event loop.
  for (int i = 0; i < 10; ++i) loaded.wait(100);

  const QModelIndex current = pane.folders->currentIndex();
  EXPECT_EQ(pane.browser.FolderModel()->filePath(current), target);
  EXPECT_TRUE(pane.folders->viewport()->rect().intersects(pane.folders->visualRect(current)));
}

TEST(FileBrowserTest, DriveSelectorHoldsTheVolumeOfTheFolder) {
  Pane pane;
  pane.browser.SetFolder(QDir::tempPath());
  ASSERT_GT(pane.drives->count(), 0);
  EXPECT_EQ(pane.drives->currentData().toString(), QStorageInfo(QDir::tempPath()).rootPath());
}

}  // namespace
