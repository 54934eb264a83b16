#include "report/chapters/report_fixed_texts.h"

#include <array>

#include "model/building.h"
#include "model/number_format.h"
#include "model/path_parts.h"

namespace tvk {

namespace {

const char* const kBrace15 = "15x90以上の筋かい\rφ9以上の鉄筋    ";
const char* const kBrace30 = "30x90以上の筋かい";
const char* const kBrace45 = "45x90以上の筋かい";
const char* const kBrace90 = "90x90以上の筋かい";

// Line 1, and line 2 below it when line 2 holds more than blanks; a blank line 1 gives
// its place to line 2, so no cell starts with an empty line.
std::string TwoLineCell(const std::string& line1, const std::string& line2) {
  if (TrimBlanks(line2).empty()) return line1;
  return TrimBlanks(line1).empty() ? line2 : line1 + "\r" + line2;
}

// The formula of row 1 runs over both columns.
FixedTable FormulaTable(TextRows rows) { return {"", "", "+<1400|+<7500;", std::move(rows), {{1, 1, true}}}; }

// Brace tables: the caption of row 1 spans the value columns, the note of row 7 the table.
const std::vector<SpanningCell> kBraceTableSpans = {{1, 2, false}, {7, 1, true}};

struct TwoSidedTexts {
  const char* title;
  const char* titleLine2;
  const char* oneCaption;    // over the classes of the one brace (columns)
  const char* otherCaption;  // beside the classes of the other brace (rows)
  const char* note;
};

// A table of corrections for braces on both sides: the other brace's class per row, the
// one brace's class per column.
FixedTable TwoSidedBraceTable(const TwoSidedTexts& t, const std::array<std::array<const char*, 4>, 4>& values) {
  const char* const classes[] = {kBrace15, kBrace30, kBrace45, kBrace90};
  FixedTable table{t.title, t.titleLine2, "+^2200|+^1200|+^1200|+^1200|+^1200;", {}, kBraceTableSpans};
  table.rows.push_back({"", t.oneCaption, "", "", ""});
  table.rows.push_back({t.otherCaption, kBrace15, kBrace30, kBrace45, kBrace90});
  for (size_t r = 0; r < 4; ++r) {
    table.rows.push_back({classes[r], values[r][0], values[r][1], values[r][2], values[r][3]});
  }
  table.rows.push_back({t.note, "", "", "", ""});
  return table;
}

}  // namespace

std::vector<std::string> DesignPolicyLines() {
  return {
      std::string("「") + kProgramTitle + "」における軸組の柱頭･柱脚の必要金物の決定は、告示平12",
      "建告第1460号に準拠し、「改正建築基準法(２年目施行)の解説((株)新日本法規出版)」",
      "及び「建築技術2000年10月号((株)建築技術)」に示される Ｎ値計算式による接合部の",
      "簡易計算方法で行う｡",
      "このとき、Ｎ値算定は、はり間・桁行各方向について行い大きい方の数値を採用する。",
      "なお、この計算式より求めたＮ値によって､ 該当告示第２号に規定されていない軸組",
      "(90×90mmの筋かい、筋かいと面材の併用等)についても、その柱頭･柱脚の構造方法を",
      "決定する｡ ",
  };
}

FixedTable FormulaTable1() {
  return FormulaTable({
      {"Ｎ＝Ａ1×Ｂ1－Ｌ ･･･････････････････････････ (1)", ""},
      {"  Ｎ", "表-1.3.1.接合部の仕様 のＮの数値"},
      {"  Ａ1",
       "当該柱の両面における軸組の倍率の差(片側のみ軸組が"
       "取り付く場合には、当該軸組の倍率)の数値。ただし、"
       "筋かいを設けた軸組の場合には、表-1.2.1～3 に該当する補正値"
       "を加えたものとする。"},
      {"  Ｂ1",
       "周辺の部材による押さえ(曲げ戻し)の効果を表す係数で、出隅"
       "の柱においては 0.8、その他の柱においては 0.5 とする。"},
      {"  Ｌ",
       "鉛直荷重による押さえの効果を示す係数で、出隅の柱においては"
       " 0.4、その他においては 0.6 とする。 "},
  });
}

FixedTable FormulaTable2(int lMethod) {
  const char* const lText = lMethod == 1 ? "鉛直荷重による押さえの効果を示す係数で、出隅の柱においては"
                                           " 1.0、その他の柱においては ２階柱が出隅のとき1.4、２階柱がその他"
                                           "のとき1.6 とする。 また、２階を構成し直上に柱がない場合は、1.0 とする。"
                                         : "鉛直荷重による押さえの効果を示す係数で、出隅の柱においては"
                                           " 1.0、その他においては 1.6 とする。 ";
  return FormulaTable({
      {"Ｎ＝Ａ1×Ｂ1+Ａ2×Ｂ2－Ｌ ･･････････････････ (2)", ""},
      {"  Ｎ", "表-1.3.1.接合部の仕様 のＮの数値"},
      {"  Ａ1,Ｂ1", "式(1) の場合と同じ。"},
      {"  Ａ2",
       "当該柱に連続する２階柱の両側における軸組の倍率の差(片側"
       "のみに軸組が取り付く場合には当該軸組の倍率)の数値。ただし、"
       "筋かいを設けた軸組の場合には、表-1.2.1～3 に該当する補正値を"
       "加えたものとする。"},
      {"  Ｂ2",
       "２階の周辺部材による押さえ(曲げ戻し)の効果を示す係数で、"
       "２階の出隅の柱においては 0.8、２階のその他の柱においては 0.5 "
       "とする。"},
      {"  Ｌ", lText},
  });
}

std::vector<std::string> CrossBeamSectionLines() {
  return {"下階柱抜けによる小梁上の２階柱（①,②）の引抜き力は、下図のように直交する",
          "２階床梁によって１階柱に伝達されるものとする。"};
}

std::vector<FixedTable> BraceCorrectionTables() {
  FixedTable oneSide{"表-1.2.1.筋かいが片側から取り付く柱",
                     "",
                     "+^2200|+^1200|+^1200;",
                     {{"", "取り付く位置", ""},
                      {"筋かいの種類", "柱頭部", "柱脚部"},
                      {kBrace15, " 0.0", " 0.0"},
                      {kBrace30, " 0.5", "-0.5"},
                      {kBrace45, " 0.5", "-0.5"},
                      {kBrace90, " 2.0", "-2.0"},
                      {"たすき筋かいの場合、補正値を｢0｣とする。", "", ""}},
                     kBraceTableSpans};
  return {oneSide,
          TwoSidedBraceTable({"表-1.2.2.両側から筋かいが取り付く柱(両側が片筋かい)", "", "一方の筋かい", "他方の筋かい",
                              "両筋かいが共に柱脚部に取付く場合、補正値を｢0｣とする。"},
                             {{{"0.0", "0.5", "0.5", "2.0"},
                               {"0.5", "1.0", "1.0", "2.5"},
                               {"0.5", "1.0", "1.0", "2.5"},
                               {"2.0", "2.5", "2.5", "4.0"}}}),
          TwoSidedBraceTable({"表-1.2.3.両側から筋かいが取り付く柱", "         (一方が片筋かい、他方がたすき筋かい)",
                              "一方の片筋かい", "他方のたすき筋かい",
                              "片筋かいが柱脚部に取付く場合または両筋かいが"
                              "共にたすきの場合、補正値を｢0｣とする。"},
                             {{{"0.0", "0.5", "0.5", "2.0"},
                               {"0.0", "0.5", "0.5", "2.0"},
                               {"0.0", "0.5", "0.5", "2.0"},
                               {"0.0", "0.5", "0.5", "2.0"}}})};
}

FixedTable JointSpecTable(const HardwareNames& names) {
  static const char* const kFixed[kGradeCount][3] = {
      {"0.0 ", " 0.00", "(い) "}, {"0.65", " 3.44", "(ろ) "}, {"1.0 ", " 5.29", "(は) "}, {"1.4 ", " 7.41", "(に) "},
      {"1.6 ", " 8.47", "(ほ) "}, {"1.8 ", " 9.53", "(へ) "}, {"2.8 ", "14.82", "(と) "}, {"3.7 ", "19.58", "(ち) "},
      {"4.7 ", "24.87", "(り) "}, {"5.6 ", "29.64", "(ぬ) "}, {"7.5 ", "39.69", "(る)*"},
  };
  FixedTable table{"表-1.3.1.接合部の仕様", "", "+^700|+^1000|+^1000|+<4700|+^1600;", {}, {}};
  table.rows.push_back({"Ｎ 値", "接合耐力(kN)", "告示記号", "接 合 金 物 の 仕 様", "許容耐力または\r降伏耐力(kN)"});
  for (size_t k = 0; k < names.size(); ++k) {
    const HardwareRow& row = names[k];
    table.rows.push_back({kFixed[k][0], kFixed[k][1], kFixed[k][2], TwoLineCell(row.Name1, row.Name2),
                          TwoLineCell(row.Value1, row.Value2)});
  }
  return table;
}

FixedTable BraceListTable() {
  return {"表-1.4.1.筋かいリスト",
          "",
          "+^700|+<6700|+^1600;",
          {{"", "軸  組  の  種  類", "倍  率"},
           {"(1)",
            "厚さ1.5 センチメートル以上幅９cm以上の木材の筋かい"
            "又は径９mm以上の鉄筋の筋かいを入れた軸組",
            "1.0"},
           {"(2)", "厚さ３cm以上幅９cm以上の木材の筋かいを入れた軸組", "1.5"},
           {"(3)", "厚さ4.5cm以上幅９cm以上の木材の筋かいを入れた軸組", "2.0"},
           {"(4)", "９cm角の木材の筋かいを入れた軸組", "3.0"},
           {"(5)", "(1)～(3)までに掲げる筋かいをたすき掛けに入れた軸組", "各数値の２倍"},
           {"(6)", "(4)に掲げる筋かいをたすき掛けに入れた軸組", "5.0"}},
          {}};
}

FixedTable SheathingListTable(float maxWallMultiplier) {
  return {"表-1.4.2.面材リスト",
          "",
          "+^700|+<6700|+^1600;",
          {{"", "軸  組  の  種  類", "倍  率"},
           {"(1)",
            "木ずりその他これに類するものを柱及び間柱の片面"
            "に打ち付けた壁を設けた軸組 ",
            "0.5"},
           {"(2)",
            "木ずりその他これに類するものを柱及び間柱の両面"
            "に打ち付けた壁を設けた軸組 ",
            "1.0"},
           {"(3)",
            "構造用合板等を 昭和56年建設省告示第1100号 別表"
            "第一（一）項又は（二）項に定める方法で打ち付け"
            "た壁を設けた軸組",
            "0.5～5.0"},
           {"表-1.4.1 の筋かいと併用する場合、その倍率はそれぞれの数値の和とする。\r"
            "そのときの最大壁倍率は、｢" +
                FormatFixed(maxWallMultiplier, 1) + "｣ とする。",
            "", ""}},
          {{5, 1, true}}};
}

}  // namespace tvk
