#ifndef WOXPSEUDODEPTHTABLE_H
#define WOXPSEUDODEPTHTABLE_H

#include "woxTypes.h"

#include <QMap>
#include <QString>
#include <QVector>

class QDataStream;

typedef QVector<QVector<float>> woxDepthGrid;
typedef QMap<woxArrayType, woxDepthGrid> woxDepthMap;

// One step of linear interpolation between (x0, y0) and (x1, y1).
float interpolate(float x0, float y0, float x1, float y1, float x);

// Pseudo-depth factors (in electrode spacings) per array type and grid cell,
// read once from the built-in resource.
class woxPseudoDepthTable
{
public:
    static const int spacingRows = 30;
    static const int levelColumns = 99;
    static const int arrayTypes = 22;

    explicit woxPseudoDepthTable(const QString &path = QString());

    static woxPseudoDepthTable *instance(const QString &path);
    // The live instance, or null when there is none; never creates one.
    static woxPseudoDepthTable *current();
    static void destroy();

    bool isLoaded() const;
    float factor(woxArrayType type, woxSpacing spacing, woxLevel level) const;
    static float computeFactor(woxArrayType type, woxSpacing spacing, woxLevel level);

    bool load(const QString &path);
    bool generate(const QString &path) const;

private:
    static bool readGrid(QDataStream &stream, woxDepthGrid *grid);
    static bool readMap(QDataStream &stream, woxDepthMap *map);
    static void writeMap(QDataStream &stream, const woxDepthMap &map);

    woxDepthMap table;
    bool loaded;

    static woxPseudoDepthTable *self;
};

#endif // WOXPSEUDODEPTHTABLE_H
