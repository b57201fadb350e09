#ifndef WOXDEVICETABLEDATAMODEL_H
#define WOXDEVICETABLEDATAMODEL_H

#include <QAbstractTableModel>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QVector>

// The 43 devices of the instrument core's bus, row = address: column 0 shows
// a dot for every device the last discovery found, column 1 its name.
class woxDeviceTableDataModel : public QAbstractTableModel
{
public:
    explicit woxDeviceTableDataModel(QObject *parent = nullptr);
    ~woxDeviceTableDataModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Marks exactly the listed addresses present.
    void setDiscovered(QList<quint8> devices);

    static const int deviceCount = 43;

private:
    QPixmap icon;
    QList<QString> names;
    QVector<bool> present;
};

#endif
