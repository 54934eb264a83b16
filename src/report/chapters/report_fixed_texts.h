#pragma once
// The fixed explanatory texts and tables of chapter 1 of the calculation report, as data.
// Cells use "\r" for a line break inside the cell.

#include <string>
#include <vector>

#include "model/hardware_names.h"

namespace tvk {

struct CalcSettings;

// Headings and single lines of the report.
inline constexpr const char* kHeadOutline = "1.概要";
inline constexpr const char* kHeadPolicy = "1.1.設計方針";
inline constexpr const char* kHeadMethod = "1.2.Ｎ値計算方法";
inline constexpr const char* kMethodIntro = "接合金物を選択するためのＮ値算定式を以下に示す。";
inline constexpr const char* kMethodCase1 = "(1)平屋建ての場合、若しくは２階建ての部分における２階の柱の場合";
inline constexpr const char* kMethodCase2 = "(2)２階建ての部分における１階の柱の場合";
inline constexpr const char* kHeadBraceCorrection = "●筋かいの分担応力を考慮した補正値";
inline constexpr const char* kHeadHardwareList = "1.3.接合金物リスト";
inline constexpr const char* kHeadWallList = "1.4.耐力壁リスト";
inline constexpr const char* kHeadWallPlans = "1.5.耐力壁伏図";
inline constexpr const char* kHeadHardware = "2.接合金物";
inline constexpr const char* kHeadHardwarePlans = "2.1.接合金物伏図";
inline constexpr const char* kHardwarePlansLine = "接合金物の各階伏図を以下に示す。";
inline constexpr const char* kHeadFrames = "2.2.接合金物軸組図";
inline constexpr const char* kHeadResults = "2.3.Ｎ値･接合金物 算定結果一覧表";
inline constexpr const char* kHeadWall = "4.壁量の検討";
inline constexpr const char* kHeadWallProfile = "4.1.建物仕様";
inline constexpr const char* kHeadWallEarthquake = "4.2.地震力に対する必要壁量 (Lw の算定)";
inline constexpr const char* kHeadWallWind = "4.3.風圧力に対する必要壁量 (見付面積)";
inline constexpr const char* kHeadWallJudgement = "4.4.壁量の判定";
inline constexpr const char* kHeadWallQuarters = "4.5.四分割法による壁配置の検討";

using TextRows = std::vector<std::vector<std::string>>;

// A cell that covers the columns from its own to the last (row and column from 1).
struct SpanningCell {
  int row;
  int column;
  bool leftAligned;
};

struct FixedTable {
  std::string title;       // written above the table ("" = none)
  std::string titleLine2;  // second title line ("" = none)
  std::string format;      // column format, e.g. "+^700|+<6700|+^1600;"
  TextRows rows;
  std::vector<SpanningCell> spans;
};

// Chapter 1.1: the design policy text, one line per entry.
std::vector<std::string> DesignPolicyLines();

// Chapter 1.2: the two formula tables; the second depends on the L option.
FixedTable FormulaTable1();
FixedTable FormulaTable2(int lMethod);

// Chapter 1.2: section (3) about orthogonal beams.
inline constexpr const char* kCrossBeamSectionTitle = "(3)直交梁による他の壁線からの２階柱引抜き力の伝達";
std::vector<std::string> CrossBeamSectionLines();

// The brace correction tables 表-1.2.1 to 表-1.2.3.
std::vector<FixedTable> BraceCorrectionTables();

// 表-1.3.1: the joint details table built from the hardware name list in use.
FixedTable JointSpecTable(const HardwareNames& names);

// 表-1.4.1 and 表-1.4.2; the second carries the maximum wall multiplier.
FixedTable BraceListTable();
FixedTable SheathingListTable(float maxWallMultiplier);

}  // namespace tvk
