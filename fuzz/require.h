// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace stripewise::fuzz {

// Stops the run, naming what failed and the input, unless `condition` holds.
inline void Require(bool condition, const char* what, const std::string& input) {
  if (condition) return;
  std::fprintf(stderr, "%s for input \"%s\"\n", what, input.c_str());
  std::abort();
}

}  // namespace stripewise::fuzz
