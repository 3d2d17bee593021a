#include "ListingListBox.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

#include "CellGeometry.h"
#include "ListingColours.h"
#include "ListingDelegate.h"

namespace quillane::display {

ListingListBox::ListingListBox(QWidget* parent) : QListView(parent), item_height_(kSmallCell) {
  setObjectName(QStringLiteral("ListBox1"));
  setViewMode(QListView::ListMode);
  setFlow(QListView::TopToBottom);
  setWrapping(false);
  setMovement(QListView::Static);
  setResizeMode(QListView::Adjust);
  setUniformItemSizes(true);
  setSpacing(0);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  // No frame: the rows start at the list's own top-left pixel.
  setFrameShape(QFrame::NoFrame);
  setViewportMargins(0, 0, 0, 0);
  setAlternatingRowColors(false);

  // Blue below the last row; the scroll bar keeps the style's colours.
  QPalette palette = viewport()->palette();
  const QColor background = QColor::fromRgb(kListingBackground);
  for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window}) {
    palette.setColor(QPalette::All, role, background);
  }
  viewport()->setPalette(palette);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);

  setFont(ListingDelegate::ListFont(font()));

  // Font files registered while the program runs change what the face names resolve to.
  connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, this, &ListingListBox::FontsChanged);
}

void ListingListBox::SetListingDelegate(ListingDelegate* delegate) {
  delegate_ = delegate;
  setItemDelegate(delegate);
  if (delegate_ != nullptr) {
    delegate_->SetBaseFont(font());
    delegate_->SetCellSize(item_height_);
  }
  scheduleDelayedItemsLayout();
}

void ListingListBox::SetItemHeight(int height) {
  if (height <= 0) return;
  item_height_ = height;
  if (delegate_ != nullptr) delegate_->SetCellSize(height);
  scheduleDelayedItemsLayout();
  viewport()->update();
}

void ListingListBox::RepaintNow() {
  executeDelayedItemsLayout();
  viewport()->repaint();
}

void ListingListBox::FontsChanged() {
  if (delegate_ != nullptr) delegate_->RefreshFonts();
  viewport()->update();
}

void ListingListBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange && delegate_ != nullptr) {
    delegate_->SetBaseFont(font());
    viewport()->update();
  }
  QListView::changeEvent(event);
}

void ListingListBox::resizeEvent(QResizeEvent* event) {
  QListView::resizeEvent(event);
  // Rows span the full width: lay them out again for the new width.
  scheduleDelayedItemsLayout();
}

}  // namespace quillane::display
