// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The control properties of the main window that the conversions read and
// write, held as plain data. The window mirrors them onto its widgets; tests
// and the benchmark use the record alone.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "stripewise/band_tables.h"

namespace stripewise {

enum class ListId : std::uint8_t { List1, List2, List3, List4 };
enum class LabelId : std::uint8_t { Label8, Label26, Label27, Label28, Label31, Label32 };
enum class ShapeId : std::uint8_t { Shape2, Shape3, Shape4, Shape5 };

// Every observable effect on the record, in the order they can be reported.
enum class Effect : std::uint8_t {
  List1,
  List2,
  List3,
  List4,
  Text1,
  Label8,
  Label26,
  Label27,
  Label28,
  Label31,
  Label32,
  Shape2,
  Shape3,
  Shape4,
  Shape5,
  Text1Focus,
};

// The effect that a write of the given list, label or shape reports.
Effect EffectOf(ListId list);
Effect EffectOf(LabelId label);
Effect EffectOf(ShapeId shape);

// Told of every write to the record, right after the new value is stored
// (for a list, before its click handler runs).
class Form1Observer {
 public:
  virtual ~Form1Observer() = default;
  virtual void Written(Effect effect) = 0;
};

// The number of entries of a list.
int ListCount(ListId list);

// The form-level texts of "Color Code Name": the input as a normalised
// number, its fractional part, and the input reduced to what two bands code.
struct ValueToBandsTexts {
  std::string ValueText;
  std::string FractionText;
  std::string ReducedText;
};

// The main window's controls as far as the conversions see them. One per
// window: it is not copied, since the window observes it.
class Form1Record {
 public:
  // The design-time state: no list selection, empty texts and captions, the
  // first-digit and tolerance bands in the button-face colour and the two
  // others in the menu colour.
  Form1Record();
  Form1Record(const Form1Record&) = delete;
  Form1Record& operator=(const Form1Record&) = delete;

  // The selected position of a list; -1 when nothing is selected.
  std::int16_t ListIndex(ListId list) const { return list_index_[Slot(list)]; }

  // Selects a position. A position from 0 on raises the list's click handler
  // before this returns, just as a user's click does; -1 clears the selection
  // and raises nothing. A position the list does not have throws
  // InvalidPosition and changes nothing.
  void SetListIndex(ListId list, std::int16_t position);

  // What the user did in the window, which shows it already: stored without
  // being reported to the observer. A selection raises the list's click
  // handler as SetListIndex does.
  void UserSelected(ListId list, std::int16_t position);
  void UserTyped(std::string_view text);

  // The text of the input/output box Text1.
  const std::string& Text1() const { return text1_; }
  void SetText1(std::string_view text);

  // The caption of a result label.
  const std::string& Caption(LabelId label) const { return captions_[Slot(label)]; }
  void SetCaption(LabelId label, std::string_view caption);

  // The fill colour of a band shape.
  ColorValue FillColor(ShapeId shape) const { return fills_[Slot(shape)]; }
  void SetFillColor(ShapeId shape, ColorValue color);

  // Gives Text1 the keyboard focus (reported as the Text1Focus effect).
  void FocusText1();

  // Click handlers of the band lists: each repaints its band from the list's
  // position.
  void List1_Click() { RepaintBand(ListId::List1); }
  void List2_Click() { RepaintBand(ListId::List2); }
  void List3_Click() { RepaintBand(ListId::List3); }

  // Paints the band of a digit or multiplier list (List1 Shape2, List2
  // Shape3, List3 Shape4) with BandColor of the list's position. Throws
  // TypeMismatch when the list has no selection.
  void RepaintBand(ListId list);

  // Who is told of writes; nullptr for nobody. Not owned.
  void SetObserver(Form1Observer* observer) { observer_ = observer; }

 private:
  // Only "Color Code Name" reaches its texts (defined beside it).
  friend ValueToBandsTexts& FormTexts(Form1Record& form);

  void Store(ListId list, std::int16_t position);
  void RaiseClick(ListId list);
  template <typename Id>
  static std::size_t Slot(Id id) {
    return static_cast<std::size_t>(id);
  }
  void Report(Effect effect) {
    if (observer_ != nullptr) observer_->Written(effect);
  }
  std::array<std::int16_t, 4> list_index_{-1, -1, -1, -1};  // ListIndex of List1..List4
  std::string text1_;                                       // Text of Text1
  std::array<std::string, 6> captions_;                     // Caption, in LabelId order
  std::array<ColorValue, 4> fills_{kButtonFaceColor, kMenuColor, kMenuColor,
                                   kButtonFaceColor};  // FillColor of Shape2..Shape5
  ValueToBandsTexts texts_;                            // only for "Color Code Name"
  Form1Observer* observer_ = nullptr;                  // told of every write; not owned
};

}  // namespace stripewise
