#pragma once

// A paint device that draws nothing and writes down what it was asked to draw: filled
// rectangles with their colour and text items with their position, font family, text and pen
// colour.
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPaintEngineState>
#include <QPen>
#include <QTextItem>
#include <vector>

namespace quillane::test {

struct RecordedFill {
  QRectF rect;
  QRgb colour;
};

struct RecordedText {
  QPointF baseline;
  QString family;
  QString text;
  QRgb colour;
};

class RecordingPaintEngine : public QPaintEngine {
 public:
  RecordingPaintEngine() : QPaintEngine(QPaintEngine::PaintEngineFeatures()) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & DirtyBrush) brush_ = state.brush();
    if (state.state() & DirtyPen) pen_ = state.pen();
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawRects(const QRect* rects, int count) override {
    for (int i = 0; i < count; ++i) Fill(QRectF(rects[i]));
  }
  void drawRects(const QRectF* rects, int count) override {
    for (int i = 0; i < count; ++i) Fill(rects[i]);
  }
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    texts.push_back({p, item.font().family(), item.text(), pen_.color().rgb()});
  }

  std::vector<RecordedFill> fills;
  std::vector<RecordedText> texts;

 private:
  void Fill(const QRectF& rect) {
    if (brush_.style() == Qt::SolidPattern) fills.push_back({rect, brush_.color().rgb()});
  }
  QBrush brush_;
  QPen pen_;
};

class RecordingPaintDevice : public QPaintDevice {
 public:
  explicit RecordingPaintDevice(QSize size) : size_(size) {}
  QPaintEngine* paintEngine() const override { return &engine_; }
  RecordingPaintEngine& engine() { return engine_; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return size_.width();
      case PdmHeight:
        return size_.height();
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 96;
      case PdmDepth:
        return 32;
      case PdmNumColors:
        return 0x7FFFFFFF;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      default:
        return 0;
    }
  }

 private:
  QSize size_;
  mutable RecordingPaintEngine engine_;
};

}  // namespace quillane::test
