#include "bind/MvSNMPLedShape.h"

#include <QPainter>
#include <algorithm>

MvSNMPLedShape::MvSNMPLedShape(QWidget* parent, Kind kind) : QWidget(parent), kind_(kind) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void MvSNMPLedShape::setShapeKind(Kind kind) {
  if (kind_ == kind) return;
  kind_ = kind;
  update();
}

void MvSNMPLedShape::setColors(const QColor& brush, const QColor& pen) {
  if (brush == brush_ && pen == pen_) return;
  brush_ = brush;
  pen_ = pen;
  update();
}

void MvSNMPLedShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, kind_ != Kind::Rectangle && kind_ != Kind::Square);
  p.setPen(pen_);
  p.setBrush(brush_);
  QRect r = rect().adjusted(0, 0, -1, -1);
  if (kind_ == Kind::Square || kind_ == Kind::RoundSquare || kind_ == Kind::Circle) {
    const int side = std::min(r.width(), r.height());
    r = QRect(r.x() + (r.width() - side) / 2, r.y() + (r.height() - side) / 2, side, side);
  }
  switch (kind_) {
    case Kind::Rectangle:
    case Kind::Square:
      p.drawRect(r);
      break;
    case Kind::RoundRect:
    case Kind::RoundSquare: {
      const qreal radius = std::min(r.width(), r.height()) / 4.0;
      p.drawRoundedRect(r, radius, radius);
      break;
    }
    case Kind::Ellipse:
    case Kind::Circle:
      p.drawEllipse(r);
      break;
  }
}
