#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "pages/artwork.h"
#include "pages/page_frame.h"
#include "pages/page_painter.h"

// Where the painted clock faces put their numerals: a face whose numbers stand an hour off, or
// run the wrong way round, teaches the pupil to read every time wrong.
namespace ws {
namespace {

// A paint device that keeps where circles and texts were painted, in device units.
class Recorder final : public QPaintDevice {
 public:
  struct Text {
    QString text;
    QRectF ink;
  };

  Recorder(int width, int height) : width_(width), height_(height) {}

  QPaintEngine* paintEngine() const override { return &engine_; }
  const std::vector<QRectF>& circles() const { return engine_.circles; }
  const std::vector<Text>& texts() const { return engine_.texts; }

 private:
  class Engine final : public QPaintEngine {
   public:
    Engine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override {
      if (state.state() & DirtyTransform) transform_ = state.transform();
    }
    void drawEllipse(const QRectF& rect) override { circles.push_back(transform_.mapRect(rect)); }
    void drawTextItem(const QPointF& origin, const QTextItem& item) override {
      const QRectF ink = QFontMetricsF(item.font()).tightBoundingRect(item.text());
      texts.push_back({item.text(), transform_.mapRect(ink.translated(origin))});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawRects(const QRectF*, int) override {}

    std::vector<QRectF> circles;
    std::vector<Text> texts;

   private:
    QTransform transform_;
  };

  // A 96 dpi device; only its size matters here.
  int metric(PaintDeviceMetric metric) const override {
    if (metric == PdmWidth || metric == PdmHeight) return metric == PdmWidth ? width_ : height_;
    if (metric == PdmWidthMM || metric == PdmHeightMM)
      return (metric == PdmWidthMM ? width_ : height_) * 254 / 960;
    if (metric == PdmDevicePixelRatioScaled) return int(devicePixelRatioFScale());
    if (metric == PdmDepth) return 32;
    if (metric == PdmDevicePixelRatio) return 1;
    return 96;  // the resolutions; no other metric is asked for
  }

  int width_, height_;
  mutable Engine engine_;
};

TEST(ClockFacePainting, EveryFaceHasItsTwelveNumeralsEachAtItsOwnHour) {
  ParameterBlock block;
  block.set(Field::Label1, "NORMAL");
  Generator random;
  const Page page = drawPage(PageKind::Form9, LoadContext{block, random, NumberText{","}});
  // One device unit a twip, so the page's boxes hold on the device as they are.
  const Box area = page.drawnArea();
  Recorder device(area.right(), area.bottom());
  {
    QPainter painter(&device);
    paintPage(painter, page, QRectF(area.left, area.top, area.width, area.height));
  }

  int faces = 0;
  for (const Picture& picture : page.pictures) {
    if (picture.artwork != artwork::kClockFace) continue;
    ++faces;
    SCOPED_TRACE("face " + std::to_string(picture.index));
    const QRectF box(picture.box.left, picture.box.top, picture.box.width, picture.box.height);
    // The rim: the widest circle painted inside the face's box.
    QRectF rim;
    for (const QRectF& circle : device.circles()) {
      if (box.contains(circle.center()) && circle.width() > rim.width()) rim = circle;
    }
    ASSERT_GT(rim.width(), box.width() / 2);
    const double radius = rim.width() / 2;

    std::vector<int> seen(13, 0);
    std::vector<double> distances;
    for (const Recorder::Text& numeral : device.texts()) {
      const QPointF offset = numeral.ink.center() - rim.center();
      const double distance = std::hypot(offset.x(), offset.y());
      if (distance >= radius) continue;
      bool isNumber = false;
      const int hour = numeral.text.toInt(&isNumber);
      ASSERT_TRUE(isNumber && hour >= 1 && hour <= 12) << numeral.text.toStdString();
      ++seen[hour];
      distances.push_back(distance);
      // Clockwise from twelve o'clock; the rim is a circle, so its own axes measure alike.
      const double angle = std::atan2(offset.x(), -offset.y()) * 180 / std::numbers::pi;
      double off = std::fmod(angle - hour * 30 + 720, 360);
      if (off > 180) off -= 360;
      EXPECT_LT(std::abs(off), 4) << "numeral " << hour << " stands at " << angle << " degrees";
    }
    for (int hour = 1; hour <= 12; ++hour) EXPECT_EQ(seen[hour], 1) << "numeral " << hour;
    // All on one ring, well inside the rim and clear of the hub.
    for (double d : distances) {
      EXPECT_GT(d, radius * 0.45);
      EXPECT_LT(d, radius * 0.85);
      EXPECT_NEAR(d, distances[0], radius * 0.06);
    }
  }
  EXPECT_EQ(faces, 9);
}

}  // namespace
}  // namespace ws
