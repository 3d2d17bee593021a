#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "PromptDialog.h"

namespace Ui {
class TfFileDialog;
}

class QCloseEvent;
class QShowEvent;

// The modal prompt that asks the user how to go on when an image is not what a plain listing
// expects. One instance per kind, built once and only hidden between showings, so each keeps
// its "Don't ask me again" box, its last answer and (kind 6) the chosen layout for the run:
//   kind 3: a directory sector is crosslinked ("List Anyway" 1 / "Abort" 2, Esc 2);
//   kind 4: the image file has an unsupported size ("OK" 1 only, Esc 1);
//   kind 6: no extended BAM layout was recognised; the radio buttons choose the layout
//           ("OK" 1 / "Cancel" 2, Esc 2).
// The title bar's close box answers 2 in every kind. No button reacts to Enter. Every showing is
// centred on the screen.
class TfFileDialog : public QDialog, public quillane::PromptDialog {
  Q_OBJECT

 public:
  TfFileDialog(QWidget* owner, int kind);
  ~TfFileDialog() override;

  int Kind() const override { return kind_; }
  void SetEdit1(const std::string& text) override;
  void SetLabel1(const std::string& text) override;
  int ShowModal() override;
  bool CheckBox1() const override;
  int ModalResult() const override { return modalResult_; }
  int DosVariant() const override { return dosVariant_; }

 public slots:
  void done(int result) override;
  void reject() override;  // the Esc key

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // the title bar's close box

 private slots:
  void RadioButton1Click();  // shared by the four radio buttons

 private:
  void FormClose(int result);

  std::unique_ptr<Ui::TfFileDialog> ui;
  int kind_;
  int escapeResult_ = quillane::kPromptStop;
  int modalResult_ = 0;
  int dosVariant_ = 1;
};
