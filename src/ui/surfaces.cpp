#include "surfaces.h"

#include <QMouseEvent>
#include <QPainter>

namespace laserpic::ui {

PaintBox::PaintBox(const QImage* image, QWidget* parent) : QWidget(parent), mImage(image) {
  setMouseTracking(true);
}

void PaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, *mImage);
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit mousePressed(event->button(), p.x(), p.y());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit mouseMoved(p.x(), p.y());
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit mouseReleased(event->button(), p.x(), p.y());
}

void PaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  emit mousePressed(event->button(), p.x(), p.y());
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage& image) {
  mPendingSource.clear();
  mPicture = image;
  update();
}

void PictureBox::setPictureSource(const QString& path) {
  mPicture = QImage();
  mPendingSource = path;
  update();
}

const QImage& PictureBox::picture() const {
  if (!mPendingSource.isEmpty()) {
    mPicture = QImage(mPendingSource);
    mPendingSource.clear();
  }
  return mPicture;
}

void PictureBox::paintEvent(QPaintEvent*) {
  const QImage& shown = picture();
  if (shown.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), shown);
}

ShapeBox::ShapeBox(QWidget* parent) : QWidget(parent) {}

void ShapeBox::setFillColor(const QColor& color) {
  mFill = color;
  update();
}

void ShapeBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.fillRect(rect().adjusted(1, 1, -1, -1), mFill);
}

}  // namespace laserpic::ui
