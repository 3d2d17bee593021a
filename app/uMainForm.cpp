#include "uMainForm.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QKeySequence>
#include <QPixmap>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <QWindow>

#include "ApplicationTitle.h"
#include "CellGeometry.h"
#include "CommandLineImage.h"
#include "DialogLook.h"
#include "FileBrowser.h"
#include "FormSizes.h"
#include "ImageDrop.h"
#include "ImageSources.h"
#include "ListingActions.h"
#include "ListingDelegate.h"
#include "ListingListBox.h"
#include "ListingModel.h"
#include "MainWindowLayout.h"
#include "WindowPlacement.h"
#include "uAbout.h"
#include "uFileDialog.h"
#include "ui_uMainForm.h"

// The icon lives in the resources of a static library; they must be registered by hand, and
// the macro only works outside a namespace.
static void RegisterAppResources() {
  Q_INIT_RESOURCE(quillane);
}

namespace quillane::app {

TfMainForm::TfMainForm(display::FontPlatform& font_platform, const QString& program_folder,
                       QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::TfMainForm>()),
      fonts_(font_platform),
      messages_(this) {
  RegisterAppResources();
  // The controls are born with the dialog font rather than told of it afterwards, which would
  // make the drive selector build its drop-down list at once.
  ApplyDialogFont(*this);
  ui_->setupUi(this);
  setWindowTitle(QString::fromLatin1(ApplicationTitle));
  ui_->RadioButton1->setText(QString::fromLatin1(kUpperGraphicsCaption));
  ui_->RadioButton2->setText(QString::fromLatin1(kUpperLowerCaption));
  // Read as PNG only: left to guess, the reader would load every image-format plug-in first.
  QImageReader icon(QStringLiteral(":/quillane-light.png"), "png");
  icon.setAutoDetectImageFormat(false);
  setWindowIcon(QIcon(QPixmap::fromImage(icon.read())));

  // The platform's windows have no system menu a program can extend, so "About..." is a
  // button at the right end of the bottom strip, also on F1.
  connect(ui_->AboutButton, &QPushButton::clicked, this, &TfMainForm::AboutClick);
  auto* about_key = new QShortcut(QKeySequence(Qt::Key_F1), this);
  about_key->setContext(Qt::WindowShortcut);
  connect(about_key, &QShortcut::activated, this, &TfMainForm::AboutClick);

  fonts_.Install(program_folder);

  // Each is created once and only hidden between showings, so it keeps its "Don't ask me
  // again" box, its last answer and (kind 6) its last layout choice for the whole run.
  prompt_windows_ = std::make_unique<PromptWindows>(this);
  prompts_ = std::make_unique<quillane::ImagePrompts>(*prompt_windows_);
  lister_ = std::make_unique<quillane::DirectoryLister>(*prompts_, messages_);

  listing_ = new display::ListingModel(this);
  delegate_ = new display::ListingDelegate(this);
  ui_->ListBox1->setModel(listing_);
  ui_->ListBox1->SetListingDelegate(delegate_);
  actions_ = new ListingActions(ui_->ListBox1, listing_, this);
  ShowCharset();
  new ImageDrop(this, [this](const QString& path) { FileListBox1Click(path); });
  connect(ui_->RadioButton1, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) RadioButton1Click();
  });
  connect(ui_->RadioButton2, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) RadioButton2Click();
  });

  // The layout's pixel sizes grow with the text. The browser pane keeps its width when the
  // window grows; the listing takes the rest.
  const double scale = DesignScale(*this);
  ScaleDesignedSizes(*this, scale);
  const int pane = qRound(kBrowserPaneWidth * scale);
  ui_->Splitter1->setStretchFactor(0, 0);
  ui_->Splitter1->setStretchFactor(1, 1);
  ui_->Splitter1->setSizes({pane, width() - pane});
  ui_->Splitter2->setStretchFactor(0, 1);
  ui_->Splitter2->setStretchFactor(1, 0);
  ui_->Splitter2->setSizes({height(), qRound(kFileListHeight * scale)});
  connect(ui_->Splitter1, &QSplitter::splitterMoved, this, &TfMainForm::Splitter1Moved);

  ui_->DirectoryListBox1->setFocus();
}

TfMainForm::~TfMainForm() = default;

// The first frame shows the browser pane empty: the drives, the folder tree and the file list
// are read right after it, or earlier when something asks for the browser.
FileBrowser* TfMainForm::Browser() {
  if (browser_ == nullptr) {
    browser_ =
        new FileBrowser(ui_->DriveComboBox1, ui_->DirectoryListBox1, ui_->FileListBox1, this);
    connect(browser_, &FileBrowser::FileSelected, this, &TfMainForm::FileListBox1Click);
    browser_->SetFolder(QDir::currentPath());
  }
  return browser_;
}

TfFileDialog* TfMainForm::fCrosslinkDialog() {
  return prompt_windows_->Window(quillane::Question::Crosslink);
}

TfFileDialog* TfMainForm::fFilesizeDialog() {
  return prompt_windows_->Window(quillane::Question::UnsupportedSize);
}

