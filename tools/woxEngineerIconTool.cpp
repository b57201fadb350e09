// Draws the engineer screen's icons with QPainter and writes them as PNG
// files under the given resources folder. Every picture is our own drawing;
// run tools/draw-engineer-icons.sh to rebuild them after a change here.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace {

using Painter = std::function<void(QPainter &, const QRectF &)>;

QString outputRoot;

bool save(const QString &name, int size, const Painter &paint)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter, QRectF(0, 0, size, size));
    painter.end();
    const QString path = outputRoot + QStringLiteral("/icons/") + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QLinearGradient shade(const QRectF &r, const QColor &colour)
{
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, colour.lighter(150));
    gradient.setColorAt(1, colour);
    return gradient;
}

// A bold white glyph centred on a coloured round face.
void glyphOnDisc(QPainter &p, const QRectF &r, const QColor &colour, const QString &glyph)
{
    const QRectF face = r.adjusted(3, 3, -3, -3);
    p.setPen(QPen(colour.darker(140), 2));
    p.setBrush(shade(face, colour));
    p.drawEllipse(face);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(r.height() * 0.62));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(face, Qt::AlignCenter, glyph);
}

// The page tabs: a letter on a rounded tile.
void letterTile(QPainter &p, const QRectF &r, const QColor &colour, const QString &letter)
{
    const QRectF tile = r.adjusted(2, 2, -2, -2);
    p.setPen(QPen(colour.darker(150), 1.5));
    p.setBrush(shade(tile, colour));
    p.drawRoundedRect(tile, 6, 6);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(r.height() * 0.7));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(tile, Qt::AlignCenter, letter);
}

void drawQuestion(QPainter &p, const QRectF &r)
{
    glyphOnDisc(p, r, QColor(60, 110, 200), QStringLiteral("?"));
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    outputRoot = QString::fromLocal8Bit(argv[1]);

    bool ok = true;
    ok &= save(QStringLiteral("question.png"), 48, drawQuestion);
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
        ok &= save(QString::fromLatin1(tile.name), 32, [colour, letter](QPainter &p, const QRectF &r) {
            letterTile(p, r, colour, letter);
        });
    }
    return ok ? 0 : 1;
}
