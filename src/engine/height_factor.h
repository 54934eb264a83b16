#pragma once
// The storey-height factor of the N-value method: each A x B product is multiplied by
// H/2.7 of its storey when the storey is taller than 3.2 m (H between the tops of the
// horizontal members, in metres); L never is. A storey without a given height, or one of
// 3.2 m or less, counts as 2.7 m: factor 1, and the N values are exactly those without it.

namespace tvk {

class Building;

// Above this height (mm) a storey's A x B products are scaled.
inline constexpr int kHeightFactorFromMm = 3200;

// H/2.7 of the storey (1 or 2), or 1.
float HeightFactor(const Building& building, int storey);

// A x B of a storey scaled by its factor; with factor 1 the product itself, bit for bit.
inline float ScaledAB(float ab, float factor) { return factor == 1.0f ? ab : ab * factor; }

}  // namespace tvk
