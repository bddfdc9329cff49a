// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The library the broken platform plugin needs, built away from every place
// the loader looks.
int StripewiseAbsent() { return 0; }
