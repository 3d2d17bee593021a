#include "MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "AboutBox.h"
#include "ApplicationTitle.h"
#include "CharsetFontFiles.h"
#include "ControlIds.h"
#include "DesignScale.h"
#include "FormSizes.h"
#include "ImageArgument.h"
#include "MainWindowLayout.h"
#include "Utf8.h"

namespace {

constexpr wchar_t kFormClass[] = L"TfMainForm";
constexpr wchar_t kSplitterClass[] = L"QuillaneSplitter";
// The splitters tell their owner where the mouse is while dragging, and when the drag ends.
constexpr UINT kSplitterDrag = WM_APP + 1;
constexpr UINT kSplitterMoved = WM_APP + 2;
// The image of the command line is listed once the window is on the screen.
constexpr UINT kListCommandLine = WM_APP + 3;
// The smallest width and height that the splitters leave to each side.
constexpr int kLeastPane = 30;

// The Windows separators of a path: the extension starts after the last "\" and ":".
constexpr char kPathSeparators[] = "\\:";

bool IsRegularFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WideOfUtf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

LRESULT CALLBACK SplitterProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  const bool across = GetWindowLongPtrW(window, GWLP_ID) == IDC_SPLITTER1;
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, across ? IDC_SIZEWE : IDC_SIZENS));
      return TRUE;
    case WM_LBUTTONDOWN:
      SetCapture(window);
      return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      if (GetCapture() == window) {
        POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
        MapWindowPoints(window, GetParent(window), &at, 1);
        const WPARAM id = static_cast<WPARAM>(GetWindowLongPtrW(window, GWLP_ID));
        SendMessageW(GetParent(window), kSplitterDrag, id, across ? at.x : at.y);
        if (message == WM_LBUTTONUP) {
          ReleaseCapture();
          SendMessageW(GetParent(window), kSplitterMoved, id, 0);
        }
      }
      return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

void RegisterClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = DefWindowProcW;  // replaced on creation, see FormProc
  form.hInstance = instance;
  form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
  form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = kFormClass;
  RegisterClassExW(&form);
  WNDCLASSEXW splitter{};
  splitter.cbSize = sizeof splitter;
  splitter.lpfnWndProc = SplitterProc;
  splitter.hInstance = instance;
  splitter.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  splitter.lpszClassName = kSplitterClass;
  RegisterClassExW(&splitter);
}

std::wstring WithBackslash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

// The rows of the walk, into the rows and at once into the list box, one item per row.
class ListBoxRows final : public quillane::ListingList {
 public:
  ListBoxRows(ListingRows& rows, HWND list) : rows_(rows), list_(list) {}
  void Append(const quillane::ListingRow& row) override {
    rows_.Append(row);
    SendMessageW(list_, LB_ADDSTRING, 0, static_cast<LPARAM>(rows_.Count() - 1));
  }
  int Count() const override { return rows_.Count(); }

 private:
  ListingRows& rows_;
  HWND list_;
};

}  // namespace

TfMainForm::TfMainForm(FontCalls& font_calls, const std::string& program_folder,
                       std::vector<std::string> arguments)
    : fonts_(font_calls), arguments_(std::move(arguments)) {
  RegisterClasses();
  scale_dpi_ = ScreenDotsPerInch();
  const int dpi = scale_dpi_;
  window_ = CreateWindowExW(0, kFormClass, WideOfUtf8(ApplicationTitle).c_str(),
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                            Scaled(kMainWindowOuterWidth, dpi), Scaled(kMainWindowOuterHeight, dpi),
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FormProc));
  CreateControls();

  // The message hook: every message reaches MainWindowProc first, then the window's own.
  OldWindowProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MainWindowProc)));

  // The system menu ends in a separator and "About...".
  HMENU system_menu = GetSystemMenu(window_, FALSE);
  MENUITEMINFOA separator{};
  separator.cbSize = sizeof separator;
  separator.fMask = MIIM_FTYPE;
  separator.fType = MFT_SEPARATOR;
  InsertMenuItemA(system_menu, static_cast<UINT>(GetMenuItemCount(system_menu)), TRUE, &separator);
  MENUITEMINFOA about{};
  about.cbSize = sizeof about;
  about.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
  about.fType = MFT_STRING;
  about.wID = kAboutCommandId;
  std::string about_text = kAboutMenuText;
  about.dwTypeData = about_text.data();
  InsertMenuItemA(system_menu, static_cast<UINT>(GetMenuItemCount(system_menu)), TRUE, &about);

  fonts_.Install(program_folder + quillane::CharsetFontOf(quillane::Charset::UpperLower).file,
                 program_folder + quillane::CharsetFontOf(quillane::Charset::UpperGraphics).file);

  prompt_windows_ = std::make_unique<PromptWindows>(window_);
  prompts_ = std::make_unique<quillane::ImagePrompts>(*prompt_windows_);
  lister_ = std::make_unique<quillane::DirectoryLister>(*prompts_, *this);

  std::wstring current(MAX_PATH, L'\0');
  current.resize(GetCurrentDirectoryW(MAX_PATH, current.data()));
  FillDrives();
  SetFolder(current);
  SetFocus(Control(IDC_DIRECTORYLISTBOX1));
}

