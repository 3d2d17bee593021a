#include "FileBrowser.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QStorageInfo>
#include <QStringListModel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "DialogLook.h"
#ifdef QL_WITH_ARCHIVES
#include "ArchiveMembers.h"
#include "ArchiveNames.h"
#endif

namespace quillane::app {

namespace {

// Row heights of the folder tree and the file list at 96 dots per inch.
constexpr int kFolderRowHeight = 16;
constexpr int kFileRowHeight = 13;

// Draws the rows of a browser view at their designed height, scaled with the text; the file
// list shows its names without icons, as a plain list of names.
class RowHeightDelegate : public QStyledItemDelegate {
 public:
  RowHeightDelegate(QWidget* view, int height, bool icons)
      : QStyledItemDelegate(view), height_(qRound(height * DesignScale(*view))), icons_(icons) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    // No width of its own: rows span the view, and a name too long for it is cut with "...".
    return {icons_ ? QStyledItemDelegate::sizeHint(option, index).width() : 0, height_};
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!icons_) option->features &= ~QStyleOptionViewItem::HasDecoration;
    option->decorationSize = option->decorationSize.boundedTo(QSize(height_, height_));
  }

 private:
  int height_;
  bool icons_;
};

// Icons and types by name and file kind alone. The toolkit's own provider asks the MIME database,
// which opens every file and reads its start to guess its type; over a folder of thousands of
// images that is thousands of opens for icons the file list never draws.
class NameOnlyIcons : public QFileIconProvider {
 public:
  QIcon icon(const QFileInfo& info) const override {
    if (info.isDir() || IsArchive(info)) return icon(QAbstractFileIconProvider::Folder);
    return icon(QAbstractFileIconProvider::File);
  }
  QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
  QString type(const QFileInfo& info) const override {
    return info.isDir() ? QStringLiteral("Folder") : QStringLiteral("File");
  }

  // One for every model: a model does not own its provider, and reads it from its gathering
  // thread for as long as it lives.
  static NameOnlyIcons& Shared() {
    static NameOnlyIcons icons;
    return icons;
  }

  static bool IsArchive(const QFileInfo& info) {
#ifdef QL_WITH_ARCHIVES
    return info.isFile() &&
           quillane::archive::IsArchiveName(QFile::encodeName(info.fileName()).toStdString());
#else
    (void)info;
    return false;
#endif
  }
};

// Archive files shown in the folder tree, as the name patterns of the file-system model.
#ifdef QL_WITH_ARCHIVES
const QStringList kArchivePatterns{"*.zip", "*.7z",      "*.rar",  "*.tar",     "*.tar.gz",
                                   "*.tgz", "*.tbz",     "*.tbz2", "*.tar.bz2", "*.tar.xz",
                                   "*.txz", "*.tar.zst", "*.tzst", "*.tar.lz",  "*.tar.lzma"};
#endif

}  // namespace

FileBrowser::FileBrowser(QComboBox* drives, QTreeView* folders, QListView* files, QObject* parent)
    : QObject(parent),
      drives_(drives),
      folders_(folders),
      files_(files),
      folder_model_(new QFileSystemModel(this)),
      file_model_(new QFileSystemModel(this)),
      member_model_(new QStringListModel(this)) {
  // Folders only in the tree; hidden folders stay hidden, as in a file manager.
  folder_model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
#ifdef QL_WITH_ARCHIVES
  // Archive files too, as folders of their images (folders pass the name patterns anyway).
  folder_model_->setIconProvider(&NameOnlyIcons::Shared());
  folder_model_->setFilter(folder_model_->filter() | QDir::Files);
  folder_model_->setNameFilters(kArchivePatterns);
  folder_model_->setNameFilterDisables(false);
#endif
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
  file_model_->setIconProvider(&NameOnlyIcons::Shared());
  file_model_->setNameFilters({QStringLiteral("*.d64")});
#ifdef QL_WITH_ARCHIVES
  file_model_->setNameFilters({QStringLiteral("*.d64"), QStringLiteral("*.d64.gz")});
#endif
  file_model_->setNameFilterDisables(false);
  files_->setModel(file_model_);
  // A listing starts only from the user's own choice in the list: a click, the arrow and
  // page keys, or typing the start of a name. The list also moves its current file on its own
  // (when it gets the focus, or when the listed file is deleted or renamed on disk); that lists
  // nothing.
  files_->installEventFilter(this);
  files_->viewport()->installEventFilter(this);

  // Rows as high as the layout says; long names are cut with "..." rather than scrolled.
  folders_->setItemDelegate(new RowHeightDelegate(folders_, kFolderRowHeight, true));
  files_->setItemDelegate(new RowHeightDelegate(files_, kFileRowHeight, false));
  files_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  files_->setTextElideMode(Qt::ElideRight);

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
  RefreshDrives();
}

bool FileBrowser::eventFilter(QObject* watched, QEvent* event) {
  const bool key = watched == files_ && event->type() == QEvent::KeyPress;
  const bool press = watched == files_->viewport() && event->type() == QEvent::MouseButtonPress;
  const bool release = watched == files_->viewport() &&
                       event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  if (press) current_at_press_ = files_->currentIndex();
  if (key || release) {
    // The list handles the event after this filter; what it made current is looked at then,
    // when the highlight already stands on the new file.
    const QPersistentModelIndex before =
        key ? QPersistentModelIndex(files_->currentIndex()) : current_at_press_;
    const QPersistentModelIndex under =
        release ? files_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint())
                : QModelIndex();
    QMetaObject::invokeMethod(
        this,
        [this, before, under] {
          const QModelIndex now = files_->currentIndex();
          const QString path = PathAt(now);
          if (path.isEmpty()) return;
          // A click on the current file lists it again.
          if (now != before || now == under) emit FileSelected(path);
        },
        Qt::QueuedConnection);
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

void FileBrowser::UseModel(QAbstractItemModel* model) {
  if (files_->model() == model) return;
  // The view makes a selection model for the new model and leaves the old one to its owner.
  QItemSelectionModel* old = files_->selectionModel();
  files_->setModel(model);
  delete old;
}

QString FileBrowser::PathAt(const QModelIndex& index) const {
  if (!index.isValid()) return {};
  if (index.model() == member_model_) return archive_ + "/" + index.data().toString();
  return file_model_->isDir(index) ? QString() : file_model_->filePath(index);
}

void FileBrowser::ShowFiles(const QString& folder) {
  if (folder == folder_) return;
  folder_ = folder;
  files_->selectionModel()->clear();
  QStringList members;
#ifdef QL_WITH_ARCHIVES
  std::vector<std::string> names;
  const QFileInfo info(folder);
  if (NameOnlyIcons::IsArchive(info)) {
    // A damaged archive shows the members before the damage.
    quillane::archive::ImageMemberNames(QFile::encodeName(folder).toStdString(), &names);
    for (const std::string& name : names) members << QFile::decodeName(name.c_str());
    archive_ = folder;
    member_model_->setStringList(members);
    UseModel(member_model_);
    return;
  }
#endif
  archive_.clear();
  UseModel(file_model_);
  files_->setRootIndex(file_model_->setRootPath(folder));
}

}  // namespace quillane::app
