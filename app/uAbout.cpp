#include "uAbout.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QPalette>

#include "DialogLook.h"
#include "ui_uAbout.h"

// The picture is compiled into the app library; a static library needs its resources named.
static void InitAboutResources() {
  Q_INIT_RESOURCE(uAbout);
}

TfAbout::TfAbout(QWidget* owner) : QDialog(owner), ui(std::make_unique<Ui::TfAbout>()) {
  InitAboutResources();
  ui->setupUi(this);
  ApplyDialogLook(*this);

  // The name and the edition label use a display face 19 pixels high.
  QFont displayFont(QStringLiteral("Serif"));
  displayFont.setStyleHint(QFont::Serif);
  displayFont.setPixelSize(19);
  displayFont.setBold(true);
  displayFont.setItalic(true);
  ui->ProductName->setFont(displayFont);
  ui->Label4->setFont(displayFont);

  // The labels take the size of their texts, whatever the face that draws them.
  for (QLabel* label :
       {ui->ProductName, ui->Label4, ui->MakerLine, ui->Label1, ui->Comments, ui->Label2}) {
    label->adjustSize();
  }

  // The two addresses read like labels on the button-face colour, but can be selected and
  // copied.
  for (QLineEdit* field : {ui->Edit1, ui->Edit2}) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    field->setPalette(palette);
  }

  setFixedSize(298, 240);
}

TfAbout::~TfAbout() = default;

void TfAbout::reject() {
  ui->OKButton->click();
}

void TfAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ui->Edit1->deselect();
  ui->Edit2->deselect();
  ui->OKButton->setFocus(Qt::OtherFocusReason);
}

void TfAbout::closeEvent(QCloseEvent* event) {
  if (isVisible()) done(QDialog::Rejected);
  event->accept();
}
