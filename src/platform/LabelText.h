#pragma once
// Writing a read-out from a computation that also runs at paint time: an unchanged text must not
// ask for another paint.
#include <QLabel>
#include <QLineEdit>
#include <string>

namespace velomare {

inline void SetLabelText(QLabel* label, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (label->text() != value) label->setText(value);
}

// An edit's text replaced only when it differs, so that its change handler runs only then.
inline void SetEditText(QLineEdit* edit, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (edit->text() != value) edit->setText(value);
}

}  // namespace velomare
