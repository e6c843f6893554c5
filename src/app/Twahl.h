#pragma once
// The enclosure-type advisor: rates how well the committed driver suits eight enclosure types
// and shows the driver's closed-box values in a trial (free-air) volume. The rules are the
// advice model's (app/model/BoxAdvice.h); this window shows their result and opens the enclosure
// window of a clicked row.
#include <array>

#include "app/model/BoxAdvice.h"
#include "platform/FormBase.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace velomare {

class Twahl : public FormBase {
  Q_OBJECT
 public:
  explicit Twahl(QWidget* parent = nullptr);

  QFrame* Panel1;
  QLabel *Label2, *Label3, *Label4, *Label16, *Label13, *Label12, *Label15, *Label5;
  std::array<QLabel*, 5> cl, br, bp, vbp, horn, op, tml, air;  // symbols 1 to 5 of each row
  QLabel *Label1, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11, *Label14, *Volumen, *StatusBar1;
  QScrollBar* ScrollBar1;
  QPushButton *Button1, *Button2, *Button3;

  void ScrollBar1Change();
  void Label2Click();
  void Label3Click();
  void Label4Click();
  void Label16Click();
  void Label13Click();
  void Label12Click();
  void Panel1MouseMove();
  void Button1Click();
  void Button2Click();
  void Button3Click();

  // The guard and, when it passes, the advice for the committed driver and the scroll bar's volume.
  void AdviseBoxTypes();

 protected:
  std::span<const UiText> Texts() const override;
  void FormPaint(QPainter& painter) override;
  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The row's label and symbols by AdvisedBox.
  QLabel* RowLabel(AdvisedBox box) const;
  const std::array<QLabel*, 5>& RowSymbols(AdvisedBox box) const;
  // The row labels' base texts, where no advice writes them.
  void SetBaseTexts();
  void OpenEnclosure(QWidget* window);
};

}  // namespace velomare
