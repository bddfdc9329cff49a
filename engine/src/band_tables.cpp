// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise/band_tables.h"

namespace stripewise {
namespace {

// kBandColors written as decimal text, so that BandColor hands out texts
// without building a string on every band repaint.
constexpr std::array<std::string_view, 12> kBandColorTexts = {
    "0",        "8421504",  "255",      "12640511", "65535",    "65280",
    "16744576", "12582912", "14737632", "16777215", "12648447", "12648384"};

}  // namespace

std::string_view BandColor(std::int16_t position) {
  if (position < 0 || position >= static_cast<std::int16_t>(kBandColorTexts.size())) return {};
  return kBandColorTexts[static_cast<std::size_t>(position)];
}

}  // namespace stripewise
