#pragma once
// A paint device that keeps what is drawn on it instead of pixels: every
// text with its position, font and colour, and every rectangle outline. The
// printed pages are drawn on it exactly as on a printer of the same
// resolution, so a test can ask what stands where.

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <vector>

namespace quorval::testing {

struct DrawnText {
  QString text;
  QPointF at;      // baseline start, in device pixels
  QFont font;
  QColor colour;
};

class RecordingEngine : public QPaintEngine {
 public:
  RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & QPaintEngine::DirtyPen) pen_ = state.pen();
    if (state.state() & QPaintEngine::DirtyTransform) transform_ = state.transform();
  }
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    texts.push_back({item.text(), transform_.map(p), item.font(), pen_.color()});
  }
  void drawRects(const QRectF* rects, int count) override {
    for (int i = 0; i < count; ++i) {
      const QRectF r = transform_.mapRect(rects[i]);
      if (painter()->brush().style() == Qt::NoBrush) frames.push_back(r);
      else fills.push_back(r);
    }
  }
  void drawRects(const QRect* rects, int count) override {
    for (int i = 0; i < count; ++i) {
      const QRectF r(rects[i]);
      drawRects(&r, 1);
    }
  }
  void drawLines(const QLineF* lines, int count) override {
    for (int i = 0; i < count; ++i) this->lines.push_back(transform_.map(lines[i]));
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPath(const QPainterPath&) override {}
  Type type() const override { return QPaintEngine::User; }

  std::vector<DrawnText> texts;
  std::vector<QRectF> frames;   // outlines
  std::vector<QRectF> fills;
  std::vector<QLineF> lines;

 private:
  QPen pen_;
  QTransform transform_;
};

class RecordingDevice : public QPaintDevice {
 public:
  // A page of A4 at the given resolution.
  explicit RecordingDevice(int dpi = 600, double widthInches = 8.27, double heightInches = 11.69)
      : dpi_(dpi), width_(int(widthInches * dpi)), height_(int(heightInches * dpi)) {}
  ~RecordingDevice() override = default;
  QPaintEngine* paintEngine() const override { return &engine_; }

  const std::vector<DrawnText>& Texts() const { return engine_.texts; }
  const std::vector<QRectF>& Frames() const { return engine_.frames; }
  const std::vector<QLineF>& Lines() const { return engine_.lines; }

  // The texts drawn, in drawing order, joined by single blanks.
  QString AllText() const {
    QStringList parts;
    for (const auto& t : engine_.texts) parts << t.text;
    return parts.join(' ');
  }
  // The first text that equals `text`, or nullptr.
  const DrawnText* Find(const QString& text) const {
    for (const auto& t : engine_.texts)
      if (t.text == text) return &t;
    return nullptr;
  }
  // Every text drawn whose baseline lies within half a pixel-line of `y`,
  // left to right.
  std::vector<DrawnText> OnLine(double y, double tolerance) const {
    std::vector<DrawnText> out;
    for (const auto& t : engine_.texts)
      if (std::abs(t.at.y() - y) <= tolerance) out.push_back(t);
    std::sort(out.begin(), out.end(), [](const DrawnText& a, const DrawnText& b) { return a.at.x() < b.at.x(); });
    return out;
  }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth: return width_;
      case PdmHeight: return height_;
      case PdmWidthMM: return int(width_ * 25.4 / dpi_);
      case PdmHeightMM: return int(height_ * 25.4 / dpi_);
      case PdmNumColors: return 0x7fffffff;
      case PdmDepth: return 32;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY: return dpi_;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
      default: return 0;
    }
  }

 private:
  int dpi_, width_, height_;
  mutable RecordingEngine engine_;
};

}  // namespace quorval::testing
