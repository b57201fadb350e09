#ifndef WOXSESSIONDATAMODEL_H
#define WOXSESSIONDATAMODEL_H

#include "woxSessionFile.h"

#include <QAbstractTableModel>
#include <QStringList>

// One open session: the content of its file, the rows with their results,
// and the table behind the session screen. GUI thread only.
class woxSessionDataModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit woxSessionDataModel(QObject *parent = nullptr);
    ~woxSessionDataModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Reads a session file. A file that cannot be read, or is damaged in any
    // way, is refused with its message and leaves the model as it was.
    bool load(const QString &fileName);
    // Writes the working copy (no question, failures only on the status
    // line, so measuring goes on) or a named copy (name asked on the
    // keyboard, overwrite confirmed, failures shown). `name` is only the
    // keyboard's initial text. True only when the whole file is on disk; the
    // previous file stays whole otherwise.
    bool save(const QString &name, bool toLastSession);

    int unitCount() const;
    // The row, clamped to the table; nullptr while there is none.
    const woxSessionDataUnit *unitAt(int row) const;
    const woxFileSummary &summary() const;

signals:
    void sendSetInfoUpdate(QStringList stringList);

private:
    woxSessionFile content() const;
    QString askedPath(const QString &name) const;
    bool writeFile(const QString &path, bool toLastSession) const;

    QVector<woxSetInfo> setInfos;
    woxCableConfiguration cableConfiguration;
    woxElectrodeMap electrodePositions;
    QList<woxSessionDataUnit> units;
    woxFileSummary fileSummary;
    int columnTotal = 0;
    int rowTotal = 0;
    woxGPSFix gpsFix;
};

#endif
