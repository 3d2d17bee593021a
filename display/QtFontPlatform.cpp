#include "QtFontPlatform.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QMetaObject>
#include <QWidget>

#include "PlainMessage.h"

namespace quillane::display {

QStringList QtFontPlatform::InstalledFaces() const {
  return QFontDatabase::families();
}

int QtFontPlatform::AddFont(const QString& path) {
  // A path registered twice stays registered once; one RemoveFont undoes it.
  if (font_ids_.contains(path)) return 1;
  const int id = QFontDatabase::addApplicationFont(path);
  if (id < 0) return 0;
  font_ids_.insert(path, id);
  return 1;
}

void QtFontPlatform::RemoveFont(const QString& path) {
  const auto found = font_ids_.constFind(path);
  if (found == font_ids_.constEnd()) return;
  QFontDatabase::removeApplicationFont(found.value());
  font_ids_.erase(found);
}

void QtFontPlatform::BroadcastFontChange() {
  // Only this program can see its application fonts, so only its own widgets need telling.
  // The event makes each widget resolve its font anew against the changed font database;
  // it is sent, not posted, so every widget has handled it when this returns.
  const QWidgetList widgets = QApplication::allWidgets();
  for (QWidget* widget : widgets) {
    QEvent change(QEvent::ApplicationFontChange);
    QCoreApplication::sendEvent(widget, &change);
    widget->update();
  }
}

void QtFontPlatform::ShowMessage(const QString& text) {
  ShowPlainMessage(text);
}

void QtFontPlatform::RequestQuit() {
  // Queued, so that a request made before the event loop runs (font installation happens
  // while the main window is built) ends the program as soon as the loop starts. exit()
  // rather than quit(): the loop simply ends, without closing the windows first.
  QMetaObject::invokeMethod(
      qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace quillane::display
