#pragma once
// How a partly sheathed wall's figures are written, the same on the plan, in the report and
// in the batch output: m truncated to two decimals (a designer may not round it up), and
// the arithmetic that gives it.

#include <string>

namespace tvk {

struct QuasiWall;

// "0.45" for 0.4557: two decimals, truncated.
std::string QuasiMultiplierText(double m);
// m with its arithmetic: "0.9×0.6×2400/2844 = 0.45", "0.5×2400/2730 = 0.43" (木ずり), or
// "0.9×0.6×2400/H0" while H0 is not given.
std::string QuasiArithmetic(const QuasiWall& wall);
// The sheathed height as entered: "2400" (準耐力壁), "500+900" (垂れ壁 + 腰壁).
std::string QuasiHeightsText(const QuasiWall& wall);

}  // namespace tvk
