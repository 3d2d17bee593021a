#pragma once

#include "SystemHeaders.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "DirectoryLister.h"
#include "FontSequence.h"
#include "ImagePrompts.h"
#include "ListingPainter.h"
#include "ListingRows.h"
#include "PromptDialog.h"

class TfAbout;

// The main window: the browser pane on the left (drive selector, folder tree, splitter, file
// list of *.d64), the listing list on the right, the character-set switch in the strip below,
// and "About..." at the end of the system menu. It owns what lasts from one listing to the
// next: the fonts' sequence, the three prompt windows, the directory lister and the rows.
class TfMainForm final : public quillane::MessageBox {
 public:
  // Creates the window hidden, then: the message hook, the system menu's entries, the fonts
  // (from program_folder, ending in "\"), the prompt windows of kinds 3, 4 and 6 and the
  // lister, in that order. arguments: the command line in UTF-8, the program's name first.
  TfMainForm(FontCalls& font_calls, const std::string& program_folder,
             std::vector<std::string> arguments);
  ~TfMainForm() override;
  TfMainForm(const TfMainForm&) = delete;
  TfMainForm& operator=(const TfMainForm&) = delete;

  HWND Handle() const { return window_; }
  void SetAbout(TfAbout* about) { about_ = about; }
  // The dots per inch FormShow sizes the window for; 0 (the default) asks the window's screen.
  void SetDotsPerInch(int dots_per_inch) { dots_per_inch_ = dots_per_inch; }
  const FontSequence& Fonts() const { return fonts_; }
  const ListingRows& Rows() const { return rows_; }
  TfFileDialog& Prompt(quillane::Question question) { return prompt_windows_->Window(question); }

  // Handlers, named after control and event.
  void FormShow();
  void FileListBox1Click(const std::string& path);
  void Splitter1Moved();
  void RadioButton1Click();
  void RadioButton2Click();
  void FormClose();

  // quillane::MessageBox: a message of the listing over this window.
  void ShowMessage(const std::string& text) override;

  // The browser pane's folder: the tree of its drive opened down to it, its image files in the
  // file list. A folder that cannot be read leaves both as they were.
  void SetFolder(const std::wstring& folder);

 private:
  static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM w, LPARAM l);
  static LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void CreateControls();
  void Layout();
  void FillDrives();
  static bool ReadFolder(const std::wstring& base, std::vector<std::wstring>* folders,
                         std::vector<std::wstring>* files);
  HTREEITEM AddFolderItem(HTREEITEM parent, const std::wstring& text, const std::wstring& path);
  const std::wstring& FolderOfItem(HTREEITEM item) const;
  void FillFolderItem(HTREEITEM item);
  void ShowFiles(const std::wstring& folder);
  void ListImage(const std::string& path);
  void ListCommandLineImage();
  HWND Control(int id) const { return GetDlgItem(window_, id); }

  HWND window_ = nullptr;
  WNDPROC OldWindowProc = nullptr;
  HFONT dialog_font_ = nullptr;
  FontSequence fonts_;
  std::unique_ptr<PromptWindows> prompt_windows_;
  std::unique_ptr<quillane::ImagePrompts> prompts_;
  std::unique_ptr<quillane::DirectoryLister> lister_;
  ListingRows rows_;
  ListingPainter painter_;
  TfAbout* about_ = nullptr;
  std::vector<std::string> arguments_;
  std::wstring folder_;
  std::vector<std::wstring> folder_items_;  // the full path of each folder-tree item
  std::vector<std::wstring> file_items_;    // the name of each file-list item
  int dots_per_inch_ = 0;
  int scale_dpi_ = 96;  // the resolution the designed sizes are scaled for
  int pane_width_ = 0;
  int file_list_height_ = 0;
  bool shown_ = false;
  bool closed_ = false;
  bool listing_in_progress_ = false;
  bool building_tree_ = false;
};
