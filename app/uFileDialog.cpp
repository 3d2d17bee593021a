#include "uFileDialog.h"

#include <QCloseEvent>
#include <QPalette>
#include <QRadioButton>

#include "DialogLook.h"
#include "PromptKinds.h"
#include "WindowPlacement.h"
#include "ui_uFileDialog.h"

namespace quillane::app {

using quillane::Question;

TfFileDialog::TfFileDialog(QWidget* owner, Question kind)
    : QDialog(owner), ui_(std::make_unique<Ui::TfFileDialog>()), kind_(kind) {
  ui_->setupUi(this);
  ApplyDialogLook(*this);

  QPalette editPalette = ui_->Edit1->palette();
  editPalette.setColor(QPalette::Base, editPalette.color(QPalette::Button));
  ui_->Edit1->setPalette(editPalette);

  // The two middle button places stay empty in every kind; the others keep their places.
  ui_->Button2->hide();
  ui_->Button3->hide();

  const PromptKind& look = PromptKindOf(kind);
  setWindowTitle(QString::fromLatin1(look.caption));
  ui_->Button1->setText(QString::fromLatin1(look.button1));
  if (look.button4 != nullptr) {
    ui_->Button4->setText(QString::fromLatin1(look.button4));
  } else {
    ui_->Button4->hide();
  }
  escape_result_ = look.escape_result;  // kind 4: Esc works as "OK"
  const bool radioButtons = look.layout_buttons;
  const std::string_view message = quillane::FixedMessage(kind);
  ui_->Label1->setText(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));

  ui_->CheckBox1->setText(QString::fromLatin1(kPromptDontAskCaption));
  const std::array<QRadioButton*, kLayoutButtons.size()> layoutButtons = {
      ui_->RadioButton1, ui_->RadioButton2, ui_->RadioButton3, ui_->RadioButton4};
  for (std::size_t i = 0; i < layoutButtons.size(); ++i) {
    layoutButtons[i]->setText(QString::fromLatin1(kLayoutButtons[i].caption));
    layoutButtons[i]->setVisible(radioButtons);
    connect(layoutButtons[i], &QRadioButton::toggled, this, &TfFileDialog::RadioButton1Click);
  }
  dos_variant_ = quillane::GeometryMode::Original;

  connect(ui_->Button1, &QPushButton::clicked, this, [this] { done(kGoOn); });
  connect(ui_->Button4, &QPushButton::clicked, this, [this] { done(kStop); });

  setFixedSize(kPromptClientWidth, radioButtons ? kLayoutPromptClientHeight : kPromptClientHeight);
  ScaleDesignedSizes(*this, DesignScale(*this));
}

TfFileDialog::~TfFileDialog() = default;

void TfFileDialog::SetEdit1(const std::string& text) {
  ui_->Edit1->setText(QString::fromStdString(text));
}

void TfFileDialog::SetLabel1(const std::string& text) {
  ui_->Label1->setText(QString::fromStdString(text));
}

bool TfFileDialog::CheckBox1() const {
  return ui_->CheckBox1->isChecked();
}

int TfFileDialog::ShowModal() {
  modal_result_ = 0;
  exec();
  // A showing that ended without an answer (the window hidden from outside, the event loop
  // told to end) counts as "stop".
  if (modal_result_ == 0) FormClose(kStop);
  return modal_result_;
}

void TfFileDialog::done(int result) {
  FormClose(result == kGoOn ? kGoOn : kStop);
  QDialog::done(modal_result_);
}

void TfFileDialog::reject() {
  done(escape_result_);
}

void TfFileDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
  ui_->CheckBox1->setFocus(Qt::OtherFocusReason);
}

void TfFileDialog::closeEvent(QCloseEvent* event) {
  // QDialog would route the close box through reject(), which is the Esc answer; the close
  // box answers 2 in every kind.
  if (isVisible()) done(kStop);
  event->accept();
}

void TfFileDialog::RadioButton1Click() {
  const std::array<QRadioButton*, kLayoutButtons.size()> buttons = {
      ui_->RadioButton1, ui_->RadioButton2, ui_->RadioButton3, ui_->RadioButton4};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i]->isChecked()) dos_variant_ = kLayoutButtons[i].layout;
  }
}

// Runs at the end of every showing: a "stop" answer unticks "Don't ask me again", so a ticked
// box always remembers a "go on".
void TfFileDialog::FormClose(int result) {
  modal_result_ = result;
  if (result == kStop) ui_->CheckBox1->setChecked(false);
}

quillane::Answer TfFileDialog::Ask(const std::string& file_name, const std::string& message) {
  SetEdit1(file_name);
  SetLabel1(message);
  const bool goOn = ShowModal() == kGoOn;
  return {goOn, CheckBox1(), dos_variant_};
}

TfFileDialog* PromptWindows::Window(Question question) {
  TfFileDialog*& window = windows_[quillane::QuestionSlot(question)];
  if (window == nullptr) window = new TfFileDialog(owner_, question);
  return window;
}

quillane::Answer PromptWindows::Ask(Question question, const std::string& file_name,
                                    const std::string& message) {
  return Window(question)->Ask(file_name, message);
}

}  // namespace quillane::app
