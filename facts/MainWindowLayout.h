#pragma once

// The main window as designed at 96 dots per inch, in pixels: the browser pane on the left
// (drive selector, folder tree, splitter, file list), the listing on the right, the strip with
// the character-set switch at the bottom. Places are relative to the control's parent.
struct ControlPlace {
  int x, y, width, height;
};

inline constexpr int kMainWindowOuterWidth = 533;
inline constexpr int kMainWindowOuterHeight = 529;
inline constexpr int kTopStripHeight = 9;                    // Panel4, an empty margin
inline constexpr int kBottomStripHeight = 41;                // Panel2, the character-set switch
inline constexpr int kBrowserPaneWidth = 185;                // Panel1
inline constexpr int kDriveStripHeight = 25;                 // Panel7, the drive selector's strip
inline constexpr ControlPlace kDriveSelector{0, 3, 185, 0};  // height: the selector's own
inline constexpr int kFolderItemHeight = 16;
inline constexpr int kFileListHeight = 268;  // Panel6
inline constexpr int kFileItemHeight = 13;
inline constexpr int kPaneSplitterHeight = 3;    // Splitter2, folder tree / file list
inline constexpr int kListingSplitterWidth = 4;  // Splitter1, browser pane / listing
inline constexpr ControlPlace kUpperGraphicsButton{184, 8, 113, 17};  // RadioButton1
inline constexpr ControlPlace kUpperLowerButton{312, 8, 113, 17};     // RadioButton2
inline constexpr char kUpperGraphicsCaption[] = "Upper/Graphics";
inline constexpr char kUpperLowerCaption[] = "Upper/Lower";

// The files the file list offers, in any letter case.
inline constexpr char kImageFileMask[] = "*.d64";

// The system menu's entry that opens the About box, after a separator at the menu's end.
inline constexpr unsigned kAboutCommandId = 0xF800;
inline constexpr unsigned kSystemCommandMask = 0xFFF0;  // the low four bits are the system's
inline constexpr char kAboutMenuText[] = "About...";

// The standard dialog font of every window: 11 pixels high at 96 dots per inch.
inline constexpr char kDialogFontFace[] = "MS Sans Serif";
inline constexpr int kDialogFontPixels = 11;
