#include "calculators/ShapeForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"

namespace velomare {
namespace {

constexpr int kRowHeight = 20;

}  // namespace

ShapeForm::ShapeForm(QWidget* parent, const char* formName, const char* germanCaption, const char* englishCaption,
                     int width, int height, const char* helpTopic)
    : FormBase(parent) {
  InitForm(formName, germanCaption, englishCaption);
  SetUsesColorScheme(true);
  SetHelpTopic(helpTopic);
  DeclareOuterSize({width, height});
}

QLabel* ShapeForm::MakeLabel(const char* name, int x, int y, int w, const char* text) {
  QLabel* label = Make<QLabel>(name, this, x, y, w, kRowHeight);
  label->setText(QString::fromUtf8(text));
  return label;
}

QLineEdit* ShapeForm::MakeEdit(const char* name, int x, int y, int w, const char* text) {
  QLineEdit* edit = Make<QLineEdit>(name, this, x, y, w, kRowHeight);
  edit->setText(QString::fromUtf8(text));
  return edit;
}

QScrollBar* ShapeForm::MakeScrollBar(const char* name, int x, int y, int w, int min, int max, int largeStep,
                                     int position) {
  QScrollBar* bar = Make<QScrollBar>(name, this, x, y + 2, w, kRowHeight - 4);
  bar->setOrientation(Qt::Horizontal);
  bar->setRange(min, max);
  bar->setSingleStep(1);
  bar->setPageStep(largeStep);
  bar->setValue(position);
  return bar;
}

QCheckBox* ShapeForm::MakeCheckBox(const char* name, int x, int y, int w, const char* text) {
  QCheckBox* box = Make<QCheckBox>(name, this, x, y, w, kRowHeight);
  box->setText(QString::fromUtf8(text));
  return box;
}

QPushButton* ShapeForm::MakeButton(const char* name, int x, int y, int w, const char* text) {
  QPushButton* button = Make<QPushButton>(name, this, x, y, w, 25);
  button->setText(QString::fromUtf8(text));
  return button;
}

void ShapeForm::SetLabel(QLabel* label, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (label->text() != shown) label->setText(shown);
}

std::string ShapeForm::TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

void ShapeForm::DrawBox() {
  drawn_ = true;
  update();
}

void ShapeForm::FormPaint(QPainter& painter) {
  lastFigure_.reset();
  if (!hasDrawing_) return;
  automatic_ = ReadSettingsBoolCached("Options", "AutohousingSim", true);
  if (!DrawingShown()) return;
  // The outer size of the form: the drawing fills the window below the controls and scales with it.
  const QSize outer = OuterSize();
  lastFigure_ = DrawObliqueBox(*box_, outer.width(), outer.height(), ChassisDia, IsEnglish());
  const ObliqueFigure& figure = *lastFigure_;
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  for (const FigureLine& l : figure.lines) painter.drawLine(l.x1, l.y1, l.x2, l.y2);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRect(QPoint(figure.ellipseLeft, figure.ellipseTop),
                            QPoint(figure.ellipseRight - 1, figure.ellipseBottom - 1)));
  painter.setFont(font());
  const QFontMetrics metrics(font());
  for (const FigureText& text : figure.texts)
    painter.drawText(QPoint(text.x, text.y + metrics.ascent()), QString::fromStdString(text.text));
}

}  // namespace velomare
