#include "scene_render.h"

#include <QPainter>
#include <QPainterPath>

namespace laserpic::ui {
namespace {

const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kLime(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kCream(255, 251, 240);
const QColor kBlack(0, 0, 0);

void drawGrid(QPainter& p) {
  p.setPen(QPen(kGrey, 1, Qt::SolidLine));
  const int w = kDrawAreaSize;
  const int h = kDrawAreaSize;
  const int c = (kDrawAreaSize - 2) / 2;
  p.drawLine(0, c, w - 2, c);
  p.drawLine(c, 0, c, h - 2);
  for (int y = 16; y <= 512; y += 16) p.drawLine(0, y, w - 2, y);
  for (int x = 16; x <= 528; x += 16) p.drawLine(x, 0, x, h - 2);
}

void drawBorder(QPainter& p) {
  p.setPen(QPen(kWhite, 2, Qt::SolidLine));
  const QPoint outer[] = {{0, 0}, {0, 510}, {510, 510}, {510, 0}, {0, 0}};
  const QPoint inner[] = {{1, 1}, {1, 511}, {511, 511}, {511, 1}, {1, 1}};
  p.drawPolyline(outer, 5);
  p.drawPolyline(inner, 5);
}

void fillMark(QPainter& p, int x, int y, int half, const QColor& color) {
  p.fillRect(x - half, y - half, 2 * half, 2 * half, color);
}

void drawPath(QPainter& p, const model::FigureModel& m, const SceneOptions& o) {
  const auto& st = m.State;
  const int last = o.half128 ? 127 : 255;
  p.setPen(QPen(st.AreaMode ? kYellow : kBlue, 1, Qt::SolidLine));
  QPoint prev(2 * m.PicX[0], 2 * m.PicY[0]);
  fillMark(p, prev.x(), prev.y(), 4, kLime);
  for (int i = 1; i <= last; ++i) {
    const QPoint pt(2 * m.PicX[i], 2 * m.PicY[i]);
    const bool blue = i == st.CurrentPoint || st.AreaMode;
    p.drawLine(prev, pt);
    fillMark(p, pt.x(), pt.y(), 2, blue ? kBlue : kRed);
    prev = pt;
  }
  fillMark(p, prev.x(), prev.y(), 4, kYellow);
  if (!o.half128) p.drawLine(prev, QPoint(2 * m.PicX[0], 2 * m.PicY[0]));
}

void drawAreaRectangle(QPainter& p, const model::EditState& st) {
  QPen pen(kCream, 1);
  pen.setDashPattern({1, 1});
  p.setPen(pen);
  p.setBackgroundMode(Qt::OpaqueMode);
  p.setBackground(kBlack);
  const QPoint corners[] = {{2 * st.AreaLeft, 2 * st.AreaTop},
                            {2 * st.AreaRight, 2 * st.AreaTop},
                            {2 * st.AreaRight, 2 * st.AreaBottom},
                            {2 * st.AreaLeft, 2 * st.AreaBottom},
                            {2 * st.AreaLeft, 2 * st.AreaTop}};
  p.drawPolyline(corners, 5);
  p.setBackgroundMode(Qt::TransparentMode);
}

}  // namespace

bool isHotPoint(const model::FigureModel& m, int i) {
  return i > 0 && m.PicX[i] == m.PicX[i - 1] && m.PicY[i] == m.PicY[i - 1];
}

void drawDrawArea(QImage& image, const model::FigureModel& m, const SceneOptions& options) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  if (options.grid) drawGrid(p);
  drawBorder(p);
  drawPath(p, m, options);
  if (m.State.AreaMode) drawAreaRectangle(p, m.State);
}

void drawPreview(QImage& image, const model::FigureModel& m, const SceneOptions& options,
                 std::minstd_rand& scatter) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  const QPen lime(kLime, 2, Qt::SolidLine);
  const QPen yellow(kYellow, 2, Qt::SolidLine);
  QPoint pen(m.PicX[0], m.PicY[0]);
  for (int i = 1; i < model::kPointCount; ++i) {
    int x = m.PicX[i];
    int y = m.PicY[i];
    if (options.hotPoint && isHotPoint(m, i)) {
      x += static_cast<int>(scatter() % 8) - 4;
      y += static_cast<int>(scatter() % 8) - 4;
      if (x <= 0) x = 1;
      if (y <= 0) y = 1;
    }
    p.setPen(options.hotColor ? yellow : lime);
    p.drawLine(pen, QPoint(x, y));
    pen = QPoint(x, y);
  }
  p.setPen(lime);
  p.drawLine(pen, QPoint(m.PicX[0], m.PicY[0]));
}

}  // namespace laserpic::ui
