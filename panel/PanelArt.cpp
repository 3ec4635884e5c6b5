// The switch's artwork, drawn with QPainter: no image files. Every picture is drawn once, on first
// use, into a function-local static and handed out as an implicitly shared copy afterwards. The
// drawing uses no randomness (the brushed-metal texture comes from a fixed linear congruential
// sequence), so every run produces the same pixels for the same fonts.
#include "panel/PanelArt.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <array>
#include <cstdint>

namespace PanelArt {
namespace {

// ---------------------------------------------------------------------------------------------
// Geometry shared with the front panel and the module panels: where buttons, LEDs and slots sit.

constexpr int kPlateW = 901;
constexpr int kPlateH = 100;
constexpr int kJackW = 29;  // the front port buttons are 29 x 30
constexpr int kJackH = 30;
constexpr int kSlotW = 128;
constexpr int kSlotH = 78;
constexpr int kSlotTop = 15;
constexpr std::array<int, 2> kSlotLeft = {615, 759};

int jackLeft(int port) {
  return port <= 8 ? 202 + 32 * ((port - 1) / 2) : 338 + 32 * ((port - 9) / 2);
}
int jackTop(int port) {
  return port % 2 == 1 ? 18 : 53;
}

// What the drawing needs of each module: its face size, where its port button sits on the face,
// the printed name and media, and whether its port is a fibre cage (else an RJ-45 jack).
struct ModuleArt {
  QSize face;
  QRect button;
  const char* name;
  const char* media;
  bool fibre;
};

const ModuleArt& artOf(Module m) {
  static const ModuleArt kArt[] = {
      {{128, 78}, {44, 32, 54, 25}, "KM-5A", "1000BASE-SX", true},
      {{130, 80}, {44, 32, 54, 25}, "KM-5B", "1000BASE-LX", true},
      {{129, 80}, {58, 32, 30, 27}, "KM-6A", "1000BASE-T", false},
      {{128, 80}, {56, 20, 34, 36}, "KM-6B", "10/100/1000BASE-T", false},
  };
  return kArt[static_cast<int>(m)];
}

QSize moduleSize(Module m) { return artOf(m).face; }
// The port button's place on the module face.
QRect moduleButtonRect(Module m) { return artOf(m).button; }
QString moduleName(Module m) { return QString::fromLatin1(artOf(m).name); }
QString moduleMedia(Module m) { return QString::fromLatin1(artOf(m).media); }
bool isFibre(Module m) { return artOf(m).fibre; }

// ---------------------------------------------------------------------------------------------
// Small drawing helpers.

QImage blankImage(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

void prepare(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont artFont(int pixelSize, bool bold = false, qreal spacing = 0) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  if (spacing != 0) f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  return f;
}

void printText(QPainter& p, const QRectF& r, int flags, const QString& text, const QFont& font,
               const QColor& colour) {
  p.save();
  p.setFont(font);
  p.setPen(colour);
  p.drawText(r, flags, text);
  p.restore();
}

// A fixed pseudo-random sequence for textures (same pixels on every run).
class Lcg {
 public:
  explicit Lcg(std::uint32_t seed) : state_(seed) {}
  int next(int range) {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<int>((state_ >> 16) % static_cast<std::uint32_t>(range));
  }

 private:
  std::uint32_t state_;
};

// Faint horizontal brush lines over a rectangle.
void brushTexture(QPainter& p, const QRect& r, std::uint32_t seed, int strength) {
  Lcg rng(seed);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int y = r.top(); y <= r.bottom(); ++y) {
    const int a = rng.next(strength + 1);
    const bool light = rng.next(2) == 0;
    p.setPen(light ? QColor(255, 255, 255, a) : QColor(0, 0, 0, a));
    p.drawLine(r.left(), y, r.right(), y);
  }
  p.restore();
}

// A sunken rectangle: dark top/left edge, light bottom/right edge, around `r`.
void sunkenEdge(QPainter& p, const QRectF& r, const QColor& dark, const QColor& light) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(dark, 1));
  p.drawLine(QPointF(r.left() - 0.5, r.top() - 0.5), QPointF(r.right() + 0.5, r.top() - 0.5));
  p.drawLine(QPointF(r.left() - 0.5, r.top() - 0.5), QPointF(r.left() - 0.5, r.bottom() + 0.5));
  p.setPen(QPen(light, 1));
  p.drawLine(QPointF(r.left() - 0.5, r.bottom() + 0.5), QPointF(r.right() + 0.5, r.bottom() + 0.5));
  p.drawLine(QPointF(r.right() + 0.5, r.top() - 0.5), QPointF(r.right() + 0.5, r.bottom() + 0.5));
  p.restore();
}

