#include "woxPseudoDepthTable.h"

#include "woxFileSaver.h"

#include "woxConstants.h"
#include "woxDiagnostic.h"
#include "woxStreamCount.h"

#include <QDataStream>
#include <QFile>

woxPseudoDepthTable *woxPseudoDepthTable::self = nullptr;

namespace {

// Depth-to-spread coefficients by the ratio n = L / S. Every table closes
// with the pair 99, 100 so that any ratio of the grid falls inside it.
struct CoefficientTable
{
    const float *n;
    const float *c;
    int size;
};

const float pdN[] = {0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 15.0f, 99.0f, 100.0f};
const float pdC[] = {0.15f, 0.26f, 0.308f, 0.33f, 0.341f, 0.349f, 0.354f, 0.368f, 0.39f, 0.39f};
const float ddN[] = {0.0f, 0.222f, 0.5f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f, 20.0f,
                     99.0f, 100.0f};
const float ddC[] = {0.0f, 0.063f, 0.101f, 0.139f, 0.174f, 0.192f, 0.203f, 0.211f, 0.216f,
                     0.22f, 0.224f, 0.239f, 0.25f, 0.25f};
const float wsN[] = {0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 99.0f, 100.0f};
const float wsC[] = {0.14f, 0.173f, 0.186f, 0.189f, 0.19f, 0.192f, 0.192f};

const CoefficientTable pdTable = {pdN, pdC, int(sizeof(pdN) / sizeof(pdN[0]))};
const CoefficientTable ddTable = {ddN, ddC, int(sizeof(ddN) / sizeof(ddN[0]))};
const CoefficientTable wsTable = {wsN, wsC, int(sizeof(wsN) / sizeof(wsN[0]))};

float coefficient(const CoefficientTable &table, float ratio)
{
    for (int i = 0; i + 1 < table.size; ++i) {
        if (table.n[i] <= ratio && table.n[i + 1] > ratio)
            return interpolate(table.n[i], table.c[i], table.n[i + 1], table.c[i + 1], ratio);
    }
    // Ratios of the grid never get here (L <= 99, S >= 1).
    return table.c[table.size - 1];
}

float scaled(float coefficient, int spread)
{
    return float(double(coefficient) * spread);
}

woxDepthGrid computeGrid(woxArrayType type)
{
    woxDepthGrid grid(woxPseudoDepthTable::spacingRows);
    for (int s = 0; s < woxPseudoDepthTable::spacingRows; ++s) {
        QVector<float> &row = grid[s];
        row.resize(woxPseudoDepthTable::levelColumns);
        for (int l = 0; l < woxPseudoDepthTable::levelColumns; ++l)
            row[l] = woxPseudoDepthTable::computeFactor(type, woxSpacing(s), woxLevel(l));
    }
    return grid;
}

} // namespace

float interpolate(float x0, float y0, float x1, float y1, float x)
{
    if (x0 == x1)
        return (y0 + y1) * 0.5f;
    if (x == x0)
        return y0;
    if (x == x1)
        return y1;
    return float(double(y0) + (double(y1) - y0) * (double(x) - x0) / (double(x1) - x0));
}

woxPseudoDepthTable::woxPseudoDepthTable(const QString &path)
    : loaded(false)
{
    load(path);
}

woxPseudoDepthTable *woxPseudoDepthTable::instance(const QString &path)
{
    if (!self)
        self = new woxPseudoDepthTable(path);
    return self;
}

woxPseudoDepthTable *woxPseudoDepthTable::current()
{
    return self;
}

void woxPseudoDepthTable::destroy()
{
    delete self;
    self = nullptr;
}

bool woxPseudoDepthTable::isLoaded() const
{
    return loaded;
}

float woxPseudoDepthTable::factor(woxArrayType type, woxSpacing spacing, woxLevel level) const
{
    // A quadripole that did not come from the grid (spacing or level out of
    // range) has no factor rather than one read past the end of a row.
    if (!loaded || spacing >= spacingRows || level >= levelColumns)
        return 0.0f;
    const woxDepthMap::const_iterator entry = table.constFind(type);
    if (entry == table.constEnd())
        return 0.0f;
    return entry.value().at(spacing).at(level);
}

