#include "report/chapters/results_header_block.h"

#include "model/building.h"

namespace tvk {

namespace {

constexpr double kQuarter = kResultsHeaderHeight / 4.0;
constexpr double kHalf = kResultsHeaderHeight / 2.0;
const char* const kDirectionCaption[] = {"加", "力", "方", "向"};
constexpr double kDirectionF = 0.9;

// Left edge of header column c (1-based); c = 13 gives the right edge of the block.
double ColumnLeft(int c) {
  double x = 0;
  for (int k = 1; k < c; ++k) x += Nth(kResultsHeaderWidths, k);
  return x;
}

double TextTop(double f, double height) { return kResultsHeaderHeight / 3.0 * f - 1.6 * height / 1.2; }

}  // namespace

std::vector<HeaderItem> ResultsHeaderItems(const CalcSettings& settings) {
  const bool lOption = settings.LMethod == 1;
  const bool crossBeam = settings.IgnoreCrossBeam == 0;
  // Without both transmissions the ΔN column keeps only a dashed line.
  const bool noTransmission = settings.NoTransmitMissingColumn == 1 && !crossBeam;
  std::vector<HeaderItem> items = {
      {"通り", 1, 1, 1.9},
      {"２階Ｎ値", 3, 6, 0.7},
      {"Ｎ値", 3, 3, 1.5},
      {"N=A1×B1-L", 3, 3, 1.95},
      {"(引抜き力)", 3, 3, 2.4},
      {"=Nx1.96x2.7", 3, 3, 2.85},
      {"金物仕様", 4, 6, 1.45},
      {"必要", 4, 4, 2.55},
      {"柱頭", 5, 5, 2.3},
      {"柱脚", 5, 5, 2.9},
      {lOption ? "   １階Ｎ値  (押さえ係数Ｌ：２階柱の押さえ効果を考慮)" : "１階Ｎ値", 7, 12, 0.7},
      {"Ｎ'値", 7, 7, 1.8},
      {"N'=A1×B1+A2×B2-L", 7, 7, 2.6},
  };
  if (noTransmission) {
    items.push_back({"      ----        ", 8, 8, 2.2});
  } else {
    items.push_back({" 下階柱抜け時の   ", 8, 8, 1.3});
    items.push_back({" ２階柱からのΔN  ", 8, 8, 1.8});
    items.push_back({lOption ? "  ΔN=(A2xB2-L2)  " : "  ΔN=(A2xB2)       ", 8, 8, 2.2});
    items.push_back({"      xｽﾊﾟﾝ逆比     ", 8, 8, 2.6});
    if (crossBeam) items.push_back({"       +[直交梁伝達]", 8, 8, 3.0});
  }
  items.push_back({"Ｎ値", 9, 9, 1.5});
  if (!noTransmission) items.push_back({"<N'+ΔN>", 9, 9, 1.95});
  const std::vector<HeaderItem> tail = {
      {"(引抜き力)", 9, 9, 2.4}, {"=Nx1.96x2.7", 9, 9, 2.85}, {"金物仕様", 10, 12, 1.45},
      {"必要", 10, 10, 2.55},    {"柱頭", 11, 11, 2.3},       {"柱脚", 11, 11, 2.9},
  };
  items.insert(items.end(), tail.begin(), tail.end());
  return items;
}

std::vector<PlacedText> LayoutResultsHeader(const CalcSettings& settings,
                                            const std::function<TextSize(const std::string&)>& measure) {
  std::vector<PlacedText> placed;
  for (const HeaderItem& item : ResultsHeaderItems(settings)) {
    const TextSize size = measure(item.text);
    const double left = ColumnLeft(item.firstColumn);
    const double span = ColumnLeft(item.lastColumn + 1) - left;
    placed.push_back({item.text, left + (span - size.width) / 2, TextTop(item.f, size.height)});
  }
  // "加力方向" stands in column 2, one character a line.
  double y = 0;
  for (const char* ch : kDirectionCaption) {
    const TextSize size = measure(ch);
    if (y == 0) y = TextTop(kDirectionF, size.height);
    placed.push_back({ch, ColumnLeft(2) + (kResultsHeaderWidths[1] - size.width) / 2, y});
    y += size.height;
  }
  return placed;
}

std::vector<RuleLine> ResultsHeaderRules() {
  const double right = ColumnLeft(13);
  const double h = kResultsHeaderHeight;
  std::vector<RuleLine> rules = {
      {0, 0, right, 0},
      {0, h, right, h},
      {ColumnLeft(3), kQuarter, right, kQuarter},
      {ColumnLeft(4), kHalf, ColumnLeft(7), kHalf},
      {ColumnLeft(10), kHalf, right, kHalf},
  };
  // Where each vertical edge starts: the edge after column c (0 = the left edge).
  constexpr std::array<char, 13> kStart{'t', 't', 't', 'q', 'h', 'h', 't', 'q', 'q', 'q', 'h', 'h', 't'};
  for (int c = 0; c <= 12; ++c) {
    const char start = kStart[static_cast<size_t>(c)];
    const double top = start == 't' ? 0 : start == 'q' ? kQuarter : kHalf;
    const double x = ColumnLeft(c + 1);
    rules.push_back({x, top, x, h});
  }
  return rules;
}

}  // namespace tvk