// A raised bevel just inside `r` (integer rectangle, lines on pixel centres).
void raisedBevel(QPainter& p, const QRect& r, const QColor& light, const QColor& dark) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(light);
  p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
  p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
  p.setPen(dark);
  p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  p.drawLine(r.right(), r.top(), r.right(), r.bottom());
  p.restore();
}

// A small LED window: a black lens in a dark bezel, `lens` being the 7 x 7 window itself.
void ledWindow(QPainter& p, const QRectF& lens, const QColor& bezelLight, const QColor& bezelDark) {
  p.save();
  sunkenEdge(p, lens.adjusted(-1, -1, 1, 1), bezelDark, bezelLight);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x14, 0x15, 0x17));
  p.drawRect(lens.adjusted(-1, -1, 1, 1));
  QLinearGradient g(lens.topLeft(), lens.bottomLeft());
  g.setColorAt(0, QColor(0x2a, 0x2c, 0x2f));
  g.setColorAt(1, QColor(0x08, 0x08, 0x09));
  p.setBrush(g);
  p.drawRect(lens);
  p.restore();
}

// A knurled captive thumb screw (for the module faces).
void thumbScrew(QPainter& p, const QPointF& c, qreal r) {
  p.save();
  // shadow
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawEllipse(c + QPointF(0.8, 1.0), r + 0.4, r + 0.4);
  // knurled rim
  QRadialGradient rim(c - QPointF(r * 0.4, r * 0.4), r * 1.8);
  rim.setColorAt(0, QColor(0xee, 0xf0, 0xf2));
  rim.setColorAt(0.55, QColor(0x9a, 0x9f, 0xa5));
  rim.setColorAt(1, QColor(0x52, 0x56, 0x5b));
  p.setBrush(rim);
  p.setPen(QPen(QColor(0x3a, 0x3d, 0x41), 0.8));
  p.drawEllipse(c, r, r);
  p.setPen(QPen(QColor(0x46, 0x4a, 0x4f, 170), 0.7));
  constexpr int kTicks = 20;
  for (int i = 0; i < kTicks; ++i) {
    p.save();
    p.translate(c);
    p.rotate(360.0 * i / kTicks);
    p.drawLine(QPointF(r * 0.74, 0), QPointF(r * 0.98, 0));
    p.restore();
  }
  // domed head
  const qreal hr = r * 0.66;
  QRadialGradient head(c - QPointF(hr * 0.45, hr * 0.45), hr * 1.7);
  head.setColorAt(0, QColor(0xfa, 0xfb, 0xfc));
  head.setColorAt(0.5, QColor(0xb6, 0xbb, 0xc0));
  head.setColorAt(1, QColor(0x70, 0x75, 0x7b));
  p.setBrush(head);
  p.setPen(QPen(QColor(0x5a, 0x5e, 0x63), 0.6));
  p.drawEllipse(c, hr, hr);
  // slot
  p.setPen(QPen(QColor(0x33, 0x36, 0x3a), hr * 0.32, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-hr * 0.6, hr * 0.18), c + QPointF(hr * 0.6, -hr * 0.18));
  p.restore();
}

