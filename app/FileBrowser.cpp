#include "FileBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

FileBrowser::FileBrowser(QComboBox* drives, QTreeView* folders, QListView* files, QObject* parent)
    : QObject(parent),
      drives_(drives),
      folders_(folders),
      files_(files),
      folder_model_(new QFileSystemModel(this)),
      file_model_(new QFileSystemModel(this)) {
  // Folders only in the tree; hidden folders stay hidden, as in a file manager.
  folder_model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folder_model_->setRootPath(QDir::rootPath());
  folders_->setModel(folder_model_);
  for (int column = 1; column < folder_model_->columnCount(); ++column) {
    folders_->hideColumn(column);
  }
  folders_->header()->hide();

  // Regular files named *.d64 in any letter case (the name filter ignores case unless told
  // otherwise); the others are left out rather than greyed. Without QDir::System, FIFOs,
  // sockets and devices never show up.
  file_model_->setFilter(QDir::Files);
  file_model_->setNameFilters({QStringLiteral("*.d64")});
  file_model_->setNameFilterDisables(false);
  files_->setModel(file_model_);
  files_->viewport()->installEventFilter(this);

  // The model reads folders in the background and sorts what it read a moment later, so the
  // start folder is brought into view again after each of those steps, for a short while.
  connect(folder_model_, &QFileSystemModel::directoryLoaded, this, &FileBrowser::KeepInView);
  connect(folder_model_, &QAbstractItemModel::layoutChanged, this, &FileBrowser::KeepInView);
  connect(drives_, &QComboBox::activated, this, &FileBrowser::ChooseDrive);
  connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid()) return;
            const QString folder = folder_model_->filePath(current);
            if (folder != scroll_to_) scroll_to_.clear();  // the user has moved on
            ShowFiles(folder);
          });
  connect(files_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid() && !file_model_->isDir(current)) {
              emit FileSelected(file_model_->filePath(current));
            }
          });
  connect(files_, &QListView::clicked, this, [this](const QModelIndex& index) {
    if (index.isValid() && index == current_at_press_ && !file_model_->isDir(index)) {
      emit FileSelected(file_model_->filePath(index));
    }
  });

  RefreshDrives();
}

bool FileBrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == files_->viewport() && event->type() == QEvent::MouseButtonPress) {
    current_at_press_ = files_->currentIndex();
  }
  return QObject::eventFilter(watched, event);
}

void FileBrowser::RefreshDrives() {
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    // Read-only package images (snaps) are mounted by the dozen and hold no disk images.
    if (volume.isValid() && volume.isReady() && volume.fileSystemType() != "squashfs") {
      roots << volume.rootPath();
    }
  }
  std::sort(roots.begin(), roots.end());
  roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
  drives_->clear();
  for (const QString& root : roots) drives_->addItem(QDir::toNativeSeparators(root), root);
  if (!folder_.isEmpty()) SelectDriveOf(folder_);
}

void FileBrowser::SelectDriveOf(const QString& path) {
  QString root = QStorageInfo(path).rootPath();
  if (root.isEmpty()) root = QDir::rootPath();
  int row = drives_->findData(root);
  if (row < 0) {
    drives_->addItem(QDir::toNativeSeparators(root), root);
    row = drives_->count() - 1;
  }
  drives_->setCurrentIndex(row);
  ShowRoot(root);
}

void FileBrowser::ChooseDrive(int row) {
  const QString root = drives_->itemData(row).toString();
  if (root.isEmpty()) return;
  ShowRoot(root);
  ShowFiles(root);
  folders_->setCurrentIndex(folder_model_->index(root));
}

// The tree shows the drive's folders. The file-system root is shown as the tree's one top
// item; another volume's own folder is reached through the drive selector.
void FileBrowser::ShowRoot(const QString& root) {
  if (root == root_) return;
  root_ = root;
  folders_->setRootIndex(root == QDir::rootPath() ? QModelIndex() : folder_model_->index(root));
}

void FileBrowser::SetFolder(const QString& path) {
  const QString folder = QDir(path).absolutePath();
  SelectDriveOf(folder);
  const QModelIndex index = folder_model_->index(folder);
  folders_->setCurrentIndex(index);
  // The model reads folders in the background; open the way down to the folder now and bring
  // it into view again once its parent has been read.
  for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) folders_->expand(up);
  folders_->scrollTo(index);
  scroll_to_ = folder;
  QTimer::singleShot(3000, this, [this] { scroll_to_.clear(); });
  ShowFiles(folder);
}

void FileBrowser::KeepInView() {
  if (scroll_to_.isEmpty()) return;
  folders_->scrollTo(folder_model_->index(scroll_to_), QAbstractItemView::PositionAtCenter);
}

void FileBrowser::ShowFiles(const QString& folder) {
  if (folder == folder_) return;
  folder_ = folder;
  files_->selectionModel()->clear();
  files_->setRootIndex(file_model_->setRootPath(folder));
}
