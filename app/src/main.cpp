// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Stripewise: the resistor colour-code converter.
#include "run.h"

int main(int argc, char** argv) { return stripewise::app::Main(argc, argv); }