// An RJ-45 jack seen from the front, filling `r`: a tin-plated shield, the black opening with the
// latch notch at the bottom, and the eight gold contacts at the top of the opening.
void drawRj45(QPainter& p, const QRectF& r, bool pressed = false) {
  p.save();
  const qreal w = r.width();
  const qreal h = r.height();

  // Shield.
  QLinearGradient shield(r.topLeft(), r.bottomLeft());
  shield.setColorAt(0, pressed ? QColor(0x9c, 0xa1, 0xa7) : QColor(0xc9, 0xcd, 0xd2));
  shield.setColorAt(0.45, pressed ? QColor(0x7e, 0x83, 0x89) : QColor(0xa2, 0xa7, 0xad));
  shield.setColorAt(1, pressed ? QColor(0x56, 0x5a, 0x5f) : QColor(0x6f, 0x74, 0x7a));
  p.setBrush(shield);
  p.setPen(QPen(QColor(0x24, 0x26, 0x29), 1));
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 1.6, 1.6);
  // highlight just inside the top-left edge
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, pressed ? 50 : 110), 1));
  p.drawLine(QPointF(r.left() + 1.8, r.top() + 1.5), QPointF(r.right() - 1.8, r.top() + 1.5));
  // spring fingers on the shield sides
  p.setPen(QPen(QColor(0x4a, 0x4e, 0x53, 150), 0.8));
  const qreal fy = r.top() + h * 0.34;
  p.drawLine(QPointF(r.left() + 2.3, fy), QPointF(r.left() + 2.3, fy + h * 0.22));
  p.drawLine(QPointF(r.right() - 2.3, fy), QPointF(r.right() - 2.3, fy + h * 0.22));

  // Opening: body plus latch notch.
  const qreal ow = qRound(w * 0.70);
  const qreal oh = qRound(h * 0.52);
  const qreal nw = qRound(w * 0.32);
  const qreal nh = qRound(h * 0.17);
  const qreal ox = r.left() + qRound((w - ow) / 2);
  const qreal oy = r.top() + qRound(h * 0.15);
  const QRectF body(ox, oy, ow, oh);
  const QRectF notch(r.left() + qRound((w - nw) / 2), oy + oh - 1, nw, nh + 1);
  QPainterPath hole;
  hole.addRect(body);
  QPainterPath notchPath;
  notchPath.addRect(notch);
  hole = hole.united(notchPath).simplified();

  // rim of the opening: a darker pressed-in lip
  p.setPen(QPen(QColor(0x3c, 0x3f, 0x43), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(hole);
  QLinearGradient inside(body.topLeft(), QPointF(body.left(), notch.bottom()));
  inside.setColorAt(0, QColor(0x24, 0x25, 0x27));
  inside.setColorAt(0.35, QColor(0x0e, 0x0e, 0x0f));
  inside.setColorAt(1, QColor(0x03, 0x03, 0x03));
  p.setBrush(inside);
  p.setPen(QPen(QColor(0x00, 0x00, 0x00), 0.8));
  p.drawPath(hole);

  // contact carrier (dark plastic comb) and the eight gold contacts
  const QRectF comb(body.left() + 1.5, body.top() + 1, body.width() - 3, oh * 0.42);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1c, 0x1c, 0x1e));
  p.drawRect(comb);
  const qreal step = comb.width() / 8.0;
  for (int i = 0; i < 8; ++i) {
    const qreal x = comb.left() + step * (i + 0.5);
    QLinearGradient gold(QPointF(x, comb.top()), QPointF(x, comb.bottom()));
    gold.setColorAt(0, QColor(0xf3, 0xd0, 0x6a));
    gold.setColorAt(1, QColor(0x9a, 0x74, 0x1e));
    p.setPen(QPen(QBrush(gold), qMax<qreal>(0.7, step * 0.42), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x, comb.top() + 0.3), QPointF(x, comb.bottom() - 0.3));
  }
  // a faint reflection on the bottom lip of the opening
  p.setPen(QPen(QColor(255, 255, 255, 40), 0.8));
  p.drawLine(QPointF(body.left() + 1, body.bottom() - 0.8),
             QPointF(notch.left() - 0.5, body.bottom() - 0.8));
  p.drawLine(QPointF(notch.right() + 0.5, body.bottom() - 0.8),
             QPointF(body.right() - 1, body.bottom() - 0.8));
  p.restore();
}

