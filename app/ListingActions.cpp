#include "ListingActions.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "CellGeometry.h"
#include "ListingListBox.h"
#include "ListingModel.h"
#include "ListingPicture.h"
#include "OutputText.h"
#include "PlainMessage.h"

namespace quillane::app {

namespace {

// One wheel notch, in eighths of a degree.
constexpr int kWheelStep = 120;

// The rows to copy or save: the selected ones in order, or all. Their bytes are the model's.
std::vector<quillane::ListingRow> ChooseRows(const display::ListingListBox& list,
                                             const display::ListingModel& model) {
  std::vector<int> numbers;
  if (const QItemSelectionModel* selection = list.selectionModel()) {
    for (const QModelIndex& index : selection->selectedIndexes()) numbers.push_back(index.row());
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  if (numbers.empty()) {
    for (int row = 0; row < model.Count(); ++row) numbers.push_back(row);
  }
  std::vector<quillane::ListingRow> rows;
  rows.reserve(numbers.size());
  for (int row : numbers) rows.push_back(model.Row(row));
  return rows;
}

// The picture as the toolkit's image, sharing its pixels: valid while the picture lives.
QImage ImageOf(const quillane::RgbImage& picture) {
  return QImage(picture.pixels.data(), picture.width, picture.height, picture.width * 3,
                QImage::Format_RGB888);
}

}  // namespace

ListingActions::ListingActions(display::ListingListBox* list, const display::ListingModel* model,
                               QObject* parent)
    : QObject(parent), list_(list), model_(model) {
  QWidget* window = list_->window();
  // Ctrl+= too: Plus needs Shift on many keyboards.
  QList<QKeySequence> zoom_in = QKeySequence::keyBindings(QKeySequence::ZoomIn);
  if (!zoom_in.contains(QKeySequence(Qt::CTRL | Qt::Key_Equal))) {
    zoom_in << QKeySequence(Qt::CTRL | Qt::Key_Equal);
  }
  const std::pair<QList<QKeySequence>, int> zoom_keys[] = {
      {zoom_in, +1},
      {QKeySequence::keyBindings(QKeySequence::ZoomOut), -1},
      {{QKeySequence(Qt::CTRL | Qt::Key_0)}, 0},
  };
  for (const auto& [keys, step] : zoom_keys) {
    auto* shortcut = new QShortcut(window);
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this,
            [this, step = step] { SetZoom(step == 0 ? kMinZoom : zoom_ + step); });
  }
  list_->installEventFilter(this);
  list_->viewport()->installEventFilter(this);

  menu_ = new QMenu(list_);
  connect(menu_->addAction(tr("Copy as Text")), &QAction::triggered, this,
          [this] { Copy(true, false); });
  connect(menu_->addAction(tr("Copy as Picture")), &QAction::triggered, this,
          [this] { Copy(false, true); });
  connect(menu_->addAction(tr("Save as PNG\u2026")), &QAction::triggered, this,
          &ListingActions::SaveAs);
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list_, &QWidget::customContextMenuRequested, this, &ListingActions::ShowMenu);
}

void ListingActions::SetZoom(int zoom) {
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  if (zoom == zoom_) return;
  const int start_side = list_->ItemHeight() / zoom_;
  zoom_ = zoom;
  list_->SetItemHeight(start_side * zoom_);
  KeepColumnsInView();
}

// Widens the window by what the listing lacks for 40 cells and a scroll bar, within the
// screen's free area; the window is moved left where it would stick out on the right.
void ListingActions::KeepColumnsInView() {
  QWidget* window = list_->window();
  if (window->isMaximized() || window->isFullScreen()) return;
  const int scroll_bar = list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_);
  const int missing = quillane::kScreenColumns * list_->ItemHeight() + scroll_bar - list_->width();
  if (missing <= 0) return;
  int width = window->width() + missing;
  const QScreen* screen = window->screen();
  if (screen == nullptr) {
    window->resize(width, window->height());
    return;
  }
  const QRect area = screen->availableGeometry();
  const int frame = window->frameGeometry().width() - window->width();
  width = std::max(window->width(), std::min(width, area.width() - frame));
  window->resize(width, window->height());
  const int overhang = window->frameGeometry().left() + width + frame - 1 - area.right();
  if (overhang > 0) {
    window->move(std::max(area.left(), window->frameGeometry().left() - overhang),
                 window->frameGeometry().top());
  }
}

QString ListingActions::RowsText() const {
  std::string text;
  for (const quillane::ListingRow& row : ChooseRows(*list_, *model_)) {
    quillane::AppendRowText(text, row, charset_, false);
    text += '\n';
  }
  return QString::fromStdString(text);
}

quillane::RgbImage ListingActions::RowsPicture() const {
  return quillane::RenderListing(ChooseRows(*list_, *model_), charset_,
                                 list_->ItemHeight() / quillane::kGlyphSide);
}

void ListingActions::Copy(bool with_text, bool with_picture) const {
  if (model_->Count() == 0) return;
  auto* data = new QMimeData;
  if (with_text) data->setText(RowsText());
  if (with_picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ImageOf(RowsPicture()).save(&buffer, "PNG");
    data->setData(QStringLiteral("image/png"), png);
  }
  QGuiApplication::clipboard()->setMimeData(data);
}

bool ListingActions::SavePicture(const QString& path) const {
  const quillane::RgbImage picture = RowsPicture();
  return !picture.Empty() && ImageOf(picture).save(path, "PNG");
}

void ListingActions::SaveAs() const {
  if (model_->Count() == 0) return;
  QFileDialog dialog(list_->window(), tr("Save as PNG"), QDir::homePath(),
                     tr("PNG pictures (*.png)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("png"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().constFirst();
  if (!SavePicture(path)) {
    display::ShowPlainMessage(tr("The picture could not be written to %1.").arg(path),
                              list_->window());
  }
}

void ListingActions::ShowMenu(const QPoint& at) {
  for (QAction* action : menu_->actions()) action->setEnabled(model_->Count() > 0);
  menu_->popup(list_->viewport()->mapToGlobal(at));
}

bool ListingActions::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    Copy(true, true);
    return true;
  }
  if (watched == list_->viewport() && event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
    wheel_angle_ += wheel->angleDelta().y();
    for (; wheel_angle_ >= kWheelStep; wheel_angle_ -= kWheelStep) SetZoom(zoom_ + 1);
    for (; wheel_angle_ <= -kWheelStep; wheel_angle_ += kWheelStep) SetZoom(zoom_ - 1);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quillane::app
