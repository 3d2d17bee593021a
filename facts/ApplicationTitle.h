#pragma once

// The program's title: the caption of the main window and of every message box.
inline constexpr char ApplicationTitle[] = "Quillane_Light";