// A duplex LC fibre cage filling `r`: a metal cage, a dark recess and two LC receptacles with
// their ceramic ferrule sleeves.
void drawLcCage(QPainter& p, const QRectF& r, bool pressed) {
  p.save();
  const qreal w = r.width();

  QLinearGradient cage(r.topLeft(), r.bottomLeft());
  cage.setColorAt(0, pressed ? QColor(0xa4, 0xa9, 0xaf) : QColor(0xd3, 0xd7, 0xdb));
  cage.setColorAt(0.5, pressed ? QColor(0x82, 0x87, 0x8d) : QColor(0xa9, 0xae, 0xb4));
  cage.setColorAt(1, pressed ? QColor(0x5a, 0x5e, 0x63) : QColor(0x74, 0x79, 0x7f));
  p.setBrush(cage);
  p.setPen(QPen(QColor(0x26, 0x28, 0x2b), 1));
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
  p.setPen(QPen(QColor(255, 255, 255, pressed ? 45 : 110), 1));
  p.drawLine(QPointF(r.left() + 1.8, r.top() + 1.5), QPointF(r.right() - 1.8, r.top() + 1.5));
  // cage vent dots along the top edge
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3a, 0x3d, 0x41, 150));
  for (qreal x = r.left() + 5; x < r.right() - 4; x += 4) {
    p.drawEllipse(QPointF(x, r.top() + 2.8), 0.6, 0.6);
  }

  // recess (the plastic duplex housing)
  const QRectF recess = r.adjusted(3, 4.5, -3, -3);
  QLinearGradient rec(recess.topLeft(), recess.bottomLeft());
  rec.setColorAt(0, QColor(0x30, 0x32, 0x35));
  rec.setColorAt(1, QColor(0x12, 0x13, 0x14));
  p.setBrush(rec);
  p.setPen(QPen(QColor(0x0a, 0x0a, 0x0b), 1));
  p.drawRoundedRect(recess, 1.2, 1.2);

  // two receptacles
  const qreal side = qMin(recess.height() - 3, w * 0.3);
  for (int i = 0; i < 2; ++i) {
    const QPointF c(r.left() + w * (i == 0 ? 0.3 : 0.7), recess.center().y());
    const QRectF hole(c.x() - side / 2, c.y() - side / 2, side, side);
    QLinearGradient hg(hole.topLeft(), hole.bottomLeft());
    hg.setColorAt(0, QColor(0x02, 0x02, 0x02));
    hg.setColorAt(1, QColor(0x10, 0x10, 0x11));
    p.setBrush(hg);
    p.setPen(QPen(QColor(0x4a, 0x4d, 0x51), 0.8));
    p.drawRoundedRect(hole, 1.2, 1.2);
    // latch slot on top of each receptacle
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x00, 0x00));
    p.drawRect(QRectF(c.x() - side * 0.18, hole.top() - 1.2, side * 0.36, 1.6));
    // ferrule sleeve
    const qreal fr = side * 0.24;
    QRadialGradient fg(c - QPointF(fr * 0.4, fr * 0.4), fr * 1.6);
    fg.setColorAt(0, QColor(0xfb, 0xf7, 0xec));
    fg.setColorAt(1, QColor(0xb8, 0xae, 0x96));
    p.setBrush(fg);
    p.setPen(QPen(QColor(0x5a, 0x55, 0x48), 0.6));
    p.drawEllipse(c, fr, fr);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x2c, 0x24));
    p.drawEllipse(c, fr * 0.3, fr * 0.3);
  }
  if (pressed) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
  }
  p.restore();
}

// ---------------------------------------------------------------------------------------------
// The pictures.

void drawModuleButton(QPainter& p, Module m, const QRectF& r, bool pressed) {
  if (isFibre(m)) {
    drawLcCage(p, r, pressed);
  } else {
    drawRj45(p, r, pressed);
  }
}

