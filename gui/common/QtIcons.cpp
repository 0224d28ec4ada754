#include "gui/common/QtIcons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace taviron {
namespace {

using Drawing = std::function<void(QPainter&, const QColor& ink, const QColor& accent)>;

// The relative luminance of a colour and the contrast ratio of two, as accessibility guidelines
// measure them.
double Luminance(const QColor& c) {
  auto channel = [](double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
  auto channel = [share](double a, double b) { return a + (b - a) * share; };
  return QColor::fromRgbF(static_cast<float>(channel(from.redF(), to.redF())),
                          static_cast<float>(channel(from.greenF(), to.greenF())),
                          static_cast<float>(channel(from.blueF(), to.blueF())));
}

// The accent as near its own colour as it can stay while it stands out from the background as
// a drawing must (3:1); it gives way towards the ink.
QColor Legible(const QColor& accent, const QColor& ink, const QColor& background) {
  for (int step = 0; step <= 10; ++step) {
    QColor c = Mix(accent, ink, step / 10.0);
    if (ContrastRatio(c, background) >= 3.0) return c;
  }
  return ink;
}

// Paints a drawing made on a 24 x 24 grid at whatever size and scale is asked. A toolbar image
// takes its ink from the desktop's palette, so that it stands out on a light theme and a dark one
// alike; its greyed look lies between the ink and the background.
class VectorIconEngine : public QIconEngine {
 public:
  VectorIconEngine(Drawing drawing, bool greyed, bool fromPalette)
      : drawing_(std::move(drawing)), greyed_(greyed), fromPalette_(fromPalette) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const bool grey = greyed_ || mode == QIcon::Disabled;
    QColor ink(40, 48, 60);
    QColor accent = accent_;
    QColor background(240, 240, 240);
    if (fromPalette_) {
      const QPalette palette = QGuiApplication::palette();
      background = palette.color(QPalette::Active, QPalette::Window);
      ink = Mix(palette.color(QPalette::Active, QPalette::WindowText), background, 0.15);
      accent = Legible(accent_, ink, background);
    }
    if (grey) {
      accent = Mix(ink, background, 0.7);
      ink = Mix(ink, background, 0.6);
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 24.0, rect.height() / 24.0);
    drawing_(*painter, ink, accent);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    QPixmap pixmap(size * scale);
    pixmap.fill(Qt::transparent);
    {
      QPainter painter(&pixmap);
      paint(&painter, QRect(QPoint(0, 0), pixmap.size()), mode, state);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }

  QIconEngine* clone() const override { return new VectorIconEngine(*this); }

  void setAccent(QColor accent) { accent_ = accent; }

 private:
  Drawing drawing_;
  bool greyed_;
  bool fromPalette_;
  QColor accent_{0, 120, 215};
};

QPen Pen(const QColor& c, qreal width = 1.8) {
  return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Plug(QPainter& p, const QColor& ink, qreal x) {
  p.setPen(Pen(ink));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(x, 8, 6, 8), 1.5, 1.5);
  p.drawLine(QPointF(x + 6, 10), QPointF(x + 9, 10));
  p.drawLine(QPointF(x + 6, 14), QPointF(x + 9, 14));
}

void Socket(QPainter& p, const QColor& ink, qreal x) {
  p.setPen(Pen(ink));
  p.drawRoundedRect(QRectF(x, 7, 6, 10), 1.5, 1.5);
}

void Connect(QPainter& p, const QColor& ink, const QColor& accent) {
  p.setPen(Pen(ink));
  p.drawLine(QPointF(1, 12), QPointF(5, 12));
  Plug(p, ink, 5);
  Socket(p, ink, 14);
  p.drawLine(QPointF(20, 12), QPointF(23, 12));
  p.setPen(Pen(accent, 2.2));
  p.drawLine(QPointF(8, 4), QPointF(16, 4));
  p.drawLine(QPointF(13, 1.5), QPointF(16, 4));
  p.drawLine(QPointF(13, 6.5), QPointF(16, 4));
}

void Disconnect(QPainter& p, const QColor& ink, const QColor& accent) {
  p.setPen(Pen(ink));
  p.drawLine(QPointF(1, 12), QPointF(3, 12));
  Plug(p, ink, 3);
  Socket(p, ink, 16);
  p.drawLine(QPointF(22, 12), QPointF(23, 12));
  p.setPen(Pen(accent, 2.2));
  p.drawLine(QPointF(12.5, 3), QPointF(14.5, 21));
}

void ComPortSetting(QPainter& p, const QColor& ink, const QColor& accent) {
  // A nine-pin serial connector.
  QPainterPath shell;
  shell.moveTo(2, 5);
  shell.lineTo(22, 5);
  shell.lineTo(19, 15);
  shell.lineTo(5, 15);
  shell.closeSubpath();
  p.setPen(Pen(ink));
  p.setBrush(Qt::NoBrush);
  p.drawPath(shell);
  p.setPen(Qt::NoPen);
  p.setBrush(accent);
  for (int i = 0; i < 5; ++i)
    p.drawEllipse(QPointF(5.6 + i * 3.2, 8.5), 1.1, 1.1);
  for (int i = 0; i < 4; ++i)
    p.drawEllipse(QPointF(7.2 + i * 3.2, 12), 1.1, 1.1);
  p.setPen(Pen(ink));
  p.drawLine(QPointF(12, 15), QPointF(12, 19));
  p.drawLine(QPointF(6, 21), QPointF(18, 21));
  p.drawLine(QPointF(12, 19), QPointF(12, 21));
}

void EthernetPort(QPainter& p, const QColor& ink, const QColor& accent) {
  // A network jack with its latch notch and contacts.
  QPainterPath jack;
  jack.moveTo(3, 4);
  jack.lineTo(21, 4);
  jack.lineTo(21, 17);
  jack.lineTo(16, 17);
  jack.lineTo(16, 20);
  jack.lineTo(8, 20);
  jack.lineTo(8, 17);
  jack.lineTo(3, 17);
  jack.closeSubpath();
  p.setPen(Pen(ink));
  p.setBrush(Qt::NoBrush);
  p.drawPath(jack);
  p.setPen(Pen(accent, 1.4));
  for (int i = 0; i < 6; ++i)
    p.drawLine(QPointF(6.5 + i * 2.2, 6.5), QPointF(6.5 + i * 2.2, 10));
}

void DefaultSetting(QPainter& p, const QColor& ink, const QColor& accent) {
  // A factory: back to the settings it left the factory with.
  QPainterPath factory;
  factory.moveTo(2, 21);
  factory.lineTo(2, 11);
  factory.lineTo(7, 14);
  factory.lineTo(7, 11);
  factory.lineTo(12, 14);
  factory.lineTo(12, 11);
  factory.lineTo(17, 14);
  factory.lineTo(17, 4);
  factory.lineTo(21, 4);
  factory.lineTo(21, 21);
  factory.closeSubpath();
  p.setPen(Pen(ink));
  p.setBrush(Qt::NoBrush);
  p.drawPath(factory);
  p.setPen(Qt::NoPen);
  p.setBrush(accent);
  p.drawRect(QRectF(5, 16, 3, 3));
  p.drawRect(QRectF(11, 16, 3, 3));
}

void UserPassword(QPainter& p, const QColor& ink, const QColor& accent) {
  p.setPen(Pen(ink, 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(7, 12), 4.5, 4.5);
  p.drawLine(QPointF(11.5, 12), QPointF(22, 12));
  p.drawLine(QPointF(18, 12), QPointF(18, 16));
  p.drawLine(QPointF(21, 12), QPointF(21, 15));
  p.setPen(Qt::NoPen);
  p.setBrush(accent);
  p.drawEllipse(QPointF(7, 12), 1.6, 1.6);
}

void Refresh(QPainter& p, const QColor&, const QColor& accent) {
  p.setPen(Pen(accent, 2.2));
  p.setBrush(Qt::NoBrush);
  QRectF ring(4, 4, 16, 16);
  p.drawArc(ring, 30 * 16, 150 * 16);
  p.drawArc(ring, 210 * 16, 150 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(accent);
  QPolygonF head1({QPointF(18.5, 1.5), QPointF(21.5, 9), QPointF(14, 8)});
  QPolygonF head2({QPointF(5.5, 22.5), QPointF(2.5, 15), QPointF(10, 16)});
  p.drawPolygon(head1);
  p.drawPolygon(head2);
}

void Reset(QPainter& p, const QColor&, const QColor& accent) {
  p.setPen(Pen(accent, 2.4));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(4, 5, 16, 16), 120 * 16, 300 * 16);
  p.drawLine(QPointF(12, 2.5), QPointF(12, 11));
}

void Program(QPainter& p, const QColor& ink, const QColor& accent) {
  // The switch: a box with eight ports and a lightning bolt for its surge protector.
  p.setPen(Pen(ink, 1.4));
  p.setBrush(QColor(230, 236, 244));
  p.drawRoundedRect(QRectF(1.5, 9, 21, 11), 2, 2);
  p.setBrush(ink);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 8; ++i)
    p.drawRect(QRectF(3.2 + i * 2.35, 15, 1.6, 2.6));
  p.setBrush(accent);
  QPolygonF bolt({QPointF(13, 1), QPointF(8, 9), QPointF(11.5, 9), QPointF(10, 14.5),
                  QPointF(16, 6.5), QPointF(12.5, 6.5), QPointF(14.5, 1)});
  p.drawPolygon(bolt);
}

struct ImageRow {
  int index;
  Drawing drawing;
  bool greyed;
  QColor accent;
};

QIcon Make(const Drawing& drawing, bool greyed, QColor accent, bool fromPalette = true) {
  auto* engine = new VectorIconEngine(drawing, greyed, fromPalette);
  engine->setAccent(accent);
  return QIcon(engine);
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QIcon ToolbarImage(int index) {
  static const QColor green(0, 150, 70), red(210, 50, 40), blue(0, 110, 200), orange(220, 120, 0),
      violet(120, 70, 180);
  static const ImageRow rows[] = {
      {45, Connect, false, green},
      {51, Connect, true, green},
      {47, Disconnect, false, red},
      {52, Disconnect, true, red},
      {60, ComPortSetting, false, blue},
      {53, ComPortSetting, true, blue},
      {50, EthernetPort, false, green},
      {54, EthernetPort, true, green},
      {48, DefaultSetting, false, orange},
      {55, DefaultSetting, true, orange},
      {49, UserPassword, false, violet},
      {56, UserPassword, true, violet},
      {46, Refresh, false, blue},
      {57, Refresh, true, blue},
      {58, Reset, false, red},
      {59, Reset, true, red},
  };
  for (const ImageRow& row : rows) {
    if (row.index == index) return Make(row.drawing, row.greyed, row.accent);
  }
  return {};
}

QIcon ProgramIcon() {
  // The program's own colours, the same on every desktop.
  return Make(Program, false, QColor(240, 170, 0), false);
}

}  // namespace taviron
