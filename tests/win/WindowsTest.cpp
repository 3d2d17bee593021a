// The Win32 windows driven by their control IDs under the real window manager (Wine under CTest):
// the prompt kinds and their remembered answers, the font sequence at start and close, the
// system menu, the About command, the sizes FormShow picks and the folder tree.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "AboutBox.h"
#include "ControlIds.h"
#include "MainWindow.h"
#include "PromptDialog.h"
#include "SystemHeaders.h"

#include <commctrl.h>

namespace {

// Runs `act` once the modal window that `shown` returns is up, from a timer of the modal loop.
std::function<bool()> pending;
void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  if (pending && pending()) {
    pending = nullptr;
    KillTimer(nullptr, id);
  }
}
void WhenShown(std::function<HWND()> shown, std::function<void(HWND)> act) {
  pending = [shown, act] {
    HWND window = shown();
    if (window == nullptr || !IsWindowVisible(window)) return false;
    act(window);
    return true;
  };
  SetTimer(nullptr, 0, 20, OnTimer);
}

std::wstring TextOf(HWND window) {
  wchar_t text[128] = {};
  GetWindowTextW(window, text, 128);
  return text;
}

bool Visible(HWND dialog, int id) {
  return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

enum Action { kButton1, kButton4, kEscape, kCloseBox };

void Answer(HWND dialog, Action action, bool tick, int layout_button) {
  if (tick) SendDlgItemMessageW(dialog, IDC_PROMPT_CHECKBOX1, BM_CLICK, 0, 0);
  if (layout_button != 0) SendDlgItemMessageW(dialog, layout_button, BM_CLICK, 0, 0);
  switch (action) {
    case kButton1:
      SendDlgItemMessageW(dialog, IDC_PROMPT_BUTTON1, BM_CLICK, 0, 0);
      break;
    case kButton4:
      SendDlgItemMessageW(dialog, IDC_PROMPT_BUTTON4, BM_CLICK, 0, 0);
      break;
    case kEscape:
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      break;
    case kCloseBox:
      PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
}

TEST(PromptDialogTest, EachKindAnswersAndRemembersAsItSays) {
  using quillane::Question;
  const struct {
    Question kind;
    const wchar_t* caption;
    bool button4, radios;
    Action action;
    bool tick;
    int layout_button;
    int result, variant;
    bool ticked_after;
  } cases[] = {
      {Question::Crosslink, L"Crosslinked Entry...", true, false, kButton1, true, 0, 1, 1, true},
      {Question::Crosslink, L"Crosslinked Entry...", true, false, kEscape, true, 0, 2, 1, false},
      {Question::UnsupportedSize, L"Unsupported Filesize...", false, false, kEscape, true, 0, 1, 1,
       true},
      {Question::UnsupportedSize, L"Unsupported Filesize...", false, false, kCloseBox, true, 0, 2,
       1, false},
      {Question::Layout, L"Extended BAM could not be detected...", true, true, kButton1, false,
       IDC_PROMPT_RADIOBUTTON3, 1, 3, false},
      {Question::Layout, L"Extended BAM could not be detected...", true, true, kButton4, true,
       IDC_PROMPT_RADIOBUTTON2, 2, 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    TfFileDialog dialog(nullptr, c.kind);
    std::wstring caption;
    bool buttons_right = false, radios = false;
    bool focus_on_box = false;
    WhenShown([&] { return dialog.Handle(); },
              [&](HWND window) {
                caption = TextOf(window);
                buttons_right = Visible(window, IDC_PROMPT_BUTTON1) &&
                                !Visible(window, IDC_PROMPT_BUTTON2) &&
                                !Visible(window, IDC_PROMPT_BUTTON3) &&
                                Visible(window, IDC_PROMPT_BUTTON4) == c.button4;
                radios = Visible(window, IDC_PROMPT_RADIOBUTTON1);
                focus_on_box = GetFocus() == GetDlgItem(window, IDC_PROMPT_CHECKBOX1);
                Answer(window, c.action, c.tick, c.layout_button);
              });
    EXPECT_EQ(dialog.ShowModal(), c.result);
    EXPECT_EQ(caption, c.caption);
    EXPECT_TRUE(buttons_right);
    EXPECT_EQ(radios, c.radios);
    EXPECT_TRUE(focus_on_box);
    EXPECT_EQ(dialog.ModalResult(), c.result);
    EXPECT_EQ(quillane::ModeNumber(dialog.DosVariant()), c.variant);
    EXPECT_EQ(dialog.CheckBox1(), c.ticked_after);

    // The next showing opens as the last one was left: the layout choice and the box.
    bool ticked = false, variant_checked = false;
    WhenShown([&] { return dialog.Handle(); },
              [&](HWND window) {
                ticked = IsDlgButtonChecked(window, IDC_PROMPT_CHECKBOX1) == BST_CHECKED;
                variant_checked = IsDlgButtonChecked(window, IDC_PROMPT_RADIOBUTTON1 + c.variant -
                                                                 1) == BST_CHECKED;
                PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
              });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_EQ(ticked, c.ticked_after);
    EXPECT_TRUE(variant_checked);
  }
}

class RecordingCalls : public FontCalls {
 public:
  std::string log;
  bool HasFace(std::string_view) override { return false; }
  int AddFont(const std::string& path) override { return Log("add " + path), 1; }
  void RemoveFont(const std::string& path) override { Log("remove " + path); }
  void BroadcastFontChange() override { Log("broadcast"); }
  void ShowMessage(std::string_view) override { Log("message"); }
  void RequestQuit() override { Log("quit"); }
  void Log(const std::string& call) { log += (log.empty() ? "" : ", ") + call; }
};

TEST(MainFormTest, FontsSystemMenuAboutAndSizes) {
  for (const auto& [dpi, cell, width] : {std::tuple{96, 8, 533}, {120, 16, 667}}) {
    RecordingCalls calls;
    TfMainForm form(calls, "P\\", {"q.exe"});
    EXPECT_EQ(calls.log, "add P\\Vexa-Lower.fon, add P\\Vexa-Upper.fon, broadcast");

    // The system menu ends in a separator and "About...", which opens "Info".
    HMENU menu = GetSystemMenu(form.Handle(), FALSE);
    const int count = GetMenuItemCount(menu);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID;
    ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(count - 2), TRUE, &item));
    EXPECT_EQ(item.fType & MFT_SEPARATOR, static_cast<UINT>(MFT_SEPARATOR));
    wchar_t text[32] = {};
    item.fMask = MIIM_ID | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = 32;
    ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(count - 1), TRUE, &item));
    EXPECT_EQ(item.wID, 0xF800u);
    EXPECT_EQ(std::wstring(text), L"About...");

    TfAbout about(form.Handle());
    form.SetAbout(&about);
    std::wstring caption;
    WhenShown([&] { return about.Handle(); },
              [&](HWND window) {
                caption = TextOf(window);
                PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
              });
    SendMessageW(form.Handle(), WM_SYSCOMMAND, 0xF803, 0);  // the low four bits do not count
    EXPECT_EQ(caption, L"Info");

    form.SetDotsPerInch(dpi);
    ShowWindow(form.Handle(), SW_SHOW);
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(SendDlgItemMessageW(form.Handle(), IDC_LISTBOX1, LB_GETITEMHEIGHT, 0, 0), cell);

    calls.log.clear();
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(calls.log,
              "remove P\\Vexa-Lower.fon, broadcast, remove P\\Vexa-Upper.fon, broadcast");
    MSG quit{};
    while (PeekMessageW(&quit, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
}

std::wstring ItemText(HWND tree, HTREEITEM item) {
  wchar_t text[64] = {};
  TVITEMW data{};
  data.mask = TVIF_TEXT | TVIF_HANDLE;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = 64;
  TreeView_GetItem(tree, &data);
  return text;
}

std::wstring FileList(HWND form) {
  std::wstring names;
  const int count =
      static_cast<int>(SendDlgItemMessageW(form, IDC_FILELISTBOX1, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t name[64] = {};
    SendDlgItemMessageW(form, IDC_FILELISTBOX1, LB_GETTEXT, static_cast<WPARAM>(i),
                        reinterpret_cast<LPARAM>(name));
    names += (names.empty() ? L"" : L" ") + std::wstring(name);
  }
  return names;
}

TEST(MainFormTest, FolderTreeOpensDownToTheFolderAndChoosingOneListsItsImages) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring top = std::wstring(temp) + L"ql-tree";
  const std::wstring sub = top + L"\\Disks";
  const wchar_t* files[] = {L"b.D64", L"a.d64", L"c.txt", L"d.d64.bak"};
  for (const std::wstring& folder : {top, sub, sub + L"\\Deep", sub + L"\\Deep\\Deeper"})
    CreateDirectoryW(folder.c_str(), nullptr);
  for (const wchar_t* name : files) {
    CloseHandle(CreateFileW((sub + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            0, nullptr));
  }
  {
    RecordingCalls calls;
    TfMainForm form(calls, "P\\", {"q.exe"});
    HWND tree = GetDlgItem(form.Handle(), IDC_DIRECTORYLISTBOX1);
    form.SetFolder(sub);
    HTREEITEM chosen = TreeView_GetSelection(tree);
    EXPECT_EQ(ItemText(tree, chosen), L"Disks");
    EXPECT_EQ(ItemText(tree, TreeView_GetParent(tree, chosen)), L"ql-tree");
    EXPECT_EQ(FileList(form.Handle()), L"a.d64 b.D64");

    // The chosen folder is open; its subfolders are read when they are opened.
    HTREEITEM deep = TreeView_GetChild(tree, chosen);
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(ItemText(tree, deep), L"Deep");
    EXPECT_EQ(TreeView_GetChild(tree, deep), nullptr);
    TreeView_Expand(tree, deep, TVE_EXPAND);
    EXPECT_EQ(ItemText(tree, TreeView_GetChild(tree, deep)), L"Deeper");

    TreeView_SelectItem(tree, deep);
    EXPECT_EQ(FileList(form.Handle()), L"");
    TreeView_SelectItem(tree, chosen);
    EXPECT_EQ(FileList(form.Handle()), L"a.d64 b.D64");

    // Another drive moves the tree to that drive's root.
    HWND drives = GetDlgItem(form.Handle(), IDC_DRIVECOMBOBOX1);
    const LRESULT z = SendMessageW(drives, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(L"Z:\\"));
    ASSERT_GE(z, 0);
    SendMessageW(drives, CB_SETCURSEL, static_cast<WPARAM>(z), 0);
    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(IDC_DRIVECOMBOBOX1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(drives));
    EXPECT_EQ(ItemText(tree, TreeView_GetRoot(tree)), L"Z:\\");
    EXPECT_EQ(TreeView_GetSelection(tree), TreeView_GetRoot(tree));
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  }
  for (const wchar_t* name : files) DeleteFileW((sub + L"\\" + name).c_str());
  for (const std::wstring& folder : {sub + L"\\Deep\\Deeper", sub + L"\\Deep", sub, top})
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
