// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// What a question about a resistor gives: a part, or why there is none.

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "stripewise_codes/decimal.h"

namespace stripewise::codes {

// A resistor as its marking describes it.
struct Part {
  Decimal ohms;
  std::optional<Decimal> tolerance_percent;  // nothing when the marking gives none
  std::optional<int> tempco_ppm_per_kelvin;
};

// Why a question has no answer: the question is refused.
struct Refusal {
  enum class Kind {
    Unreadable,  // the question cannot be read: a word that is not a colour, a value or a marking
    Uncodable,   // it is read, but the value cannot be coded as asked
  };
  // What of the question it is about: the question itself, or what was
  // asked of the bands beside the value.
  enum class Subject { Question, BandCount, Tolerance, Tempco };
  Kind kind;
  std::string message;           // names the word or the value
  std::vector<Decimal> nearest;  // the nearest values that can be coded, for Uncodable
  Subject subject = Subject::Question;
};

// An answer of type T, or the refusal that stands in its way.
template <typename T>
class Result {
 public:
  Result(T value) : outcome_(std::move(value)) {}
  Result(codes::Refusal refusal) : outcome_(std::move(refusal)) {}

  bool Ok() const { return outcome_.index() == 0; }
  const T& Value() const& { return std::get<0>(outcome_); }
  T&& Value() && { return std::get<0>(std::move(outcome_)); }
  const codes::Refusal& Refusal() const { return std::get<1>(outcome_); }

 private:
  std::variant<T, codes::Refusal> outcome_;
};

// A refusal of what cannot be read.
inline Refusal Unreadable(std::string message,
                          Refusal::Subject subject = Refusal::Subject::Question) {
  return {Refusal::Kind::Unreadable, std::move(message), {}, subject};
}

}  // namespace stripewise::codes
