#pragma once
// Picture of the new-data dialog: two by two grids with the points that the chosen
// number of auxiliary grids puts on them, drawn as the plan canvas shows grid points.

#include <QWidget>

namespace tvk {

class SubdivisionPicture : public QWidget {
  Q_OBJECT

 public:
  explicit SubdivisionPicture(QWidget* parent = nullptr);

  void setAuxiliaryGrids(int count);
  int auxiliaryGrids() const { return auxiliary_; }
  QSize sizeHint() const override { return {150, 150}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int auxiliary_ = 1;
};

}  // namespace tvk
