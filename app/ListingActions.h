#pragma once

#include <QObject>
#include <QString>

#include "Charset.h"
#include "ListingPicture.h"

class QMenu;

namespace quillane::display {
class ListingListBox;
class ListingModel;
}  // namespace quillane::display

namespace quillane::app {

// What the user can do with the listing besides reading it: zoom the cells, copy rows to the
// clipboard as text and as a picture, save them as a PNG file.
//
// Zoom: Ctrl+Plus, Ctrl+Minus, Ctrl+0 anywhere in the window and Ctrl+wheel over the listing
// make the cells 1 to 4 times the side the window chose at start; when the 40 columns of a C64
// screen line no longer fit, the window grows wider, as far as the screen allows. The zoom is
// not kept between runs.
//
// Copy and save take the selected rows, or every row when none is selected. Ctrl+C in the
// listing puts one clipboard entry holding both the Unicode text (the mapping of the terminal
// lister, in the character set shown) and a PNG picture at the cell size shown; the context
// menu copies either form alone or saves the picture.
//
// The character set is the one shown, told by SetCharset as it is to the delegate.
//
//   auto* actions = new ListingActions(list, model, window);
//   actions->SetCharset(Charset::UpperLower);  // when the switch changes
class ListingActions : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMinZoom = 1;
  static constexpr int kMaxZoom = 4;

  ListingActions(display::ListingListBox* list, const display::ListingModel* model,
                 QObject* parent = nullptr);

  // The character set of the text and pictures from now on; Upper/Graphics until told.
  void SetCharset(quillane::Charset charset) { charset_ = charset; }

  // Clamped to 1-4; the cell side becomes the start side times the zoom.
  void SetZoom(int zoom);

  // Puts the rows on the clipboard as one entry: their text, their picture as PNG, or both.
  void Copy(bool with_text, bool with_picture) const;
  // Writes the picture as PNG; false when there is nothing to save or the file cannot be
  // written.
  bool SavePicture(const QString& path) const;
  // Asks for a file name with the toolkit's file dialog, then saves; a failure is told.
  void SaveAs() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The rows copy and save take, as the terminal lister prints them: each ends in a line break.
  QString RowsText() const;
  // The rows at the cell size shown; empty when there are none.
  quillane::RgbImage RowsPicture() const;
  void KeepColumnsInView();
  void ShowMenu(const QPoint& at);

  display::ListingListBox* list_;
  const display::ListingModel* model_;
  quillane::Charset charset_ = quillane::Charset::UpperGraphics;
  QMenu* menu_;
  int zoom_ = 1;
  int wheel_angle_ = 0;  // eighths of a degree not yet turned into a zoom step
};

}  // namespace quillane::app
