// Draws the shell's icons, scroll-bar arrows and flags with QPainter and writes them as PNG
// files under the given resources folder. Every picture is our own drawing;
// run tools/draw-icons.sh to rebuild them after a change here.

#include "woxIconCanvas.h"

#include <QPainterPath>
#include <QPolygonF>

namespace {

using namespace woxIconCanvas;

// A round button face with a highlight, shared by accept, close and back.
void glossyFace(QPainter &p, const QRectF &r, const QColor &light, const QColor &dark)
{
    roundFace(p, r, light, dark);
    const QRectF face = r.adjusted(3, 3, -3, -3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QRectF(face.left() + face.width() * 0.2, face.top() + face.height() * 0.06,
                         face.width() * 0.6, face.height() * 0.35));
}

void drawAccept(QPainter &p, const QRectF &r)
{
    glossyFace(p, r, QColor(120, 220, 110), QColor(30, 140, 40));
    p.setPen(roundPen(Qt::white, r.width() * 0.11));
    p.setBrush(Qt::NoBrush);
    QPolygonF tick;
    tick << QPointF(r.width() * 0.28, r.height() * 0.52) << QPointF(r.width() * 0.44, r.height() * 0.68)
         << QPointF(r.width() * 0.73, r.height() * 0.34);
    p.drawPolyline(tick);
}

void drawClose(QPainter &p, const QRectF &r)
{
    glossyFace(p, r, QColor(250, 120, 110), QColor(180, 30, 30));
    p.setPen(roundPen(Qt::white, r.width() * 0.11));
    const qreal a = r.width() * 0.33, b = r.width() * 0.67;
    p.drawLine(QPointF(a, a), QPointF(b, b));
    p.drawLine(QPointF(a, b), QPointF(b, a));
}

void drawBack(QPainter &p, const QRectF &r)
{
    glossyFace(p, r, QColor(120, 170, 250), QColor(30, 70, 180));
    const qreal w = r.width();
    p.setPen(roundPen(Qt::white, w * 0.1));
    p.setBrush(Qt::NoBrush);
    QPainterPath curve;
    curve.moveTo(w * 0.36, w * 0.40);
    curve.lineTo(w * 0.58, w * 0.40);
    curve.cubicTo(w * 0.80, w * 0.40, w * 0.80, w * 0.70, w * 0.58, w * 0.70);
    curve.lineTo(w * 0.45, w * 0.70);
    p.drawPath(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPolygonF head;
    head << QPointF(w * 0.22, w * 0.40) << QPointF(w * 0.42, w * 0.25) << QPointF(w * 0.42, w * 0.55);
    p.drawPolygon(head);
}

void drawAttention(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    QPolygonF triangle;
    triangle << QPointF(w * 0.5, w * 0.06) << QPointF(w * 0.96, w * 0.90) << QPointF(w * 0.04, w * 0.90);
    p.setPen(roundPen(QColor(150, 100, 0), 2));
    p.setBrush(verticalGradient(r, QColor(255, 235, 90), QColor(240, 170, 0)));
    p.drawPolygon(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 0));
    QPolygonF bar;
    bar << QPointF(w * 0.44, w * 0.32) << QPointF(w * 0.56, w * 0.32) << QPointF(w * 0.53, w * 0.64)
        << QPointF(w * 0.47, w * 0.64);
    p.drawPolygon(bar);
    p.drawEllipse(QPointF(w * 0.5, w * 0.76), w * 0.06, w * 0.06);
}

void drawTerminal(QPainter &p, const QRectF &r)
{
    const QRectF body = r.adjusted(3, 6, -3, -6);
    p.setPen(QPen(QColor(60, 60, 70), 2));
    p.setBrush(verticalGradient(body, QColor(70, 75, 90), QColor(20, 22, 30)));
    p.drawRoundedRect(body, 6, 6);
    const qreal w = r.width();
    p.setPen(roundPen(QColor(90, 240, 120), w * 0.07));
    QPolygonF prompt;
    prompt << QPointF(w * 0.22, w * 0.34) << QPointF(w * 0.38, w * 0.48) << QPointF(w * 0.22, w * 0.62);
    p.drawPolyline(prompt);
    p.drawLine(QPointF(w * 0.46, w * 0.64), QPointF(w * 0.70, w * 0.64));
}

void drawBrickWall(QPainter &p, const QRectF &r)
{
    const qreal rowHeight = r.height() / 5.0;
    const qreal brick = r.width() / 2.5;
    p.setPen(QPen(QColor(230, 220, 200), 1.2));
    for (int row = 0; row < 5; ++row) {
        const qreal y = row * rowHeight + 1;
        for (qreal x = (row % 2) ? -brick / 2 : 0; x < r.width(); x += brick) {
            const QRectF b(x + 0.5, y, brick - 1, rowHeight - 1.5);
            p.setBrush(verticalGradient(b, QColor(215, 100, 60), QColor(160, 60, 35)));
            p.drawRect(b.intersected(r.adjusted(0.5, 0, -0.5, 0)));
        }
    }
}

void drawSpanner(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    p.translate(w / 2, w / 2);
    p.rotate(-45);
    p.translate(-w / 2, -w / 2);
    QPainterPath path;
    path.addRoundedRect(QRectF(w * 0.42, w * 0.30, w * 0.16, w * 0.66), 3, 3);
    path.addEllipse(QPointF(w * 0.5, w * 0.22), w * 0.20, w * 0.20);
    QPainterPath jaw;
    jaw.addRect(QRectF(w * 0.43, w * 0.0, w * 0.14, w * 0.24));
    path = path.subtracted(jaw);
    p.setPen(QPen(QColor(70, 70, 80), 1.2));
    p.setBrush(verticalGradient(r, QColor(230, 232, 238), QColor(140, 145, 160)));
    p.drawPath(path);
}

void drawCube(QPainter &p, const QPointF &top, qreal s, const QColor &colour)
{
    const QPointF right(s * 0.87, s * 0.5), down(0, s);
    QPolygonF lid, left, side;
    lid << top << top + right << top + QPointF(0, s) << top - QPointF(right.x(), -right.y());
    left << top - QPointF(right.x(), -right.y()) << top + QPointF(0, s) << top + QPointF(0, s) + down
         << top - QPointF(right.x(), -right.y()) + down;
    side << top + QPointF(0, s) << top + right << top + right + down << top + QPointF(0, s) + down;
    p.setPen(QPen(colour.darker(200), 1));
    p.setBrush(colour.lighter(140));
    p.drawPolygon(lid);
    p.setBrush(colour);
    p.drawPolygon(left);
    p.setBrush(colour.darker(130));
    p.drawPolygon(side);
}

void drawCubes(QPainter &p, const QRectF &r)
{
    const qreal s = r.width() * 0.27;
    drawCube(p, QPointF(r.width() * 0.5, r.height() * 0.04), s, QColor(70, 130, 220));
    drawCube(p, QPointF(r.width() * 0.26, r.height() * 0.44), s, QColor(230, 150, 40));
    drawCube(p, QPointF(r.width() * 0.74, r.height() * 0.44), s, QColor(80, 180, 90));
}

void drawBook(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    const QRectF cover(w * 0.14, w * 0.08, w * 0.72, w * 0.84);
    p.setPen(QPen(QColor(240, 235, 220), 1));
    p.setBrush(QColor(250, 248, 240));
    p.drawRect(cover.adjusted(w * 0.06, w * 0.04, w * 0.04, w * 0.02));
    p.setPen(QPen(QColor(90, 30, 20), 1.2));
    p.setBrush(verticalGradient(cover, QColor(200, 60, 50), QColor(120, 25, 20)));
    p.drawRoundedRect(cover, 2, 2);
    p.setBrush(QColor(90, 20, 15));
    p.drawRect(QRectF(cover.left(), cover.top(), w * 0.1, cover.height()));
    p.setPen(QPen(QColor(250, 210, 120), 1.5));
    p.drawLine(QPointF(w * 0.36, w * 0.30), QPointF(w * 0.74, w * 0.30));
    p.drawLine(QPointF(w * 0.36, w * 0.40), QPointF(w * 0.66, w * 0.40));
}

void drawChip(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    p.setPen(QPen(QColor(170, 170, 180), w * 0.06, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 4; ++i) {
        const qreal t = w * (0.30 + 0.133 * i);
        p.drawLine(QPointF(t, w * 0.04), QPointF(t, w * 0.96));
        p.drawLine(QPointF(w * 0.04, t), QPointF(w * 0.96, t));
    }
    const QRectF body(w * 0.18, w * 0.18, w * 0.64, w * 0.64);
    p.setPen(QPen(QColor(20, 20, 25), 1));
    p.setBrush(verticalGradient(body, QColor(80, 80, 90), QColor(30, 30, 36)));
    p.drawRoundedRect(body, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 160));
    p.drawEllipse(QPointF(w * 0.30, w * 0.30), w * 0.04, w * 0.04);
}

// A horizontal battery whose fill shows the charge in fifths.
void drawBattery(QPainter &p, const QRectF &r, int fifths)
{
    const QRectF shell(1.5, 2.5, r.width() - 6, r.height() - 5);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(shell, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(shell.right() + 1, r.height() * 0.32, 3, r.height() * 0.36));
    const QColor colour = fifths >= 4 ? QColor(40, 170, 50)
                        : fifths == 3 ? QColor(140, 190, 40)
                        : fifths == 2 ? QColor(240, 170, 0)
                                      : QColor(220, 40, 30);
    const QRectF inner = shell.adjusted(3, 3, -3, -3);
    const qreal cell = inner.width() / 5.0;
    for (int i = 0; i < fifths; ++i) {
        p.setBrush(verticalGradient(inner, colour.lighter(130), colour));
        p.drawRect(QRectF(inner.left() + i * cell + 0.5, inner.top(), cell - 1, inner.height()));
    }
    if (fifths == 0) {
        p.setPen(QPen(QColor(220, 40, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(inner.center().x() - 5, inner.top() + 1),
                   QPointF(inner.center().x() + 5, inner.bottom() - 1));
        p.drawLine(QPointF(inner.center().x() - 5, inner.bottom() - 1),
                   QPointF(inner.center().x() + 5, inner.top() + 1));
    }
}

// A drop filled from below in thirds.
void drawMoisture(QPainter &p, const QRectF &r, int thirds)
{
    const qreal w = r.width(), h = r.height();
    QPainterPath drop;
    drop.moveTo(w * 0.5, h * 0.06);
    drop.cubicTo(w * 0.62, h * 0.30, w * 0.90, h * 0.48, w * 0.90, h * 0.66);
    drop.arcTo(QRectF(w * 0.10, h * 0.44, w * 0.80, h * 0.50), 0, -180);
    drop.cubicTo(w * 0.10, h * 0.48, w * 0.38, h * 0.30, w * 0.5, h * 0.06);
    drop.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 242, 250));
    p.drawPath(drop);
    if (thirds > 0) {
        // The drop is widest near the bottom, so equal heights would not
        // read as equal amounts: the levels are set by eye.
        const qreal fractions[] = {0.0, 0.28, 0.52, 1.0};
        const qreal top = h * 0.06, bottom = h * 0.94;
        const qreal level = bottom - (bottom - top) * fractions[thirds];
        QPainterPath water;
        water.addRect(QRectF(0, level, w, h - level));
        p.setBrush(verticalGradient(r, QColor(110, 180, 255), QColor(20, 80, 200)));
        p.drawPath(drop.intersected(water));
    }
    p.setPen(QPen(QColor(30, 70, 150), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(drop);
}

void drawRussianFlag(QPainter &p, const QRectF &r)
{
    const QRectF flag(2, r.height() * 0.125, r.width() - 4, r.height() * 0.75);
    const qreal band = flag.height() / 3.0;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(flag.left(), flag.top(), flag.width(), band));
    p.setBrush(QColor(0, 57, 166));
    p.drawRect(QRectF(flag.left(), flag.top() + band, flag.width(), band));
    p.setBrush(QColor(213, 43, 30));
    p.drawRect(QRectF(flag.left(), flag.top() + 2 * band, flag.width(), band));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flag);
}

void drawUnitedKingdomFlag(QPainter &p, const QRectF &r)
{
    const QRectF flag(2, r.height() * 0.125, r.width() - 4, r.height() * 0.75);
    p.save();
    p.setClipRect(flag);
    p.fillRect(flag, QColor(1, 33, 105));
    const qreal unit = flag.height() / 30.0;
    p.setPen(QPen(Qt::white, 6 * unit));
    p.drawLine(flag.topLeft(), flag.bottomRight());
    p.drawLine(flag.bottomLeft(), flag.topRight());
    p.setPen(QPen(QColor(200, 16, 46), 2 * unit));
    p.drawLine(flag.topLeft(), flag.bottomRight());
    p.drawLine(flag.bottomLeft(), flag.topRight());
    const QPointF c = flag.center();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(flag.left(), c.y() - 5 * unit, flag.width(), 10 * unit));
    p.drawRect(QRectF(c.x() - 5 * unit, flag.top(), 10 * unit, flag.height()));
    p.setBrush(QColor(200, 16, 46));
    p.drawRect(QRectF(flag.left(), c.y() - 3 * unit, flag.width(), 6 * unit));
    p.drawRect(QRectF(c.x() - 3 * unit, flag.top(), 6 * unit, flag.height()));
    p.restore();
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawRect(flag);
}

