#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace quillane::app {

// Where a window's client area goes so that the whole window, frame included, is centred in
// `area` (the screen without its panels). With `fit`, a client too large for the area shrinks,
// down to `least`. The frame's top-left corner never leaves the area, so the title bar can always
// be reached.
QRect CentredClientRect(const QRect& area, QSize client, QSize least, const QMargins& frame,
                        bool fit);

// Centres a top-level window on its screen, frame included. Call it while the window is shown
// but not yet mapped (from its show event): the frame the window manager gives is then taken from
// the window's earlier showings or, before its first, from another window already on the screen.
// Should the frame turn out different once the window is mapped, it is placed once more, so every
// later showing lands where the first one ended.
void CentreOnScreen(QWidget& window, bool fit = false);

}  // namespace quillane::app
