// Draws the engineer screen's icons with QPainter and writes them as PNG
// files under the given resources folder. Every picture is our own drawing;
// run tools/draw-engineer-icons.sh to rebuild them after a change here.

#include "woxIconCanvas.h"

namespace {

using namespace woxIconCanvas;

bool saveIcon(const QString &name, int size, const Painter &paint)
{
    return save(QStringLiteral("icons/") + name, size, size, paint);
}

QLinearGradient shade(const QRectF &r, const QColor &colour)
{
    return verticalGradient(r, colour.lighter(150), colour);
}

// Bold white text centred in `box`, `pixelSize` pixels high.
void whiteText(QPainter &p, const QRectF &box, int pixelSize, const QString &text)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
}

// A bold white glyph centred on a coloured round face.
void glyphOnDisc(QPainter &p, const QRectF &r, const QColor &colour, const QString &glyph)
{
    const QRectF face = r.adjusted(3, 3, -3, -3);
    p.setPen(QPen(colour.darker(140), 2));
    p.setBrush(shade(face, colour));
    p.drawEllipse(face);
    whiteText(p, face, qRound(r.height() * 0.62), glyph);
}

// The page tabs: a letter on a rounded tile.
void letterTile(QPainter &p, const QRectF &r, const QColor &colour, const QString &letter)
{
    const QRectF tile = r.adjusted(2, 2, -2, -2);
    p.setPen(QPen(colour.darker(150), 1.5));
    p.setBrush(shade(tile, colour));
    p.drawRoundedRect(tile, 6, 6);
    whiteText(p, tile, qRound(r.height() * 0.7), letter);
}

void drawQuestion(QPainter &p, const QRectF &r)
{
    glyphOnDisc(p, r, QColor(60, 110, 200), QStringLiteral("?"));
}

} // namespace

int main(int argc, char *argv[])
{
    return woxIconCanvas::run(argc, argv, [] {
        bool ok = true;
        ok &= saveIcon(QStringLiteral("question.png"), 48, drawQuestion);
        const struct
        {
            const char *name;
            const char *letter;
            QColor colour;
        } tiles[] = {
            {"t.png", "T", QColor(210, 90, 40)},  {"r.png", "R", QColor(40, 130, 200)},
            {"s.png", "S", QColor(120, 90, 180)}, {"c.png", "C", QColor(40, 160, 100)},
            {"m.png", "M", QColor(120, 120, 120)},
        };
        for (const auto &tile : tiles) {
            const QColor colour = tile.colour;
            const QString letter = QString::fromLatin1(tile.letter);
            ok &= saveIcon(QString::fromLatin1(tile.name), 32,
                           [colour, letter](QPainter &p, const QRectF &r) {
                               letterTile(p, r, colour, letter);
                           });
        }
        return ok;
    });
}
