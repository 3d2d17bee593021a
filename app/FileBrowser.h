#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QString>

class QAbstractItemModel;
class QComboBox;
class QFileSystemModel;
class QListView;
class QStringListModel;
class QTreeView;

namespace quillane::app {

// The browser pane: a drive selector, a folder tree and a list of the folder's .d64 files,
// coupled the way a user expects. Choosing a drive moves the tree to that drive, choosing a
// folder in the tree shows its .d64 files (any letter case, nothing else), and the user's choice
// of a file in the list (a click, the arrow and page keys, typing the start of its name)
// announces its full path with FileSelected, once the highlight stands on it. Clicking the file
// that is already selected announces it again, so it can be listed anew. The list moving its
// current file on its own (on getting the focus, on a file deleted or renamed) announces nothing.
//
// The drives are the mounted volumes; the folder tree and the file list are views on the
// toolkit's file-system model. Where archives can be read, the tree also shows each archive
// file (zip, 7z, ...) as a folder, whose image members fill the file list when it is chosen,
// and the list shows .d64.gz files beside the .d64 files. Neither reads any image's contents
// to show it: icons and types come from the names alone.
class FileBrowser : public QObject {
  Q_OBJECT

 public:
  FileBrowser(QComboBox* drives, QTreeView* folders, QListView* files, QObject* parent = nullptr);

  // Selects the drive that holds the folder, makes the folder the tree's current one and shows
  // its files.
  void SetFolder(const QString& path);

  // The model behind the file list while a folder is shown.
  QFileSystemModel* FileModel() const { return file_model_; }

  // Fills the drive selector again from the mounted volumes.
  void RefreshDrives();

 signals:
  void FileSelected(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ChooseDrive(int row);
  void ShowRoot(const QString& root);
  void ShowFiles(const QString& folder);
  void SelectDriveOf(const QString& path);
  void KeepInView();
  // The file the list's row stands for: a file's path, or ARCHIVE/MEMBER; empty for a folder.
  QString PathAt(const QModelIndex& index) const;
  // Shows the model in the file list: the folder's files or the archive's members.
  void UseModel(QAbstractItemModel* model);

  QComboBox* drives_;
  QTreeView* folders_;
  QListView* files_;
  QFileSystemModel* folder_model_;
  QFileSystemModel* file_model_;
  QStringListModel* member_model_;  // the members of the archive chosen in the tree
  QString archive_;                 // that archive, or empty while a folder is shown
  QString folder_;
  QString root_;
  QString scroll_to_;  // the folder to bring into view once the model has read its parent
  QPersistentModelIndex current_at_press_;
};

}  // namespace quillane::app
