#include "pages/clock_face.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <array>
#include <cmath>

namespace ws {

namespace {

constexpr double kWidth = 169;
constexpr double kHeight = 179;
const QPointF kCentre(84.5, 89.5);
constexpr double kRimRadius = 80;
constexpr double kRimWidth = 4;
constexpr double kTickOuter = 77;
constexpr double kMinuteTickInner = 73;
constexpr double kHourTickInner = 68;
constexpr double kMinuteTickWidth = 1.3;
constexpr double kHourTickWidth = 3;
constexpr double kNumeralRadius = 55;
constexpr double kNumeralPixels = 15;
// From a numeral's middle down to its baseline: half the height of a digit.
constexpr double kNumeralDrop = 5.4;
constexpr double kHubRadius = 4.5;

struct Face {
  QPainterPath minuteTicks;
  QPainterPath hourTicks;
  QFont font;
  std::array<QString, 12> numerals;
  std::array<QPointF, 12> numeralOrigins;  // baseline starts, each numeral centred on its place
};

// The same for every face of every sheet: worked out once.
const Face& face() {
  static const Face made = [] {
    Face f;
    for (int minute = 0; minute < 60; ++minute) {
      const double angle = minute * M_PI / 30;
      const QPointF direction(std::sin(angle), -std::cos(angle));
      const bool hour = minute % 5 == 0;
      QPainterPath& ticks = hour ? f.hourTicks : f.minuteTicks;
      ticks.moveTo(kCentre + direction * (hour ? kHourTickInner : kMinuteTickInner));
      ticks.lineTo(kCentre + direction * kTickOuter);
    }
    f.font.setFamilies({QStringLiteral("DejaVu Sans")});
    f.font.setPixelSize(int(kNumeralPixels));
    f.font.setBold(true);
    f.font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(f.font);
    for (int hour = 1; hour <= 12; ++hour) {
      const double angle = hour * M_PI / 6;
      const QString text = QString::number(hour);
      const QPointF middle = kCentre + QPointF(std::sin(angle), -std::cos(angle)) * kNumeralRadius;
      f.numerals[hour - 1] = text;
      f.numeralOrigins[hour - 1] =
          middle + QPointF(-metrics.horizontalAdvance(text) / 2, kNumeralDrop);
    }
    return f;
  }();
  return made;
}

}  // namespace

void paintClockFace(QPainter& painter, const QRectF& box) {
  const Face& f = face();
  painter.save();
  painter.translate(box.topLeft());
  painter.scale(box.width() / kWidth, box.height() / kHeight);
  painter.setPen(QPen(Qt::black, kRimWidth));
  painter.setBrush(Qt::white);
  painter.drawEllipse(kCentre, kRimRadius, kRimRadius);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, kMinuteTickWidth, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(f.minuteTicks);
  painter.setPen(QPen(Qt::black, kHourTickWidth, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(f.hourTicks);
  painter.setPen(Qt::black);
  painter.setFont(f.font);
  for (std::size_t k = 0; k < f.numerals.size(); ++k) {
    painter.drawText(f.numeralOrigins[k], f.numerals[k]);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawEllipse(kCentre, kHubRadius, kHubRadius);
  painter.restore();
}

}  // namespace ws
