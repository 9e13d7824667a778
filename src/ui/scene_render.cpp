#include "scene_render.h"

#include <algorithm>
#include <cstdlib>

namespace laserpic::ui {
namespace {

// The drawing area is drawn pixel by pixel like the original platform's
// pens: a line covers its start pixel but not its end pixel, a line of zero
// length draws nothing, and a filled rectangle excludes its right and bottom
// edges. QPainter differs on all three, which shows on stacked marks.
constexpr QRgb kGrey = qRgb(128, 128, 128);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kLime = qRgb(0, 255, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kCream = qRgb(255, 251, 240);
constexpr QRgb kBlack = qRgb(0, 0, 0);

class Canvas {
 public:
  explicit Canvas(QImage& image)
      : mBits(reinterpret_cast<QRgb*>(image.bits())),
        mStride(image.bytesPerLine() / 4),
        mWidth(image.width()),
        mHeight(image.height()) {}

  void plot(int x, int y, QRgb c) {
    if (x >= 0 && y >= 0 && x < mWidth && y < mHeight) mBits[y * mStride + x] = c;
  }

  void fill(int left, int top, int right, int bottom, QRgb c) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, mWidth);
    bottom = std::min(bottom, mHeight);
    for (int y = top; y < bottom; ++y) std::fill(mBits + y * mStride + left, mBits + y * mStride + right, c);
  }

  // The preview's 2-pixel pen: a 2 by 2 stamp along the line, both ends
  // included, so a line of zero length still leaves a spot.
  void wideLine(QPoint a, QPoint b, QRgb c) {
    line(a, b, c, nullptr, 2);
    stamp(b.x(), b.y(), 2, c);
  }

  // Bresenham from a to b, b itself excluded. With a dash, pixels alternate
  // between the pen colour and the gap colour, continuing across calls.
  void line(QPoint a, QPoint b, QRgb c, const QRgb* gap = nullptr, int width = 1) {
    if (width == 1 && !gap && a.y() == b.y() && a.x() != b.x()) {
      // Horizontal runs (the grid, most of all) are filled as one span.
      const bool right = a.x() < b.x();
      fill(right ? a.x() : b.x() + 1, a.y(), right ? b.x() : a.x() + 1, a.y() + 1, c);
      return;
    }
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int err = dx + dy;
    while (x != b.x() || y != b.y()) {
      if (width == 1)
        plot(x, y, gap && (mDash++ & 1) ? *gap : c);
      else
        stamp(x, y, width, c);
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y += sy;
      }
    }
  }

 private:
  // Only the 2-pixel pen uses it: pixels x-1..x, y-1..y.
  void stamp(int x, int y, int, QRgb c) {
    if (x >= 1 && y >= 1 && x < mWidth && y < mHeight) {
      QRgb* row = mBits + (y - 1) * mStride + x - 1;
      row[0] = row[1] = c;
      row += mStride;
      row[0] = row[1] = c;
      return;
    }
    for (int dy = -1; dy <= 0; ++dy)
      for (int dx = -1; dx <= 0; ++dx) plot(x + dx, y + dy, c);
  }

  QRgb* mBits;
  int mStride;
  int mWidth;
  int mHeight;
  unsigned mDash = 0;
};

void drawGrid(Canvas& c) {
  const int w = kDrawAreaSize;
  const int h = kDrawAreaSize;
  const int mid = (kDrawAreaSize - 2) / 2;
  c.line({0, mid}, {w - 2, mid}, kGrey);
  c.line({mid, 0}, {mid, h - 2}, kGrey);
  for (int y = 16; y <= 512; y += 16) c.line({0, y}, {w - 2, y}, kGrey);
  for (int x = 16; x <= 528; x += 16) c.line({x, 0}, {x, h - 2}, kGrey);
}

// Two square outlines with a 2-pixel pen at 0..510 and 1..511: together they
// cover columns and rows 0..1 and 509..511.
void drawBorder(Canvas& c) {
  const int n = kDrawAreaSize;
  c.fill(0, 0, n, 2, kWhite);
  c.fill(0, n - 3, n, n, kWhite);
  c.fill(0, 0, 2, n, kWhite);
  c.fill(n - 3, 0, n, n, kWhite);
}

void fillMark(Canvas& c, QPoint p, int half, QRgb color) {
  c.fill(p.x() - half, p.y() - half, p.x() + half, p.y() + half, color);
}

QPoint drawAreaPoint(const model::FigureModel& m, int i) { return {2 * m.PicX[i], 2 * m.PicY[i]}; }

void drawPath(Canvas& c, const model::FigureModel& m, const SceneOptions& o) {
  const auto& st = m.State;
  const int last = o.half128 ? 127 : 255;
  const QRgb pen = st.AreaMode ? kYellow : kBlue;
  QPoint prev = drawAreaPoint(m, 0);
  fillMark(c, prev, 4, kLime);
  for (int i = 1; i <= last; ++i) {
    const QPoint pt = drawAreaPoint(m, i);
    const bool blue = i == st.CurrentPoint || st.AreaMode;
    c.line(prev, pt, pen);
    fillMark(c, pt, 2, blue ? kBlue : kRed);
    prev = pt;
  }
  fillMark(c, prev, 4, kYellow);
  if (!o.half128) c.line(prev, drawAreaPoint(m, 0), pen);
}

void drawAreaRectangle(Canvas& c, const model::EditState& st) {
  const QPoint corners[] = {{2 * st.AreaLeft, 2 * st.AreaTop},
                            {2 * st.AreaRight, 2 * st.AreaTop},
                            {2 * st.AreaRight, 2 * st.AreaBottom},
                            {2 * st.AreaLeft, 2 * st.AreaBottom}};
  for (int k = 0; k < 4; ++k) c.line(corners[k], corners[(k + 1) % 4], kCream, &kBlack);
}

}  // namespace

bool isHotPoint(const model::FigureModel& m, int i) {
  return i > 0 && m.PicX[i] == m.PicX[i - 1] && m.PicY[i] == m.PicY[i - 1];
}

QPoint hotPointPosition(int x, int y, int r, int s) {
  x += r - 4;
  y += s - 4;
  return {x <= 0 ? 1 : x, y <= 0 ? 1 : y};
}

void drawDrawArea(QImage& image, const model::FigureModel& m, const SceneOptions& options) {
  Canvas c(image);
  if (options.grid) drawGrid(c);
  drawBorder(c);
  drawPath(c, m, options);
  if (m.State.AreaMode) drawAreaRectangle(c, m.State);
}

void drawPreview(QImage& image, const model::FigureModel& m, const SceneOptions& options,
                 std::minstd_rand& scatter) {
  Canvas c(image);
  const QRgb segment = options.hotColor ? kYellow : kLime;
  QPoint pen(m.PicX[0], m.PicY[0]);
  for (int i = 1; i < model::kPointCount; ++i) {
    QPoint next(m.PicX[i], m.PicY[i]);
    if (options.hotPoint && isHotPoint(m, i)) {
      const int r = static_cast<int>(scatter() % 8);
      const int s = static_cast<int>(scatter() % 8);
      next = hotPointPosition(next.x(), next.y(), r, s);
    }
    c.wideLine(pen, next, segment);
    pen = next;
  }
  c.wideLine(pen, QPoint(m.PicX[0], m.PicY[0]), kLime);
}

}  // namespace laserpic::ui
