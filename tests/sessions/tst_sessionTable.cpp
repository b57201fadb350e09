#include "woxCoreDouble.h"
#include "woxOptionsWidget.h"
#include "woxSessionDataModel.h"
#include "woxSessionFixture.h"
#include "woxSessionProgress.h"

#include <QBrush>
#include <QSignalSpy>
#include <QtTest>

#include <climits>

namespace {

QStringList row(const woxSessionDataModel &model, int r, int role = Qt::DisplayRole)
{
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c) {
        const QVariant value = model.data(model.index(r, c), role);
        cells << (role == Qt::BackgroundRole ? qvariant_cast<QBrush>(value).color().name(QColor::HexArgb)
                                             : value.toString());
    }
    return cells;
}

woxCoreReportET2D report(int results, float rxVoltage = -20.0f, bool valid = true)
{
    woxCoreReportET2D report;
    for (int i = 0; i < results; ++i) {
        woxMeasureResult result;
        result.rxVoltage = rxVoltage - i;
        result.txCurrent = 4.0f;
        result.valid = valid;
        result.options.pauseCode = 7;
        report.results << result;
    }
    return report;
}

} // namespace

// The session model: table cells, runs out and results in, and the
// progress it reports.
class tst_sessionTable : public QObject
{
    Q_OBJECT

private slots:
    void cells_data()
    {
        QTest::addColumn<float>("quality");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("texts");
        QTest::newRow("quality 200") << 200.0f << false << true
                                     << "1|Tx∞|1|Rx∞|6|5|250.0|0.8|0.2|12.3|1.5|3.2|4.4|200.000";
        QTest::newRow("above 200") << 200.5f << true << true
                                   << "1|Tx∞|1|Rx∞|6|5|250.0|0.8|0.2|12.3|1.5|3.2|4.4|N / A";
    }

