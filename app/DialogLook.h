#pragma once

#include <QDialog>

// The look both secondary windows share: a title bar with only a close box, and the standard
// dialog font, 11 pixels high, that their pixel layouts were designed for.
inline void ApplyDialogLook(QDialog& dialog) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint);
  QFont dialog_font = dialog.font();
  dialog_font.setPixelSize(11);
  dialog.setFont(dialog_font);
}
