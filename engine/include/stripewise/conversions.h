// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

#include <string_view>

#include "stripewise/form1_record.h"
#include "stripewise/message_boxes.h"

namespace stripewise {

// Messages of the conversions, exactly as the user sees them.
inline constexpr std::string_view kSelectDigitsPrompt =
    "Select First Digit, Second Digit and Multiplier.  ";
inline constexpr std::string_view kSelectDigitsTitle = "Select Digits";
inline constexpr std::string_view kValueMissingPrompt = "Write proper Resistor Value.";
inline constexpr std::string_view kValueMissingTitle = "Resistor Value Missing";
inline constexpr std::string_view kInvalidInputPrompt = "Invalid Input";
inline constexpr std::string_view kInvalidInputTitle = "Error";
inline constexpr std::string_view kLargeFractionPrompt =
    "Large Resistor Value should not be Fractional.";
inline constexpr std::string_view kLargeFractionTitle = "Large Fractional Value";
inline constexpr std::string_view kOutOfRangePrompt =
    "Resistor Value should not be more than 99000000000 Ohm.";
inline constexpr std::string_view kOutOfRangeTitle = "Value Out Of Range";

// "Color Code Value": turns the selected bands into the resistance in Text1,
// the tolerance and unit figures in the result labels and the painted bands.
// Asks for the missing bands when a digit or the multiplier is unselected.
// Always returns normally; a runtime error ends it where it happened.
void Command1_Click(Form1Record& form, MessageBoxes& boxes);

// "Color Code Name": codes the resistance typed in Text1 with two significant
// figures, selects those bands and then runs Command1_Click. Refuses empty,
// fractional and out-of-range input with a message, writing nothing else.
void Command2_Click(Form1Record& form, MessageBoxes& boxes);

}  // namespace stripewise
