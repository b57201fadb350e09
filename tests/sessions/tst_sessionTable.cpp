#include "woxCoreDouble.h"
#include "woxModalScript.h"
#include "woxOptionsWidget.h"
#include "woxSessionDataModel.h"
#include "woxSessionFixture.h"
#include "woxTranslator.h"

#include <QBrush>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <limits>

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


QString points(const QVector<QPointF> &xy)
{
    QStringList texts;
    for (const QPointF &p : xy)
        texts << QString("%1:%2").arg(p.x()).arg(p.y());
    return texts.join(' ');
}

template <typename T>
QString numbers(const QVector<T> &values)
{
    QStringList texts;
    for (T value : values)
        texts << QString::number(value);
    return texts.join(' ');
}

// Every series the model emits, one line each: "S" pseudo-section, "C" all
// curve points, "W" the points at the slider.
QStringList *record(woxSessionDataModel &model)
{
    auto *log = new QStringList;
    QObject::connect(&model, &QObject::destroyed, [log] { delete log; });
    QObject::connect(&model,
                     QOverload<QVector<QPointF>, QVector<float>, QVector<quint32>>::of(
                         &woxSessionDataModel::sendPlotUpdate),
                     [log](QVector<QPointF> xy, QVector<float> f, QVector<quint32> idx) {
                         *log << "S " + points(xy) + " f " + numbers(f) + " i " + numbers(idx);
                     });
    QObject::connect(&model,
                     QOverload<QVector<QPointF>, QVector<quint32>>::of(
                         &woxSessionDataModel::sendPlotUpdate),
                     [log](QVector<QPointF> xy, QVector<quint32> idx) {
                         *log << "C " + points(xy) + " i " + numbers(idx);
                     });
    QObject::connect(&model,
                     QOverload<QVector<QPointF>>::of(&woxSessionDataModel::sendPlotUpdate),
                     [log](QVector<QPointF> xy) { *log << "W " + points(xy); });
    return log;
}

// Rows 0 and 2 measured in set 0, row 1 not measured, row 3 measured in set 1 only.
woxSessionFile fourRows(bool measured = true)
{
    woxSessionFile session = woxSessionFixture::session(4);
    session.sets << woxSetInfo(4, 1);
    session.summary.setDepths << 30.0f;
    session.units[3].sets = 2;
    if (measured) {
        woxSessionFixture::measure(&session, 0, -20.0f, 4.0f, -3.0f);
        woxSessionFixture::measure(&session, 2, 10.0f, 4.0f, 1.5f);
        woxSessionFixture::measure(&session, 3, 10.0f, 4.0f, 1.5f);
    }
    return session;
}

struct woxSliderScreen
{
    explicit woxSliderScreen(woxSessionDataModel &model)
    {
        model.setMsrCenterDepthHeaderLabel(&header);
        model.setMsrCenterDepthDimensionLabel(&dimension);
        model.setMsrCenterDepthValueLabel(&value);
        model.setMsrCenterDepthWidget(&slider);
    }
    QLabel header, dimension, value;
    QSlider slider;
};

} // namespace

