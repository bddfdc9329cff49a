// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Everything a program needs to drive the colour-code engine without a
// window: build a Form1Record, select bands and type a value, run the two
// conversions and read every property and message back.

#include "stripewise/band_tables.h"    // IWYU pragma: export
#include "stripewise/conversions.h"    // IWYU pragma: export
#include "stripewise/form1_ids.h"      // IWYU pragma: export
#include "stripewise/form1_record.h"   // IWYU pragma: export
#include "stripewise/message_boxes.h"  // IWYU pragma: export
#include "stripewise/numeric_text.h"   // IWYU pragma: export
#include "stripewise/runtime_error.h"  // IWYU pragma: export
