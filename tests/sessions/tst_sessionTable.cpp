#include "woxCoreDouble.h"
#include "woxModalScript.h"
#include "woxOptionsWidget.h"
#include "woxSessionDataModel.h"
#include "woxSessionFixture.h"
#include "woxTranslator.h"

#include <QBrush>
#include <QSignalSpy>
#include <QtTest>

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

QStringList headers(const woxSessionDataModel &model)
{
    QStringList texts;
    for (int c = 0; c < model.columnCount(); ++c)
        texts << model.headerData(c, Qt::Horizontal).toString();
    return texts;
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

class tst_sessionTable : public QObject
{
    Q_OBJECT

private slots:
    void headersAndLanguage()
    {
        woxSessionDataModel model;
        QCOMPARE(model.rowCount(), 0);
        // The English catalogue shows the ohm sign.
        QCOMPARE(model.headerData(12, Qt::Horizontal).toString(), QString::fromUtf8("ρ [Ω⋅m]"));
        woxTranslator::instance()->setLanguage("Ru");
        QCOMPARE(headers(model).mid(5, 8),
                 QString::fromUtf8("Пр|Tx.I [мА]|Tx.U [В]|Tx.P [Вт]|Rx.U [мВ]|Rx.S [мВ]|M [мВ/В]|ρ [Ом⋅м]")
                     .split('|'));
        woxTranslator::destroy();   // no catalogue at all
        model.onTranslate();
        QCOMPARE(headers(model), QStringList({"#", "A", "B", "M", "N", "Rx", "Tx.I [mA]", "Tx.U [V]",
                                              "Tx.P [W]", "Rx.U [mV]", "Rx.S [mV]", "M [mV/V]",
                                              QString::fromUtf8("ρ [Ohm⋅m]"), "Q [%]"}));
        model.setResistanceOnly();
        QCOMPARE(model.headerData(12, Qt::Horizontal).toString(), QString("R [Ohm]"));
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    }

    void cells_data()
    {
        QTest::addColumn<float>("quality");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("texts");
        QTest::newRow("unmeasured") << 0.0f << true << false << "1|Tx∞|1|Rx∞|6|5||||||||";
        QTest::newRow("quality 200") << 200.0f << false << true
                                     << "1|Tx∞|1|Rx∞|6|5|250.0|0.8|0.2|12.3|1.5|3.2|4.4|200.000";
        QTest::newRow("above 200") << 200.5f << true << true
                                   << "1|Tx∞|1|Rx∞|6|5|250.0|0.8|0.2|12.3|1.5|3.2|4.4|N / A";
        QTest::newRow("negative quality") << -1.0f << true << true
                                          << "1|Tx∞|1|Rx∞|6|5|250.0|0.8|0.2|12.3|1.5|3.2|4.4|-1.000";
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
        QCOMPARE(model.data(model.index(0, 9), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));
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

    void ipOptions_data()
    {
        QTest::addColumn<bool>("measured");
        QTest::addColumn<quint16>("storedCode");  // stored with IP on
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("pause");       // the page's pause afterwards
        QTest::newRow("nothing measured") << false << quint16(8) << QList<int>() << true << "60";
        QTest::newRow("same pause") << true << quint16(1) << QList<int>() << true << "60";
        QTest::newRow("declined") << true << quint16(8) << QList<int>{0} << false << "60";
        QTest::newRow("restored") << true << quint16(8) << QList<int>{1} << true << "200";
        QTest::newRow("no such entry") << true << quint16(4) << QList<int>{1, 1} << false << "60";
    }

    void ipOptions()
    {
        QFETCH(bool, measured);
        QFETCH(quint16, storedCode);
        QFETCH(QList<int>, answers);
        QFETCH(bool, result);
        QFETCH(QString, pause);
        woxOptionsWidget options;
        options.pauseDurationComboBox->setCurrentText("60");
        woxSessionFile session = woxSessionFixture::session(3);
        session.units[2].result.options.ipEnabled = true;
        session.units[2].result.options.pauseCode = storedCode;
        session.units[2].result.valid = measured;
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, session));
        woxModalScript script;
        for (int answer : answers)
            script.answer(answer);
        QCOMPARE(model.checkIpOptions(), result);
        QStringList asked;
        if (!answers.isEmpty())
            asked << "woxWarningDialog: IP options were changed since last session. Change back?";
        if (answers.size() > 1)
            asked << "woxWarningDialog: IP options of this session can not be restored";
        QCOMPARE(script.seen, asked);
        QCOMPARE(options.pauseDurationComboBox->currentText(), pause);
        QCOMPARE(options.pauseDurationComboBox->isEnabled(), !measured);
    }

    void gpsPollsUntilAFullFix()
    {
        auto *model = new woxSessionDataModel;
        QVERIFY(woxSessionFixture::load(*model, woxSessionFixture::session(1)));
        QTimer *poll = model->findChild<QTimer *>();
        QVERIFY(!poll->isActive());
        model->onGPS();
        QVERIFY(poll->isActive() && poll->isSingleShot());
        QCOMPARE(poll->interval(), 5000);
        // The pending poll goes with the model.
        delete model;
        woxSessionFile session = woxSessionFixture::session(1);
        session.gpsFix.valid = session.gpsFix.highQuality = true;
        woxSessionDataModel fixed;
        QVERIFY(woxSessionFixture::load(fixed, session));
        fixed.onGPS();
        QVERIFY(!fixed.findChild<QTimer *>()->isActive());
    }
};

QTEST_MAIN(tst_sessionTable)
#include "tst_sessionTable.moc"
