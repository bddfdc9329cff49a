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
  void MsgBox(std::string_view prompt, std::string_view title,
              stripewise::MsgBoxStyle style) override {
    seen.push_back(std::string(title) + "|" + std::string(prompt) + "|" +
                   std::to_string(static_cast<int>(style)));
  }
  std::vector<std::string> seen;
};

TEST(PublicHeader, DrivesBothConversionsWithoutAWindow) {
  using namespace stripewise;
  Form1Record form;
  Messages messages;
  Command1_Click(form, messages);
  ASSERT_EQ(messages.seen,
            std::vector<std::string>{
                "Select Digits|Select First Digit, Second Digit and Multiplier.  |64"});

  form.SetListIndex(ListId::List1, 4);
  form.SetListIndex(ListId::List2, 7);
  form.SetListIndex(ListId::List3, 2);
  form.SetListIndex(ListId::List4, 5);
  Command1_Click(form, messages);
  EXPECT_EQ(form.Text1(), "4700");
  EXPECT_EQ(form.Caption(LabelId::Label27), "235");
  EXPECT_EQ(form.Caption(LabelId::Label28), "4.7");
  EXPECT_EQ(form.FillColor(ShapeId::Shape2), 0x00FFFFu);
  EXPECT_EQ(form.FillColor(ShapeId::Shape5), 0xC0FFFFu);

  form.SetText1("1e3");
  Command2_Click(form, messages);
  EXPECT_EQ(form.Text1(), "1000");
  EXPECT_EQ(form.ListIndex(ListId::List1), 1);
  EXPECT_EQ(form.ListIndex(ListId::List3), 2);
  EXPECT_EQ(messages.seen.size(), 1u);
}

}  // namespace
