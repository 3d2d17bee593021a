#include "WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace quillane::app {

QRect CentredClientRect(const QRect& area, QSize client, QSize least, const QMargins& frame,
                        bool fit) {
  const QSize frame_size(frame.left() + frame.right(), frame.top() + frame.bottom());
  if (fit) client = client.boundedTo(area.size() - frame_size).expandedTo(least);
  QRect outer(QPoint(), client + frame_size);
  outer.moveCenter(area.center());
  outer.moveTopLeft({std::max(outer.left(), area.left()), std::max(outer.top(), area.top())});
  return outer - frame;
}

namespace {

// The frame the window manager draws: the window's own once it has been mapped, else that of
// another window on the screen.
QMargins KnownFrame(const QWidget& window) {
  if (const QWindow* own = window.windowHandle(); own != nullptr && !own->frameMargins().isNull()) {
    return own->frameMargins();
  }
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    const QWindow* handle = other->windowHandle();
    if (other != &window && handle != nullptr && handle->isExposed()) return handle->frameMargins();
  }
  return {};
}

// Remembers how the window was placed, and places it again when it is mapped with a frame other
// than the one it was placed for.
class Centring : public QObject {
 public:
  Centring(QWidget& window, bool fit) : QObject(&window), window_(window), fit_(fit) {
    setObjectName(QStringLiteral("qt_centring"));
  }

  void Place() {
    const QScreen* screen = window_.screen();
    if (screen == nullptr) return;
    frame_ = KnownFrame(window_);
    window_.setGeometry(CentredClientRect(screen->availableGeometry(), window_.size(),
                                          window_.minimumSizeHint(), frame_, fit_));
    if (QWindow* handle = window_.windowHandle(); handle != nullptr && !watching_) {
      handle->installEventFilter(this);
      watching_ = true;
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
      const QMargins frame = window_.windowHandle()->frameMargins();
      if (frame != frame_)
        QMetaObject::invokeMethod(
            this, [this] { Place(); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget& window_;
  bool fit_;
  bool watching_ = false;
  QMargins frame_;
};

}  // namespace

void CentreOnScreen(QWidget& window, bool fit) {
  QObject* known =
      window.findChild<QObject*>(QStringLiteral("qt_centring"), Qt::FindDirectChildrenOnly);
  auto* centring = known != nullptr ? static_cast<Centring*>(known) : new Centring(window, fit);
  centring->Place();
}

}  // namespace quillane::app
