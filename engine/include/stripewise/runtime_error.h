// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

#include <stdexcept>

namespace stripewise {

// What went wrong in a runtime error; the handlers never show it, but tests and
// fuzzers can tell the causes apart.
enum class ErrorKind {
  TypeMismatch,      // text that is not a number where a number is required
  Overflow,          // a value beyond the range of its type
  DivisionByZero,    // floating-point division by zero
  InvalidOperation,  // floating-point invalid operation (0/0, inf*0, ...)
  InvalidPosition,   // a list position that the list does not have
  InvalidArgument,   // a procedure called outside its domain
};

// The one error type of the engine. Both conversion handlers trap it for their
// whole length and end at once, keeping what they already wrote.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(ErrorKind kind);

  // The cause of the error.
  ErrorKind Kind() const noexcept { return kind_; }

 private:
  ErrorKind kind_;
};

}  // namespace stripewise
