#pragma once
// The small types that name places and directions of the grid: a direction (X, the first
// grid index; Y, the second), a pair of values per direction indexed by it, a grid position
// (i, j), and values per storey indexed by the storey number.

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace tvk {

enum class Dir : uint8_t { X, Y };

inline constexpr std::array<Dir, 2> kDirs = {Dir::X, Dir::Y};

constexpr Dir Other(Dir d) { return d == Dir::X ? Dir::Y : Dir::X; }

// One value per direction. The file keeps such pairs X first, then Y.
template <class T>
struct PerDir {
  std::array<T, 2> v{};

  T& operator[](Dir d) { return v[static_cast<size_t>(d)]; }
  const T& operator[](Dir d) const { return v[static_cast<size_t>(d)]; }
  auto begin() { return v.begin(); }
  auto end() { return v.end(); }
  auto begin() const { return v.begin(); }
  auto end() const { return v.end(); }

  bool operator==(const PerDir&) const = default;
};

// A grid point of one level, 1-based: i along X, j along Y.
struct GridPos {
  int i = 0;
  int j = 0;

  // Point k along d of the grid line running along d whose index across is `line`.
  static constexpr GridPos OnLine(Dir d, int line, int k) { return d == Dir::X ? GridPos{k, line} : GridPos{line, k}; }
  // The index along d (i for X, j for Y).
  constexpr int Along(Dir d) const { return d == Dir::X ? i : j; }
  // The point on the same grid line along d whose index along d is k.
  constexpr GridPos At(Dir d, int k) const { return d == Dir::X ? GridPos{k, j} : GridPos{i, k}; }
  // The neighbour step points further along d (negative: back).
  constexpr GridPos Step(Dir d, int step) const { return At(d, Along(d) + step); }

  bool operator==(const GridPos&) const = default;
};

// Entry k, counted from 1 like grid lines and storeys, of a table kept from index 0.
template <class Table>
decltype(auto) Nth(Table& table, int k) {
  return table[static_cast<size_t>(k - 1)];
}

// One value per storey (1 .. 2); a storey outside throws.
template <class T>
struct PerStorey {
  std::array<T, 2> v{};

  T& operator[](int storey) { return v.at(Slot(storey)); }
  const T& operator[](int storey) const { return v.at(Slot(storey)); }
  auto begin() { return v.begin(); }
  auto end() { return v.end(); }
  auto begin() const { return v.begin(); }
  auto end() const { return v.end(); }

  bool operator==(const PerStorey&) const = default;

 private:
  static size_t Slot(int storey) {
    if (storey < 1 || storey > 2) throw std::out_of_range("storey " + std::to_string(storey));
    return static_cast<size_t>(storey - 1);
  }
};

}  // namespace tvk
