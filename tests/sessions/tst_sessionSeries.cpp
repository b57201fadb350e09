#include "woxSessionDataModel.h"
#include "woxSessionFixture.h"

#include <QLabel>
#include <QSlider>
#include <QtTest>

#include <limits>

namespace {

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

class tst_sessionSeries : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_MAIN(tst_sessionSeries)
#include "tst_sessionSeries.moc"
