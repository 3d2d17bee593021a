#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>

#include "PromptAnswerer.h"
#include "PromptKinds.h"

namespace Ui {
class TfFileDialog;
}

class QCloseEvent;
class QShowEvent;

namespace quillane::app {

// The modal prompt that asks the user how to go on when an image is not what a plain listing
// expects. One instance per kind, built once and only hidden between showings, so each keeps
// its "Don't ask me again" box, its last answer and (kind 6) the chosen layout for the run:
//   kind 3: a directory sector is crosslinked ("List Anyway" 1 / "Abort" 2, Esc 2);
//   kind 4: the image file has an unsupported size ("OK" 1 only, Esc 1);
//   kind 6: no extended BAM layout was recognised; the radio buttons choose the layout
//           ("OK" 1 / "Cancel" 2, Esc 2).
// The title bar's close box answers 2 in every kind. No button reacts to Enter. Every showing is
// centred on the screen.
class TfFileDialog : public QDialog {
  Q_OBJECT

 public:
  // Result codes of a showing.
  static constexpr int kGoOn = kPromptGoOn;
  static constexpr int kStop = kPromptStop;

  TfFileDialog(QWidget* owner, quillane::Question kind);
  ~TfFileDialog() override;

  quillane::Question Kind() const { return kind_; }
  void SetEdit1(const std::string& text);   // the file-name line
  void SetLabel1(const std::string& text);  // the message line
  int ShowModal();                          // 1 or 2, also left in ModalResult
  bool CheckBox1() const;
  int ModalResult() const { return modal_result_; }  // 0 while a showing has no answer yet
  // The layout choice of kind 6.
  quillane::GeometryMode DosVariant() const { return dos_variant_; }

  // One showing with the texts written first, as the user answered it.
  quillane::Answer Ask(const std::string& file_name, const std::string& message);

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

  std::unique_ptr<Ui::TfFileDialog> ui_;
  quillane::Question kind_;
  int escape_result_ = kStop;
  int modal_result_ = 0;
  quillane::GeometryMode dos_variant_ = quillane::GeometryMode::Original;
};

// The questions of a listing put to the user with the three prompt windows, one per kind. Each
// window is built on its first use and then kept, hidden between showings, until its owner
// goes.
class PromptWindows final : public quillane::PromptAnswerer {
 public:
  explicit PromptWindows(QWidget* owner) : owner_(owner) {}
  TfFileDialog* Window(quillane::Question question);
  quillane::Answer Ask(quillane::Question question, const std::string& file_name,
                       const std::string& message) override;

 private:
  QWidget* owner_;
  std::array<TfFileDialog*, quillane::kQuestionCount> windows_{};  // by QuestionSlot
};

}  // namespace quillane::app
