#include <gtest/gtest.h>

#include <QImage>

#include "ui/scene_render.h"

using namespace laserpic;
using ui::SceneOptions;

namespace {

const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kLime = qRgb(0, 255, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(128, 128, 128);

QImage blank(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y); }
bool empty(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) == 0; }

// A serpentine raster: points 1..255 run along rows 15 units apart, every
// other row backwards; point 0 sits alone in the bottom-right corner.
model::FigureModel raster() {
  model::FigureModel m;
  for (int i = 1; i < model::kPointCount; ++i) {
    const int row = i / 16;
    const int col = row % 2 == 0 ? i % 16 : 15 - i % 16;
    m.PicX[i] = static_cast<std::uint8_t>(10 + col * 15);
    m.PicY[i] = static_cast<std::uint8_t>(10 + row * 15);
  }
  m.PicX[0] = 240;
  m.PicY[0] = 250;
  return m;
}

QImage drawArea(const model::FigureModel& m, const SceneOptions& o) {
  QImage image = blank(ui::kDrawAreaSize);
  ui::drawDrawArea(image, m, o);
  return image;
}

QImage preview(const model::FigureModel& m, const SceneOptions& o) {
  QImage image = blank(ui::kPreviewSize);
  std::minstd_rand rng;
  ui::drawPreview(image, m, o, rng);
  return image;
}

}  // namespace

TEST(SceneRender, CentredFigureShowsYellowMarkOverAllOthers) {
  model::FigureModel m;
  model::clearFigure(m);
  const QImage image = drawArea(m, {});
  // The 8 by 8 last-point mark covers 250..257 and hides the red and lime marks.
  for (int p : {250, 254, 257}) EXPECT_EQ(at(image, p, p), kYellow) << p;
  EXPECT_TRUE(empty(image, 258, 258));
  EXPECT_TRUE(empty(image, 249, 254));
  // Border, two pixels wide on each edge.
  EXPECT_EQ(at(image, 0, 100), kWhite);
  EXPECT_EQ(at(image, 1, 100), kWhite);
  EXPECT_EQ(at(image, 511, 300), kWhite);
  EXPECT_EQ(at(image, 300, 511), kWhite);
  EXPECT_TRUE(empty(image, 5, 100));

  const QImage view = preview(m, {});
  EXPECT_EQ(at(view, 127, 127), kLime);
  EXPECT_TRUE(empty(view, 131, 127));
}

TEST(SceneRender, PointModeMarksAndCurrentPoint) {
  model::FigureModel m = raster();
  m.State.CurrentPoint = 40;
  const QImage image = drawArea(m, {});
  EXPECT_EQ(at(image, 2 * m.PicX[0] + 3, 2 * m.PicY[0] - 3), kLime);
  EXPECT_EQ(at(image, 2 * m.PicX[255] + 3, 2 * m.PicY[255] - 3), kYellow);
  EXPECT_EQ(at(image, 2 * m.PicX[100] - 2, 2 * m.PicY[100] - 2), kRed);
  EXPECT_EQ(at(image, 2 * m.PicX[40] + 1, 2 * m.PicY[40] + 1), kBlue);
  // The 4 by 4 mark excludes its right and bottom edges.
  EXPECT_NE(at(image, 2 * m.PicX[100] + 2, 2 * m.PicY[100] - 2), kRed);
}

TEST(SceneRender, NothingSelectedMeansNoBlueMarkInPointMode) {
  model::FigureModel m = raster();
  const QImage image = drawArea(m, {});
  for (int i = 1; i < 255; ++i) EXPECT_EQ(at(image, 2 * m.PicX[i] - 2, 2 * m.PicY[i] - 2), kRed) << i;
}

TEST(SceneRender, AreaModeColoursAndRectangle) {
  model::FigureModel m = raster();
  m.State.AreaMode = 1;
  m.State.AreaLeft = 200;
  m.State.AreaTop = 200;
  m.State.AreaRight = 150;  // corners out of order are drawn as they are
  m.State.AreaBottom = 220;
  const QImage image = drawArea(m, {});
  for (int i : {1, 100, 254}) EXPECT_EQ(at(image, 2 * m.PicX[i] - 2, 2 * m.PicY[i] - 2), kBlue) << i;
  EXPECT_EQ(at(image, 2 * m.PicX[0] + 3, 2 * m.PicY[0] - 3), kLime);
  // The top edge of the rectangle holds both cream dots and black gaps.
  bool cream = false, black = false;
  for (int x = 302; x < 398; ++x) {
    const QRgb c = at(image, x, 400);
    cream |= c == qRgb(255, 251, 240);
    black |= c == qRgb(0, 0, 0) && qAlpha(c) == 255;
  }
  EXPECT_TRUE(cream);
  EXPECT_TRUE(black);
}