TfMainForm::~TfMainForm() {
  prompt_windows_.reset();
  if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
  if (dialog_font_ != nullptr) DeleteObject(dialog_font_);
}

void TfMainForm::CreateControls() {
  const int dpi = scale_dpi_;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  INITCOMMONCONTROLSEX common{sizeof common, ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&common);
  dialog_font_ =
      CreateFontW(-Scaled(kDialogFontPixels, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  DEFAULT_PITCH | FF_SWISS, WideOfUtf8(kDialogFontFace).c_str());
  const struct {
    const wchar_t* window_class;
    DWORD style;
    int id;
    const char* text;
  } controls[] = {
      {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, IDC_DRIVECOMBOBOX1, ""},
      {WC_TREEVIEWW,
       TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP,
       IDC_DIRECTORYLISTBOX1, ""},
      {kSplitterClass, 0, IDC_SPLITTER2, ""},
      {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
       IDC_FILELISTBOX1, ""},
      {kSplitterClass, 0, IDC_SPLITTER1, ""},
      {L"LISTBOX",
       LBS_OWNERDRAWFIXED | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL |
           WS_BORDER | WS_TABSTOP,
       IDC_LISTBOX1, ""},
      {L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, IDC_RADIOBUTTON1,
       kUpperGraphicsCaption},
      {L"BUTTON", BS_AUTORADIOBUTTON, IDC_RADIOBUTTON2, kUpperLowerCaption},
  };
  for (const auto& c : controls) {
    HWND control = CreateWindowExW(
        0, c.window_class, WideOfUtf8(c.text).c_str(), WS_CHILD | WS_VISIBLE | c.style, 0, 0, 10,
        10, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialog_font_), FALSE);
  }
  TreeView_SetItemHeight(Control(IDC_DIRECTORYLISTBOX1), Scaled(kFolderItemHeight, dpi));
  SendMessageW(Control(IDC_FILELISTBOX1), LB_SETITEMHEIGHT, 0, Scaled(kFileItemHeight, dpi));
  CheckDlgButton(window_, IDC_RADIOBUTTON1, BST_CHECKED);
  painter_.SetCellSize(SizesForDotsPerInch(kDesignDotsPerInch).item_height);
  SendMessageW(Control(IDC_LISTBOX1), LB_SETITEMHEIGHT, 0, painter_.CellSize());
  pane_width_ = Scaled(kBrowserPaneWidth, dpi);
  file_list_height_ = Scaled(kFileListHeight, dpi);
  Layout();
}

// The bands of the designed layout: the empty strip on top, the switch strip at the bottom,
// the browser pane and its splitters on the left, the listing in the rest.
void TfMainForm::Layout() {
  const int dpi = scale_dpi_;
  RECT client{};
  GetClientRect(window_, &client);
  const int top = Scaled(kTopStripHeight, dpi);
  const int strip =
      std::max(top, static_cast<int>(client.bottom) - Scaled(kBottomStripHeight, dpi));
  const int splitter1 = Scaled(kListingSplitterWidth, dpi);
  const int splitter2 = Scaled(kPaneSplitterHeight, dpi);
  pane_width_ = std::clamp(pane_width_, 0, std::max(0, static_cast<int>(client.right) - splitter1));
  const int tree_top = top + Scaled(kDriveStripHeight, dpi);
  file_list_height_ = std::clamp(file_list_height_, 0, std::max(0, strip - tree_top - splitter2));
  const int file_top = strip - file_list_height_;

  HWND drive = Control(IDC_DRIVECOMBOBOX1);
  RECT drive_rect{};
  GetWindowRect(drive, &drive_rect);
  MoveWindow(drive, Scaled(kDriveSelector.x, dpi), top + Scaled(kDriveSelector.y, dpi),
             drive_rect.right - drive_rect.left, Scaled(200, dpi), TRUE);
  MoveWindow(Control(IDC_DIRECTORYLISTBOX1), 0, tree_top, pane_width_,
             std::max(0, file_top - splitter2 - tree_top), TRUE);
  MoveWindow(Control(IDC_SPLITTER2), 0, file_top - splitter2, pane_width_, splitter2, TRUE);
  MoveWindow(Control(IDC_FILELISTBOX1), 0, file_top, pane_width_, file_list_height_, TRUE);
  MoveWindow(Control(IDC_SPLITTER1), pane_width_, top, splitter1, strip - top, TRUE);
  const int listing_left = pane_width_ + splitter1;
  MoveWindow(Control(IDC_LISTBOX1), listing_left, top,
             std::max(0, static_cast<int>(client.right) - listing_left), strip - top, TRUE);
  for (const auto& [id, place] :
       {std::pair{IDC_RADIOBUTTON1, kUpperGraphicsButton}, {IDC_RADIOBUTTON2, kUpperLowerButton}}) {
    MoveWindow(Control(id), Scaled(place.x, dpi), strip + Scaled(place.y, dpi),
               Scaled(place.width, dpi), Scaled(place.height, dpi), TRUE);
  }
}

