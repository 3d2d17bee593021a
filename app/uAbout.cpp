#include "uAbout.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <utility>

#include "AboutTexts.h"
#include "DialogLook.h"
#include "WindowPlacement.h"
#include "ui_uAbout.h"

// The picture is compiled into the app library; a static library needs its resources named.
static void InitAboutResources() {
  Q_INIT_RESOURCE(uAbout);
}

namespace quillane::app {

TfAbout::TfAbout(QWidget* owner) : QDialog(owner), ui_(std::make_unique<Ui::TfAbout>()) {
  InitAboutResources();
  ui_->setupUi(this);
  ApplyDialogLook(*this);
  setWindowTitle(QString::fromLatin1(kAboutCaption));
  const std::pair<QLabel*, const AboutText&> labels[] = {
      {ui_->ProductName, kAboutProductName}, {ui_->Label4, kAboutEdition},
      {ui_->MakerLine, kAboutMaker},         {ui_->Label1, kAboutBuild},
      {ui_->Comments, kAboutMailCaption},    {ui_->Label2, kAboutHomeCaption}};
  for (const auto& [label, text] : labels) label->setText(QString::fromUtf8(text.text));
  ui_->Edit1->setText(QString::fromUtf8(kAboutMail.text));
  ui_->Edit2->setText(QString::fromUtf8(kAboutHome.text));
  ui_->OKButton->setText(QString::fromLatin1(kAboutOkCaption));

  // The name and the edition label use a display face 19 pixels high.
  QFont displayFont(QStringLiteral("Serif"));
  displayFont.setStyleHint(QFont::Serif);
  displayFont.setPixelSize(kAboutDisplayFontPixels);
  displayFont.setBold(true);
  displayFont.setItalic(true);
  ui_->ProductName->setFont(displayFont);
  ui_->Label4->setFont(displayFont);

  setFixedSize(kAboutClientWidth, kAboutClientHeight);
  ScaleDesignedSizes(*this, DesignScale(*this));

  // The labels take the size of their texts, whatever the face that draws them. The build
  // date keeps as far from the panel's right bevel as the picture stands from its left one:
  // should the face draw it wider than designed, it moves left by as much.
  for (QLabel* label :
       {ui_->ProductName, ui_->Label4, ui_->MakerLine, ui_->Label1, ui_->Comments, ui_->Label2}) {
    label->adjustSize();
  }
  const int clear_of_bevel = ui_->Panel1->contentsRect().right() - ui_->ProgramIcon->x();
  if (ui_->Label1->geometry().right() > clear_of_bevel) {
    ui_->Label1->move(clear_of_bevel - ui_->Label1->width(), ui_->Label1->y());
  }

  // The two addresses read like labels on the button-face colour, but can be selected and
  // copied.
  for (QLineEdit* field : {ui_->Edit1, ui_->Edit2}) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    field->setPalette(palette);
  }
}

TfAbout::~TfAbout() = default;

void TfAbout::reject() {
  ui_->OKButton->click();
}

void TfAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
  ui_->Edit1->deselect();
  ui_->Edit2->deselect();
  ui_->OKButton->setFocus(Qt::OtherFocusReason);
}

void TfAbout::closeEvent(QCloseEvent* event) {
  if (isVisible()) done(QDialog::Rejected);
  event->accept();
}

}  // namespace quillane::app
