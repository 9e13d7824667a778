#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "generators/generators.h"

using namespace laserpic;
using generators::FigureParams;

namespace {

struct Point {
  int x, y;
};

Point pointAt(const model::FigureModel& m, int i) { return {m.PicX[i], m.PicY[i]}; }

void fillFigure(model::FigureModel& m, std::uint8_t v) {
  m.PicX.fill(v);
  m.PicY.fill(v);
}

FigureParams circleParams(std::uint8_t sx = 200, std::uint8_t sy = 200) {
  FigureParams p;
  p.SizeX = sx;
  p.SizeY = sy;
  p.Option = 1;
  p.Mode = 1;
  return p;
}

}  // namespace

// ---- Sinus and the offset mapping ----

TEST(Sinus, OffsetMappingPutsZeroAndMinusOneOnCentre) {
  const struct {
    int offset, byte;
  } rows[] = {{0, 127}, {-1, 127}, {1, 128}, {-2, 126}, {100, 227}, {-100, 28}, {125, 252}, {-125, 3}};
  for (const auto& r : rows) EXPECT_EQ(generators::OffsetToByte(r.offset), r.byte) << "offset " << r.offset;
}

TEST(Sinus, KnownAngles) {
  // Where the exact value is whole (cos 90, sin 180) either neighbouring byte is
  // acceptable, hence a range per axis.
  const struct {
    int angle, sx, sy, xLo, xHi, yLo, yHi;
  } rows[] = {
      {0, 200, 200, 127, 127, 227, 227},    {90, 200, 200, 227, 227, 127, 128},
      {270, 200, 200, 28, 28, 127, 128},    {180, 200, 200, 127, 128, 28, 28},
      {-90, 200, 200, 28, 28, 127, 128},    {450, 200, 200, 227, 227, 127, 128},
      {90, 250, 20, 252, 252, 127, 128},    {0, 20, 250, 127, 127, 252, 252},
      {1, 200, 200, 129, 129, 227, 227},  // sin 1 deg * 100 = 1.745 -> ceiling 2
      {181, 200, 200, 127, 127, 29, 29},  // -1.745 -> -1 -> 127; -99.98 -> -99 -> 29
  };
  for (const auto& r : rows) {
    const auto pt = generators::Sinus(r.angle, r.sx, r.sy);
    EXPECT_GE(pt.SinCoord, r.xLo) << "angle " << r.angle;
    EXPECT_LE(pt.SinCoord, r.xHi) << "angle " << r.angle;
    EXPECT_GE(pt.CosCoord, r.yLo) << "angle " << r.angle;
    EXPECT_LE(pt.CosCoord, r.yHi) << "angle " << r.angle;
  }
}

// ---- Circle ----

TEST(Circle, FullModeAtSize200) {
  model::FigureModel m;
  generators::GreateCucle(m, circleParams());
  EXPECT_EQ(pointAt(m, 0).x, 133);
  EXPECT_EQ(pointAt(m, 0).y, 227);
  EXPECT_EQ(pointAt(m, 58).x, 227);
  EXPECT_EQ(pointAt(m, 58).y, 127);
  const auto [xMin, xMax] = std::minmax_element(m.PicX.begin(), m.PicX.end());
  const auto [yMin, yMax] = std::minmax_element(m.PicY.begin(), m.PicY.end());
  EXPECT_EQ(*xMin, 28);
  EXPECT_EQ(*xMax, 227);
  EXPECT_EQ(*yMin, 29);  // the Y angle never reaches 180 exactly
  EXPECT_EQ(*yMax, 227);
  for (int i = 239; i < 256; ++i) {
    EXPECT_EQ(m.PicX[i], m.PicX[239]) << i;
    EXPECT_EQ(m.PicY[i], m.PicY[239]) << i;
  }
  EXPECT_NE(m.PicX[238], m.PicX[239]);
}

TEST(Circle, XRangeFollowsXSizeOnly) {
  const struct {
    int sx, xMin, xMax;
  } rows[] = {{250, 3, 252}, {200, 28, 227}, {20, 118, 137}};
  for (const auto& r : rows) {
    model::FigureModel m;
    generators::GreateCucle(m, circleParams(r.sx, 200));
    const auto [lo, hi] = std::minmax_element(m.PicX.begin(), m.PicX.end());
    EXPECT_EQ(*lo, r.xMin) << "size " << r.sx;
    EXPECT_EQ(*hi, r.xMax) << "size " << r.sx;

    // A different Y size leaves every X alone.
    model::FigureModel other;
    generators::GreateCucle(other, circleParams(r.sx, 40));
    EXPECT_EQ(other.PicX, m.PicX) << "size " << r.sx;
    EXPECT_NE(other.PicY, m.PicY) << "size " << r.sx;
  }
}