void TfMainForm::FillDrives() {
  HWND drives = Control(IDC_DRIVECOMBOBOX1);
  SendMessageW(drives, CB_RESETCONTENT, 0, 0);
  wchar_t names[512] = {};
  const DWORD n = GetLogicalDriveStringsW(511, names);
  for (const wchar_t* name = names; n > 0 && *name != L'\0'; name += wcslen(name) + 1) {
    SendMessageW(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
}

// The folders right inside `base` (ending in "\"), sorted by name in any letter case; and the
// image files there, by the "*.d64" mask in any letter case, sorted alike. False when the
// folder cannot be read.
bool TfMainForm::ReadFolder(const std::wstring& base, std::vector<std::wstring>* folders,
                            std::vector<std::wstring>* files) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((base + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  do {
    const std::wstring name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      if (folders != nullptr && name != L"." && name != L"..") folders->push_back(name);
    } else if (files != nullptr && HasImageExtension(Utf8OfWide(name), kPathSeparators)) {
      files->push_back(name);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  const auto by_name = [](const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
  };
  if (folders != nullptr) std::sort(folders->begin(), folders->end(), by_name);
  if (files != nullptr) std::sort(files->begin(), files->end(), by_name);
  return true;
}

// One folder of the tree; its item keeps the index of its full path in folder_items_. Every
// folder shows an expand button until it is first opened and found to hold none.
HTREEITEM TfMainForm::AddFolderItem(HTREEITEM parent, const std::wstring& text,
                                    const std::wstring& path) {
  folder_items_.push_back(path);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
  insert.item.pszText = const_cast<wchar_t*>(text.c_str());
  insert.item.lParam = static_cast<LPARAM>(folder_items_.size() - 1);
  insert.item.cChildren = 1;
  return TreeView_InsertItem(Control(IDC_DIRECTORYLISTBOX1), &insert);
}

const std::wstring& TfMainForm::FolderOfItem(HTREEITEM item) const {
  TVITEMW data{};
  data.mask = TVIF_PARAM | TVIF_HANDLE;
  data.hItem = item;
  TreeView_GetItem(Control(IDC_DIRECTORYLISTBOX1), &data);
  return folder_items_.at(static_cast<std::size_t>(data.lParam));
}

// A folder's subfolders are read the first time it is opened, not before.
void TfMainForm::FillFolderItem(HTREEITEM item) {
  HWND tree = Control(IDC_DIRECTORYLISTBOX1);
  if (TreeView_GetChild(tree, item) != nullptr) return;
  const std::wstring path = FolderOfItem(item);
  std::vector<std::wstring> folders;
  ReadFolder(path, &folders, nullptr);
  for (const std::wstring& name : folders) AddFolderItem(item, name, path + name + L"\\");
  if (folders.empty()) {
    TVITEMW data{};
    data.mask = TVIF_CHILDREN | TVIF_HANDLE;
    data.hItem = item;
    data.cChildren = 0;
    TreeView_SetItem(tree, &data);
  }
}

void TfMainForm::SetFolder(const std::wstring& folder) {
  const std::wstring base = WithBackslash(folder);
  if (!ReadFolder(base, nullptr, nullptr)) return;

  // The drive selector shows the folder's drive.
  const std::wstring root = base.substr(0, base.find(L'\\') + 1);
  HWND drives = Control(IDC_DRIVECOMBOBOX1);
  const int drive = static_cast<int>(SendMessageW(
      drives, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(root.c_str())));
  SendMessageW(drives, CB_SETCURSEL, static_cast<WPARAM>(drive), 0);

  // The tree of the drive, opened along the way from its root down to the folder.
  HWND tree = Control(IDC_DIRECTORYLISTBOX1);
  building_tree_ = true;
  SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
  TreeView_DeleteAllItems(tree);
  folder_items_.clear();
  HTREEITEM item = AddFolderItem(TVI_ROOT, root, root);
  for (std::size_t end = base.find(L'\\', root.size()); end != std::wstring::npos;
       end = base.find(L'\\', end + 1)) {
    TreeView_Expand(tree, item, TVE_EXPAND);
    const std::wstring path = base.substr(0, end + 1);
    HTREEITEM child = TreeView_GetChild(tree, item);
    while (child != nullptr && CompareStringOrdinal(FolderOfItem(child).c_str(), -1, path.c_str(),
                                                    -1, TRUE) != CSTR_EQUAL) {
      child = TreeView_GetNextSibling(tree, child);
    }
    if (child == nullptr) break;  // a folder the listing does not show: stay at its parent
    item = child;
  }
  TreeView_Expand(tree, item, TVE_EXPAND);
  TreeView_SelectItem(tree, item);
  SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
  TreeView_EnsureVisible(tree, item);
  InvalidateRect(tree, nullptr, TRUE);
  building_tree_ = false;
  ShowFiles(FolderOfItem(item));
}

// The file list: the image files of the folder chosen in the tree.
void TfMainForm::ShowFiles(const std::wstring& folder) {
  std::vector<std::wstring> files;
  ReadFolder(folder, nullptr, &files);
  folder_ = folder;
  HWND list = Control(IDC_FILELISTBOX1);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::wstring& name : files) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  file_items_ = std::move(files);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void TfMainForm::FormShow() {
  int dpi = dots_per_inch_;
  if (dpi <= 0) {
    HDC dc = GetDC(window_);
    dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window_, dc);
  }
  const FormSizes sizes = SizesForDotsPerInch(dpi);
  painter_.SetCellSize(sizes.item_height);
  SendMessageW(Control(IDC_LISTBOX1), LB_SETITEMHEIGHT, 0, sizes.item_height);
  RECT outer{};
  GetWindowRect(window_, &outer);
  RECT client{};
  GetClientRect(window_, &client);
  const SIZE size = OuterSizeForClient(window_, sizes.client_width, client.bottom);
  SetWindowPos(window_, nullptr, 0, 0, size.cx, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CentreOnScreen(window_);
  Splitter1Moved();
  PostMessageW(window_, kListCommandLine, 0, 0);
}

void TfMainForm::ListCommandLineImage() {
  const std::string image = ImageArgument(arguments_, kPathSeparators, IsRegularFile);
  if (image.empty()) return;
  ListImage(image);
  UpdateWindow(Control(IDC_LISTBOX1));
}

void TfMainForm::FileListBox1Click(const std::string& path) {
  if (listing_in_progress_) return;
  rows_.Clear();
  SendMessageW(Control(IDC_LISTBOX1), LB_RESETCONTENT, 0, 0);
  if (!path.empty()) ListImage(path);
}

// Opens, classifies, walks and closes; a file that cannot be opened or read leaves the list
// empty, without a word.
void TfMainForm::ListImage(const std::string& path) {
  listing_in_progress_ = true;
  ListBoxRows sink(rows_, Control(IDC_LISTBOX1));
  if (lister_->ListImage(path, sink).outcome == quillane::ListOutcome::Unreadable) {
    rows_.Clear();
    SendMessageW(Control(IDC_LISTBOX1), LB_RESETCONTENT, 0, 0);
  }
  listing_in_progress_ = false;
}

void TfMainForm::Splitter1Moved() {
  RECT tree{};
  GetWindowRect(Control(IDC_DIRECTORYLISTBOX1), &tree);
  HWND drive = Control(IDC_DRIVECOMBOBOX1);
  RECT drive_rect{};
  GetWindowRect(drive, &drive_rect);
  SetWindowPos(drive, nullptr, 0, 0, tree.right - tree.left, drive_rect.bottom - drive_rect.top,
               SWP_NOMOVE | SWP_NOZORDER);
}

// Switching only repaints, at once: rows, scroll position and selection stay.
void TfMainForm::RadioButton1Click() {
  RedrawWindow(Control(IDC_LISTBOX1), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TfMainForm::RadioButton2Click() {
  RedrawWindow(Control(IDC_LISTBOX1), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// Nothing is saved: no window position, folder, selection or character set.
void TfMainForm::FormClose() {
  if (closed_) return;
  closed_ = true;
  fonts_.Remove();
}

void TfMainForm::ShowMessage(const std::string& text) {
  ::MessageBoxW(window_, WideOfUtf8(text).c_str(), WideOfUtf8(ApplicationTitle).c_str(), MB_OK);
}

LRESULT CALLBACK TfMainForm::MainWindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<TfMainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_SYSCOMMAND && (w & kSystemCommandMask) == kAboutCommandId &&
      self->about_ != nullptr) {
    self->about_->ShowModal();
  }
  return CallWindowProcW(self->OldWindowProc, window, message, w, l);
}

LRESULT CALLBACK TfMainForm::FormProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<TfMainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self != nullptr ? self->Handle(message, w, l) : DefWindowProcW(window, message, w, l);
}

LRESULT TfMainForm::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SHOWWINDOW:
      if (w != 0 && !shown_) {
        shown_ = true;
        FormShow();
      }
      break;
    case kListCommandLine:
      // The window is painted first, so a prompt the image raises opens over it.
      UpdateWindow(window_);
      ListCommandLineImage();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case kSplitterDrag: {
      const int at = static_cast<int>(l);
      if (w == IDC_SPLITTER1) {
        pane_width_ = std::max(Scaled(kLeastPane, scale_dpi_), at);
      } else {
        RECT client{};
        GetClientRect(window_, &client);
        file_list_height_ =
            std::max(Scaled(kLeastPane, scale_dpi_),
                     static_cast<int>(client.bottom) - Scaled(kBottomStripHeight, scale_dpi_) - at);
      }
      Layout();
      return 0;
    }
    case kSplitterMoved:
      if (w == IDC_SPLITTER1) Splitter1Moved();
      return 0;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
      if (measure->CtlID == IDC_LISTBOX1)
        measure->itemHeight = static_cast<UINT>(painter_.CellSize());
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      if (draw->CtlID != IDC_LISTBOX1) break;
      // ListBox1DrawItem: the face as RadioButton1 says, item by item.
      const bool upper = IsDlgButtonChecked(window_, IDC_RADIOBUTTON1) == BST_CHECKED;
      painter_.DrawItem(*draw, rows_,
                        upper ? quillane::Charset::UpperGraphics : quillane::Charset::UpperLower);
      return TRUE;
    }
    case WM_CTLCOLORLISTBOX:
      if (reinterpret_cast<HWND>(l) == Control(IDC_LISTBOX1)) {
        return reinterpret_cast<LRESULT>(painter_.Background());
      }
      break;
    case WM_NOTIFY: {
      const auto* note = reinterpret_cast<const NMTREEVIEWW*>(l);
      if (note->hdr.idFrom != IDC_DIRECTORYLISTBOX1) break;
      if (note->hdr.code == TVN_ITEMEXPANDINGW && (note->action & TVE_EXPAND) != 0)
        FillFolderItem(note->itemNew.hItem);
      // Choosing a folder, by mouse or keyboard, shows its files.
      if (note->hdr.code == TVN_SELCHANGEDW && !building_tree_ && note->itemNew.hItem != nullptr)
        ShowFiles(FolderOfItem(note->itemNew.hItem));
      return 0;
    }
    case WM_COMMAND: {
      const int id = LOWORD(w);
      const int code = HIWORD(w);
      if (id == IDC_RADIOBUTTON1 && code == BN_CLICKED) RadioButton1Click();
      if (id == IDC_RADIOBUTTON2 && code == BN_CLICKED) RadioButton2Click();
      if (id == IDC_DRIVECOMBOBOX1 && code == CBN_SELCHANGE) {
        HWND drives = Control(IDC_DRIVECOMBOBOX1);
        const LRESULT index = SendMessageW(drives, CB_GETCURSEL, 0, 0);
        wchar_t name[8] = {};
        if (index >= 0 &&
            SendMessageW(drives, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) < 8) {
          SendMessageW(drives, CB_GETLBTEXT, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(name));
          SetFolder(name);
        }
      }
      if (id == IDC_FILELISTBOX1 && code == LBN_SELCHANGE) {
        const LRESULT index = SendMessageW(Control(id), LB_GETCURSEL, 0, 0);
        std::string path;
        if (index >= 0 && static_cast<std::size_t>(index) < file_items_.size()) {
          path = Utf8OfWide(folder_ + file_items_[static_cast<std::size_t>(index)]);
        }
        FileListBox1Click(path);
      }
      return 0;
    }
    case WM_CLOSE:
      FormClose();
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, w, l);
}
