#pragma once
// The phon/dB picture: the hearing area with the contours of equal loudness level, the regions of
// music and speech and the threshold of hearing, labelled in German. The maximum-sound-pressure
// window shows and hides it and sets its caption in the user's language.
#include <QImage>
#include <QWidget>

#include "platform/FormBase.h"

namespace velomare {

// The picture, 500 x 440 pixels in 16 levels of grey, drawn once from the equal-loudness relation
// and kept.
class PhonDbPicture : public QWidget {
 public:
  explicit PhonDbPicture(QWidget* parent = nullptr);
  static constexpr int kWidth = 500;
  static constexpr int kHeight = 440;
  // The kept picture (drawn at the first call).
  const QImage& Picture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  mutable QImage picture_;
};

class Tphondb : public FormBase {
  Q_OBJECT
 public:
  explicit Tphondb(QWidget* parent = nullptr);

  PhonDbPicture* Image1;
};

}  // namespace velomare