TEST(Circle, HalfModeWritesAnArcOfTheFirst128PointsOnly) {
  model::FigureModel m;
  fillFigure(m, 9);
  FigureParams p = circleParams();
  p.Half128 = true;
  generators::GreateCucle(m, p);
  const auto first = generators::Sinus(2, 200, 200);
  const auto last = generators::Sinus(129, 200, 200);
  EXPECT_EQ(m.PicX[0], first.SinCoord);
  EXPECT_EQ(m.PicY[0], first.CosCoord);
  EXPECT_EQ(m.PicX[127], last.SinCoord);
  EXPECT_EQ(m.PicY[127], last.CosCoord);
  for (int i = 128; i < 256; ++i) ASSERT_EQ(pointAt(m, i).x, 9) << i;
}

TEST(Circle, ModeRaisesTheYFrequency) {
  // With mode M the Y runs through 2M - 1 turns: count its top crossings.
  for (int mode : {1, 2, 3}) {
    model::FigureModel m;
    FigureParams p = circleParams();
    p.Mode = mode;
    generators::GreateCucle(m, p);
    int crossings = 0;
    for (int i = 1; i < 239; ++i) crossings += (m.PicY[i - 1] >= 127) != (m.PicY[i] >= 127) ? 1 : 0;
    EXPECT_NEAR(crossings, 2 * (2 * mode - 1), 1) << "mode " << mode;
  }
}

// ---- Fixed figures ----

TEST(FixedFigures, ListedPoints) {
  using Build = std::function<void(model::FigureModel&)>;
  const Build frame = generators::GreateBegin;
  const Build star = generators::GreateStars;
  const Build centre = generators::GreatePoints;
  const Build line200 = [](model::FigureModel& m) { generators::GreateLines(m, 200); };
  const Build lineAt20 = [](model::FigureModel& m) { generators::GreateLines(m, 20); };
  const Build vert20 = [](model::FigureModel& m) { generators::GreateLinesV(m, 20); };
  const Build vert200 = [](model::FigureModel& m) { generators::GreateLinesV(m, 200); };
  const struct {
    const char* name;
    const Build* build;
    int index, x, y;
  } rows[] = {
      {"frame", &frame, 0, 2, 250},      {"frame", &frame, 1, 2, 246},     {"frame", &frame, 62, 2, 2},
      {"frame", &frame, 63, 2, 2},       {"frame", &frame, 64, 2, 2},      {"frame", &frame, 126, 250, 2},
      {"frame", &frame, 127, 250, 2},    {"frame", &frame, 128, 254, 2},   {"frame", &frame, 191, 254, 254},
      {"frame", &frame, 192, 250, 254},  {"frame", &frame, 254, 2, 254},   {"frame", &frame, 255, 2, 254},
      {"star", &star, 0, 32, 127},       {"star", &star, 1, 34, 126},      {"star", &star, 31, 94, 96},
      {"star", &star, 32, 95, 94},       {"star", &star, 63, 126, 32},     {"star", &star, 64, 127, 34},
      {"star", &star, 96, 160, 97},      {"star", &star, 127, 222, 128},   {"star", &star, 128, 220, 129},
      {"star", &star, 159, 158, 160},    {"star", &star, 191, 126, 224},   {"star", &star, 192, 125, 222},
      {"star", &star, 222, 95, 162},     {"star", &star, 223, 93, 161},    {"star", &star, 254, 31, 130},
      {"star", &star, 255, 32, 127},     {"centre", &centre, 0, 127, 127}, {"centre", &centre, 255, 127, 127},
      {"line 200", &line200, 0, 0, 200}, {"line 200", &line200, 255, 255, 200},
      {"line 200", &line200, 77, 77, 200}, {"line 20", &lineAt20, 128, 128, 20},
      {"vert 20", &vert20, 0, 20, 0},    {"vert 20", &vert20, 255, 20, 255}, {"vert 200", &vert200, 99, 200, 99},
  };
  for (const auto& r : rows) {
    model::FigureModel m;
    (*r.build)(m);
    EXPECT_EQ(pointAt(m, r.index).x, r.x) << r.name << " point " << r.index;
    EXPECT_EQ(pointAt(m, r.index).y, r.y) << r.name << " point " << r.index;
  }
}

TEST(FixedFigures, EveryPointIsOverwritten) {
  using Build = std::function<void(model::FigureModel&)>;
  const Build builds[] = {generators::GreateBegin, generators::GreateStars, generators::GreatePoints,
                          [](model::FigureModel& m) { generators::GreateLines(m, 200); },
                          [](model::FigureModel& m) { generators::GreateLinesV(m, 20); }};
  for (const Build& build : builds) {
    model::FigureModel a;
    model::FigureModel b;
    fillFigure(a, 0);
    fillFigure(b, 0xAA);
    build(a);
    build(b);
    EXPECT_EQ(a.PicX, b.PicX);
    EXPECT_EQ(a.PicY, b.PicY);
  }
}

