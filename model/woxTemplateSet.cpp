#include "woxTemplateSet.h"

#include "woxQuadripoleGenerator.h"
#include "woxStreamCount.h"

#include <QDataStream>
#include <QModelIndex>

#include <cfloat>
#include <cmath>

woxTemplateSet::woxTemplateSet(woxCable cables, woxCableSpacing spacing)
    : m_cables(cables), m_cableSpacing(spacing), m_measurementCount(0),
      m_arrayType(woxNoArrayType), m_mainGrid(emptyGrid()), m_auxGrid(emptyGrid())
{
}

woxArrayType woxTemplateSet::arrayType() const
{
    return m_arrayType;
}

int woxTemplateSet::measurementCount() const
{
    return m_measurementCount;
}

woxCable woxTemplateSet::cables() const
{
    return m_cables;
}

woxCableSpacing woxTemplateSet::cableSpacing() const
{
    return m_cableSpacing;
}

woxSelectionGrid woxTemplateSet::mainGrid() const
{
    return m_mainGrid;
}

woxSelectionGrid woxTemplateSet::auxGrid() const
{
    return m_auxGrid;
}

woxQuadripoleMap woxTemplateSet::quadripoleMap() const
{
    return m_quadripoleMap;
}

bool woxTemplateSet::isEmpty() const
{
    for (const QVector<bool> &row : m_mainGrid) {
        if (row.contains(true))
            return false;
    }
    return true;
}

void woxTemplateSet::setArrayType(woxArrayType type)
{
    if (type == m_arrayType)
        return;
    m_arrayType = type;
    clearAux();
    regenerate();
}

void woxTemplateSet::setArrangement(woxCable cables, woxCableSpacing spacing)
{
    const bool cablesChanged = cables != m_cables;
    const bool spacingChanged = spacing != m_cableSpacing;
    if (!cablesChanged && !spacingChanged)
        return;
    m_cables = cables;
    m_cableSpacing = spacing;
    // Marks judge the signals of one spacing; another cable count keeps them.
    if (spacingChanged)
        clearAux();
    regenerate();
}

void woxTemplateSet::applyMainSelection(const QModelIndexList &cells)
{
    for (const QModelIndex &cell : cells) {
        // Indexes come from the grid view; one outside the grid is ignored
        // rather than written past the end.
        if (!isCell(cell.row(), cell.column()))
            continue;
        const woxSpacing spacing = woxSpacing(cell.row());
        const woxLevel level = woxLevel(cell.column());
        const woxSpacingLevel key(spacing, level);
        QList<woxQuadripole> &quadripoles = m_quadripoleMap[key];
        bool &selected = m_mainGrid[spacing][level];
        if (selected) {
            m_measurementCount -= quadripoles.size();
            m_quadripoleMap.remove(key);
            selected = false;
        } else {
            selected = generate(spacing, level, &quadripoles);
            m_measurementCount += quadripoles.size();
        }
    }
}

void woxTemplateSet::setAuxCell(woxSpacing spacing, woxLevel level, bool marked)
{
    if (isCell(spacing, level))
        m_auxGrid[spacing][level] = marked;
}

void woxTemplateSet::clearMain()
{
    m_mainGrid = emptyGrid();
    m_quadripoleMap.clear();
    m_measurementCount = 0;
}

void woxTemplateSet::clearAux()
{
    m_auxGrid = emptyGrid();
}

void woxTemplateSet::clear()
{
    clearMain();
    clearAux();
}

void woxTemplateSet::regenerate()
{
    m_measurementCount = 0;
    for (int spacing = 0; spacing < spacingRows; ++spacing) {
        for (int level = 0; level < levelColumns; ++level) {
            if (!m_mainGrid[spacing][level])
                continue;
            QList<woxQuadripole> &quadripoles =
                m_quadripoleMap[woxSpacingLevel(woxSpacing(spacing), woxLevel(level))];
            quadripoles.clear();
            if (generate(woxSpacing(spacing), woxLevel(level), &quadripoles)) {
                m_measurementCount += quadripoles.size();
            } else {
                m_mainGrid[spacing][level] = false;
                m_auxGrid[spacing][level] = false;
            }
        }
    }
}

