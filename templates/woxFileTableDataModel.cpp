#include "woxFileTableDataModel.h"

#include "woxConstants.h"
#include "woxSessionFile.h"
#include "woxTemplateFile.h"

#include <QChar>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>

namespace {

const int firstArrayColumn = 5;
const int arrayColumns = 12;
const int noType = -1;
// Array types counted in each array column: the direct type, whose code is
// the column's place among the array columns, and its reciprocal; the two
// pole-dipole arrays have no reciprocal.
const int reciprocalTypes[arrayColumns] = {12, 13, 14, 15, 16, noType, noType,
                                           17, 18, 19, 20, 21};

} // namespace

woxFileTableDataModel::woxFileTableDataModel(bool session, QObject *parent)
    : QAbstractTableModel(parent)
{
    buildHeaders(session);
    if (session)
        listDirectory(sessionsDir, QLatin1Char('.') + sessionExtension,
                      quint32(woxSessionFile::magic));
    else
        listDirectory(templatesDir, QLatin1Char('.') + templateExtension, woxTemplateFile::magic);
}

void woxFileTableDataModel::buildHeaders(bool session)
{
    if (session)
        headers << QCoreApplication::translate("QObject", "Session");
    else
        headers << QCoreApplication::translate("QObject", "Template");
    headers << tr("Cbl") << QStringLiteral("%1[%2]").arg(tr("CS"), tr("m")) << tr("Qdps")
            << tr("Runs") << QStringLiteral("W%1").arg(QChar(0x03B1))
            << QStringLiteral("W%1").arg(QChar(0x03B2)) << QStringLiteral("W%1").arg(QChar(0x03B3))
            << QStringLiteral("Sch") << QStringLiteral("DD") << QStringLiteral("FPD")
            << QStringLiteral("BPD") << QStringLiteral("PP") << QStringLiteral("G3")
            << QStringLiteral("G5") << QStringLiteral("G7") << QStringLiteral("G9");
}

void woxFileTableDataModel::listDirectory(const QString &directory, const QString &suffix,
                                          quint32 magic)
{
    // Listed in name order on purpose, although no sort is asked for: on
    // this platform's file systems the directory's own order is a hash order
    // in which an operator cannot find anything, and QDir falls back to the
    // name order for NoSort.
    const QStringList entries = QDir(directory).entryList(
        QStringList(QLatin1Char('*') + suffix), QDir::Files, QDir::NoSort);
    for (const QString &entry : entries) {
        const QString path = directory + entry;
        woxFileSummary summary;
        if (!readHead(path, magic, &summary))
            continue;
        QString name = path;
        name.remove(directory);
        name.remove(suffix);
        names.append(name);
        summaries.append(summary);
    }
}

// A damaged summary must cost its own row only: the bounded reader never
// allocates from a count in the file, and any stream status but Ok (short
// file, corrupt count) or a device error leaves the file out.
bool woxFileTableDataModel::readHead(const QString &path, quint32 magic,
                                     woxFileSummary *summary)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    quint32 fileMagic = 0;
    stream >> fileMagic;
    if (stream.status() != QDataStream::Ok || fileMagic != magic)
        return false;
    stream >> *summary;
    return stream.status() == QDataStream::Ok && file.error() == QFileDevice::NoError;
}

int woxFileTableDataModel::rowCount(const QModelIndex &) const
{
    return names.size();
}

int woxFileTableDataModel::columnCount(const QModelIndex &) const
{
    return headers.size();
}

bool woxFileTableDataModel::isEmpty() const
{
    return names.isEmpty();
}

QVariant woxFileTableDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= names.size()
        || index.column() >= headers.size())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? int(Qt::AlignLeft) : int(Qt::AlignHCenter | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    const woxFileSummary &summary = summaries.at(index.row());
    switch (index.column()) {
    case 0:
        return names.at(index.row());
    case 1:
        return QStringLiteral("%1").arg(summary.cables);
    case 2:
        return QStringLiteral("%1").arg(double(summary.cableSpacing), 0, 'f', 1);
    case 3:
        return QStringLiteral("%1").arg(summary.quadripoles);
    case 4:
        return QStringLiteral("%1").arg(summary.runs);
    default:
        return arrayCell(summary, index.column());
    }
}

QString woxFileTableDataModel::arrayCell(const woxFileSummary &summary, int column)
{
    const int slot = column - firstArrayColumn;
    if (slot < 0 || slot >= arrayColumns)
        return QString();
    QString text;
    const quint8 direct = quint8(slot);
    if (summary.arrayCounts.contains(direct))
        text = QStringLiteral("%1S").arg(summary.arrayCounts.value(direct));
    const int reciprocal = reciprocalTypes[slot];
    if (reciprocal != noType && summary.arrayCounts.contains(quint8(reciprocal))) {
        if (!text.isEmpty())
            text += QLatin1Char(':');
        text += QStringLiteral("%1R").arg(summary.arrayCounts.value(quint8(reciprocal)));
    }
    return text;
}

QVariant woxFileTableDataModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= headers.size())
        return QVariant();
    return headers.at(section);
}
