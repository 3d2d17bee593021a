#pragma once

#include <QEvent>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "CharsetFonts.h"
#include "CommandLineImage.h"
#include "DirectoryLister.h"
#include "ImagePrompts.h"
#include "QtMessageBox.h"
#include "uAbout.h"

namespace Ui {
class TfMainForm;
}

namespace quillane::display {
class ListingDelegate;
class ListingModel;
}  // namespace quillane::display

namespace quillane::app {

class FileBrowser;
class ListingActions;
class PromptWindows;
class TfFileDialog;

// The main window: the browser pane on the left, the listing on the right, the character-set
// switch and the "About..." button below. It owns everything that lasts from one listing to the
// next: the registered fonts, the three prompt windows (so that their "Don't ask me again"
// boxes last for the run) and what they remember, the directory lister, and the listing's rows.
// What the first frame does not show is built right after it, or earlier when first used: the
// browser pane's contents, the prompt windows and the About box.
class TfMainForm : public QWidget {
  Q_OBJECT

 public:
  // Construction installs the character-set fonts from program_folder through the platform,
  // then sets up the crosslink, file-size and extended-BAM prompts (kinds 3, 4 and 6) and the
  // directory lister, in that order.
  TfMainForm(display::FontPlatform& font_platform, const QString& program_folder,
             QWidget* parent = nullptr);
  ~TfMainForm() override;

  // The command line FormShow looks at, byte for byte; none unless set.
  void SetArguments(const CommandLine& arguments) { arguments_ = arguments; }
  // The dots per inch FormShow sizes the window for; 0 (the default) asks the window's screen.
  void SetDotsPerInch(int dots_per_inch) { dots_per_inch_ = dots_per_inch; }

  // Handlers, named after control and event.
  void FormShow();
  void FileListBox1Click(const QString& path);
  void Splitter1Moved();
  void RadioButton1Click();
  void RadioButton2Click();
  void AboutClick();
  void FormClose();

  // What the handlers work on. A prompt window is built when first asked for.
  TfFileDialog* fCrosslinkDialog();
  TfFileDialog* fFilesizeDialog();
  TfFileDialog* fExtBamDialog();
  display::ListingModel* Listing() const { return listing_; }
  // The browser pane, built and started in the current folder on first use, at the latest
  // right after the window's first frame.
  FileBrowser* Browser();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void customEvent(QEvent* event) override;

 private:
  static constexpr QEvent::Type kAfterFirstFrameEvent = QEvent::User;

  TfAbout* About();
  int DotsPerInch() const;
  void ListCommandLineImage();
  void ListImage(const std::string& path);
  void ShowCharset();

  std::unique_ptr<Ui::TfMainForm> ui_;
  display::CharsetFonts fonts_;
  QtMessageBox messages_;
  std::unique_ptr<PromptWindows> prompt_windows_;
  std::unique_ptr<quillane::ImagePrompts> prompts_;
  std::unique_ptr<quillane::DirectoryLister> lister_;
  display::ListingModel* listing_ = nullptr;
  display::ListingDelegate* delegate_ = nullptr;
  ListingActions* actions_ = nullptr;
  FileBrowser* browser_ = nullptr;
  QPointer<TfAbout> about_;
  CommandLine arguments_;
  int dots_per_inch_ = 0;
  bool shown_ = false;
  bool list_when_exposed_ = false;
  bool closed_ = false;
  bool listing_in_progress_ = false;
};

}  // namespace quillane::app
