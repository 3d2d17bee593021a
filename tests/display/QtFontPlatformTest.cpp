// The Qt font platform: registration results, the broadcast reaching the widgets, the message
// box, and the end request that also works before the event loop starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "QtFontPlatform.h"

namespace {

TEST(QtFontPlatform, QuitRequestedBeforeTheEventLoopEndsTheLoopWhenItStarts) {
  QtFontPlatform platform;
  platform.RequestQuit();  // no event loop runs yet

  bool watchdogFired = false;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    watchdogFired = true;
    QCoreApplication::exit(7);
  });
  watchdog.start(5000);

  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(watchdogFired);
}

TEST(QtFontPlatform, MissingFileFailsToRegister) {
  QtFontPlatform platform;
  EXPECT_EQ(platform.AddFont(QStringLiteral("/nonexistent/Vexa-Lower.fon")), 0);
  platform.RemoveFont(QStringLiteral("/nonexistent/Vexa-Lower.fon"));  // not registered: no-op
}

TEST(QtFontPlatform, FontFileRegistersAndUnregisters) {
  const QString path = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf");
  if (!QFile::exists(path)) GTEST_SKIP() << "no font file to register";
  QtFontPlatform platform;
  EXPECT_EQ(platform.AddFont(path), 1);
  EXPECT_TRUE(platform.HasFace(QStringLiteral("dejavu sans mono")));
  platform.RemoveFont(path);
  platform.RemoveFont(path);
}

class EventRecorder : public QObject {
 public:
  int fontChanges = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ApplicationFontChange) ++fontChanges;
    return false;
  }
};

TEST(QtFontPlatform, BroadcastReachesEveryWidgetBeforeReturning) {
  QWidget window;
  QWidget child(&window);
  EventRecorder recorder;
  window.installEventFilter(&recorder);
  child.installEventFilter(&recorder);

  QtFontPlatform platform;
  platform.BroadcastFontChange();
  EXPECT_EQ(recorder.fontChanges, 2);
}

TEST(QtFontPlatform, MessageBoxHasTheTitleOneOkButtonAndNoIcon) {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::Warning;
  qsizetype buttons = -1;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->buttons().size();
    box->button(QMessageBox::Ok)->click();
  });
  QtFontPlatform platform;
  platform.ShowMessage(QStringLiteral("Fonts missing"));
  EXPECT_EQ(title, QStringLiteral("Quillane_Light"));
  EXPECT_EQ(text, QStringLiteral("Fonts missing"));
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
}

}  // namespace
