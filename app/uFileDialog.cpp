#include "uFileDialog.h"

#include <QCloseEvent>
#include <QPalette>
#include <QRadioButton>

#include "DialogLook.h"
#include "WindowPlacement.h"
#include "ui_uFileDialog.h"

namespace {

// Client height of kind 6: the middle band grows from 25 to 96 pixels so that it holds the
// message line and the four layout buttons (the last ends at 93).
constexpr int kExtBamClientHeight = 192;

}  // namespace

TfFileDialog::TfFileDialog(QWidget* owner, int kind)
    : QDialog(owner), ui(std::make_unique<Ui::TfFileDialog>()), kind_(kind) {
  ui->setupUi(this);
  ApplyDialogLook(*this);

  QPalette editPalette = ui->Edit1->palette();
  editPalette.setColor(QPalette::Base, editPalette.color(QPalette::Button));
  ui->Edit1->setPalette(editPalette);

  // The two middle button places stay empty in every kind; the others keep their places.
  ui->Button2->hide();
  ui->Button3->hide();

  bool radioButtons = false;
  switch (kind) {
    case quillane::kCrosslinkPrompt:
      setWindowTitle(QStringLiteral("Crosslinked Entry..."));
      ui->Button1->setText(QStringLiteral("List Anyway"));
      ui->Button4->setText(QStringLiteral("Abort"));
      break;
    case quillane::kFilesizePrompt:
      setWindowTitle(QStringLiteral("Unsupported Filesize..."));
      ui->Label1->setText(QStringLiteral("Unsupported Filesize..."));
      ui->Button1->setText(QStringLiteral("OK"));
      ui->Button4->hide();
      escapeResult_ = quillane::kPromptGoOn;  // Esc works as "OK" here
      break;
    case quillane::kExtBamPrompt:
      setWindowTitle(QStringLiteral("Extended BAM could not be detected..."));
      ui->Label1->setText(
          QStringLiteral("The Extended BAM could not be detected. Handle this Image as:"));
      ui->Button1->setText(QStringLiteral("OK"));
      ui->Button4->setText(QStringLiteral("Cancel"));
      radioButtons = true;
      break;
    default:  // no other kind is built; it keeps the designed form
      break;
  }

  for (QRadioButton* button :
       {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4}) {
    button->setVisible(radioButtons);
    connect(button, &QRadioButton::toggled, this, &TfFileDialog::RadioButton1Click);
  }
  dosVariant_ = 1;

  connect(ui->Button1, &QPushButton::clicked, this, [this] { done(quillane::kPromptGoOn); });
  connect(ui->Button4, &QPushButton::clicked, this, [this] { done(quillane::kPromptStop); });

  setFixedSize(391, radioButtons ? kExtBamClientHeight : 121);
  ScaleDesignedSizes(*this, DesignScale(*this));
}

TfFileDialog::~TfFileDialog() = default;

void TfFileDialog::SetEdit1(const std::string& text) {
  ui->Edit1->setText(QString::fromStdString(text));
}

void TfFileDialog::SetLabel1(const std::string& text) {
  ui->Label1->setText(QString::fromStdString(text));
}

bool TfFileDialog::CheckBox1() const {
  return ui->CheckBox1->isChecked();
}

int TfFileDialog::ShowModal() {
  modalResult_ = 0;
  exec();
  // A showing that ended without an answer (the window hidden from outside, the event loop
  // told to end) counts as "stop".
  if (modalResult_ == 0) FormClose(quillane::kPromptStop);
  return modalResult_;
}

void TfFileDialog::done(int result) {
  FormClose(result == quillane::kPromptGoOn ? quillane::kPromptGoOn : quillane::kPromptStop);
  QDialog::done(modalResult_);
}

void TfFileDialog::reject() {
  done(escapeResult_);
}

void TfFileDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
  ui->CheckBox1->setFocus(Qt::OtherFocusReason);
}

void TfFileDialog::closeEvent(QCloseEvent* event) {
  // QDialog would route the close box through reject(), which is the Esc answer; the close
  // box answers 2 in every kind.
  if (isVisible()) done(quillane::kPromptStop);
  event->accept();
}

void TfFileDialog::RadioButton1Click() {
  if (ui->RadioButton1->isChecked()) dosVariant_ = 1;
  if (ui->RadioButton2->isChecked()) dosVariant_ = 2;
  if (ui->RadioButton3->isChecked()) dosVariant_ = 3;
  if (ui->RadioButton4->isChecked()) dosVariant_ = 4;
}

// Runs at the end of every showing: a "stop" answer unticks "Don't ask me again", so a ticked
// box always remembers a "go on".
void TfFileDialog::FormClose(int result) {
  modalResult_ = result;
  if (result == quillane::kPromptStop) ui->CheckBox1->setChecked(false);
}
