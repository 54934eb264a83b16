#include "model/line_names.h"

#include <array>
#include <cstdint>

#include "model/building.h"

namespace tvk {

namespace {

constexpr std::array<const char*, 36> kIroha = {"い", "ろ", "は", "に", "ほ", "へ", "と", "ち", "り", "ぬ", "る", "を",
                                                "わ", "か", "よ", "た", "れ", "そ", "つ", "ね", "な", "ら", "む", "う",
                                                "ゐ", "の", "お", "く", "や", "ま", "け", "ふ", "こ", "え", "て", "あ"};

// The m-th name (1-based) in the sequence a, b, …, z, aa, ab, … of an alphabet; "" for m < 1.
template <class Symbol, size_t N>
std::string Lettered(int m, const std::array<Symbol, N>& alphabet) {
  std::string name;
  for (; m > 0; m = (m - 1) / static_cast<int>(N)) {
    name.insert(0, std::string(alphabet[static_cast<size_t>((m - 1) % static_cast<int>(N))]));
  }
  return name;
}

std::array<std::string, 26> LatinLetters() {
  std::array<std::string, 26> letters;
  for (size_t k = 0; k < letters.size(); ++k) letters[k] = std::string(1, static_cast<char>('A' + k));
  return letters;
}

std::string BaseName(int style, int m, int start, const std::string& letter) {
  // A start number read from a file may lie anywhere in its range: count on past it.
  const int64_t number = static_cast<int64_t>(m) + start - 1;
  switch (style) {
    case kLineStyleIroha:
      return Lettered(m, kIroha);
    case kLineStyleLetters:
      return Lettered(m, LatinLetters());
    case kLineStyleDigits:
      return std::to_string(number);
    default:
      return letter + std::to_string(number);
  }
}

}  // namespace

bool IsMainGridLine(int index, int divisions) { return divisions <= 1 || index % divisions == 1; }

std::vector<std::string> AxisLineNames(int spans, int divisions, int style, int start, bool reversed,
                                       const std::string& letter) {
  if (style < kLineStyleNumbered || style > kLineStyleDigits) {
    style = kLineStyleNumbered;
    start = 1;
  }
  const int count = spans + 1;
  std::vector<std::string> names(static_cast<size_t>(count > 0 ? count : 0));
  int main = 0;
  int sub = 0;
  for (int step = 0; step < count; ++step) {
    const int k = reversed ? count - step : step + 1;
    std::string suffix;
    if (IsMainGridLine(k, divisions)) {
      ++main;
      sub = 0;
    } else {
      suffix = std::string(1, static_cast<char>('a' + sub));
      ++sub;
    }
    Nth(names, k) = BaseName(style, main, start, letter) + suffix;
  }
  return names;
}

void GenerateLineNames(Building& b) {
  const CalcSettings& s = b.Settings;
  b.Settings.LineNamesX =
      AxisLineNames(b.SpansX(), b.Divisions(), s.LineStyleX, s.LineStartX, s.LineReverseX == 1, "X");
  b.Settings.LineNamesY =
      AxisLineNames(b.SpansY(), b.Divisions(), s.LineStyleY, s.LineStartY, s.LineReverseY == 1, "Y");
}

}  // namespace tvk
