#pragma once
// The circuit picture of a filter designer: a ladder drawn from its elements, the source on
// the left and the load Z on the right, with the elements' names.
#include <QString>
#include <QWidget>
#include <vector>

namespace velomare {

struct CircuitElement {
  bool series;    // in the line from source to load; otherwise across the load
  bool inductor;  // otherwise a capacitor
  const char* name;
};

class FilterCircuit : public QWidget {
  Q_OBJECT
 public:
  explicit FilterCircuit(QWidget* parent = nullptr) : QWidget(parent) {}
  void SetElements(std::vector<CircuitElement> elements);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<CircuitElement> elements_;
};

}  // namespace velomare
