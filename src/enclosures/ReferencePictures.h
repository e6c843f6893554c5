#pragma once
// The charts of the two reference-picture windows (Tgueten, Tswerte): level over a logarithmic
// frequency axis with a grid, labelled curves and a title, computed once from the models.
#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace velomare {

struct ChartPanel {
  QString title;
  double minLevel = -12, maxLevel = 6, levelStep = 3;  // dB
  double minX = 0.5, maxX = 8;                          // normalised frequency
  std::vector<std::pair<double, QString>> xTicks;       // position and label
  double redX = 0;                                      // a red vertical axis at this frequency (0: none)
  struct Curve {
    QString label;
    QColor colour;
    std::vector<std::pair<double, double>> points;  // (x, dB)
  };
  std::vector<Curve> curves;
};

// One or more panels stacked from top to bottom, each with its own axes.
class ReferenceChart : public QWidget {
 public:
  ReferenceChart(QWidget* parent, QString title, std::vector<ChartPanel> panels);
  const std::vector<ChartPanel>& Panels() const { return panels_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
  std::vector<ChartPanel> panels_;
};

// The panels' data, for the windows and their tests.
ChartPanel QualityChartPanel();
std::vector<ChartPanel> BandpassShapePanels();

}  // namespace velomare
