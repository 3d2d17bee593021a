#pragma once

// Drives a modal dialog from a test: the actions run once the dialog's own event loop is
// running, as the user's keys and clicks would. A watchdog hides a dialog that the actions
// left open, so a wrong answer fails the test instead of hanging it.
#include <QApplication>
#include <QPointer>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <ostream>

// Lets GoogleTest print texts in its failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

struct ModalDriver {
  bool timedOut = false;

  template <typename ShowFn>
  int Run(QWidget* dialog, const std::function<void()>& whileShown, ShowFn show) {
    // The window system makes a newly shown dialog the active window; wait for that, so that
    // keys go where the keyboard focus is.
    QTimer::singleShot(0, dialog, [dialog, whileShown] {
      dialog->activateWindow();
      if (QTest::qWaitForWindowActive(dialog, 1000)) whileShown();
    });
    QPointer<QWidget> guarded(dialog);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [this, guarded] {
      timedOut = true;
      if (guarded) guarded->hide();
    });
    watchdog.start(3000);
    return show();
  }
};

// The widget that has the keyboard focus, or the dialog when nothing has.
inline QWidget* FocusIn(QWidget* dialog) {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus : dialog;
}

inline void PressKey(QWidget* dialog, Qt::Key key) {
  QTest::keyClick(FocusIn(dialog), key);
}

// The title bar's close box: a close request from the window system.
inline void CloseBox(QWidget* dialog) {
  dialog->windowHandle()->close();
}
