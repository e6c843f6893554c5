#include "enclosures/ReferencePictures.h"

#include <QPainter>
#include <cmath>

#include "enclosures/Tgueten.h"
#include "enclosures/Tswerte.h"
#include "enclosures/model/BandpassLevel.h"

namespace velomare {
namespace {

constexpr int kSamples = 240;

std::vector<std::pair<double, double>> Sample(double minX, double maxX, const auto& level) {
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i <= kSamples; ++i) {
    const double x = minX * std::pow(maxX / minX, static_cast<double>(i) / kSamples);
    const double l = level(x);
    if (std::isfinite(l)) points.emplace_back(x, l);
  }
  return points;
}

const QColor kCurveColours[] = {QColor(0, 0, 160), QColor(0, 128, 0), QColor(0, 0, 0), QColor(160, 0, 160),
                                QColor(128, 96, 0)};

}  // namespace

ChartPanel QualityChartPanel() {
  ChartPanel panel;
  panel.minX = 0.5;
  panel.maxX = 8;
  panel.minLevel = -12;
  panel.maxLevel = 6;
  panel.levelStep = 3;
  panel.redX = 1;
  panel.xTicks = {{0.5, "0,5"}, {0.7, "0,7"}, {1, "fc"}, {1.4, "1,4"}, {2, "2"}, {3, "3"}, {5, "5"}, {8, "8 x fc"}};
  const std::pair<double, const char*> qualities[] = {{0.5, "0,5"}, {0.707, "0,707"}, {1, "1"}, {1.414, "1,414"}, {2, "2"}};
  int i = 0;
  for (const auto& [q, name] : qualities) {
    // The closed box normalised to its resonance: r^2 / sqrt((1 - r^2)^2 + (r / Qtc)^2).
    const auto level = [q = q](double r) {
      const double r2 = r * r;
      return 20.0 * std::log10(r2 / std::sqrt((1 - r2) * (1 - r2) + (r / q) * (r / q)));
    };
    panel.curves.push_back({QString("Q = %1").arg(name), kCurveColours[i++], Sample(panel.minX, panel.maxX, level)});
  }
  return panel;
}

std::vector<ChartPanel> BandpassShapePanels() {
  // A representative driver; the curves depend on it only through the normalisation to fs / Qts.
  constexpr double kQts = 0.3, kFs = 30.0, kVas = 100.0, kLossless = 100.0;
  std::vector<ChartPanel> panels;
  for (double s : {0.5, 0.7}) {
    ChartPanel panel;
    panel.title = QString("S=%1").arg(s, 0, 'f', 1);
    panel.minX = 0.177;
    panel.maxX = 3.981;
    panel.minLevel = -15;
    panel.maxLevel = 15;
    panel.levelStep = 5;
    panel.redX = 1;
    for (double x : {0.177, 0.25, 0.354, 0.5, 0.707, 1.0, 1.413, 1.995, 2.818, 3.981})
      panel.xTicks.emplace_back(x, QString::number(x, 'g', 4));
    int i = 0;
    for (double q : {0.5, 0.7, 1.0}) {
      // Textbook S/Q design: vented chamber (2 S Qts)^2 Vas, sealed chamber Vas / ((Q / Qts)^2 - 1),
      // tuning Q fs / Qts.
      BandpassLevelInputs in;
      in.qts = kQts;
      in.fs = kFs;
      in.vas = kVas;
      in.vr = (2 * s * kQts) * (2 * s * kQts) * kVas;
      in.vg = kVas / ((q / kQts) * (q / kQts) - 1.0);
      in.tuning = q * kFs / kQts;
      in.ql = kLossless;
      const auto level = [in](double x) { return BandpassLevel(in, x * kFs / kQts).value_or(std::nan("")); };
      panel.curves.push_back({QString("Q't=%1").arg(q, 0, 'f', 1), kCurveColours[i++], Sample(panel.minX, panel.maxX, level)});
    }
    panels.push_back(std::move(panel));
  }
  return panels;
}

ReferenceChart::ReferenceChart(QWidget* parent, QString title, std::vector<ChartPanel> panels)
    : QWidget(parent), title_(std::move(title)), panels_(std::move(panels)) {}

void ReferenceChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  QFont font = p.font();
  font.setPixelSize(10);
  p.setFont(font);
  const QFontMetrics metrics(font);
  QFont titleFont = font;
  titleFont.setBold(true);
  titleFont.setPixelSize(11);
  p.setFont(titleFont);
  p.drawText(QRect(0, 4, width(), 16), Qt::AlignHCenter, title_);
  p.setFont(font);

  const int top = 24, gap = 8;
  const int panelHeight = (height() - top - gap * static_cast<int>(panels_.size())) / static_cast<int>(panels_.size());
  for (std::size_t k = 0; k < panels_.size(); ++k) {
    const ChartPanel& panel = panels_[k];
    const QRect area(36, top + static_cast<int>(k) * (panelHeight + gap) + (panel.title.isEmpty() ? 0 : 14), width() - 58,
                     panelHeight - 34 - (panel.title.isEmpty() ? 0 : 14));
    const auto xOf = [&](double x) {
      return area.left() + area.width() * std::log(x / panel.minX) / std::log(panel.maxX / panel.minX);
    };
    const auto yOf = [&](double level) {
      return area.top() + area.height() * (panel.maxLevel - level) / (panel.maxLevel - panel.minLevel);
    };
    if (!panel.title.isEmpty()) {
      p.setPen(Qt::black);
      p.drawText(QRect(area.left(), area.top() - 15, area.width(), 14), Qt::AlignHCenter, panel.title);
    }
    p.setPen(QPen(QColor(190, 190, 190), 1));
    for (double level = panel.minLevel; level <= panel.maxLevel + 1e-9; level += panel.levelStep) {
      p.drawLine(QPointF(area.left(), yOf(level)), QPointF(area.right(), yOf(level)));
      p.setPen(Qt::black);
      p.drawText(QRect(0, static_cast<int>(yOf(level)) - 7, area.left() - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
                 QString("%1").arg(level, 0, 'f', 0));
      p.setPen(QPen(QColor(190, 190, 190), 1));
    }
    int row = 0;
    for (const auto& [x, label] : panel.xTicks) {
      p.setPen(QPen(QColor(190, 190, 190), 1));
      p.drawLine(QPointF(xOf(x), area.top()), QPointF(xOf(x), area.bottom()));
      p.setPen(Qt::black);
      const int w = metrics.horizontalAdvance(label);
      // Neighbouring labels take turns between two rows so that none covers another.
      const int y = area.bottom() + 3 + (row++ % 2) * 11;
      p.drawText(QRect(static_cast<int>(xOf(x)) - w / 2, y, w + 2, 12), Qt::AlignLeft, label);
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawText(QRect(0, area.top() - 15, area.left() + 10, 14), Qt::AlignLeft, "dB");
    // The red axes through the reference frequency and 0 dB.
    p.setPen(QPen(Qt::red, 1.5));
    if (panel.redX > 0) p.drawLine(QPointF(xOf(panel.redX), area.top()), QPointF(xOf(panel.redX), area.bottom()));
    p.drawLine(QPointF(area.left(), yOf(0)), QPointF(area.right(), yOf(0)));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);

    p.save();
    p.setClipRect(area);
    int legend = 0;
    for (const ChartPanel::Curve& curve : panel.curves) {
      QPolygonF line;
      for (const auto& [x, level] : curve.points) line << QPointF(xOf(x), yOf(level));
      p.setPen(QPen(curve.colour, 1.6));
      p.drawPolyline(line);
      p.drawText(QRect(area.right() - 62, area.bottom() - 14 - 12 * legend++, 60, 12), Qt::AlignRight, curve.label);
    }
    p.restore();
  }
}

Tgueten::Tgueten(QWidget* parent) : FormBase(parent) {
  InitForm("gueten", "Frequenzverlauf bei verschiedenen Güten", nullptr);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  Image1 = new ReferenceChart(this, QString::fromUtf8("Verlauf um die Resonanz fc je nach Güte"),
                              {QualityChartPanel()});
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, 347, 282);
  SetFixedClientSize(347, 282);
  CentreOnScreen();
}

Tswerte::Tswerte(QWidget* parent) : FormBase(parent) {
  InitForm("swerte", "S-Werte und Güten bei geschlossenen Bandpässen", nullptr);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  Image1 = new ReferenceChart(this, QString::fromUtf8("S-Werte und Güten Q't von Bandpässen, F / (Fs / Qt)"),
                              BandpassShapePanels());
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, 387, 442);
  SetFixedClientSize(387, 442);
  CentreOnScreen();
}

}  // namespace velomare
