// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

#include <stripewise/form1_record.h>
#include <stripewise/message_boxes.h>

#include <QWidget>
#include <functional>
#include <memory>

#include "stripewise_ui/layout.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace stripewise::ui {

class Announcer;
class ShapeWidget;

// The main window. Its widgets mirror the engine's record of control
// properties: whatever the engine writes shows at once, and what the user
// selects or types goes into the record.
class Form1 : public QWidget, private Form1Observer {
  Q_OBJECT

 public:
  // Message boxes go to `boxes` when given, else real ones are shown.
  explicit Form1(MessageBoxes* boxes = nullptr, QWidget* parent = nullptr);
  ~Form1() override;

  // The record the conversions work on.
  Form1Record& Record() { return record_; }

  // Runs when "About" is pressed; the program sets it to open the About window.
  void SetAboutHandler(std::function<void()> handler) { about_ = std::move(handler); }
  // Runs when the caption "Resistor" is clicked or Ctrl+E pressed; the
  // program sets it to open the window for every resistor code.
  void SetEveryCodeHandler(std::function<void()> handler) { every_code_ = std::move(handler); }

  // Puts the window in its start state: "Do not count" selected.
  void Form_Load();

  // Called when the main window closes, before it goes.
  void SetUnloadHandler(std::function<void()> handler) { unload_ = std::move(handler); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // What the engine wrote, shown on the widget that shows it.
  void ListWritten(ListId list) override;
  void Text1Written() override;
  void CaptionWritten(LabelId label) override;
  void FillWritten(ShapeId band) override;
  void Text1Focused() override;

  // Runs a conversion; one that completes is said to screen readers, after
  // its bands when `with_bands`.
  void Convert(void (*handler)(Form1Record&, MessageBoxes&), bool with_bands);
  void Command3_Click();  // "About"
  void Form_Unload();     // the window is closing
  void BuildGraphics();
  void BuildLists();
  void BuildButtons();
  void BuildText1();
  void SetTabOrder();
  void ConnectUserActions();
  void BuildDrawingDescription();
  void BuildEveryCodeLink();
  bool eventFilter(QObject* watched, QEvent* event) override;
  void DescribeDrawing();

  Form1Record record_;
  std::unique_ptr<MessageBoxes> own_boxes_;
  MessageBoxes* boxes_;
  ById<ListId, QListWidget*> lists_{};
  ById<LabelId, QLabel*> results_{};
  ById<ShapeId, ShapeWidget*> bands_{};
  ById<ButtonId, QPushButton*> buttons_{};
  QLineEdit* text1_ = nullptr;
  QWidget* drawing_ = nullptr;
  Announcer* announcer_ = nullptr;
  // Whether the conversion running has written its last caption.
  bool completed_ = false;
  // The list position each band was last painted from; -1 while unpainted.
  ById<ShapeId, std::int16_t> painted_{-1, -1, -1, -1};
  std::function<void()> about_;
  std::function<void()> every_code_;
  std::function<void()> unload_;
};

}  // namespace stripewise::ui
