// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// A C++ program that prints one line, as C++ writes one: what one answer of
// the command line is measured against.
#include <iostream>

int main() {
  std::cout << "yellow violet red gold: 4.7 k\u03A9 \u00B15 % (4.465 k\u03A9 to 4.935 k\u03A9)\n";
  return std::cout.good() ? 0 : 1;
}
