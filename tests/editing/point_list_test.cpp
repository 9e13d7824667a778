#include <gtest/gtest.h>

#include "editing/point_list.h"

using namespace laserpic;
using namespace laserpic::editing;

namespace {

// Point i at (i, 255 - i): every point tells where it came from.
model::FigureModel rampFigure() {
  model::FigureModel m;
  for (int i = 0; i < model::kPointCount; ++i) {
    m.PicX[i] = static_cast<std::uint8_t>(i);
    m.PicY[i] = static_cast<std::uint8_t>(255 - i);
  }
  return m;
}

}  // namespace

TEST(PointList, InsertShiftsUpDropsTheLastAndOffsetsTheNewPoint) {
  struct Case {
    int current;
    int mode;
    int newX, newY;  // the point at `current` afterwards
    bool shifted;
  } cases[] = {
      {9, 5, 9, 246, true},     // point 10, no offset: 10 and 11 coincide
      {9, 1, 5, 242, true},     // after the circle button: d = -4
      {2, 1, 254, 249, true},   // X = 2 - 4 wraps to 254
      {252, 5, 252, 3, true},   // last one that still shifts
      {253, 7, 255, 4, false},  // points 254..256 are only offset
      {255, 12, 6, 7, false},   // 255 + 7 wraps, 0 + 7
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "current " << c.current << " mode " << c.mode);
    auto m = rampFigure();
    const auto before = m;
    m.State.CurrentPoint = c.current;
    insertPoint(m, c.mode);
    EXPECT_EQ(m.PicX[c.current], c.newX);
    EXPECT_EQ(m.PicY[c.current], c.newY);
    for (int i = 0; i < c.current; ++i) ASSERT_EQ(m.PicX[i], before.PicX[i]);
    if (c.shifted) {
      for (int i = c.current + 1; i < model::kPointCount; ++i) {
        ASSERT_EQ(m.PicX[i], before.PicX[i - 1]) << i;
        ASSERT_EQ(m.PicY[i], before.PicY[i - 1]) << i;
      }
    } else {
      for (int i = c.current + 1; i < model::kPointCount; ++i) ASSERT_EQ(m.PicX[i], before.PicX[i]);
    }
    EXPECT_EQ(m.State.CurrentPoint, c.current);
  }
}

TEST(PointList, DeleteShiftsDownAndRepeatsTheLast) {
  for (int current : {9, 252}) {
    auto m = rampFigure();
    const auto before = m;
    m.State.CurrentPoint = current;
    deletePoint(m);
    for (int i = 0; i < current; ++i) ASSERT_EQ(m.PicX[i], before.PicX[i]);
    for (int i = current; i < 255; ++i) {
      ASSERT_EQ(m.PicX[i], before.PicX[i + 1]) << i;
      ASSERT_EQ(m.PicY[i], before.PicY[i + 1]) << i;
    }
    EXPECT_EQ(m.PicX[254], m.PicX[255]);
    EXPECT_EQ(m.PicY[254], m.PicY[255]);
  }
}

TEST(PointList, NothingSelectedOrLastThreeLeaveTheFigureAlone) {
  struct Case {
    int current;
    bool insert;
  } cases[] = {{253, false}, {254, false}, {255, false}, {500, false}, {500, true}, {-1, true}, {-1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "current " << c.current << (c.insert ? " insert" : " delete"));
    auto m = rampFigure();
    const auto before = m;
    m.State.CurrentPoint = c.current;
    if (c.insert)
      insertPoint(m, 9);
    else
      deletePoint(m);
    EXPECT_EQ(m.PicX, before.PicX);
    EXPECT_EQ(m.PicY, before.PicY);
  }
}

TEST(PointList, RotationMovesOnlyTheStart) {
  auto m = rampFigure();
  const auto before = m;
  rotatePoints(m, RotateDirection::Forward);
  EXPECT_EQ(m.PicX[0], 1);  // old point 2 is point 1
  EXPECT_EQ(m.PicX[255], 0);
  EXPECT_EQ(m.PicY[255], 255);
  rotatePoints(m, RotateDirection::Backward);
  EXPECT_EQ(m.PicX, before.PicX);
  rotatePoints(m, RotateDirection::Backward);
  EXPECT_EQ(m.PicX[0], 255);  // old point 256 is point 1
  EXPECT_EQ(m.PicY[0], 0);

  m = before;
  for (int n = 0; n < model::kPointCount; ++n) rotatePoints(m, RotateDirection::Forward);
  EXPECT_EQ(m.PicX, before.PicX);
  EXPECT_EQ(m.PicY, before.PicY);
}

TEST(PointList, NormaliseLimitsEachAxisStep) {
  auto m = rampFigure();
  m.PicY.fill(40);
  normalisePoints(m, 3);
  EXPECT_EQ(m.PicX[0], 252);
  EXPECT_EQ(m.PicX[1], 249);
  EXPECT_EQ(m.PicX[255], 255);
  for (int i = 0; i < model::kPointCount; ++i)
    EXPECT_LE(std::abs(m.PicX[i] - m.PicX[(i + 1) % model::kPointCount]), 3) << i;
  EXPECT_EQ(m.PicY[7], 40);
}

TEST(PointList, NormaliseLeavesAnEvenFigureAlone) {
  model::FigureModel m;
  // A triangle wave with steps of exactly 3 and a closing pair within 3.
  for (int i = 0; i < model::kPointCount; ++i) {
    const int k = i % 64;
    m.PicX[i] = static_cast<std::uint8_t>(100 + 3 * (k < 32 ? k : 64 - k));
    m.PicY[i] = static_cast<std::uint8_t>(50 + (i % 2) * 3);
  }
  const auto before = m;
  normalisePoints(m, 3);
  EXPECT_EQ(m.PicX, before.PicX);
  EXPECT_EQ(m.PicY, before.PicY);
}
