#pragma once

class QDialog;
class QWidget;

namespace quillane::app {

// The windows' layouts are designed in pixels at 96 dots per inch, with the standard dialog
// font 11 pixels high there. The toolkit scales text with the font resolution; the designed
// pixel sizes follow by the same factor, so that texts keep fitting their controls.

// The factor by which the toolkit scales text on the window's screen: 1 at 96 dots per inch,
// 1.25 at 120.
double DesignScale(const QWidget& window);

// The standard dialog font: 11 pixels high at 96 dots per inch, scaled like all text.
void ApplyDialogFont(QWidget& window);

// Everything a secondary window shares: a title bar with only a close box, and the dialog font.
void ApplyDialogLook(QDialog& dialog);

// Scales the designed pixel sizes of a window built from its layout file by `factor`: the
// window's own size, the places and sizes of controls that stand at fixed positions, fixed and
// least sizes, layout margins, gaps and splitter handles. Only the controls named in the layout
// are touched; the toolkit's own inner parts follow their owners.
void ScaleDesignedSizes(QWidget& window, double factor);

}  // namespace quillane::app
