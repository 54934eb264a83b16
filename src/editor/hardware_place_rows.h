#pragma once
// The logic of the hardware placement dialog (配置金物セット): the working copy of the placed
// hardware of every column of both storeys, the texts of its lists, selectors and
// questions, and what applying writes into the building. No widgets here.

#include <string>
#include <vector>

#include "editor/command.h"
#include "model/grid_types.h"

namespace tvk {

class Building;
class CalcResults;

inline constexpr const char* kNoColumnsRow = "柱が配置されていません。";
inline constexpr const char* kBlankChoice = "空欄";
inline constexpr const char* kPlacementPrompt = "各階柱頭・柱脚に配置する金物を指定してください。";
inline constexpr const char* kThroughTopQuestion = "通し柱の １階 柱頭部分に金物を配置しようとしています。";
inline constexpr const char* kThroughBottomQuestion = "通し柱の ２階 柱脚部分に金物を配置しようとしています。";
inline constexpr const char* kRefreshQuestion = "金物を配置後、リストを更新します。";
inline constexpr const char* kApplyQuestion = "配置金物を設定後、入力画面に戻ります";
inline constexpr const char* kThroughHoldsQuestion = "通し柱の１階柱頭または２階柱脚に金物を配置しています。";
inline constexpr const char* kAbandonPlacementQuestion = "配置金物設定を中止します。";

// One listed column: its grid point and its working top and bottom texts.
struct PlacedColumn {
  GridPos at;
  std::string top;
  std::string bottom;
};

// The selector entries: "空欄", then the eleven grade symbols.
std::vector<std::string> HardwareChoices();
// The selector entry of a text ("" is "空欄"); -1 for a text that is no entry.
int ChoiceIndex(const std::string& text);
// The text an entry stores ("空欄" stores "").
std::string ChoiceText(int index);

// The list header in the list's fixed-pitch font: the line "配置金物" over "柱頭" and "柱脚",
// then "通 り", "必要", "柱頭", "柱脚" and "備   考" over their fields.
std::vector<std::string> PlacementListHeader(const Building& building);
// A list row: the two grid-line names (the first right-aligned, "- ", the second), the
// required grade and the placed top and bottom right-aligned in five-character fields (by
// display width: full-width characters count two), then "[通し柱]" or eight spaces.
std::string PlacementRowText(const Building& building, int storey, const PlacedColumn& column);

// "2 階 配置金物をクリアーします。" for storey 2.
std::string ClearStoreyQuestion(int storey);

class PlacementCopy {
 public:
  // The columns of both storeys of the building with their placed hardware.
  explicit PlacementCopy(const Building& building);

  std::vector<PlacedColumn>& columns(int storey) { return storeys_[storey - 1]; }
  const std::vector<PlacedColumn>& columns(int storey) const { return storeys_[storey - 1]; }
  // Row texts of a storey's list ("柱が配置されていません。" alone when it has no column).
  std::vector<std::string> rowTexts(const Building& building, int storey) const;
  // Empties the working top and bottom of every column of the storey.
  void clearStorey(int storey);
  // Copies the working texts into the building, then applies double-pull (DoublePullHD)
  // and storey-1-follows-storey-2 (Match1FTo2F, by the N values of results) to every
  // storey-1 column. Empty fields stay empty.
  void applyTo(Building& building, const CalcResults& results) const;

 private:
  std::vector<PlacedColumn> storeys_[2];
};

// Whether the question about the non-joint end of a through column is due: choosing a
// text for the storey-1 top or the storey-2 bottom of a through column. Choosing "空欄"
// places nothing and is not asked.
const char* ThroughColumnQuestion(const Building& building, int storey, const PlacedColumn& column, bool top,
                                  const std::string& text);
// A through column holds hardware at its storey-1 top or storey-2 bottom.
bool ThroughColumnHoldsHardware(const Building& building);
// Whether applying the working copy with a double-pull choice (DoublePullHD) would leave a
// through column so; the building itself is not changed.
bool ApplyingLeavesThroughHardware(const Building& building, const CalcResults& results, const PlacementCopy& copy,
                                   int doublePullHD);

// Applying the working copy as a change of the document, at once: results are the
// building's as it is then.
Command PlacementCommand(const PlacementCopy& copy, const CalcResults& results);

}  // namespace tvk
