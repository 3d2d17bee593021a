// The window's file list over a folder of many images (the folder given as the one argument),
// against a bare QListView over a QFileSystemModel with the same filter, alternating the two,
// five times each:
// - sorted: the time from showing the folder until its rows are in, sorted;
// - page down: one PageDown key in the list, the repaint included (the mean of kPages, from the
//   top);
// - type-ahead: typing a file's name up to its extension, until it is the current file (the
//   mean of kSearches names spread over the list); "missed" when a name was not reached.
// With "browser" after the folder, only the file browser, once: run so under strace to see
// that it opens no image file (the bare list's model opens them all to guess their types):
//   strace -f -e trace=open,openat -o trace folder_list_timing FOLDER browser
//   grep -c '\.d64"' trace
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QListView>
#include <QTest>
#include <QTreeView>
#include <cstdio>
#include <string_view>

#include "FileBrowser.h"

namespace {

using namespace quillane::app;

constexpr int kPages = 100;
constexpr int kSearches = 8;

// Waits until the model shows count rows under root, the first one the least name.
qint64 UntilSorted(QFileSystemModel* model, const QModelIndex& root, int count,
                   const QString& first, const QElapsedTimer& clock) {
  while (model->rowCount(root) < count || model->index(0, 0, root).data().toString() != first) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  return clock.nsecsElapsed() / 1000;
}

// PageDown from the top, then type-ahead, in a shown list whose rows are all in.
void TimeKeys(const char* what, QListView& view, const QStringList& names) {
  view.setCurrentIndex(view.model()->index(0, 0, view.rootIndex()));
  QApplication::processEvents();
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < kPages; ++i) {
    QTest::keyClick(&view, Qt::Key_PageDown);
    QApplication::processEvents();
  }
  const qint64 page_us = clock.nsecsElapsed() / 1000 / kPages;
  bool reached = view.currentIndex().row() > 0;
  qint64 typing_us = 0;
  for (int k = 0; k < kSearches; ++k) {
    // Past the keyboard's input interval, so each name is a search of its own.
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    const QString& name = names[(2 * k + 1) * names.size() / (2 * kSearches)];
    clock.restart();
    QTest::keyClicks(&view, name.left(name.lastIndexOf('.')));
    QApplication::processEvents();
    typing_us += clock.nsecsElapsed() / 1000;
    reached = reached && view.currentIndex().data().toString() == name;
  }
  std::printf("%s  page down %6lld us  type-ahead %6lld us%s\n", what,
              static_cast<long long>(page_us), static_cast<long long>(typing_us / kSearches),
              reached ? "" : "  missed");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool browser_only = argc == 3 && std::string_view(argv[2]) == "browser";
  if (argc != 2 && !browser_only) {
    std::fprintf(stderr, "usage: folder_list_timing FOLDER [browser]\n");
    return 1;
  }
  const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  QStringList names = QDir(folder).entryList({"*.d64"}, QDir::Files, QDir::Name);
  names.sort();
  const int count = int(names.size());
  if (count == 0) {
    std::fprintf(stderr, "folder_list_timing: no .d64 file in the folder\n");
    return 1;
  }
  for (int round = 0; round < (browser_only ? 1 : 5); ++round) {
    if (!browser_only) {
      QElapsedTimer clock;
      clock.start();
      QFileSystemModel model;
      model.setFilter(QDir::Files);
      model.setNameFilters({"*.d64"});
      model.setNameFilterDisables(false);
      QListView view;
      view.resize(240, 320);
      view.setModel(&model);
      view.setRootIndex(model.setRootPath(folder));
      view.show();
      const qint64 us = UntilSorted(&model, view.rootIndex(), count, names.first(), clock);
      std::printf("bare QListView  sorted %8lld us\n", static_cast<long long>(us));
      TimeKeys("bare QListView ", view, names);
    }
    {
      QElapsedTimer clock;
      clock.start();
      QComboBox drives;
      QTreeView folders;
      QListView files;
      files.resize(240, 320);
      FileBrowser browser(&drives, &folders, &files);
      browser.SetFolder(folder);
      files.show();
      const qint64 us =
          UntilSorted(browser.FileModel(), files.rootIndex(), count, names.first(), clock);
      std::printf("file browser    sorted %8lld us\n", static_cast<long long>(us));
      TimeKeys("file browser   ", files, names);
    }
  }
  return 0;
}