    void cells()
    {
        QFETCH(float, quality);
        QFETCH(bool, marked);
        QFETCH(bool, valid);
        QFETCH(QString, texts);
        woxSessionFile session = woxSessionFixture::session(1);
        woxSessionDataUnit &unit = session.units[0];
        unit.quadripole = {65535, 0, 65534, 5, 4};
        unit.marked = marked;
        unit.resistivity = -4.4f;
        unit.result = {-840.0f, -250.0f, -12.3f, -3.2f, -1.5f, {}, quality, valid, {}};
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, session));
        QCOMPARE(row(model, 0), QString::fromUtf8(texts.toUtf8()).split('|'));
        const QString run = marked ? "#ffff7f00" : "#ffaaaaff";
        const QString tx = "#3fff7f3f", rx = "#3f7fff7f", value = "#3f7f7fff";
        QCOMPARE(row(model, 0, Qt::BackgroundRole),
                 QStringList({run, tx, tx, rx, rx, "#5fffff7f", tx, tx, tx, rx, rx, rx, value, value}));
        QVERIFY(!model.data(model.index(0, 14)).isValid());
    }

    void runsGoOutWhole()
    {
        woxOptionsWidget options;
        options.pauseDurationComboBox->setCurrentText("200");
        woxCoreDouble core;
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, woxSessionFixture::session(17, 16)));
        QVERIFY(model.measureSet(16));
        QVERIFY(model.measureSet(0));
        QVERIFY(!model.measureSet(17));
        QVERIFY(!model.measureSet(-1));
        const QList<woxCoreDouble::Request> sent = core.of(woxCoreDouble::ET2D);
        QCOMPARE(core.kinds().size(), 2);
        QCOMPARE(sent.at(0).et2d.quadripoles.size(), 1);
        QCOMPARE(sent.at(0).et2d.quadripoles.first().a, woxElectrode(16));
        QCOMPARE(sent.at(1).et2d.quadripoles.size(), 16);
        for (int i = 0; i < 16; ++i)
            QCOMPARE(int(sent.at(1).et2d.quadripoles.at(i).channel), i);
        QCOMPARE(sent.at(1).et2d.options.pauseCode, quint16(8));
        QVERIFY(sent.at(1).et2d.options.ipEnabled);
    }

    void resultsComeIn()
    {
        woxCoreDouble core;
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, woxSessionFixture::session(26, 16)));
        connect(woxCore::instance(), &woxCore::sendReportET2D, &model, &woxSessionDataModel::setResult);
        QSignalSpy moved(&model, &woxSessionDataModel::sendMoveForward);
        QSignalSpy changed(&model, &woxSessionDataModel::dataChanged);
        woxCoreReportET2D cancelled = report(16);
        cancelled.error.code = 13;
        core.answer(woxCoreDouble::ET2D, cancelled);
        QSignalSpy reports(woxCore::instance(), &woxCore::sendReportET2D);
        QVERIFY(model.measureSet(16));
        QVERIFY(reports.wait(1000));
        QVERIFY(moved.isEmpty() && changed.isEmpty());
        QCOMPARE(model.data(model.index(16, 6)), QVariant());
        // More results than rows left; a stack's own verdict does not matter.
        core.answer(woxCoreDouble::ET2D, report(16, -20.0f, false));
        QVERIFY(model.measureSet(16));
        QVERIFY(moved.wait(1000));
        QCOMPARE(moved.first(), QVariantList({16, 10}));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex(), model.index(16, 6));
        QCOMPARE(changed.first().at(1).toModelIndex(), model.index(25, 13));
        QCOMPARE(model.unitAt(16)->resistivity, 50.0f);
        QCOMPARE(model.unitAt(25)->result.rxVoltage, -29.0f);
        QVERIFY(model.unitAt(25)->result.valid);
        QCOMPARE(model.unitAt(25)->result.options.pauseCode, quint16(7));
        QVERIFY(!model.unitAt(15)->result.valid);
        // Deleting keeps the values; a row outside the table is ignored.
        model.onRowDelete(16);
        model.onRowDelete(26);
        model.onRowDelete(-1);
        QVERIFY(!model.unitAt(16)->result.valid);
        QCOMPARE(model.unitAt(16)->resistivity, 50.0f);
        QCOMPARE(model.data(model.index(16, 12)), QVariant());
        QCOMPARE(changed.size(), 2);
    }

    void runsLeft_data()
    {
        QTest::addColumn<QVector<bool>>("chained");
        QTest::addColumn<QVector<int>>("left");
        QTest::newRow("chained runs") << QVector<bool>{true, true, false, true, false, false}
                                      << QVector<int>{2, 2, 2, 1, 1, 0};
        QTest::newRow("open tail") << QVector<bool>{false, true, true} << QVector<int>{0, -1, -1};
    }

    void runsLeft()
    {
        QFETCH(QVector<bool>, chained);
        QFETCH(QVector<int>, left);
        QCOMPARE(woxSessionProgress::runsLeft(chained), left);
    }

    // The narrow-column rule rides along: a tenth of the table, truncated,
    // never negative.
    void timeLeft_data()
    {
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<int>("runs");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("column");
        QTest::newRow("short") << qint64(600) << 5 << "Left: 00:00:03" << 1000 << 100;
        QTest::newRow("open tail") << qint64(600) << -1 << "Left: 00:00:00" << 1019 << 101;
        QTest::newRow("last second") << qint64(86399000) << 1 << "Left: 23:59:59" << -5 << 0;
        QTest::newRow("one day") << qint64(86400000) << 1 << "Left: too long" << 0 << 0;
        QTest::newRow("int times min") << qint64(INT_MAX) << INT_MIN << "Left: 00:00:00" << 0 << 0;
    }

    void timeLeft()
    {
        QFETCH(qint64, elapsed);
        QFETCH(int, runs);
        QFETCH(QString, text);
        QFETCH(int, table);
        QFETCH(int, column);
        QCOMPARE(woxSessionProgress::timeLeftText(elapsed, runs), text);
        QCOMPARE(woxSessionProgress::narrowColumnWidth(table), column);
    }
};

QTEST_MAIN(tst_sessionTable)
#include "tst_sessionTable.moc"
