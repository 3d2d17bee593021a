#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfAbout;
}

class QCloseEvent;
class QShowEvent;

namespace quillane::app {

// The "Info" box: the program's name and edition, build date, picture, maker and addresses.
// Built once, hidden between showings; its contents never change. OKButton is both the Enter
// and the Esc button and has the focus whenever the box opens; the close box closes it too. Every
// showing is centred on the screen.
class TfAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TfAbout(QWidget* owner);
  ~TfAbout() override;

 public slots:
  void reject() override;  // the Esc key: the same as OKButton

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<Ui::TfAbout> ui_;
};

}  // namespace quillane::app
