// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The results of the main window in words a listener understands.

#include <stripewise/form1_record.h>

#include <QString>
#include <string_view>

namespace stripewise::ui {

// A number text as it is said: written out plainly where the window shows
// an exponent (1E-05 is 0.00001).
QString SpokenNumber(std::string_view text);

// A result label's figure with its role, "Tolerance: 235 ohms" or
// "Resistance: 4.7 kilo-ohms"; empty for a label that holds no figure, or
// while it is blank.
QString SpokenFigure(const Form1Record& record, LabelId label);

// The results of a conversion: "4700 ohms, plus or minus 235 ohms; 4.7
// kilo-ohms, plus or minus 0.235 kilo-ohms", after the four bands ("Yellow,
// Violet, Red, Gold 5%: ...") when `with_bands`.
QString SpokenResults(const Form1Record& record, bool with_bands);

}  // namespace stripewise::ui
