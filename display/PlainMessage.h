#pragma once

#include <QString>

class QWidget;

namespace quillane::display {

// The program's plain message box: the text, one OK button, no icon, the program's title as
// caption, modal over the owner (over the whole program without one). Returns once closed.
void ShowPlainMessage(const QString& text, QWidget* owner = nullptr);

}  // namespace quillane::display
