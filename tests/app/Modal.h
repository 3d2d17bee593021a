#pragma once

// Test helpers for the windows. Answers modal windows as a user would: once one is up and active,
// `answer` gets it and is expected to close it. A window left open for three seconds is hidden
// and fails the test, so a wrong answer fails instead of hanging.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <vector>

#include "FontPlatform.h"

class ModalAnswerer {
 public:
  explicit ModalAnswerer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != nullptr && modal == last_ && since_.elapsed() > 3000) {
        modal->hide();
        ADD_FAILURE() << "a modal window was left open";
      }
      if (modal == nullptr || modal == last_) return;
      last_ = modal;
      since_.start();
      shown.push_back(modal);
      modal->activateWindow();  // keys go where the keyboard focus is
      if (QTest::qWaitForWindowActive(modal, 1000)) answer_(modal);
      if (!modal->isVisible()) last_ = nullptr;
    });
    timer_.start(10);
  }
  std::vector<QWidget*> shown;  // each showing, in order

 private:
  std::function<void(QWidget*)> answer_;
  QTimer timer_;
  QWidget* last_ = nullptr;
  QElapsedTimer since_;
};

// A key pressed where the keyboard focus is.
inline void PressKey(QWidget* window, Qt::Key key) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr ? focus : window, key);
}

// The window's font calls, recorded; `installed` names the faces the system already has.
struct StubFonts : quillane::display::FontPlatform {
  explicit StubFonts(QStringList faces) : installed(std::move(faces)) {}
  QStringList installed, added, removed;
  QStringList InstalledFaces() const override { return installed; }
  int AddFont(const QString& path) override { return added << path, 1; }
  void RemoveFont(const QString& path) override { removed << path; }
  void BroadcastFontChange() override {}
  void ShowMessage(const QString&) override {}
  void RequestQuit() override {}
};