QPixmap makePortGlyph() {
  QImage img = blankImage(30, 29);
  QPainter p(&img);
  prepare(p);
  drawRj45(p, QRectF(0, 0, 30, 29));
  p.end();
  return QPixmap::fromImage(img);
}

QPixmap makeFrontPlate() {
  QImage img(kPlateW, kPlateH, QImage::Format_ARGB32_Premultiplied);
  img.fill(QColor(0x2c, 0x2f, 0x33));
  QPainter p(&img);
  prepare(p);
  const QRect all(0, 0, kPlateW, kPlateH);

  // Face: graphite with a soft vertical gradient and a faint brushed texture.
  QLinearGradient face(0, 0, 0, kPlateH);
  face.setColorAt(0.0, QColor(0x4a, 0x4e, 0x54));
  face.setColorAt(0.06, QColor(0x3b, 0x3f, 0x44));
  face.setColorAt(0.55, QColor(0x2f, 0x32, 0x36));
  face.setColorAt(1.0, QColor(0x23, 0x25, 0x28));
  p.fillRect(all, face);
  brushTexture(p, all, 0x760u, 7);

  // Rack ears: a slightly lighter bent strip at each end with oblong mounting holes.
  const auto ear = [&](int x0, int x1, int seamX, qreal holeX, qreal holeW) {
    QLinearGradient eg(x0, 0, x1, 0);
    eg.setColorAt(0, QColor(0x4c, 0x50, 0x56));
    eg.setColorAt(1, QColor(0x3d, 0x41, 0x46));
    p.fillRect(QRect(x0, 0, x1 - x0, kPlateH), eg);
    brushTexture(p, QRect(x0, 0, x1 - x0, kPlateH), 0x1234u + x0, 6);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x15, 0x16, 0x18));
    p.drawLine(seamX, 1, seamX, kPlateH - 2);
    p.setPen(QColor(0x5e, 0x63, 0x69));
    p.drawLine(seamX + 1, 1, seamX + 1, kPlateH - 2);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const qreal cy : {25.0, 75.0}) {
      const QRectF hole(holeX, cy - 8, holeW, 16);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0x6a, 0x6f, 0x75));  // lit lower lip
      p.drawRoundedRect(hole.translated(0, 0.8), holeW / 2, holeW / 2);
      QLinearGradient hg(hole.topLeft(), hole.bottomLeft());
      hg.setColorAt(0, QColor(0x03, 0x03, 0x04));
      hg.setColorAt(1, QColor(0x12, 0x13, 0x15));
      p.setBrush(hg);
      p.drawRoundedRect(hole, holeW / 2, holeW / 2);
    }
  };
  ear(0, 22, 22, 7.5, 7);
  ear(891, kPlateW, 890, 894.0, 4.5);

  // Outer bevel: light top/left, dark bottom/right.
  raisedBevel(p, all, QColor(0x70, 0x75, 0x7c), QColor(0x0e, 0x0f, 0x10));
  raisedBevel(p, all.adjusted(1, 1, -1, -1), QColor(0x55, 0x5a, 0x60), QColor(0x1a, 0x1b, 0x1d));

  // Model name, description and a thin accent stripe.
  const QColor printLight(0xd4, 0xd7, 0xdb);
  const QColor printGrey(0x9d, 0xa2, 0xa8);
  const QColor printDim(0x80, 0x85, 0x8b);
  printText(p, QRectF(31, 14, 152, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KX-760"),
            artFont(24, true, 0.6), printLight);
  printText(p, QRectF(32, 42, 152, 12), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("16-Port Managed Switch"), artFont(9), printGrey);
  {
    QLinearGradient stripe(32, 0, 150, 0);
    stripe.setColorAt(0, QColor(0x3f, 0xa9, 0xe0));
    stripe.setColorAt(1, QColor(0x3f, 0xa9, 0xe0, 0));
    p.fillRect(QRectF(32, 57, 118, 1.6), stripe);
  }
  printText(p, QRectF(32, 88, 150, 9), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("10/100 Mbps  \u00b7  2 Uplink Slots"), artFont(7), printDim);

  // Power and console LED windows with their labels on the left.
  const QColor bezelLight(0x5c, 0x61, 0x67);
  const QColor bezelDark(0x0b, 0x0c, 0x0d);
  ledWindow(p, QRectF(188, 64, 7, 7), bezelLight, bezelDark);
  ledWindow(p, QRectF(188, 77, 7, 7), bezelLight, bezelDark);
  printText(p, QRectF(120, 63, 64, 9), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("PWR"),
            artFont(7, true), printGrey);
  printText(p, QRectF(120, 76, 64, 9), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("CONSOLE"),
            artFont(7, true), printGrey);

  // Port groups: a recessed block behind each 2 x 4 jack group, the link LED strip above it,
  // port numbers above the odd row and below the even row.
  for (int g = 0; g < 2; ++g) {
    const int left = g == 0 ? 202 : 338;
    const int stripLeft = g == 0 ? 197 : 337;
    // LED strip: dark window with one lens per port
    const QRectF strip(stripLeft, 4, 132, 7);
    sunkenEdge(p, strip, bezelDark, bezelLight);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0c, 0x0d, 0x0e));
    p.drawRect(strip);
    for (int i = 0; i < 8; ++i) {
      const QRectF lens(stripLeft + 7 + 16 * i - 0.5, 4.5, 7, 6);
      p.setBrush(QColor(0x1d, 0x1f, 0x22));
      p.drawRect(lens);
    }
    // jack block
    const QRectF block(left - 2, 17, 4 * 32, 68);
    QLinearGradient bg(block.topLeft(), block.bottomLeft());
    bg.setColorAt(0, QColor(0x1b, 0x1d, 0x20));
    bg.setColorAt(1, QColor(0x14, 0x15, 0x17));
    p.setBrush(bg);
    p.setPen(QPen(QColor(0x08, 0x08, 0x09), 1));
    p.drawRoundedRect(block.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
    p.setPen(QPen(QColor(0x58, 0x5d, 0x63), 1));
    p.drawLine(QPointF(block.left() + 1.5, block.bottom() + 0.5),
               QPointF(block.right() - 1.5, block.bottom() + 0.5));
  }
  const QFont numberFont = artFont(7, true);
  for (int port = 1; port <= 16; ++port) {
    const QRectF jack(jackLeft(port), jackTop(port), kJackW, kJackH);
    drawRj45(p, jack);
    const QRectF label =
        port % 2 == 1 ? QRectF(jack.left(), 11, kJackW, 6) : QRectF(jack.left(), 86, kJackW, 8);
    printText(p, label, Qt::AlignCenter, QString::number(port), numberFont, printLight);
  }
  // Vent grille between the ports and the uplink slots: two banks of rounded slots.
  for (int bank = 0; bank < 2; ++bank) {
    const qreal top = bank == 0 ? 18 : 52;
    for (int i = 0; i < 16; ++i) {
      const QRectF slot(486 + 7 * i, top, 3.2, 30);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0x4f, 0x54, 0x5a));  // lit lower edge
      p.drawRoundedRect(slot.translated(0, 0.9), 1.6, 1.6);
      QLinearGradient sg(slot.topLeft(), slot.bottomLeft());
      sg.setColorAt(0, QColor(0x05, 0x05, 0x06));
      sg.setColorAt(1, QColor(0x10, 0x11, 0x13));
      p.setBrush(sg);
      p.drawRoundedRect(slot, 1.6, 1.6);
    }
  }

  // Uplink slots: a brushed metal frame round a deep black opening, labelled above.
  for (int s = 0; s < 2; ++s) {
    const QRectF open(kSlotLeft[s], kSlotTop, kSlotW, kSlotH);
    const QRectF frame = open.adjusted(-3, -3, 3, 3);
    QLinearGradient fg(frame.topLeft(), frame.bottomLeft());
    fg.setColorAt(0, QColor(0x6c, 0x71, 0x78));
    fg.setColorAt(1, QColor(0x3a, 0x3e, 0x43));
    p.setBrush(fg);
    p.setPen(QPen(QColor(0x0d, 0x0e, 0x0f), 1));
    p.drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    // the opening with a shadow under its top edge
    QLinearGradient og(open.topLeft(), open.bottomLeft());
    og.setColorAt(0, QColor(0x00, 0x00, 0x00));
    og.setColorAt(0.12, QColor(0x07, 0x07, 0x08));
    og.setColorAt(1, QColor(0x0d, 0x0e, 0x0f));
    p.setPen(Qt::NoPen);
    p.setBrush(og);
    p.drawRect(open);
    // guide rails inside the opening
    p.setPen(QPen(QColor(0x22, 0x24, 0x27), 1));
    p.drawLine(QPointF(open.left() + 3.5, open.top() + 6),
               QPointF(open.left() + 3.5, open.bottom() - 6));
    p.drawLine(QPointF(open.right() - 3.5, open.top() + 6),
               QPointF(open.right() - 3.5, open.bottom() - 6));
    printText(p, QRectF(open.left(), 3, kSlotW, 9), Qt::AlignCenter,
              QStringLiteral("SLOT %1  \u00b7  PORT %2").arg(s + 1).arg(17 + s), numberFont,
              printGrey);
  }

  p.end();
  return QPixmap::fromImage(img);
}