// ---- Polygon ----

TEST(Polygon, BrezenLineStepsByTheTruncatedQuotient) {
  model::FigureModel m;
  fillFigure(m, 0);
  EXPECT_FALSE(generators::BrezenLine(m, 127, 227, 227, 127, 0, 16));
  for (int i = 0; i <= 16; ++i) {
    EXPECT_EQ(m.PicX[i], 127 + 6 * i) << i;
    EXPECT_EQ(m.PicY[i], 227 - 6 * i) << i;
  }
  EXPECT_EQ(m.PicX[17], 0);  // nothing past Finish
}

TEST(Polygon, BrezenLineWithStartNotBelowFinishWritesOnlyStart) {
  for (int finish : {10, 9}) {
    model::FigureModel m;
    fillFigure(m, 0);
    EXPECT_TRUE(generators::BrezenLine(m, 50, 60, 200, 10, 10, static_cast<std::uint8_t>(finish)));
    EXPECT_EQ(pointAt(m, 10).x, 50);
    EXPECT_EQ(pointAt(m, 10).y, 60);
    EXPECT_EQ(m.PicX[9], 0);
    EXPECT_EQ(m.PicX[11], 0);
  }
}

TEST(Polygon, DiamondPassesThroughItsVertices) {
  model::FigureModel m;
  FigureParams p = circleParams();
  p.Mode = 4;
  EXPECT_FALSE(generators::GreateCorner(m, p));
  EXPECT_EQ(m.State.CornerFlag, 1);
  // (127, 227), (227, ~127), (~127, 28), (28, ~127), then the closing copy.
  const struct {
    int index, xLo, xHi, yLo, yHi;
  } vertices[] = {{0, 127, 127, 227, 227}, {16, 227, 227, 127, 128}, {32, 127, 128, 28, 28},
                  {48, 28, 28, 127, 128}};
  for (const auto& v : vertices) {
    EXPECT_GE(m.PicX[v.index], v.xLo) << v.index;
    EXPECT_LE(m.PicX[v.index], v.xHi) << v.index;
    EXPECT_GE(m.PicY[v.index], v.yLo) << v.index;
    EXPECT_LE(m.PicY[v.index], v.yHi) << v.index;
  }
  EXPECT_EQ(m.CornerX[4], m.CornerX[0]);
  EXPECT_EQ(m.CornerY[4], m.CornerY[0]);
  // The last segment ends at 64, near (not on) the closing vertex.
  EXPECT_NEAR(m.PicX[64], 127, 6);
  EXPECT_NEAR(m.PicY[64], 227, 6);
}

TEST(Polygon, OneAndTwoVertices) {
  model::FigureModel one;
  FigureParams p = circleParams();
  p.Mode = 1;
  generators::GreateCorner(one, p);
  for (int i = 0; i <= 64; ++i) ASSERT_EQ(pointAt(one, i).x, 127) << i;
  for (int i = 0; i <= 64; ++i) ASSERT_EQ(pointAt(one, i).y, 227) << i;

  model::FigureModel two;
  p.Mode = 2;
  generators::GreateCorner(two, p);
  EXPECT_EQ(pointAt(two, 0).y, 227);
  EXPECT_EQ(pointAt(two, 32).y, 28);
  for (int i = 0; i <= 64; ++i) ASSERT_NEAR(two.PicX[i], 127, 1) << i;
  // Out to the opposite vertex, then back towards vertex 0.
  for (int i = 1; i <= 32; ++i) ASSERT_LT(two.PicY[i], two.PicY[i - 1]) << i;
  for (int i = 33; i <= 64; ++i) ASSERT_GT(two.PicY[i], two.PicY[i - 1]) << i;
}

