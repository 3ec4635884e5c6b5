// A small shape that shows one LED: a rectangle, square, rounded one, ellipse or circle painted
// in a brush colour with an outline in a pen colour.
#pragma once

#include <QColor>
#include <QWidget>

class MvSNMPLedShape : public QWidget {
 public:
  enum class Kind { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

  explicit MvSNMPLedShape(QWidget* parent = nullptr, Kind kind = Kind::Rectangle);

  Kind shapeKind() const { return kind_; }
  void setShapeKind(Kind kind);
  QColor brushColor() const { return brush_; }
  QColor penColor() const { return pen_; }
  // Repaints only when a colour changes.
  void setColors(const QColor& brush, const QColor& pen);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
  QColor brush_ = Qt::white;
  QColor pen_ = Qt::black;
};