QPixmap makeModuleFace(Module m) {
  const QSize size = moduleSize(m);
  const int w = size.width();
  const int h = size.height();
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(QColor(0xa8, 0xad, 0xb3));
  QPainter p(&img);
  prepare(p);
  const QRect all(0, 0, w, h);

  // Face: brushed aluminium, lighter than the switch.
  QLinearGradient face(0, 0, 0, h);
  face.setColorAt(0, QColor(0xcf, 0xd3, 0xd8));
  face.setColorAt(0.5, QColor(0xb3, 0xb8, 0xbe));
  face.setColorAt(1, QColor(0x94, 0x99, 0xa0));
  p.fillRect(all, face);
  brushTexture(p, all, 0x5a5au + static_cast<std::uint32_t>(m), 10);
  raisedBevel(p, all, QColor(0xf0, 0xf2, 0xf4), QColor(0x4a, 0x4e, 0x53));
  raisedBevel(p, all.adjusted(1, 1, -1, -1), QColor(0xdc, 0xdf, 0xe3), QColor(0x74, 0x79, 0x7f));
  if (m == Module::KM5B) {
    // the KM-5B form has an extra bevelled panel inside its face
    raisedBevel(p, all.adjusted(4, 4, -4, -4), QColor(0x6e, 0x73, 0x79), QColor(0xee, 0xf0, 0xf2));
    raisedBevel(p, all.adjusted(5, 5, -5, -5), QColor(0xf6, 0xf7, 0xf8), QColor(0x7c, 0x81, 0x87));
  }

  // Thumb screws at the two ends.
  const int inset = m == Module::KM5B ? 13 : 11;
  thumbScrew(p, QPointF(inset, h / 2.0), 6.2);
  thumbScrew(p, QPointF(w - inset, h / 2.0), 6.2);

  const QColor ink(0x26, 0x29, 0x2d);
  const QColor inkSoft(0x45, 0x49, 0x4e);
  const int textLeft = m == Module::KM5B ? 10 : 8;
  printText(p, QRectF(textLeft, m == Module::KM5B ? 6 : 4, 60, 13),
            Qt::AlignLeft | Qt::AlignVCenter, moduleName(m), artFont(11, true, 0.3), ink);
  printText(p, QRectF(textLeft, h - (m == Module::KM5B ? 16 : 14), w - 2 * textLeft, 9),
            Qt::AlignHCenter | Qt::AlignVCenter, moduleMedia(m), artFont(7), inkSoft);

  // Port opening where the button sits.
  const QRect button = moduleButtonRect(m);
  sunkenEdge(p, QRectF(button).adjusted(-1, -1, 1, 1), QColor(0x55, 0x59, 0x5e),
             QColor(0xf2, 0xf4, 0xf6));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1a, 0x1b, 0x1d));
  p.drawRect(QRectF(button).adjusted(-1, -1, 1, 1));
  drawModuleButton(p, m, QRectF(button), false);
  if (isFibre(m)) {
    // TX/RX legends over the two receptacles
    const QFont legend = artFont(6, true);
    printText(p, QRectF(button.left() + button.width() * 0.3 - 10, button.top() - 8, 20, 7),
              Qt::AlignCenter, QStringLiteral("TX"), legend, ink);
    printText(p, QRectF(button.left() + button.width() * 0.7 - 10, button.top() - 8, 20, 7),
              Qt::AlignCenter, QStringLiteral("RX"), legend, ink);
  }

  // LED windows with their labels to the left.
  const QColor bezelLight(0xf0, 0xf2, 0xf4);
  const QColor bezelDark(0x50, 0x54, 0x59);
  const QFont ledFont = artFont(6, true);
  struct Led {
    QPoint at;
    const char* label;
  };
  std::array<Led, 3> leds{};
  int count = 0;
  switch (m) {
    case Module::KM5A:
    case Module::KM5B:
      leds[count++] = {{31, 49}, "ACT"};
      break;
    case Module::KM6A:
      leds[count++] = {{36, 48}, "ACT"};
      break;
    case Module::KM6B:
      leds[count++] = {{36, 21}, "SPD"};
      leds[count++] = {{36, 35}, "LNK"};
      leds[count++] = {{36, 49}, "ACT"};
      break;
  }
  for (int i = 0; i < count; ++i) {
    const QRectF lens(leds[i].at, QSizeF(7, 7));
    ledWindow(p, lens, bezelLight, bezelDark);
    printText(p, QRectF(lens.left() - 20, lens.top() - 1, 17, 9), Qt::AlignRight | Qt::AlignVCenter,
              QString::fromLatin1(leds[i].label), ledFont, ink);
  }

  p.end();
  return QPixmap::fromImage(img);
}

