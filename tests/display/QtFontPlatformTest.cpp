// The Qt font platform: registration, the broadcast reaching the widgets before it returns, and
// the end request that also works before the event loop starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "QtFontPlatform.h"

namespace {

using namespace quillane::display;

TEST(QtFontPlatform, QuitRequestedBeforeTheEventLoopEndsTheLoopWhenItStarts) {
  QtFontPlatform platform;
  platform.RequestQuit();  // no event loop runs yet
  QObject watchdog;        // ends the loop with another code if the request got lost
  QTimer::singleShot(5000, &watchdog, [] { QCoreApplication::exit(7); });
  EXPECT_EQ(QApplication::exec(), 0);
}

TEST(QtFontPlatform, RegistersFontFilesFailsOnMissingOnesAndTellsEveryWidget) {
  QtFontPlatform platform;
  EXPECT_EQ(platform.AddFont(QStringLiteral("/nonexistent/Vexa-Lower.fon")), 0);
  const QString path = QStringLiteral(QL_BIN_DIR "/Vexa-Upper.fon");
  EXPECT_EQ(platform.AddFont(path), 1);
  EXPECT_TRUE(platform.HasFace(QStringLiteral("vexa-dir-upper")));
  platform.RemoveFont(path);

  struct Counter : QObject {
    int changes = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      return changes += e->type() == QEvent::ApplicationFontChange, false;
    }
  } counter;
  QWidget window, child(&window);
  window.installEventFilter(&counter), child.installEventFilter(&counter);
  platform.BroadcastFontChange();
  EXPECT_EQ(counter.changes, 2);
}

}  // namespace
