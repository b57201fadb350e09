#ifndef WOXTEMPLATESET_H
#define WOXTEMPLATESET_H

#include "woxQuadripole.h"
#include "woxSpacingLevel.h"

#include <QList>
#include <QMap>
#include <QModelIndexList>
#include <QVector>

class QDataStream;

typedef QVector<QVector<bool>> woxSelectionGrid;
typedef QMap<woxSpacingLevel, QList<woxQuadripole>> woxQuadripoleMap;

// One set of a measurement template: an array type on a line of cables, the
// MAIN grid of selected cells (30 spacings x 99 levels) with the quadripoles
// each selected cell produces, and the AUX grid of cells the operator marked.
class woxTemplateSet
{
public:
    static const int spacingRows = 30;
    static const int levelColumns = 99;

    explicit woxTemplateSet(woxCable cables = 2, woxCableSpacing spacing = 5.0f);

    woxArrayType arrayType() const;
    int measurementCount() const;
    woxCable cables() const;
    woxCableSpacing cableSpacing() const;
    woxSelectionGrid mainGrid() const;
    woxSelectionGrid auxGrid() const;
    woxQuadripoleMap quadripoleMap() const;
    bool isEmpty() const;

    void setArrayType(woxArrayType type);
    void setArrangement(woxCable cables, woxCableSpacing spacing);
    // Toggles each cell (row = spacing, column = level) in list order.
    void applyMainSelection(const QModelIndexList &cells);
    void setAuxCell(woxSpacing spacing, woxLevel level, bool marked);
    void clearMain();
    void clearAux();
    void clear();
    void regenerate();

    // 6198 bytes: type, MAIN grid, AUX grid, cables, spacing.
    static QDataStream &writeTo(QDataStream &stream, const woxTemplateSet &set);
    // Replaces the set's stored fields and rebuilds its quadripoles. A stream
    // that is short, whose grids are not 30 x 99, or whose array type, cables
    // (1 or 2) or spacing (finite, positive) is out of range leaves the set as
    // it was and the stream in error.
    static QDataStream &readFrom(QDataStream &stream, woxTemplateSet &set);

private:
    static bool fieldsAreSound(qint8 type, qint8 cables, float spacing);
    static woxSelectionGrid emptyGrid();
    static void writeGrid(QDataStream &stream, const woxSelectionGrid &grid);
    static bool readGrid(QDataStream &stream, woxSelectionGrid *grid);
    static bool isCell(int spacing, int level);
    bool generate(woxSpacing spacing, woxLevel level, QList<woxQuadripole> *quadripoles) const;

    woxCable m_cables;
    woxCableSpacing m_cableSpacing;
    int m_measurementCount;
    woxQuadripoleMap m_quadripoleMap;
    woxArrayType m_arrayType;
    woxSelectionGrid m_mainGrid;
    woxSelectionGrid m_auxGrid;
};

#endif
