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

  // The listed file names, once the model has read the folder in the background.
  QStringList ListedFiles() {
    QFileSystemModel* model = browser.FileModel();
    QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
    for (int i = 0; i < 50 && model->rowCount(files->rootIndex()) == 0; ++i) loaded.wait(100);
    QStringList names;
    for (int row = 0; row < model->rowCount(files->rootIndex()); ++row) {
      names << model->fileName(model->index(row, 0, files->rootIndex()));
    }
    names.sort();
    return names;
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
  EXPECT_EQ(pane.ListedFiles(), (QStringList{"B.D64", "a.d64", "c.D64"}));
}

TEST(FileBrowserTest, FolderChosenInTheTreeShowsItsFiles) {
  QTemporaryDir dir;
  const QString deeper = dir.filePath("inner/deeper");
  QDir(dir.path()).mkpath("inner/deeper");
  Touch(deeper + "/x.d64");
  Pane pane;
  pane.window.show();
  pane.browser.SetFolder(dir.path());
  pane.folders->setCurrentIndex(pane.browser.FolderModel()->index(deeper));
  EXPECT_EQ(pane.browser.Folder(), deeper);
  EXPECT_EQ(pane.ListedFiles(), QStringList{"x.d64"});
}

TEST(FileBrowserTest, DriveSelectorHoldsTheVolumeOfTheFolder) {
  Pane pane;
  pane.browser.SetFolder(QDir::tempPath());
  ASSERT_GT(pane.drives->count(), 0);
  EXPECT_EQ(pane.drives->currentData().toString(), QStorageInfo(QDir::tempPath()).rootPath());
}

}  // namespace
