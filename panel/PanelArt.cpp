#include "PanelArt.h"

#include <QPainter>

// Placeholder drawing until the artwork lands.
namespace PanelArt {
namespace {
QPixmap filled(int w, int h, QColor c) {
  QPixmap p(w, h);
  p.fill(c);
  return p;
}
QSize moduleSize(Module m) {
  switch (m) {
    case Module::KM5A: return {128, 78};
    case Module::KM5B: return {130, 80};
    case Module::KM6A: return {129, 80};
    case Module::KM6B: return {128, 80};
  }
  return {128, 80};
}
QSize buttonSize(Module m) {
  switch (m) {
    case Module::KM5A:
    case Module::KM5B: return {54, 25};
    case Module::KM6A: return {30, 27};
    case Module::KM6B: return {34, 36};
  }
  return {30, 27};
}
}  // namespace

QPixmap frontPlate() { return filled(901, 100, QColor(0x30, 0x30, 0x34)); }
QPixmap portGlyph() { return filled(30, 29, QColor(0x20, 0x20, 0x20)); }
QPixmap moduleFace(Module module) {
  const QSize s = moduleSize(module);
  return filled(s.width(), s.height(), QColor(0x40, 0x40, 0x44));
}
QIcon moduleButtonIcon(Module module) {
  const QSize s = buttonSize(module);
  return QIcon(filled(s.width(), s.height(), QColor(0x20, 0x20, 0x20)));
}

}  // namespace PanelArt