QDataStream &woxTemplateSet::writeTo(QDataStream &stream, const woxTemplateSet &set)
{
    stream << qint8(set.m_arrayType);
    writeGrid(stream, set.m_mainGrid);
    writeGrid(stream, set.m_auxGrid);
    stream << qint8(set.m_cables) << set.m_cableSpacing;
    return stream;
}

QDataStream &woxTemplateSet::readFrom(QDataStream &stream, woxTemplateSet &set)
{
    qint8 type = 0;
    woxSelectionGrid main;
    woxSelectionGrid aux;
    qint8 cables = 0;
    float spacing = 0.0f;
    stream >> type;
    if (stream.status() != QDataStream::Ok || !readGrid(stream, &main)
        || !readGrid(stream, &aux))
        return stream;
    stream >> cables >> spacing;
    if (stream.status() != QDataStream::Ok)
        return stream;
    // The set is rebuilt from these fields at once: a damaged byte must not
    // turn into a line of 255 cables and millions of quadripoles.
    if (!fieldsAreSound(type, cables, spacing)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return stream;
    }

    set.m_arrayType = woxArrayType(type);
    set.m_mainGrid = main;
    set.m_auxGrid = aux;
    set.m_cables = woxCable(cables);
    set.m_cableSpacing = spacing;
    // Lists of the set's earlier contents must not survive into the new one.
    set.m_quadripoleMap.clear();
    set.regenerate();
    return stream;
}

bool woxTemplateSet::fieldsAreSound(qint8 type, qint8 cables, float spacing)
{
    const int code = quint8(type);
    return (code < woxArrayTypeCount || code == woxNoArrayType) && (cables == 1 || cables == 2)
           && std::isfinite(spacing) && spacing >= FLT_MIN;
}

woxSelectionGrid woxTemplateSet::emptyGrid()
{
    return woxSelectionGrid(spacingRows, QVector<bool>(levelColumns, false));
}

void woxTemplateSet::writeGrid(QDataStream &stream, const woxSelectionGrid &grid)
{
    stream << qint32(grid.size());
    for (const QVector<bool> &row : grid) {
        stream << qint32(row.size());
        for (bool cell : row)
            stream << cell;
    }
}

// Every grid this system writes is 30 rows of 99 cells; any other count is
// a damaged file and is refused before anything is allocated from it.
bool woxTemplateSet::readGrid(QDataStream &stream, woxSelectionGrid *grid)
{
    if (!woxStreamCount::expect(stream, spacingRows))
        return false;
    *grid = emptyGrid();
    for (int spacing = 0; spacing < spacingRows; ++spacing) {
        if (!woxStreamCount::expect(stream, levelColumns))
            return false;
        // One read a row: cell by cell a damaged set would cost far more
        // than it takes to refuse it. Any byte but 0 is a selected cell.
        char cells[levelColumns];
        if (stream.readRawData(cells, levelColumns) != levelColumns) {
            stream.setStatus(QDataStream::ReadPastEnd);
            return false;
        }
        QVector<bool> &row = (*grid)[spacing];
        for (int level = 0; level < levelColumns; ++level)
            row[level] = cells[level] != 0;
    }
    return true;
}

bool woxTemplateSet::isCell(int spacing, int level)
{
    return spacing >= 0 && spacing < spacingRows && level >= 0 && level < levelColumns;
}

bool woxTemplateSet::generate(woxSpacing spacing, woxLevel level,
                              QList<woxQuadripole> *quadripoles) const
{
    return woxQuadripoleGenerator::instance()->generateCell(m_cables, m_cableSpacing, m_arrayType,
                                                            spacing, level, quadripoles);
}
