// The Qt font platform: registration, the broadcast reaching the widgets, the message box, and
// the end request that also works before the event loop starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "QtFontPlatform.h"

namespace {

TEST(QtFontPlatform, QuitRequestedBeforeTheEventLoopEndsTheLoopWhenItStarts) {
  QtFontPlatform platform;
  platform.RequestQuit();  // no event loop runs yet
  QObject watchdog;        // ends the loop with another code if the request got lost
  QTimer::singleShot(5000, &watchdog, [] { QCoreApplication::exit(7); });
  EXPECT_EQ(QApplication::exec(), 0);
}

TEST(QtFontPlatform, RegistersFontFilesAndFailsOnMissingOnes) {
  QtFontPlatform platform;
  EXPECT_EQ(platform.AddFont(QStringLiteral("/nonexistent/Vexa-Lower.fon")), 0);
  const QString path = QStringLiteral(QL_BIN_DIR "/Vexa-Upper.fon");
  EXPECT_EQ(platform.AddFont(path), 1);
  EXPECT_TRUE(platform.HasFace(QStringLiteral("vexa-dir-upper")));
  platform.RemoveFont(path);
}

class FontChangeCounter : public QObject {
 public:
  int changes = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    changes += event->type() == QEvent::ApplicationFontChange;
    return false;
  }
};

TEST(QtFontPlatform, BroadcastReachesEveryWidgetBeforeReturning) {
  QWidget window;
  QWidget child(&window);
  FontChangeCounter counter;
  window.installEventFilter(&counter);
  child.installEventFilter(&counter);
  QtFontPlatform().BroadcastFontChange();
  EXPECT_EQ(counter.changes, 2);
}

TEST(QtFontPlatform, MessageBoxHasTheTitleOneOkButtonAndNoIcon) {
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = QString("%1|%2|icon %3|%4 button")
                .arg(box->windowTitle(), box->text())
                .arg(box->icon())
                .arg(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  QtFontPlatform().ShowMessage(QStringLiteral("Fonts missing"));
  EXPECT_EQ(shown.toStdString(), "Quillane_Light|Fonts missing|icon 0|1 button");
}

}  // namespace
