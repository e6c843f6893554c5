// The loss-factor window driven through its controls: the driver edits filled at each show, the
// measured edits kept, the model's results at every keystroke, the language, help, bad input.
#include <QGroupBox>
#include <QLabel>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/LossFactor.h"

namespace velomare::test {
namespace {

class QLmessWindow : public WindowTest<TQLmess, &forms::QLmess> {
 protected:
  QList<QLineEdit*> Edits() {
    TQLmess* f = form();
    return {f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5, f->Edit6, f->Edit7, f->Edit8, f->Edit9, f->Edit10};
  }
  // The window's results against what the model gives for the texts the edits hold now.
  void ExpectModelResults(const std::string& after) {
    TQLmess* f = form();
    QlEditTexts texts;
    for (std::size_t i = 0; i < kQlEditCount; ++i) texts[i] = Edits()[int(i)]->text().toStdString();
    const QlReadouts r = ComputeQl(texts).texts;
    EXPECT_EQ(TextsOf({f->Label13, f->Label14, f->Label15, f->Label16, f->Label17, f->Label18, f->Label19,
                       f->Label21, f->Label11, f->Label12, f->Label22}),
              QStrings({r.fb, r.fsb, r.rm, r.qmsb, r.qesb, r.qtsb, r.h, r.alpha, r.ql, r.ratio, r.deviation}))
        << after;
  }
};

TEST_F(QLmessWindow, ShowTakesTheDriverAndEveryKeystrokeShowsTheModelsResultsNeverNanOrInf) {
  Show();
  TQLmess* f = form();
  EXPECT_EQ(TextsOf({f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5}), QStrings({"6.80", "0.410", "2.040", "0.513", "29.0"}));
  ExpectModelResults("show");
  for (QLineEdit* edit : Edits()) {
    Type(edit, "45");
    ExpectModelResults(edit->objectName().toStdString());
  }
  TypeIntoEach(Edits(), BadNumberTexts());

  // The measured edits keep their texts; the driver edits follow the driver at the next show.
  Type(f->Edit6, "22");
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
  ChassisRe = 3.2;
  Show();
  EXPECT_EQ(f->Edit6->text(), "22");
  EXPECT_EQ(f->Edit1->text(), "3.20");
}

TEST_F(QLmessWindow, EnglishHelpAndNoPrint) {
  Show("english");
  TQLmess* f = form();
  EXPECT_EQ(f->GroupBox2->title(), "measured values");
  EXPECT_EQ(f->Label22->text(), "tolerance = 21.5 %");
  EXPECT_EQ(f->findChildren<QPushButton*>().size(), 2);
  ExpectHelpAndPrint(f->Button2, "QTX_contents0022");
}

}  // namespace
}  // namespace velomare::test
