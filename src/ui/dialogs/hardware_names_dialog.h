#pragma once
// 金物名の設定: the hardware name list in use, two rows per joint grade with the names and the
// capacity texts editable in place.

#include <QDialog>
#include <array>
#include <string>

#include "model/hardware_names.h"
#include "ui/common/message_box.h"

class QTableWidget;

namespace tvk {

inline constexpr const char* kNamesCaption = "通常使用する接合金物の仕様   (編集項目をリターンまたはダブルクリック)";
inline constexpr const char* kEmptyNameCell = "---";
inline constexpr const char* kAbandonNamesQuestion = "リスト登録処理を中止しますか？";
inline constexpr const char* kNamesDefaultQuestion = "デフォルト金物リストをセットします...";

// The editable cells: data row r (0..21; row 2s + k - 1 holds alternative k of grade s),
// column 0 the name and 1 the capacity.
using NameCells = std::array<std::array<std::string, 2>, 2 * kGradeCount>;

// The cells of a list: an empty text shows as "---".
NameCells CellsOfNames(const HardwareNames& names);
// Every cell trimmed, an empty one as "---".
NameCells TidyCells(const NameCells& cells);
// The list the cells hold; "---" is an empty text, as the hardware name file reads it, so
// the report prints a blank second line the same way whichever way the list came.
HardwareNames NamesOfCells(const NameCells& cells);

class HardwareNamesDialog : public QDialog {
  Q_OBJECT

 public:
  // names: the list in use; settingsFolder: where "デフォルトに設定" writes _Kanamono.Def.
  HardwareNamesDialog(HardwareNames& names, std::string settingsFolder, const std::string& buildingName,
                      QWidget* parent, WindowPrompts* prompts = nullptr);
  ~HardwareNamesDialog() override;

  // As the in-place editor stores a text (data row 0..21, column 0 name, 1 capacity).
  void setCell(int row, int column, const QString& text);
  NameCells cells() const;
  bool modified() const { return modified_; }
  // "デフォルトに設定": asks, then takes the grid as the list in use and writes the file;
  // the dialog stays open. True when the file was written.
  bool setAsDefault();
  // "O K" and "ｷｬﾝｾﾙ" (the close box acts as "ｷｬﾝｾﾙ").
  void accept() override;
  void reject() override;

 private:
  void fill(const NameCells& cells);
  void takeGrid();

  HardwareNames& names_;
  std::string settingsFolder_;
  PromptsRef prompts_;
  QTableWidget* table_;
  bool filling_ = false;
  bool modified_ = false;
};

// Runs the dialog modally; true when the list in use changed.
bool RunHardwareNamesDialog(HardwareNames& names, const std::string& settingsFolder, const std::string& buildingName,
                            QWidget* parent);

}  // namespace tvk
