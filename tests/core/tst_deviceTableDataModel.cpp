#include "woxDeviceTableDataModel.h"

#include <QPixmap>
#include <QSignalSpy>
#include <QtTest>

class tst_deviceTableDataModel : public QObject
{
    Q_OBJECT

private:
    static QList<int> decoratedRows(const woxDeviceTableDataModel &model)
    {
        QList<int> rows;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QVariant decoration = model.data(model.index(row, 0), Qt::DecorationRole);
            if (decoration.isValid()) {
                if (decoration.value<QPixmap>().isNull())
                    return {-1};
                rows.append(row);
            }
        }
        return rows;
    }

private slots:
    void namesAndHeaders()
    {
        woxDeviceTableDataModel model;
        QCOMPARE(model.rowCount(), 43);
        QCOMPARE(model.rowCount(model.index(3, 1)), 43);
        QCOMPARE(model.data(model.index(8, 1)).toString(),
                 QStringLiteral("Input voltage receiver 1"));
        QCOMPARE(model.data(model.index(42, 1)).toString(), QStringLiteral("Transmitter switch"));
        QVERIFY(decoratedRows(model).isEmpty());
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("+"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Device"));
    }

    void discoveredRowsShowTheDot()
    {
        woxDeviceTableDataModel model;
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setDiscovered({1, 2, 42});
        model.setDiscovered({0, 7, 8, 8});
        QCOMPARE(decoratedRows(model), QList<int>({0, 7, 8}));
        QVERIFY(!model.data(model.index(7, 1), Qt::DecorationRole).isValid());
        QCOMPARE(changed.count(), 2);
        QVERIFY(!changed.at(1).at(0).value<QModelIndex>().isValid());
        QVERIFY(!changed.at(1).at(1).value<QModelIndex>().isValid());

        model.setDiscovered({});
        QVERIFY(decoratedRows(model).isEmpty());
    }

    void addressesBeyondTheBusAreIgnored()
    {
        woxDeviceTableDataModel model;
        model.setDiscovered({43, 200, 255, 5});
        QCOMPARE(decoratedRows(model), QList<int>({5}));
    }
};

QTEST_MAIN(tst_deviceTableDataModel)
#include "tst_deviceTableDataModel.moc"
