#include "editor/hardware_place_rows.h"

#include <algorithm>

#include "engine/calc_results.h"
#include "engine/grade.h"
#include "engine/hardware_placement.h"
#include "engine/member_codes.h"
#include "model/building.h"
#include "model/text_codec.h"

namespace tvk {

namespace {

constexpr size_t kGradeField = 5;  // display width of the grade fields
constexpr const char* kThroughMark = "[通し柱]";
constexpr const char* kNoMark = "        ";

std::string PadLeft(const std::string& text, size_t width) {
  const size_t used = Cp932ByteLength(text);
  return used >= width ? text : std::string(width - used, ' ') + text;
}

std::string PadRight(const std::string& text, size_t width) {
  const size_t used = Cp932ByteLength(text);
  return used >= width ? text : text + std::string(width - used, ' ');
}

std::string Centred(const std::string& text, size_t width) {
  const size_t used = Cp932ByteLength(text);
  if (used >= width) return text;
  return PadRight(std::string((width - used) / 2, ' ') + text, width);
}

// Display widths of the two name fields: the widest name of each axis.
size_t NameWidth(const std::vector<std::string>& names) {
  size_t width = 2;
  for (const std::string& name : names) width = std::max(width, Cp932ByteLength(name));
  return width;
}

bool IsThrough(const Building& building, int storey, const PlacedColumn& column) {
  return building.Point(column.at, storey).Column.Through == 1;
}

}  // namespace

std::vector<std::string> HardwareChoices() {
  std::vector<std::string> choices{kBlankChoice};
  for (const GradeInfo& grade : GradeTable()) choices.emplace_back(grade.symbol);
  return choices;
}

int ChoiceIndex(const std::string& text) {
  if (text.empty()) return 0;
  const std::vector<std::string> choices = HardwareChoices();
  const auto found = std::find(choices.begin() + 1, choices.end(), text);
  return found == choices.end() ? -1 : int(found - choices.begin());
}

std::string ChoiceText(int index) {
  const std::vector<std::string> choices = HardwareChoices();
  if (index <= 0 || index >= int(choices.size())) return {};
  return choices[size_t(index)];
}

std::vector<std::string> PlacementListHeader(const Building& building) {
  const size_t position = NameWidth(building.Settings.LineNamesX) + 2 + NameWidth(building.Settings.LineNamesY);
  const std::string lead(position + 1 + kGradeField + 1, ' ');
  return {lead + Centred("配置金物", 2 * kGradeField + 1),
          Centred("通 り", position) + " " + PadLeft("必要", kGradeField) + " " + PadLeft("柱頭", kGradeField) + " " +
              PadLeft("柱脚", kGradeField) + " " + Centred("備   考", std::string(kNoMark).size())};
}

std::string PlacementRowText(const Building& building, int storey, const PlacedColumn& column) {
  const ColumnRec& rec = building.Point(column.at, storey).Column;
  return PadLeft(building.LineNameX(column.at.i), NameWidth(building.Settings.LineNamesX)) + "- " +
         PadRight(building.LineNameY(column.at.j), NameWidth(building.Settings.LineNamesY)) + " " +
         PadLeft(rec.NeedGrade, kGradeField) + " " + PadLeft(column.top, kGradeField) + " " +
         PadLeft(column.bottom, kGradeField) + " " + (IsThrough(building, storey, column) ? kThroughMark : kNoMark);
}

std::string ClearStoreyQuestion(int storey) { return std::to_string(storey) + " 階 配置金物をクリアーします。"; }

PlacementCopy::PlacementCopy(const Building& building) {
  for (int s = 1; s <= std::min(building.Storeys(), 2); ++s) {
    for (int i = 1; i <= building.PointsX(); ++i) {
      for (int j = 1; j <= building.PointsY(); ++j) {
        const GridPoint& p = building.Point(i, j, s);
        if (HasColumnAt(p)) columns(s).push_back({{i, j}, p.Column.TopHardware, p.Column.BottomHardware});
      }
    }
  }
}

std::vector<std::string> PlacementCopy::rowTexts(const Building& building, int storey) const {
  std::vector<std::string> rows;
  for (const PlacedColumn& column : columns(storey)) rows.push_back(PlacementRowText(building, storey, column));
  if (rows.empty()) rows.emplace_back(kNoColumnsRow);
  return rows;
}

void PlacementCopy::clearStorey(int storey) {
  for (PlacedColumn& column : columns(storey)) {
    column.top.clear();
    column.bottom.clear();
  }
}

void PlacementCopy::applyTo(Building& building, const CalcResults& results) const {
  for (int s = 1; s <= 2; ++s) {
    for (const PlacedColumn& column : columns(s)) {
      ColumnRec& rec = building.Point(column.at, s).Column;
      rec.TopHardware = column.top;
      rec.BottomHardware = column.bottom;
    }
  }
  for (const PlacedColumn& column : columns(1)) {
    if (building.Settings.DoublePullHD == 1) SetRyobiki(building, column.at, 1);
    if (building.Settings.Match1FTo2F == 1) MatchLowerHardware(building, results, column.at, 1);
  }
}

const char* ThroughColumnQuestion(const Building& building, int storey, const PlacedColumn& column, bool top,
                                  const std::string& text) {
  if (text.empty() || !IsThrough(building, storey, column)) return nullptr;
  if (storey == 1 && top) return kThroughTopQuestion;
  if (storey == 2 && !top) return kThroughBottomQuestion;
  return nullptr;
}

bool ThroughColumnHoldsHardware(const Building& building) {
  if (building.Storeys() < 2) return false;
  for (int i = 1; i <= building.PointsX(); ++i) {
    for (int j = 1; j <= building.PointsY(); ++j) {
      const ColumnRec& lower = building.Point(i, j, 1).Column;
      const ColumnRec& upper = building.Point(i, j, 2).Column;
      if (lower.Through == 1 && !lower.TopHardware.empty()) return true;
      if (upper.Through == 1 && !upper.BottomHardware.empty()) return true;
    }
  }
  return false;
}

bool ApplyingLeavesThroughHardware(const Building& building, const CalcResults& results, const PlacementCopy& copy,
                                   int doublePullHD) {
  Building trial = building;
  trial.Settings.DoublePullHD = doublePullHD;
  copy.applyTo(trial, results);
  return ThroughColumnHoldsHardware(trial);
}

Command PlacementCommand(const PlacementCopy& copy, const CalcResults& results) {
  return Command{DocumentChange::Values(), {}, false, [copy, &results](Building& b) { copy.applyTo(b, results); }};
}

}  // namespace tvk
