// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// A program outside the engine that sees only its public header: it builds a
// record, chooses bands, types a value, runs both conversions and reads every
// property and message back.
#include <gtest/gtest.h>
#include <stripewise/engine.h>

#include <string>
#include <vector>

namespace {

class Messages : public stripewise::MessageBoxes {
 public:
  void MsgBox(std::string_view prompt, std::string_view, stripewise::MsgBoxStyle) override {
    seen.emplace_back(prompt);
  }
  std::vector<std::string> seen;
};

TEST(PublicHeader, DrivesBothConversionsWithoutAWindow) {
  using namespace stripewise;
  Form1Record form;
  Messages messages;
  Command1_Click(form, messages);
  EXPECT_EQ(messages.seen, std::vector<std::string>{std::string(kSelectDigitsPrompt)});
  form.SetText1("1e3");
  Command2_Click(form, messages);
  EXPECT_EQ(form.Text1(), "1000");
  EXPECT_EQ(form.ListIndex(ListId::List3), 2);
  EXPECT_EQ(form.Caption(LabelId::Label28), "1");
  EXPECT_EQ(form.FillColor(ShapeId::Shape2), 0x808080u);  // Brown
  EXPECT_EQ(messages.seen.size(), 1u);
}

}  // namespace
