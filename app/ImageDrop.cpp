#include "ImageDrop.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <string>
#include <utility>

#include "CommandLineImage.h"

namespace quillane::app {

ImageDrop::ImageDrop(QWidget* window, std::function<void(const QString&)> list)
    : QObject(window), list_(std::move(list)) {
  window->setAcceptDrops(true);
  window->installEventFilter(this);
}

QString ImageDrop::DroppedImage(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  const QUrl first = data->urls().constFirst();
  // The rule of the command line, as if the file had been named as the first argument. The
  // path stays the one dropped; only the test sees it as the system's bytes.
  if (!first.isLocalFile()) return {};
  const QString path = first.toLocalFile();
  return CommandLineImage({std::string(), QFile::encodeName(path).toStdString()}).empty()
             ? QString()
             : path;
}

bool ImageDrop::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString image = DroppedImage(drop->mimeData());
      if (image.isEmpty()) {
        drop->ignore();
        return true;
      }
      drop->acceptProposedAction();
      // Listed once the drop is over, so that the file manager is not kept waiting while a
      // prompt about the image is open.
      if (event->type() == QEvent::Drop) {
        QMetaObject::invokeMethod(
            this, [this, image] { list_(image); }, Qt::QueuedConnection);
      }
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace quillane::app
