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
  QtFontPlatform().ShowMessage(QStringLiteral("Fonts missing"));
  EXPECT_EQ(title, QStringLiteral("Quillane_Light"));
  EXPECT_EQ(text, QStringLiteral("Fonts missing"));
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
}

}  // namespace
