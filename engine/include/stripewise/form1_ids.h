// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The controls of the main window that the conversions read and write, each
// kind named by its own type, and a store of one value for each control of a
// kind.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

namespace stripewise {

// The four band lists: first digit, second digit, multiplier, tolerance.
enum class ListId : std::uint8_t { List1, List2, List3, List4 };
// The six result labels the conversions write.
enum class LabelId : std::uint8_t { Label8, Label26, Label27, Label28, Label31, Label32 };
// The four band shapes of the resistor drawing, left to right.
enum class ShapeId : std::uint8_t { Shape2, Shape3, Shape4, Shape5 };

// How many controls a kind has: one more than its last enumerator. Each kind
// states it once, here beside its enumerators.
template <typename Id>
inline constexpr std::size_t kIdCount = 0;
template <>
inline constexpr std::size_t kIdCount<ListId> = static_cast<std::size_t>(ListId::List4) + 1;
template <>
inline constexpr std::size_t kIdCount<LabelId> = static_cast<std::size_t>(LabelId::Label32) + 1;
template <>
inline constexpr std::size_t kIdCount<ShapeId> = static_cast<std::size_t>(ShapeId::Shape5) + 1;

// Every id of a kind, in enumerator order.
template <typename Id>
constexpr std::array<Id, kIdCount<Id>> AllIds() {
  std::array<Id, kIdCount<Id>> ids{};
  for (std::size_t i = 0; i < ids.size(); ++i) ids[i] = static_cast<Id>(i);
  return ids;
}

// One value for each id of a kind, reached by the id itself.
template <typename Id, typename T>
struct ById {
  static_assert(kIdCount<Id> > 0, "a kind of id states its count as kIdCount");
  std::array<T, kIdCount<Id>> values{};

  constexpr T& operator[](Id id) { return values[Index(id)]; }
  constexpr const T& operator[](Id id) const { return values[Index(id)]; }

 private:
  // An id beyond the count is a kind whose count was not raised with it.
  static constexpr std::size_t Index(Id id) {
    assert(static_cast<std::size_t>(id) < kIdCount<Id>);
    return static_cast<std::size_t>(id);
  }
};

// The band shape a list's selection is painted into: List1 paints Shape2,
// List2 Shape3 and List3 Shape4 when clicked; the tolerance band Shape5 shows
// List4, painted only by the conversions.
constexpr ShapeId BandOf(ListId list) {
  switch (list) {
    case ListId::List1:
      return ShapeId::Shape2;
    case ListId::List2:
      return ShapeId::Shape3;
    case ListId::List3:
      return ShapeId::Shape4;
    case ListId::List4:
      break;
  }
  return ShapeId::Shape5;
}

// The list whose selection a band shape shows.
constexpr ListId ListOf(ShapeId band) {
  switch (band) {
    case ShapeId::Shape2:
      return ListId::List1;
    case ShapeId::Shape3:
      return ListId::List2;
    case ShapeId::Shape4:
      return ListId::List3;
    case ShapeId::Shape5:
      break;
  }
  return ListId::List4;
}

}  // namespace stripewise
