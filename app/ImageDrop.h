#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace quillane::app {

// Lets a window take a disk image dropped on it from a file manager. The first dropped file is
// taken under the rules of the command line (an existing file with the extension ".D64" in any
// letter case) and handed to `list`; the window refuses anything else, so the pointer shows
// that it cannot be dropped there.
//
//   new ImageDrop(window, [window](const QString& path) { window->FileListBox1Click(path); });
class ImageDrop : public QObject {
  Q_OBJECT

 public:
  ImageDrop(QWidget* window, std::function<void(const QString&)> list);

  // The image a drag carries, or an empty string.
  static QString DroppedImage(const QMimeData* data);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const QString&)> list_;
};

}  // namespace quillane::app
