#pragma once
// 配置金物セット: the joint hardware of every column top and bottom, storey by storey, beside
// the required grade. It edits a working copy (editor/hardware_place_rows.h) and writes it into the
// building only when the user applies ("リスト更新", or "O K" and its question).

#include <QDialog>
#include <array>

#include "editor/hardware_place_rows.h"
#include "ui/common/message_box.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace tvk {

class Building;
class Document;

class HardwarePlaceDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows the document calculated without auto-placement.
  HardwarePlaceDialog(Document& document, QWidget* parent, WindowPrompts* prompts = nullptr);
  ~HardwarePlaceDialog() override;

  // ---- what the user does, callable from tests ----
  // Selects row k (0-based) of a storey's list and loads its selectors.
  void selectRow(int storey, int row);
  // Chooses selector entry `index` (0 = "空欄") for the top or the bottom of the selected
  // column of the storey, with the through-column question.
  void choose(int storey, bool top, int index);
  // "2F 配置金物ｸﾘｱ" / "1F 配置金物ｸﾘｱ".
  void clearStorey(int storey);
  // "リスト更新".
  void refreshList();
  // "O K" and "ｷｬﾝｾﾙ" (the close box acts as "ｷｬﾝｾﾙ").
  void accept() override;
  void reject() override;

  // ---- state ----
  QStringList rowTexts(int storey) const;
  QString selectorText(int storey, bool top) const;
  const PlacementCopy& workingCopy() const { return copy_; }
  bool modified() const { return modified_; }
  // The building's hardware was changed (by "リスト更新" or "O K").
  bool applied() const { return applied_; }
  bool refreshEnabled() const;
  void setAutoPlacement(bool on);
  void setDoublePull(bool on);

 private:
  struct StoreyPanel {
    QGroupBox* box = nullptr;
    QListWidget* list = nullptr;
    QComboBox* top = nullptr;
    QComboBox* bottom = nullptr;
    QPushButton* clear = nullptr;
  };
  QWidget* makePanel(int storey);
  void fillList(int storey);
  void loadSelectors(int storey);
  PlacedColumn* selectedColumn(int storey);
  void markModified();
  void storeOptions();
  void apply();

  Document& doc_;
  const Building& building_;
  PromptsRef prompts_;
  PlacementCopy copy_;
  std::array<StoreyPanel, 2> panels_;  // [storey-1]
  QCheckBox* autoPlacement_;
  QCheckBox* doublePull_;
  QPushButton* refresh_;
  bool modified_ = false;
  bool applied_ = false;
};

// Calculates the document without auto-placement and runs the dialog modally; true when
// the building's hardware or options were changed (changes of the document).
bool RunHardwarePlacementDialog(Document& document, QWidget* parent);

}  // namespace tvk
