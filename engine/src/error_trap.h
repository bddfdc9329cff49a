// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

#include "stripewise/runtime_error.h"

namespace stripewise {

// Runs a conversion handler's body under the trap it arms first: a runtime
// error ends the body where it happened, silently, keeping what it wrote.
template <typename Body>
void RunTrapped(Body&& body) {
  try {
    body();
  } catch (const RuntimeError&) {
  }
}

}  // namespace stripewise