// The session model: table cells, runs out and results in, options, GPS and
// the plot series with the centre/depth slider.
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

    void series_data()
    {
        QTest::addColumn<bool>("measured");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("emitted");
        QTest::newRow("section") << true << 0 << 0 << QStringList{"S 0:2.5 5:2.5 f 50 25 i 0 2"};
        QTest::newRow("sounding, chargeability")
            << true << 1 << 1 << QStringList{"C 2.5:3 2.5:1.5 i 0 2", "W 2.5:3"};
        QTest::newRow("profile") << true << 2 << 0 << QStringList{"C 0:50 5:25 i 0 2", "W "};
        QTest::newRow("section, nothing measured") << false << 0 << 0 << QStringList{"S  f  i "};
        QTest::newRow("sounding, nothing measured") << false << 1 << 0 << QStringList{"C  i ", "W "};
        QTest::newRow("no such kind") << true << 3 << 0 << QStringList();
    }

    void series()
    {
        QFETCH(bool, measured);
        QFETCH(int, kind);
        QFETCH(int, mode);
        QFETCH(QStringList, emitted);
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, fourRows(measured)));
        model.setPlotKind(quint8(kind));
        model.setMode(quint8(mode));
        QStringList *log = record(model);
        model.updatePlots();
        QCOMPARE(*log, emitted);
        // A deleted measurement leaves the plots at once.
        log->clear();
        model.onRowDelete(0);
        if (kind == 0 && measured)
            QCOMPARE(log->first(), QString("S 5:2.5 f 25 i 2"));
    }

    void sliderWindows_data()
    {
        QTest::addColumn<float>("spacing");
        QTest::addColumn<QString>("atSlider");
        QTest::newRow("spacing 5") << 5.0f << "W 2.5:3";
        QTest::newRow("negative spacing") << -5.0f << "W 2.5:3";
        QTest::newRow("no spacing") << 0.0f << "W ";
    }

    void sliderWindows()
    {
        QFETCH(float, spacing);
        QFETCH(QString, atSlider);
        woxSessionFile session = fourRows();
        session.summary.cableSpacing = spacing;
        session.units[0].x = 7.5f;   // |7.5 - 10 + 0.01| = 2.49: in
        session.units[2].x = 12.5f;  // 2.51: out
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, session));
        woxSliderScreen screen(model);
        model.setMode(1);
        model.setPlotKind(1);
        QStringList *log = record(model);
        screen.slider.setValue(100);
        QCOMPARE(*log, QStringList(atSlider));
        QCOMPARE(screen.value.text(), QString("<font color=blue>10.0</font>"));
        QCOMPARE(screen.header.text(), QString("Measurement center:"));
        QCOMPARE(screen.dimension.text(), QString("m"));
        screen.slider.setValue(123);
        QCOMPARE(screen.value.text(), QString("<font color=blue>12.3</font>"));
        // The centre survives a change of plot kind, to the tenth.
        screen.slider.setValue(7);
        model.setPlotKind(2);
        model.setPlotKind(1);
        QCOMPARE(screen.slider.value(), 7);
    }

    void sliderRange()
    {
        woxSessionFile session = fourRows();
        session.units[3].y = 2.5f;
        session.summary.profileLength = 1e30f;
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, session));
        woxSliderScreen screen(model);
        model.setPlotKind(1);
        QCOMPARE(screen.slider.maximum(), std::numeric_limits<int>::max());
        model.setPlotKind(2);
        model.onCurrentSetChange(5);   // the last set, 30 m deep
        QCOMPARE(screen.slider.maximum(), 300);
        QCOMPARE(screen.header.text(), QString("Pseudo depth:"));
        screen.slider.setValue(100);
        QStringList *log = record(model);
        model.onCurrentSetChange(-1);  // set 0, 2.5 m deep: the slider follows
        QCOMPARE(screen.slider.maximum(), 25);
        QCOMPARE(screen.slider.value(), 25);
        QCOMPARE(screen.value.text(), QString("<font color=blue>2.5</font>"));
        QCOMPARE(log->first(), QString("W 0:50 5:25"));
        model.setPlotKind(0);
        QCOMPARE(screen.slider.maximum(), 25);
        QCOMPARE(screen.header.text(), QString("Pseudo depth:"));
    }

    void missingSetDepthCountsAsZero()
    {
        woxSessionFile session = fourRows();
        session.summary.setDepths.clear();
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, session));
        woxSliderScreen screen(model);
        model.setPlotKind(2);
        model.onCurrentSetChange(1);
        QCOMPARE(screen.slider.maximum(), 0);
        QCOMPARE(screen.slider.value(), 0);
    }
};

QTEST_MAIN(tst_sessionTable)
#include "tst_sessionTable.moc"