// The keyboard's title: a yellow pencil lying from bottom left to top right.
void drawPencil(QPainter &p, const QRectF &r)
{
    p.save();
    p.translate(r.center());
    p.rotate(-45);
    const qreal unit = r.width() / 48.0;
    p.scale(unit, unit);
    const QRectF body(-14, -6, 28, 12);
    p.setPen(QPen(QColor(120, 90, 0), 1.5));
    p.setBrush(verticalGradient(body, QColor(255, 230, 90), QColor(230, 170, 0)));
    p.drawRect(body);
    p.setBrush(QColor(240, 140, 160));
    p.drawRoundedRect(QRectF(-21, -6, 7, 12), 2, 2);
    QPolygonF wood;
    wood << QPointF(14, -6) << QPointF(24, 0) << QPointF(14, 6);
    p.setBrush(QColor(235, 200, 150));
    p.drawPolygon(wood);
    QPolygonF lead;
    lead << QPointF(20.7, -2) << QPointF(24, 0) << QPointF(20.7, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 50, 50));
    p.drawPolygon(lead);
    p.restore();
}

// The grip on a slider handle: three raised ridges across the handle, so the
// handle reads as something to drag with a finger.
void drawSliderGrip(QPainter &p, const QRectF &r)
{
    const qreal step = r.width() / 4.0;
    for (int i = 1; i <= 3; ++i) {
        const qreal x = r.left() + i * step;
        p.setPen(QPen(QColor(130, 130, 130), 1.5));
        p.drawLine(QPointF(x - 0.75, r.top() + 3), QPointF(x - 0.75, r.bottom() - 3));
        p.setPen(QPen(QColor(255, 255, 255), 1.0));
        p.drawLine(QPointF(x + 0.75, r.top() + 3), QPointF(x + 0.75, r.bottom() - 3));
    }
}

