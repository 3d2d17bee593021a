#include "FileBrowser.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

TEST(FileBrowserTest, ListsOnlyD64FilesInAnyLetterCase) {
  QTemporaryDir dir;
  for (const char* name : {"a.d64", "B.D64", "c.D64", "d.d64.bak", "e.txt", "f"}) {
    QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
  }
  QDir(dir.path()).mkdir("folder.d64");
  ASSERT_EQ(0, mkfifo(QFile::encodeName(dir.filePath("fifo.d64")).constData(), 0600));
  QWidget window;
  auto* files = new QListView(&window);
  FileBrowser browser(new QComboBox(&window), new QTreeView(&window), files);
  browser.SetFolder(dir.path());
  QFileSystemModel* model = browser.FileModel();
  ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(files->rootIndex()) >= 3; }));
  QTest::qWait(50);
  QStringList names;
  for (int row = 0; row < model->rowCount(files->rootIndex()); ++row) {
    names << model->index(row, 0, files->rootIndex()).data().toString();
  }
  names.sort();
  EXPECT_EQ(names, (QStringList{"B.D64", "a.d64", "c.D64"}));
}

}  // namespace
