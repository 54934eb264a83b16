#pragma once
// A one-line label that gives way: in less room than its text needs it ends the text with
// "…" rather than cutting through a character, and shows the whole text as its tooltip.

#include <QLabel>

namespace tvk {

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  void setText(const QString& text);
  // The text as it is drawn in the label's present width.
  QString shownText() const;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tvk
