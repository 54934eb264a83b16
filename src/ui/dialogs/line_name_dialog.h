#pragma once
// The grid line name dialog ("通り名の設定"): the naming scheme, start number and order
// of the X and Y lines. Confirmed, the window names the lines afresh.

#include <array>

#include <QDialog>

#include "editor/line_name_form.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tvk {

class Building;
class Document;
struct DefaultSettings;
class UserPrompts;

class LineNameDialog : public QDialog {
  Q_OBJECT

 public:
  LineNameDialog(Document& document, DefaultSettings& defaults, UserPrompts& prompts, QWidget* parent = nullptr);

  // One frame's controls; index 0 is "Ｘ通り", 1 "Ｙ通り".
  struct Frame {
    QButtonGroup* schemes = nullptr;    // ids 1 .. 4
    std::array<QLineEdit*, 2> start{};  // beside scheme 1 and scheme 4
    QCheckBox* reverse = nullptr;
  };
  const Frame& frame(int axis) const { return frames_[static_cast<size_t>(axis)]; }
  QPushButton* defaultButton() const { return default_; }

  // "O K": the settings go into the building and the names are generated afresh (a change
  // of the document).
  void accept() override;

 private:
  QWidget* makeFrame(int axis);
  void chooseScheme(int axis, int scheme);
  void showForm(int axis);
  LineNameAxisForm formOf(int axis) const;
  void storeDefaults();

  Document& doc_;
  const Building& b_;
  DefaultSettings& defaults_;
  UserPrompts& prompts_;
  std::array<LineNameAxisForm, 2> forms_;
  std::array<Frame, 2> frames_;
  QPushButton* default_ = nullptr;
};

}  // namespace tvk
