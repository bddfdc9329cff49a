// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The window for every resistor code: 3 to 6 bands and the zero-ohm link,
// picked on a drawing or in lists, a value typed in, or a surface-mount
// marking; every change answered at once with the line the command line
// gives, and the reading from the other end where the bands have one.

#include <stripewise_codes/colours.h>
#include <stripewise_codes/report.h>

#include <QWidget>
#include <array>
#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace stripewise::ui {

class Announcer;
class ResistorDrawing;

class EveryCodeWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr std::size_t kMostBands = 6;

  explicit EveryCodeWindow(QWidget* parent = nullptr);

  // The bands shown, first band first.
  const std::vector<codes::Colour>& Bands() const { return bands_; }
  // The answer line, exactly as the command line writes it.
  const QString& AnswerLine() const { return answer_; }
  // Sets a band as a pick in its list or on the drawing does.
  void PickBand(std::size_t index, codes::Colour colour);

 private:
  void BuildControls();
  void SetTabOrder();
  void ConnectUserActions();

  // The band count chosen: 1 (zero-ohm), 3, 4, 5 or 6.
  std::size_t ChosenCount() const;
  // What the user did.
  void CountChosen();
  void ValueTyped(const QString& text);
  void MarkingTyped(const QString& text);
  void NearestSeriesChosen();
  void TurnRound();
  void Copy();
  void ShowPalette(int band, QPoint global);

  // Shows new bands, with the answer line of a conversion or, without one,
  // of the bands themselves.
  void ShowBands(std::vector<codes::Colour> bands, const codes::Report* report = nullptr);
  void ShowAnswer(const QString& line);
  void ShowOtherEnd(const codes::Report& report);
  // The surface-mount markings of the value shown, unless its line names them.
  void ShowMarkings(const codes::Report* report);
  void ShowNearest(const codes::Refusal& refusal, const codes::Reading& asked);
  // Marks a box with why its text cannot be read, or clears the mark.
  void ShowProblem(QLineEdit* box, QLabel* problem, int row, const QString& message);
  // How a value is coded on the bands as they stand.
  codes::Coding CodingNow(std::size_t count) const;

  std::vector<codes::Colour> bands_;
  QString answer_;
  QComboBox* count_ = nullptr;
  QFormLayout* form_ = nullptr;
  ResistorDrawing* drawing_ = nullptr;
  std::array<QComboBox*, kMostBands> band_lists_{};
  std::array<QLabel*, kMostBands> band_captions_{};
  QLineEdit* value_ = nullptr;
  QLabel* value_problem_ = nullptr;
  std::array<QPushButton*, 2> nearest_{};
  QComboBox* series_ = nullptr;
  QPushButton* series_nearest_ = nullptr;
  QLineEdit* marking_ = nullptr;
  QLabel* marking_problem_ = nullptr;
  QLabel* answer_label_ = nullptr;
  QLabel* markings_ = nullptr;
  QLabel* other_end_ = nullptr;
  QPushButton* turn_round_ = nullptr;
  QPushButton* copy_ = nullptr;
  Announcer* announcer_ = nullptr;
  std::optional<codes::Reading> asked_;  // the value that could not be coded, for its series
};

}  // namespace stripewise::ui
