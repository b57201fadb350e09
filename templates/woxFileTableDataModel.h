#ifndef WOXFILETABLEDATAMODEL_H
#define WOXFILETABLEDATAMODEL_H

#include "woxFileSummary.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The stored templates or sessions of their directory, one row per valid
// file: its bare name and the main numbers of its summary record. Only the
// magic number and the summary are read, never the rest of a file. Rows are
// fixed at construction; a caller builds one model for one choice.
class woxFileTableDataModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    woxFileTableDataModel(bool session, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    bool isEmpty() const;

    // The text of an array column (5 to 16) for the summary's set counts:
    // "2S", "1S:1R", "3R" or empty.
    static QString arrayCell(const woxFileSummary &summary, int column);

private:
    void buildHeaders(bool session);
    void listDirectory(const QString &directory, const QString &suffix, quint32 magic);
    // The file's summary when it opens, carries `magic` and its summary
    // reads whole and sound; false for every other file.
    static bool readHead(const QString &path, quint32 magic, woxFileSummary *summary);

    QList<woxFileSummary> summaries;
    QStringList names;
    QStringList headers;
};

#endif
