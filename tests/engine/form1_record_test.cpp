// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise/form1_record.h"

#include <gtest/gtest.h>

#include <vector>

#include "recording.h"
#include "stripewise/runtime_error.h"

namespace stripewise {
namespace {

using testing::kFocus;
using testing::kText1;
using testing::Write;
using testing::WriteLog;

TEST(Form1Record, StartsWithNothingSelectedAndTheStartColours) {
  const Form1Record form;
  for (ListId list : {ListId::List1, ListId::List2, ListId::List3, ListId::List4}) {
    EXPECT_EQ(form.ListIndex(list), -1);
  }
  EXPECT_EQ(form.Text1(), "");
  for (const LabelId label : AllIds<LabelId>()) EXPECT_EQ(form.Caption(label), "");
  EXPECT_EQ(form.FillColor(ShapeId::Shape2), 0x8000000Fu);
  EXPECT_EQ(form.FillColor(ShapeId::Shape3), 0x80000004u);
  EXPECT_EQ(form.FillColor(ShapeId::Shape4), 0x80000004u);
  EXPECT_EQ(form.FillColor(ShapeId::Shape5), 0x8000000Fu);
}

// Each band list repaints its own band, nested inside the write.
TEST(Form1Record, WritingABandListRepaintsItsBandBeforeReturning) {
  const std::pair<ListId, ShapeId> bands[] = {{ListId::List1, ShapeId::Shape2},
                                              {ListId::List2, ShapeId::Shape3},
                                              {ListId::List3, ShapeId::Shape4}};
  for (const auto& [list, shape] : bands) {
    for (int position = 0; position < ListCount(list); ++position) {
      Form1Record form;
      WriteLog log;
      form.SetObserver(&log);
      form.SetListIndex(list, static_cast<std::int16_t>(position));
      EXPECT_EQ(form.ListIndex(list), position);
      EXPECT_EQ(form.FillColor(shape), kBandColors[static_cast<std::size_t>(position)]);
      EXPECT_EQ(log.writes, (std::vector<Write>{list, shape}));
    }
  }
}

TEST(Form1Record, TheToleranceListAndClearingASelectionRepaintNothing) {
  Form1Record form;
  WriteLog log;
  form.SetObserver(&log);
  for (std::int16_t position = 0; position < 8; ++position) {
    form.SetListIndex(ListId::List4, position);
  }
  form.SetListIndex(ListId::List1, -1);
  EXPECT_EQ(log.writes.size(), 9u);
  for (const Write& write : log.writes) {
    EXPECT_TRUE(write == Write{ListId::List4} || write == Write{ListId::List1});
  }
  EXPECT_EQ(form.FillColor(ShapeId::Shape5), kButtonFaceColor);
  EXPECT_EQ(form.FillColor(ShapeId::Shape2), kButtonFaceColor);
}

TEST(Form1Record, APositionTheListDoesNotHaveIsARuntimeErrorAndChangesNothing) {
  const std::pair<ListId, int> beyond[] = {{ListId::List1, 10}, {ListId::List2, 10},
                                           {ListId::List3, 12}, {ListId::List4, 8},
                                           {ListId::List1, -2}, {ListId::List3, 32767}};
  for (const auto& [list, position] : beyond) {
    Form1Record form;
    WriteLog log;
    form.SetObserver(&log);
    try {
      form.SetListIndex(list, static_cast<std::int16_t>(position));
      ADD_FAILURE() << position << " accepted";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Kind(), ErrorKind::InvalidPosition);
    }
    EXPECT_EQ(form.ListIndex(list), -1);
    EXPECT_TRUE(log.writes.empty());
  }
}

TEST(Form1Record, ReportsEveryWriteEvenOfAnUnchangedValue) {
  Form1Record form;
  WriteLog log;
  form.SetObserver(&log);
  form.SetText1("");
  form.SetCaption(LabelId::Label27, "");
  form.SetFillColor(ShapeId::Shape5, kButtonFaceColor);
  form.FocusText1();
  EXPECT_EQ(log.writes, (std::vector<Write>{kText1, LabelId::Label27, ShapeId::Shape5, kFocus}));
}

}  // namespace
}  // namespace stripewise
