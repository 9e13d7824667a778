#pragma once

#include <QImage>
#include <QWidget>

namespace laserpic::ui {

// A plain drawing surface. It shows an image that the window renders and
// reports the mouse in its own pixel coordinates; it has no background, so
// what lies beneath shows where the image is transparent.
class PaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit PaintBox(const QImage* image, QWidget* parent = nullptr);

 signals:
  void mousePressed(Qt::MouseButton button, int x, int y);
  void mouseMoved(int x, int y);
  void mouseReleased(Qt::MouseButton button, int x, int y);
  // A left double click. Qt delivers it in place of the second press; the
  // press itself follows at once as mousePressed.
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const QImage* mImage;
};

// A picture control that stretches its picture to its own bounds.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);
  void setPicture(const QImage& image);
  // A picture decoded from the file only when it is first needed, so that a
  // picture nobody looks at costs nothing at start.
  void setPictureSource(const QString& path);
  const QImage& picture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  mutable QImage mPicture;
  mutable QString mPendingSource;
};

// A filled rectangle with a one-pixel white outline.
class ShapeBox : public QWidget {
  Q_OBJECT

 public:
  explicit ShapeBox(QWidget* parent = nullptr);
  void setFillColor(const QColor& color);
  QColor fillColor() const { return mFill; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor mFill = Qt::black;
};

}  // namespace laserpic::ui
