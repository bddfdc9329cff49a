// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// What each colour stands for (IEC 60062:2016), stated once for the tests:
// digit (-1 for none), multiplier power, tolerance in hundredths of a percent
// (0 for none), temperature coefficient in ppm/K (0 for none).

#include "stripewise_codes/colours.h"

namespace stripewise::codes::testing {

struct Stated {
  Colour colour;
  int digit, power, tolerance_hundredths, tempco;
};

inline constexpr Stated kStated[] = {
    {Colour::Black, 0, 0, 0, 250},  {Colour::Brown, 1, 1, 100, 100},
    {Colour::Red, 2, 2, 200, 50},   {Colour::Orange, 3, 3, 5, 15},
    {Colour::Yellow, 4, 4, 2, 25},  {Colour::Green, 5, 5, 50, 20},
    {Colour::Blue, 6, 6, 25, 10},   {Colour::Violet, 7, 7, 10, 5},
    {Colour::Grey, 8, 8, 1, 1},     {Colour::White, 9, 9, 0, 0},
    {Colour::Pink, -1, -3, 0, 0},   {Colour::Silver, -1, -2, 1000, 0},
    {Colour::Gold, -1, -1, 500, 0},
};

}  // namespace stripewise::codes::testing
