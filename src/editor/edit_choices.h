#pragma once
// The choices an edit of the plan is made of: the member category, the edit mode and the
// wall layers.

#include <array>
#include <cstddef>

namespace tvk {

// Member categories (InputCategory); the numbers are the category buttons' ids.
enum class Category { Floor = 1, Wall = 2, Column = 3, Beam = 4 };
inline constexpr std::array<Category, 4> kCategories = {Category::Floor, Category::Wall, Category::Column,
                                                        Category::Beam};

// One value per category.
template <class T>
struct PerCategory {
  std::array<T, 4> v{};

  T& operator[](Category c) { return v[static_cast<size_t>(c) - 1]; }
  const T& operator[](Category c) const { return v[static_cast<size_t>(c) - 1]; }

  bool operator==(const PerCategory&) const = default;
};

enum class EditMode { Place, Delete, GroupDelete };

// Wall layers an edit works on: the bearing walls' (Both is braces and sheathing) or the
// partly sheathed walls'.
enum class LayerSet { None = 0, Brace = 1, Sheathing = 2, Both = 3, Quasi = 4 };

constexpr bool Includes(LayerSet set, LayerSet layer) { return (static_cast<int>(set) & static_cast<int>(layer)) != 0; }

}  // namespace tvk
