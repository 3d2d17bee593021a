#include "DialogLook.h"

#include <QDialog>
#include <QLayout>
#include <QSplitter>
#include <QWidget>

namespace quillane::app {

double DesignScale(const QWidget& window) {
  return window.logicalDpiY() / 96.0;
}

void ApplyDialogFont(QWidget& window) {
  QFont font = window.font();
  font.setPointSizeF(11 * 72.0 / 96);  // 11 pixels at 96 dots per inch
  window.setFont(font);
}

void ApplyDialogLook(QDialog& dialog) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint);
  ApplyDialogFont(dialog);
}

namespace {

int Scaled(int pixels, double factor) {
  return pixels >= QWIDGETSIZE_MAX ? pixels : qRound(pixels * factor);
}

QSize Scaled(QSize size, double factor) {
  return {Scaled(size.width(), factor), Scaled(size.height(), factor)};
}

bool InLayout(const QWidget& widget) {
  const QWidget* parent = widget.parentWidget();
  return parent != nullptr && parent->layout() != nullptr &&
         parent->layout()->indexOf(&widget) >= 0;
}

void ScaleLayout(QLayout& layout, double factor) {
  const QMargins m = layout.contentsMargins();
  layout.setContentsMargins(Scaled(m.left(), factor), Scaled(m.top(), factor),
                            Scaled(m.right(), factor), Scaled(m.bottom(), factor));
  if (layout.spacing() > 0) layout.setSpacing(Scaled(layout.spacing(), factor));
  for (int i = 0; i < layout.count(); ++i) {
    if (QSpacerItem* gap = layout.itemAt(i)->spacerItem()) {
      const QSizePolicy policy = gap->sizePolicy();
      const QSize size = Scaled(gap->sizeHint(), factor);
      gap->changeSize(size.width(), size.height(), policy.horizontalPolicy(),
                      policy.verticalPolicy());
    }
  }
  layout.invalidate();
}

}  // namespace

void ScaleDesignedSizes(QWidget& window, double factor) {
  if (qFuzzyCompare(factor, 1.0)) return;
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* widget : widgets) {
    const QString name = widget->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
    if (widget->window() != &window) continue;  // a window of its own scales itself
    const QSize size = Scaled(widget->size(), factor);
    widget->setMinimumSize(Scaled(widget->minimumSize(), factor));
    widget->setMaximumSize(Scaled(widget->maximumSize(), factor));
    if (widget == &window || InLayout(*widget)) {
      widget->resize(size);
    } else {
      widget->setGeometry(QRect(Scaled(widget->pos().x(), factor),
                                Scaled(widget->pos().y(), factor), size.width(), size.height()));
    }
    if (QLayout* layout = widget->layout()) ScaleLayout(*layout, factor);
    if (auto* splitter = qobject_cast<QSplitter*>(widget)) {
      splitter->setHandleWidth(Scaled(splitter->handleWidth(), factor));
    }
  }
}

}  // namespace quillane::app
