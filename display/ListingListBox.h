#pragma once

#include <QListView>

namespace quillane::display {

class ListingDelegate;

// The listing list ListBox1: fixed-height items of one cell, one per listing row, several of
// them selectable at once (click, Shift+click for a range, Ctrl+click to add), no horizontal
// scroll bar, and blue below the last row so the listing reads as one C64 screen.
//
//   auto* list = new ListingListBox(parent);
//   list->setModel(&model);
//   list->SetListingDelegate(&delegate);  // instead of setItemDelegate
//   list->SetItemHeight(16);              // at 120 dots per inch and more
class ListingListBox : public QListView {
  Q_OBJECT

 public:
  explicit ListingListBox(QWidget* parent = nullptr);

  // The delegate that draws the rows; it gets the item height and the list's font now and
  // whenever they change. Not owned.
  void SetListingDelegate(ListingDelegate* delegate);

  // ItemHeight, the side of a character cell in pixels (8 or 16).
  void SetItemHeight(int height);
  int ItemHeight() const { return item_height_; }

  // Paints every visible row before returning, as after a character-set switch; rows just
  // added are laid out first.
  void RepaintNow();

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FontsChanged();

  ListingDelegate* delegate_ = nullptr;
  int item_height_;
};

}  // namespace quillane::display