QPixmap makeModuleButton(Module m, bool pressed) {
  const QSize s = moduleButtonRect(m).size();
  QImage img = blankImage(s.width(), s.height());
  QPainter p(&img);
  prepare(p);
  drawModuleButton(p, m, QRectF(0, 0, s.width(), s.height()), pressed);
  p.end();
  return QPixmap::fromImage(img);
}

QIcon makeModuleIcon(Module m) {
  QIcon icon;
  icon.addPixmap(makeModuleButton(m, false), QIcon::Normal, QIcon::Off);
  if (isFibre(m)) {
    const QPixmap pressed = makeModuleButton(m, true);
    icon.addPixmap(pressed, QIcon::Normal, QIcon::On);
    icon.addPixmap(pressed, QIcon::Active, QIcon::On);
    icon.addPixmap(pressed, QIcon::Selected, QIcon::On);
  }
  return icon;
}

int index(Module m) {
  return static_cast<int>(m);
}

}  // namespace

QPixmap frontPlate() {
  static const QPixmap plate = makeFrontPlate();
  return plate;
}

QPixmap portGlyph() {
  static const QPixmap glyph = makePortGlyph();
  return glyph;
}

QPixmap moduleFace(Module module) {
  static const std::array<QPixmap, 4> faces = {
      makeModuleFace(Module::KM5A), makeModuleFace(Module::KM5B), makeModuleFace(Module::KM6A),
      makeModuleFace(Module::KM6B)};
  return faces[index(module)];
}

QIcon moduleButtonIcon(Module module) {
  static const std::array<QIcon, 4> icons = {
      makeModuleIcon(Module::KM5A), makeModuleIcon(Module::KM5B), makeModuleIcon(Module::KM6A),
      makeModuleIcon(Module::KM6B)};
  return icons[index(module)];
}

}  // namespace PanelArt
