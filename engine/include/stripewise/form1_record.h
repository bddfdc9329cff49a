// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The control properties of the main window that the conversions read and
// write, held as plain data. The window mirrors them onto its widgets; tests
// and the benchmark use the record alone.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "stripewise/band_tables.h"
#include "stripewise/form1_ids.h"

namespace stripewise {

// Told of every write to the record, right after the new value is stored,
// in one call for each kind of control.
class Form1Observer {
 public:
  virtual ~Form1Observer() = default;
  // A list's selected position was written, before its click handler runs.
  virtual void ListWritten(ListId list) = 0;
  // The text of Text1 was written.
  virtual void Text1Written() = 0;
  // A result label's caption was written.
  virtual void CaptionWritten(LabelId label) = 0;
  // A band shape's fill colour was written.
  virtual void FillWritten(ShapeId band) = 0;
  // Text1 was given the keyboard focus.
  virtual void Text1Focused() = 0;
};

// The entries a list holds, position 0 first.
std::span<const std::string_view> ListEntries(ListId list);

// The number of entries of a list.
int ListCount(ListId list);

// The main window's controls as far as the conversions see them. One per
// window: it is not copied, since the window observes it.
class Form1Record {
 public:
  // The state the window starts in: no list selection, empty texts and
  // captions, the first-digit and tolerance bands in the button-face colour
  // and the two others in the menu colour.
  Form1Record();
  Form1Record(const Form1Record&) = delete;
  Form1Record& operator=(const Form1Record&) = delete;

  // The selected position of a list; -1 when nothing is selected.
  std::int16_t ListIndex(ListId list) const { return list_index_[list]; }

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
  const std::string& Caption(LabelId label) const { return captions_[label]; }
  void SetCaption(LabelId label, std::string_view caption);

  // The fill colour of a band shape.
  ColorValue FillColor(ShapeId shape) const { return fills_[shape]; }
  void SetFillColor(ShapeId shape, ColorValue color);

  // Gives Text1 the keyboard focus.
  void FocusText1();

  // Click handlers of the band lists: each repaints its band from the list's
  // position.
  void List1_Click() { RepaintBand(ListId::List1); }
  void List2_Click() { RepaintBand(ListId::List2); }
  void List3_Click() { RepaintBand(ListId::List3); }

  // Paints the band of a digit or multiplier list (BandOf the list) with
  // BandColor of the list's position. Throws TypeMismatch when the list has no
  // selection and InvalidArgument for the tolerance list.
  void RepaintBand(ListId list);

  // Who is told of writes; nullptr for nobody. Not owned.
  void SetObserver(Form1Observer* observer) { observer_ = observer; }

 private:
  void Store(ListId list, std::int16_t position);
  void RaiseClick(ListId list);

  ById<ListId, std::int16_t> list_index_{-1, -1, -1, -1};  // ListIndex of each list
  std::string text1_;                                      // Text of Text1
  ById<LabelId, std::string> captions_;                    // Caption of each result label
  ById<ShapeId, ColorValue> fills_{kButtonFaceColor, kMenuColor, kMenuColor,
                                   kButtonFaceColor};  // FillColor of each band
  Form1Observer* observer_ = nullptr;                  // told of every write; not owned
};

}  // namespace stripewise