float woxPseudoDepthTable::computeFactor(woxArrayType type, woxSpacing spacing, woxLevel level)
{
    const int s = int(spacing) + 1;
    const int l = int(level) + 1;
    const float ratio = float(l) / float(s);
    switch (type) {
    case 0: case 12:
        return scaled(0.173f, 3 * l);
    case 1: case 13:
        return scaled(0.139f, 3 * l);
    case 2: case 14:
        return scaled(0.198f, 3 * l);
    case 7: case 17:
        return scaled(0.867f, l);
    case 3: case 15: case 8: case 9: case 10: case 11: case 18: case 19: case 20: case 21:
        return scaled(coefficient(wsTable, ratio), 2 * l + s);
    case 4: case 16:
        return scaled(coefficient(ddTable, ratio), l + 2 * s);
    case 5: case 6:
        return scaled(coefficient(pdTable, ratio), l + s);
    default:
        return 0.0f;
    }
}

bool woxPseudoDepthTable::load(const QString &path)
{
    table.clear();
    loaded = false;
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        woxDiagnostic::fileError(file.errorString());
        return false;
    }
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    qint8 rows = 0;
    qint8 levels = 0;
    stream >> rows >> levels;
    if (stream.status() != QDataStream::Ok) {
        woxDiagnostic::fileError(file.errorString());
        return false;
    }
    if (rows != spacingRows || levels != levelColumns)
        return false;
    woxDepthMap map;
    if (!readMap(stream, &map)) {
        woxDiagnostic::fileError(file.errorString());
        return false;
    }
    table = map;
    loaded = true;
    return true;
}

// The lookups index every grid without a check, so only a complete table of
// 22 array types, each 30 x 99, is accepted. Counts are compared with the
// expected sizes before anything is allocated.
bool woxPseudoDepthTable::readMap(QDataStream &stream, woxDepthMap *map)
{
    if (!woxStreamCount::expect(stream, arrayTypes))
        return false;
    for (int i = 0; i < arrayTypes; ++i) {
        quint8 type = 0;
        stream >> type;
        if (stream.status() != QDataStream::Ok || type >= arrayTypes || map->contains(type))
            return false;
        woxDepthGrid grid;
        if (!readGrid(stream, &grid))
            return false;
        map->insert(type, grid);
    }
    return true;
}

bool woxPseudoDepthTable::readGrid(QDataStream &stream, woxDepthGrid *grid)
{
    if (!woxStreamCount::expect(stream, spacingRows))
        return false;
    grid->resize(spacingRows);
    for (int s = 0; s < spacingRows; ++s) {
        if (!woxStreamCount::expect(stream, levelColumns))
            return false;
        QVector<float> &row = (*grid)[s];
        row.resize(levelColumns);
        for (int l = 0; l < levelColumns; ++l) {
            double value = 0.0;
            stream >> value;
            row[l] = float(value);
        }
        if (stream.status() != QDataStream::Ok)
            return false;
    }
    return true;
}

// The map goes out highest array type first, the order in which the table has
// always been stored; every factor is a single-precision value widened to double.
void woxPseudoDepthTable::writeMap(QDataStream &stream, const woxDepthMap &map)
{
    stream << quint32(map.size());
    woxDepthMap::const_iterator entry = map.constEnd();
    while (entry != map.constBegin()) {
        --entry;
        stream << quint8(entry.key()) << quint32(entry.value().size());
        for (const QVector<float> &row : entry.value()) {
            stream << quint32(row.size());
            for (float value : row)
                stream << double(value);
        }
    }
}

// Builds the table from the rule into a map of its own and writes it; the
// table this object answers from is left untouched, whatever happens.
bool woxPseudoDepthTable::generate(const QString &path) const
{
    woxDepthMap map;
    for (int type = 0; type < arrayTypes; ++type)
        map.insert(woxArrayType(type), computeGrid(woxArrayType(type)));

    QString openError;
    const woxFileSaver::Result result = woxFileSaver::save(
        path,
        [&map](QDataStream &stream) {
            stream << qint8(spacingRows) << qint8(levelColumns);
            writeMap(stream, map);
        },
        &openError);
    if (result == woxFileSaver::OpenFailed)
        woxDiagnostic::fileError(openError);
    return result == woxFileSaver::Saved;
}
