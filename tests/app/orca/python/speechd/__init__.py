# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Stripewise developers
# Stands in for the speech server's module in the Orca tests: Orca finds no
# speech server and starts at once instead of trying to spawn one, still
# logging every utterance.
raise ImportError('no speech server in this test')