TfFileDialog* TfMainForm::fExtBamDialog() {
  return prompt_windows_->Window(quillane::Question::Layout);
}

TfAbout* TfMainForm::About() {
  if (!about_) about_ = new TfAbout(this);
  return about_;
}

void TfMainForm::customEvent(QEvent* event) {
  if (event->type() != kAfterFirstFrameEvent) return;
  delegate_->PrepareFaces();  // the character-set switch then only repaints
  Browser();
  fCrosslinkDialog();
  fFilesizeDialog();
  fExtBamDialog();
  About();
}

void TfMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

// The window system has mapped the window and it is being painted: a prompt that the
// command-line image raises opens over it. (The toolkit may paint a window before the window
// manager has mapped it, so the paint alone does not tell.)
bool TfMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (list_when_exposed_ && watched == windowHandle() && event->type() == QEvent::Expose &&
      windowHandle()->isExposed()) {
    list_when_exposed_ = false;
    QMetaObject::invokeMethod(this, &TfMainForm::ListCommandLineImage, Qt::QueuedConnection);
    // What the first frame does not need comes after the listing, or behind the prompt that
    // the listing raises.
    QCoreApplication::postEvent(this, new QEvent(kAfterFirstFrameEvent), Qt::LowEventPriority);
  }
  return QWidget::eventFilter(watched, event);
}

void TfMainForm::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

// The screen's resolution in its own pixels. The toolkit counts in pixels scaled by a whole
// device pixel ratio and reports a resolution divided by it (144 dots per inch at a ratio of 2
// reads as 72); the ratio is put back, so the choice does not depend on how it was rounded.
int TfMainForm::DotsPerInch() const {
  return dots_per_inch_ > 0 ? dots_per_inch_ : qRound(logicalDpiY() * devicePixelRatioF());
}

void TfMainForm::FormShow() {
  const FormSizes sizes = SizesForDotsPerInch(DotsPerInch());
  ui_->ListBox1->SetItemHeight(sizes.item_height);
  resize(sizes.client_width, height());
  CentreOnScreen(*this, true);
  Splitter1Moved();
  // The image named on the command line is listed once the window is on the screen.
  list_when_exposed_ = true;
  if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
}

// The list is still empty here: nothing has been listed yet. The listing is painted at once,
// before the browser pane is filled.
void TfMainForm::ListCommandLineImage() {
  const std::string image = CommandLineImage(arguments_);
  if (image.empty()) return;
  ListImage(image);
  ui_->ListBox1->RepaintNow();
}

void TfMainForm::FileListBox1Click(const QString& path) {
  // A prompt of the listing in progress is open; the file list cannot have been clicked, but
  // the file system can change under it. The listing in progress goes on undisturbed.
  if (listing_in_progress_) return;
  // The old listing goes at once, also when the new file turns out not to be listable.
  listing_->Clear();
  if (!path.isEmpty()) ListImage(QFile::encodeName(path).toStdString());
}

// Opens, classifies, walks and closes; a file that cannot be opened or read leaves the list
// empty, without a word.
void TfMainForm::ListImage(const std::string& path) {
  listing_in_progress_ = true;
  // A plain file is opened by the lister; an image out of an archive or a .d64.gz is read into
  // memory for this one listing.
  quillane::ListOutcome outcome = quillane::ListOutcome::CannotOpen;
  quillane::cli::ForEachImageSource(path, false, [&](quillane::cli::ImageSource& source) {
    if (source.kind == quillane::cli::ImageSource::Kind::File) {
      outcome = lister_->ListImage(path, *listing_).outcome;
    } else if (source.kind == quillane::cli::ImageSource::Kind::Bytes) {
      quillane::DiskImage image = quillane::DiskImage::FromBytes(std::move(source.bytes));
      outcome = lister_->ListImage(image, source.path, *listing_).outcome;
    }
    return false;  // the first image only
  });
  if (outcome == quillane::ListOutcome::Unreadable) listing_->Clear();
  listing_in_progress_ = false;
}

void TfMainForm::Splitter1Moved() {
  ui_->DriveComboBox1->resize(ui_->DirectoryListBox1->width(), ui_->DriveComboBox1->height());
}

// The character set of the switch, told to the delegate and to copy and save.
void TfMainForm::ShowCharset() {
  const quillane::Charset charset = display::CharsetOfChoice(ui_->RadioButton1->isChecked());
  delegate_->SetCharset(charset);
  actions_->SetCharset(charset);
}

// Switching only repaints: the rows and their reverse-video bits, the scroll position and the
// selection stay as they are.
void TfMainForm::RadioButton1Click() {
  ShowCharset();
  ui_->ListBox1->RepaintNow();
}

void TfMainForm::RadioButton2Click() {
  ShowCharset();
  ui_->ListBox1->RepaintNow();
}

void TfMainForm::AboutClick() {
  About()->exec();
}

// Nothing is saved: no window position, folder, selection or character set.
void TfMainForm::FormClose() {
  if (closed_) return;
  closed_ = true;
  fonts_.Remove();
}

}  // namespace quillane::app
