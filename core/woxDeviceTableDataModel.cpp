#include "woxDeviceTableDataModel.h"

#include "woxNames.h"

#include <QObject>

woxDeviceTableDataModel::woxDeviceTableDataModel(QObject *parent)
    : QAbstractTableModel(parent),
      icon(QStringLiteral(":/points/points/blue.png")),
      present(deviceCount, false)
{
    // Names keep the language of the moment the model is built.
    for (int address = 0; address < deviceCount; ++address)
        names.append(deviceName(woxAddress(address)));
}

woxDeviceTableDataModel::~woxDeviceTableDataModel() = default;

int woxDeviceTableDataModel::rowCount(const QModelIndex &) const
{
    return deviceCount;
}

int woxDeviceTableDataModel::columnCount(const QModelIndex &) const
{
    return 2;
}

QVariant woxDeviceTableDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= deviceCount)
        return QVariant();
    if (role == Qt::DisplayRole && index.column() == 1)
        return names.at(index.row());
    if (role == Qt::DecorationRole && index.column() == 0 && present.at(index.row()))
        return icon;
    return QVariant();
}

QVariant woxDeviceTableDataModel::headerData(int section, Qt::Orientation orientation,
                                             int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    if (section == 0)
        return QStringLiteral("+");
    return QObject::tr("Device");
}

void woxDeviceTableDataModel::setDiscovered(QList<quint8> devices)
{
    present.fill(false);
    for (const quint8 address : devices) {
        // The bus has 43 devices; anything else cannot be shown.
        if (address < deviceCount)
            present[address] = true;
    }
    emit dataChanged(QModelIndex(), QModelIndex());
}
