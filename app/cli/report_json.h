// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The command line's answers as JSON objects on one line.

#include <stripewise_codes/answer.h>
#include <stripewise_codes/report.h>

#include <string>
#include <string_view>

namespace stripewise::cli {

// The keys ohms, tolerance_percent, min_ohms, max_ohms,
// tempco_ppm_per_kelvin, bands, series, smd, asked_ohms, other_end and
// text; absent facts are null.
std::string JsonOf(const codes::Report& report, std::string_view text);

// {"error": "...", "nearest_ohms": [...]}.
std::string JsonOf(const codes::Refusal& refusal, std::string_view message);

}  // namespace stripewise::cli