TEST(SceneRender, PathIsYellowInAreaModeAndBlueOtherwise) {
  model::FigureModel m;
  model::clearFigure(m);
  m.PicX[1] = 60;  // a long horizontal segment from point 1 to point 2
  m.PicY[1] = 20;
  m.PicX[2] = 120;
  m.PicY[2] = 20;
  EXPECT_EQ(at(drawArea(m, {}), 180, 40), kBlue);
  m.State.AreaMode = 1;
  EXPECT_EQ(at(drawArea(m, {}), 180, 40), kYellow);
}

TEST(SceneRender, HalfModeDrawsOnlyTheFirst128PointsOpen) {
  model::FigureModel m = raster();
  SceneOptions half;
  half.half128 = true;
  const QImage image = drawArea(m, half);
  EXPECT_EQ(at(image, 2 * m.PicX[127] + 3, 2 * m.PicY[127] - 3), kYellow);
  EXPECT_TRUE(empty(image, 2 * m.PicX[200], 2 * m.PicY[200]));
  // No closing segment: the middle of the line from point 127 back to point 0 stays empty.
  const int mx = m.PicX[0] + m.PicX[127];
  const int my = m.PicY[0] + m.PicY[127];
  EXPECT_TRUE(empty(image, mx, my));
  // The preview always shows all 256 points.
  EXPECT_EQ(at(preview(m, half), m.PicX[200], m.PicY[200]), kLime);
}

TEST(SceneRender, GridFollowsTheToggle) {
  model::FigureModel m;
  model::clearFigure(m);
  SceneOptions grid;
  grid.grid = true;
  EXPECT_EQ(at(drawArea(m, grid), 100, 255), kGrey);
  EXPECT_EQ(at(drawArea(m, grid), 100, 16), kGrey);
  EXPECT_EQ(at(drawArea(m, grid), 16, 100), kGrey);
  EXPECT_TRUE(empty(drawArea(m, {}), 100, 16));
}

TEST(SceneRender, HotColourPaintsEverySegmentButTheClosingOne) {
  model::FigureModel m;
  model::clearFigure(m);
  m.PicX[1] = 20;
  m.PicX[255] = 200;
  m.PicY[255] = 20;
  SceneOptions hot;
  hot.hotColor = true;
  const QImage view = preview(m, hot);
  EXPECT_EQ(at(view, 60, 127), kYellow);  // segment point 0 -> point 1
  // closing segment from (200, 20) back to (127, 127)
  const QImage plain = preview(m, {});
  EXPECT_EQ(at(view, 164, 73), at(plain, 164, 73));
  EXPECT_EQ(at(plain, 164, 73), kLime);
}

TEST(SceneRender, HotPointScatterStaysNearTheSpotAndAboveZero) {
  model::FigureModel m;
  model::clearFigure(m);
  SceneOptions hot;
  hot.hotPoint = true;
  const QImage view = preview(m, hot);
  int lit = 0;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x)
      if (!empty(view, x, y)) {
        ++lit;
        EXPECT_LE(std::abs(x - 127), 6) << x;
        EXPECT_LE(std::abs(y - 127), 6) << y;
      }
  EXPECT_GT(lit, 4);  // a scribble, not a single spot
}

TEST(SceneRender, HotPointDisplacementIsClampedBelowOnly) {
  const struct {
    int x, y, r, s;
    QPoint expected;
  } cases[] = {
      {1, 1, 0, 0, {1, 1}},        // -3 becomes 1
      {4, 4, 0, 0, {1, 1}},        // exactly 0 becomes 1
      {127, 127, 7, 0, {130, 123}},
      {255, 255, 7, 7, {258, 258}},  // no upper limit
  };
  for (const auto& c : cases) EXPECT_EQ(ui::hotPointPosition(c.x, c.y, c.r, c.s), c.expected) << c.x;
}

TEST(SceneRender, HotPointTestComparesStoredNeighbours) {
  model::FigureModel m = raster();
  EXPECT_FALSE(ui::isHotPoint(m, 0));
  EXPECT_FALSE(ui::isHotPoint(m, 5));
  m.PicX[6] = m.PicX[5];
  m.PicY[6] = m.PicY[5];
  EXPECT_TRUE(ui::isHotPoint(m, 6));
  m.PicX[0] = m.PicX[255];
  m.PicY[0] = m.PicY[255];
  EXPECT_FALSE(ui::isHotPoint(m, 0));
}
