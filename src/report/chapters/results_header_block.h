#pragma once
// The column header block of the results table: its texts, where they stand, and its rules.
// Positions are in twips from the block's top-left corner.

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tvk {

struct CalcSettings;

// Twelve header columns; the two of width 0 exist only in the header's geometry.
inline constexpr std::array<int, 12> kResultsHeaderWidths{650, 350, 1100, 650, 700, 0, 1820, 1680, 1000, 650, 700, 0};
inline constexpr int kResultsHeaderHeight = 1400;

struct HeaderItem {
  std::string text;
  int firstColumn;  // 1-based header column where the centring span starts
  int lastColumn;
  double f;  // height position in thirds of the block height
};

// The header texts for the project's options, in drawing order.
std::vector<HeaderItem> ResultsHeaderItems(const CalcSettings& settings);

struct PlacedText {
  std::string text;
  double x;  // left edge
  double y;  // top edge
};

struct TextSize {
  double width;
  double height;
};

// Centres every header text over its span; measure gives a text's size in twips.
std::vector<PlacedText> LayoutResultsHeader(const CalcSettings& settings,
                                            const std::function<TextSize(const std::string&)>& measure);

struct RuleLine {
  double x1, y1, x2, y2;
};

std::vector<RuleLine> ResultsHeaderRules();

}  // namespace tvk
