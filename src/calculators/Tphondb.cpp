#include "calculators/Tphondb.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <initializer_list>

#include "calculators/model/EqualLoudness.h"

namespace velomare {
namespace {

// The plot inside the picture: frequency 20 Hz to 16 kHz on a logarithmic axis, level 0 to 140 dB.
constexpr double kLeft = 56, kRight = 486, kTop = 34, kBottom = 390;
constexpr double kLowestFrequency = 20, kHighestFrequency = 16000;
constexpr double kLowestLevel = 0, kHighestLevel = 140;
constexpr int kGreyLevels = 16;

double X(double frequency) {
  return kLeft + (kRight - kLeft) * std::log(frequency / kLowestFrequency) /
                     std::log(kHighestFrequency / kLowestFrequency);
}
double Y(double level) { return kBottom - (kBottom - kTop) * (level - kLowestLevel) / (kHighestLevel - kLowestLevel); }
QPointF At(double frequency, double level) { return {X(frequency), Y(level)}; }

// A closed region through (frequency, level) corners, rounded by a smooth path.
QPainterPath Region(std::initializer_list<std::pair<double, double>> corners) {
  QPolygonF polygon;
  for (const auto& [f, l] : corners) polygon << At(f, l);
  QPainterPath path;
  const int n = polygon.size();
  path.moveTo((polygon[n - 1] + polygon[0]) / 2);
  for (int i = 0; i < n; ++i) path.quadTo(polygon[i], (polygon[i] + polygon[(i + 1) % n]) / 2);
  path.closeSubpath();
  return path;
}

// A contour through the standard frequencies; points the relation cannot give are skipped.
template <class LevelAt>
QPainterPath Contour(LevelAt levelAt) {
  QPainterPath path;
  const auto& frequencies = LoudnessFrequencies();
  bool started = false;
  for (int i = 0; i < kLoudnessFrequencyCount; ++i) {
    const double level = levelAt(i);
    if (!std::isfinite(level)) continue;
    const QPointF point = At(frequencies[i], std::min(level, kHighestLevel + 8));
    if (started) {
      path.lineTo(point);
    } else {
      path.moveTo(point);
      started = true;
    }
  }
  return path;
}

void DrawText(QPainter& p, const QRectF& box, int flags, const QString& text, bool ground = false) {
  flags |= Qt::TextDontClip;
  if (ground) {
    QRectF used = p.boundingRect(box, flags, text).adjusted(-1, 0, 1, 0);
    p.fillRect(used, Qt::white);
  }
  p.drawText(box, flags, text);
}

QImage DrawPicture() {
  QImage image(PhonDbPicture::kWidth, PhonDbPicture::kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  p.setFont(font);

  // The regions first, so that the grid and the contours lie over them.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(218, 218, 218));
  p.drawPath(Region({{30, 60}, {40, 38}, {100, 28}, {1000, 20}, {4000, 18}, {10000, 30}, {14000, 60},
                     {12000, 92}, {4000, 100}, {500, 104}, {80, 102}, {35, 90}}));
  p.setBrush(QColor(170, 170, 170));
  p.drawPath(Region({{150, 50}, {400, 40}, {2000, 36}, {6000, 44}, {8000, 62}, {5000, 76}, {1000, 80},
                     {300, 76}, {150, 66}}));

  // Grid and axes.
  const QPen grid(QColor(150, 150, 150), 0.8, Qt::DotLine);
  const QPen axis(Qt::black, 1.2);
  p.setBrush(Qt::NoBrush);
  p.setPen(axis);
  const struct {
    double frequency;
    const char* text;
  } kTicks[] = {{20, "20"},    {50, "50"},    {100, "100"}, {200, "200"},  {500, "500"},
                {1000, "1k"},  {2000, "2k"},  {5000, "5k"}, {10000, "10k"}, {16000, "16k"}};
  for (const auto& tick : kTicks) {
    p.setPen(grid);
    p.drawLine(At(tick.frequency, kLowestLevel), At(tick.frequency, kHighestLevel));
    p.setPen(axis);
    DrawText(p, QRectF(X(tick.frequency) - 20, kBottom + 3, 40, 14), Qt::AlignHCenter | Qt::AlignTop, tick.text);
  }
  for (int level = 0; level <= 140; level += 10) {
    p.setPen(grid);
    p.drawLine(At(kLowestFrequency, level), At(kHighestFrequency, level));
    p.setPen(axis);
    if (level % 20 == 0)
      DrawText(p, QRectF(kLeft - 34, Y(level) - 7, 30, 14), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(level));
  }
  p.drawRect(QRectF(kLeft, kTop, kRight - kLeft, kBottom - kTop));

  // The contours of equal loudness level, 0 to 130 phon, each labelled at 1 kHz where its level
  // equals its phon value.
  p.setClipRect(QRectF(kLeft, kTop, kRight - kLeft, kBottom - kTop));
  for (int phon = 0; phon <= 130; phon += 10) {
    p.setPen(QPen(Qt::black, phon == 130 ? 1.8 : 1.1));
    p.drawPath(Contour([phon](int i) { return EqualLoudnessLevel(phon, i); }));
  }
  p.setPen(QPen(Qt::black, 1.4, Qt::DashLine));
  p.drawPath(Contour([](int i) { return HearingThreshold(i); }));
  p.setClipping(false);
  for (int phon = 10; phon <= 120; phon += 10)
    DrawText(p, QRectF(X(1000) - 14, Y(phon) - 7, 28, 14), Qt::AlignCenter, QString::number(phon), true);

  p.setPen(Qt::black);
  QFont bold = font;
  bold.setBold(true);
  p.setFont(bold);
  DrawText(p, QRectF(X(400) - 60, Y(135) - 7, 120, 14), Qt::AlignCenter, QString::fromUtf8("Schmerzgrenze"), true);
  DrawText(p, QRectF(X(2000), Y(-2) - 16, 120, 14), Qt::AlignLeft, QString::fromUtf8("Hörschwelle"), true);
  DrawText(p, QRectF(X(60), Y(88) - 7, 80, 14), Qt::AlignLeft, QString::fromUtf8("Musik"), false);
  DrawText(p, QRectF(X(250), Y(58) - 7, 80, 14), Qt::AlignLeft, QString::fromUtf8("Sprache"), false);

  p.setFont(bold);
  DrawText(p, QRectF(0, 6, PhonDbPicture::kWidth, 18), Qt::AlignCenter,
           QString::fromUtf8("Hörfläche: Kurven gleicher Lautstärke in phon"));
  p.setFont(font);
  DrawText(p, QRectF(kLeft, kBottom + 20, kRight - kLeft, 16), Qt::AlignCenter, QString::fromUtf8("Frequenz f in Hz"));
  p.save();
  p.translate(12, (kTop + kBottom) / 2);
  p.rotate(-90);
  DrawText(p, QRectF(-120, -8, 240, 16), Qt::AlignCenter, QString::fromUtf8("Schalldruckpegel L in dB"));
  p.restore();
  p.end();

  // Down to 16 levels of grey.
  QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
  constexpr int kStep = 255 / (kGreyLevels - 1);
  for (int y = 0; y < grey.height(); ++y) {
    uchar* line = grey.scanLine(y);
    for (int x = 0; x < grey.width(); ++x) line[x] = uchar((line[x] + kStep / 2) / kStep * kStep);
  }
  return grey;
}

}  // namespace

PhonDbPicture::PhonDbPicture(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

const QImage& PhonDbPicture::Picture() const {
  if (picture_.isNull()) picture_ = DrawPicture();
  return picture_;
}

void PhonDbPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, Picture());
}

Tphondb::Tphondb(QWidget* parent) : FormBase(parent) {
  // No text table: the caption is the maximum-sound-pressure window's to set in the language.
  setObjectName(QStringLiteral("phondb"));
  setWindowTitle(QString::fromUtf8("Phon/dB - Hörflächen-Diagramm"));
  Image1 = Make<PhonDbPicture>("Image1", this, 0, 0, PhonDbPicture::kWidth, PhonDbPicture::kHeight);
  SetFixedClientSize(502, 441);
  CentreOnScreen();
}

}  // namespace velomare