// The scroll bar's step buttons: a dark solid triangle pointing up, or down
// when `down` is set, leaving a margin so it sits in the middle of the button.
void drawArrow(QPainter &p, const QRectF &r, bool down)
{
    const qreal w = r.width(), h = r.height();
    const qreal tip = down ? h * 0.72 : h * 0.28, base = down ? h * 0.32 : h * 0.68;
    QPolygonF triangle;
    triangle << QPointF(w * 0.5, tip) << QPointF(w * 0.86, base) << QPointF(w * 0.14, base);
    p.setPen(roundPen(QColor(40, 40, 40), 1.0));
    p.setBrush(QColor(70, 70, 70));
    p.drawPolygon(triangle);
}

} // namespace

int main(int argc, char *argv[])
{
    return woxIconCanvas::run(argc, argv, [] {
        bool ok = true;
        ok &= save(QStringLiteral("icons/empty.png"), 16, 16, [](QPainter &, const QRectF &) {});
        ok &= save(QStringLiteral("icons/terminal.png"), 64, 64, drawTerminal);
        ok &= save(QStringLiteral("icons/attention.png"), 48, 48, drawAttention);
        ok &= save(QStringLiteral("icons/accept.png"), 48, 48, drawAccept);
        ok &= save(QStringLiteral("icons/close.png"), 48, 48, drawClose);
        ok &= save(QStringLiteral("icons/back.png"), 48, 48, drawBack);
        ok &= save(QStringLiteral("icons/brickwall.png"), 32, 32, drawBrickWall);
        ok &= save(QStringLiteral("icons/spanner.png"), 32, 32, drawSpanner);
        ok &= save(QStringLiteral("icons/cubes.png"), 32, 32, drawCubes);
        ok &= save(QStringLiteral("icons/book.png"), 32, 32, drawBook);
        ok &= save(QStringLiteral("icons/chip.png"), 32, 32, drawChip);
        ok &= save(QStringLiteral("icons/pencil.png"), 48, 48, drawPencil);
        ok &= save(QStringLiteral("icons/slider.png"), 16, 16, drawSliderGrip);
        const int levels[] = {100, 80, 60, 40, 20, 0};
        for (int level : levels) {
            ok &= save(QStringLiteral("icons/battery.%1.png").arg(level), 40, 22,
                       [level](QPainter &p, const QRectF &r) { drawBattery(p, r, level / 20); });
        }
        for (int thirds = 0; thirds <= 3; ++thirds) {
            ok &= save(QStringLiteral("icons/moisture.%1.png").arg(thirds), 20, 26,
                       [thirds](QPainter &p, const QRectF &r) { drawMoisture(p, r, thirds); });
        }
        ok &= save(QStringLiteral("arrows/up.png"), 16, 16,
                   [](QPainter &p, const QRectF &r) { drawArrow(p, r, false); });
        ok &= save(QStringLiteral("arrows/down.png"), 16, 16,
                   [](QPainter &p, const QRectF &r) { drawArrow(p, r, true); });
        ok &= save(QStringLiteral("flags/ru.png"), 48, 48, drawRussianFlag);
        ok &= save(QStringLiteral("flags/uk.png"), 48, 48, drawUnitedKingdomFlag);
        return ok;
    });
}
