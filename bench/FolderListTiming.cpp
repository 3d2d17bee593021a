// The window's file list over a folder of many images (the folder given as the one argument),
// against a bare QListView over a QFileSystemModel with the same filter: the time from showing
// the folder until its rows are in, sorted, alternating the two, five times each. Run it under
// strace to see that no image file is opened:
//   strace -f -e trace=openat -o trace folder_list_timing FOLDER; grep -c '\.d64"' trace
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QListView>
#include <QTreeView>
#include <cstdio>

#include "FileBrowser.h"

namespace {

using namespace quillane::app;

// Waits until the model shows count rows under root, the first one the least name.
qint64 UntilSorted(QFileSystemModel* model, const QModelIndex& root, int count,
                   const QString& first, const QElapsedTimer& clock) {
  while (model->rowCount(root) < count || model->index(0, 0, root).data().toString() != first) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  return clock.nsecsElapsed() / 1000;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: folder_list_timing FOLDER\n");
    return 1;
  }
  const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  QStringList names = QDir(folder).entryList({"*.d64"}, QDir::Files, QDir::Name);
  names.sort();
  const int count = int(names.size());
  for (int round = 0; round < 5; ++round) {
    {
      QElapsedTimer clock;
      clock.start();
      QFileSystemModel model;
      model.setFilter(QDir::Files);
      model.setNameFilters({"*.d64"});
      model.setNameFilterDisables(false);
      QListView view;
      view.setModel(&model);
      view.setRootIndex(model.setRootPath(folder));
      view.show();
      const qint64 us = UntilSorted(&model, view.rootIndex(), count, names.first(), clock);
      std::printf("bare QListView  %8lld us\n", static_cast<long long>(us));
    }
    {
      QElapsedTimer clock;
      clock.start();
      QComboBox drives;
      QTreeView folders;
      QListView files;
      FileBrowser browser(&drives, &folders, &files);
      browser.SetFolder(folder);
      files.show();
      const qint64 us =
          UntilSorted(browser.FileModel(), files.rootIndex(), count, names.first(), clock);
      std::printf("file browser    %8lld us\n", static_cast<long long>(us));
    }
  }
  return 0;
}