TEST(Polygon, EveryVertexCountFillsTheOutlineAndSharesSegmentEnds) {
  for (int n = 1; n <= 12; ++n) {
    FigureParams p = circleParams(180, 120);
    p.Mode = n;
    p.Option = 31;
    model::FigureModel a;
    model::FigureModel b;
    fillFigure(a, 0);
    fillFigure(b, 0xFF);
    EXPECT_FALSE(generators::GreateCorner(a, p)) << n;
    generators::GreateCorner(b, p);

    const int s = 64 / n;
    const int last = n * s;
    for (int k = 0; k < n; ++k) {
      EXPECT_EQ(a.PicX[k * s], a.CornerX[k]) << n << " vertices, vertex " << k;
      EXPECT_EQ(a.PicY[k * s], a.CornerY[k]) << n << " vertices, vertex " << k;
    }
    // Past the last segment the outline repeats its last point, whatever the
    // figure held before.
    for (int i = last + 1; i < 64; ++i) {
      EXPECT_EQ(pointAt(a, i).x, a.PicX[last]) << n << " vertices, point " << i;
      EXPECT_EQ(pointAt(a, i).y, a.PicY[last]) << n << " vertices, point " << i;
    }
    for (int i = 0; i < 64; ++i) {
      ASSERT_EQ(a.PicX[i], b.PicX[i]) << n << " vertices, point " << i;
      ASSERT_EQ(a.PicY[i], b.PicY[i]) << n << " vertices, point " << i;
    }
    generators::Made64(a);
    generators::Made64(b);
    EXPECT_EQ(a.PicX, b.PicX) << n;
    EXPECT_EQ(a.PicY, b.PicY) << n;
  }
}

// ---- Folding and the second half ----

TEST(Made64, TracesTheOutlineFourTimes) {
  model::FigureModel m;
  for (int k = 0; k < 64; ++k) {
    m.PicX[k] = static_cast<std::uint8_t>(k + 10);
    m.PicY[k] = static_cast<std::uint8_t>(200 - k);
  }
  m.State.CornerFlag = 1;
  generators::Made64(m);
  EXPECT_EQ(m.State.CornerFlag, 0);
  for (int k = 0; k < 64; ++k) {
    for (int i : {k, 127 - k, 128 + k, 255 - k}) {
      ASSERT_EQ(m.PicX[i], k + 10) << "point " << i;
      ASSERT_EQ(m.PicY[i], 200 - k) << "point " << i;
    }
  }
}

TEST(MadeHalf, MirrorsTheReturningHalf) {
  const struct {
    const char* name;
    bool half, gor, vert;
    int x0, y0, x127, y127, x1;  // points 255, 128 and 254 after the copy
  } rows[] = {
      // First half: point 0 (0, 10), point 1 (200, 30), point 127 (127, 40).
      {"up", false, false, false, 1, 1, 1, 1, 1},
      {"no mirror", true, false, false, 0, 10, 127, 40, 200},
      {"horizontal", true, true, false, 255, 10, 128, 40, 55},
      {"vertical", true, false, true, 0, 245, 127, 215, 200},
      {"both", true, true, true, 255, 245, 128, 215, 55},
  };
  for (const auto& r : rows) {
    model::FigureModel m;
    fillFigure(m, 1);
    m.PicX[0] = 0;
    m.PicY[0] = 10;
    m.PicX[1] = 200;
    m.PicY[1] = 30;
    m.PicX[127] = 127;
    m.PicY[127] = 40;
    generators::MadeHalf(m, r.half, r.gor, r.vert);
    EXPECT_EQ(pointAt(m, 255).x, r.x0) << r.name;
    EXPECT_EQ(pointAt(m, 255).y, r.y0) << r.name;
    EXPECT_EQ(pointAt(m, 128).x, r.x127) << r.name;
    EXPECT_EQ(pointAt(m, 128).y, r.y127) << r.name;
    EXPECT_EQ(pointAt(m, 254).x, r.x1) << r.name;
    EXPECT_EQ(pointAt(m, 0).x, 0) << r.name;  // the first half stays
  }
}

// ---- Dispatch ----

TEST(Dispatch, RunsTheGeneratorOfTheKind) {
  FigureParams p = circleParams(60, 90);
  const struct {
    int kind;
    std::function<void(model::FigureModel&)> expected;
  } rows[] = {
      {generators::kKindCircle, [&](model::FigureModel& m) { generators::GreateCucle(m, p); }},
      {generators::kKindPolygon, [&](model::FigureModel& m) { generators::GreateCorner(m, p); }},
      {generators::kKindLineHorizontal, [](model::FigureModel& m) { generators::GreateLines(m, 60); }},
      {generators::kKindStar, generators::GreateStars},
      {generators::kKindLineVertical, [](model::FigureModel& m) { generators::GreateLinesV(m, 60); }},
      {generators::kKindCentre, generators::GreatePoints},
      {generators::kKindFrame, generators::GreateBegin},
  };
  for (const auto& r : rows) {
    model::FigureModel got;
    model::FigureModel want;
    got.State.FigureKind = r.kind;
    EXPECT_EQ(generators::RunGenerator(got, p), QString()) << r.kind;
    r.expected(want);
    EXPECT_EQ(got.PicX, want.PicX) << r.kind;
    EXPECT_EQ(got.PicY, want.PicY) << r.kind;
  }

  model::FigureModel none;
  fillFigure(none, 42);
  generators::RunGenerator(none, p);
  EXPECT_EQ(none.PicX[0], 42);
  EXPECT_EQ(none.PicY[255], 42);
}
