// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise/runtime_error.h"

namespace stripewise {
namespace {

const char* Describe(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::TypeMismatch:
      return "Type mismatch";
    case ErrorKind::Overflow:
      return "Overflow";
    case ErrorKind::DivisionByZero:
      return "Division by zero";
    case ErrorKind::InvalidOperation:
      return "Invalid floating-point operation";
    case ErrorKind::InvalidPosition:
      return "Invalid list position";
    case ErrorKind::InvalidArgument:
      return "Invalid procedure call or argument";
  }
  return "Runtime error";
}

}  // namespace

RuntimeError::RuntimeError(ErrorKind kind) : std::runtime_error(Describe(kind)), kind_(kind) {}

}  // namespace stripewise
