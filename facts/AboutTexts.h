#pragma once

#include "MainWindowLayout.h"

// The "Info" box: caption, size and every text it shows, as designed at 96 dots per inch.
inline constexpr char kAboutCaption[] = "Info";
inline constexpr int kAboutClientWidth = 298;
inline constexpr int kAboutClientHeight = 240;
inline constexpr ControlPlace kAboutPanel{8, 8, 281, 185};       // Panel1, holds the rest
inline constexpr ControlPlace kAboutPicture{8, 8, 65, 57};       // ProgramIcon, in the panel
inline constexpr ControlPlace kAboutOkButton{111, 204, 75, 25};  // OKButton, in the window
inline constexpr int kAboutDisplayFontPixels = 19;               // ProductName and Label4

// One text of the box: the control that shows it, its place in the panel and the text. A width
// of 0 means the label takes the size of its text.
struct AboutText {
  const char* control;
  ControlPlace place;
  const char* text;
};

inline constexpr AboutText kAboutProductName{"ProductName", {88, 16, 0, 0}, "Quillane"};
inline constexpr AboutText kAboutEdition{"Label4", {120, 40, 0, 0}, "Zeviz"};
inline constexpr AboutText kAboutMaker{"MakerLine", {8, 80, 0, 0}, "Quillane_Light developers"};
inline constexpr AboutText kAboutBuild{"Label1", {184, 80, 0, 0}, "Build: 07.07.2018"};
inline constexpr AboutText kAboutMailCaption{"Comments", {8, 104, 0, 0}, "mail to:"};
inline constexpr AboutText kAboutMail{"Edit1", {8, 117, 265, 21}, "see README"};
inline constexpr AboutText kAboutHomeCaption{"Label2", {8, 144, 0, 0}, "Home:"};
inline constexpr AboutText kAboutHome{"Edit2", {8, 157, 265, 21}, "Quillane_Light"};
inline constexpr char kAboutOkCaption[] = "OK";
