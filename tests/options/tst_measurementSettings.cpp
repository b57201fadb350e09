#include "woxOptionsWidget.h"
#include "woxTranslator.h"

#include <QtTest>

#include <memory>

// The settings record and the duration estimate, read from the registered page.
class tst_measurementSettings : public QObject
{
    Q_OBJECT

private:
    static void choose(QComboBox *list, const QString &text)
    {
        list->setCurrentIndex(list->findText(text));
        QCOMPARE(list->currentText(), text);
    }

    // Every field in order, the deviation scaled to whole hundredths.
    static QList<int> fields(const woxMeasureOptions &o)
    {
        return {o.pulseCode,    o.ipEnabled,   o.pauseCode,          qRound(o.deviation * 100),
                o.minStacking,  o.maxStacking, o.transmitterPercent, o.pulseDuration,
                o.spare1,       o.spare2,      o.spare3};
    }

    static QList<int> estimate()
    {
        int minimum = -1;
        int maximum = -1;
        woxOptionsWidget::measurementDuration(&minimum, &maximum);
        return {minimum, maximum};
    }

private slots:
    void cleanupTestCase() { woxTranslator::destroy(); }

    void codes_data()
    {
        QTest::addColumn<QString>("duration");
        QTest::addColumn<int>("pulseCode");   // -1: not in the pulse list
        QTest::addColumn<bool>("ip");
        QTest::addColumn<int>("pauseCode");
        const QStringList ms = {"20",  "60",   "80",   "100",  "200",  "300",  "400",  "500",
                                "600", "700",  "800",  "900",  "1000", "1200", "1400", "1600",
                                "1800", "2000", "2500", "3000", "3500", "4000"};
        const QList<int> codes = {0,  1,  2,  3,  8,  13, 18, 23,  28,  33,  38,
                                  43, 48, 58, 68, 78, 88, 98, 123, 148, 173, 198};
        for (int i = 0; i < ms.size(); ++i)
            QTest::newRow(qPrintable(ms[i])) << ms[i] << (i < 2 ? -1 : codes[i]) << (i > 0)
                                             << codes[i];
    }

    void codes()
    {
        QFETCH(QString, duration);
        QFETCH(int, pulseCode);
        QFETCH(bool, ip);
        QFETCH(int, pauseCode);
        woxOptionsWidget page;
        if (pulseCode >= 0) {
            choose(page.pulseDurationComboBox, duration);
            QCOMPARE(int(woxOptionsWidget::measurementSettings().pulseCode), pulseCode);
            QCOMPARE(int(woxOptionsWidget::measurementSettings().pulseDuration), duration.toInt());
        }
        choose(page.pauseDurationComboBox, duration);
        woxMeasureOptions options = woxOptionsWidget::measurementSettings();
        QCOMPARE(options.ipEnabled, ip);
        QCOMPARE(int(options.pauseCode), pauseCode);

        // A stored record brings the entry back, also while the list is locked.
        choose(page.pauseDurationComboBox, duration == "500" ? "80" : "500");
        woxOptionsWidget::setPauseDisabled(true);
        QVERIFY(woxOptionsWidget::selectPause(options));
        QCOMPARE(page.pauseDurationComboBox->currentText(), duration);
        QVERIFY(!page.pauseDurationComboBox->isEnabled());
        QCOMPARE(int(woxOptionsWidget::measurementSettings().pauseCode), pauseCode);
    }

    void controlsReachTheRecord()
    {
        woxOptionsWidget page;
        QCOMPARE(fields(woxOptionsWidget::measurementSettings()),
                 QList<int>({2, 0, 0, 100, 3, 5, 25, 80, 20, 20, 20}));
        page.maxStackingSlider->setValue(17);
        page.minStackingSlider->setValue(9);
        page.transmitterDial->setValue(71);
        choose(page.deviationComboBox, "10.0");
        QCOMPARE(fields(woxOptionsWidget::measurementSettings()),
                 QList<int>({2, 0, 0, 1000, 9, 17, 71, 80, 20, 20, 20}));
        choose(page.deviationComboBox, "0.10");
        QCOMPARE(woxOptionsWidget::measurementSettings().deviation, 0.1f);
    }

    void durations_data()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<QString>("pause");
        QTest::addColumn<int>("fewest");
        QTest::addColumn<int>("most");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("80/20") << "80" << "20" << 3 << 5 << QList<int>({905, 1305});
        QTest::newRow("4000/4000") << "4000" << "4000" << 1 << 24 << QList<int>({16305, 384305});
        QTest::newRow("1000/500") << "1000" << "500" << 3 << 10 << QList<int>({9305, 30305});
    }

    void durations()
    {
        QFETCH(QString, pulse);
        QFETCH(QString, pause);
        QFETCH(int, fewest);
        QFETCH(int, most);
        woxOptionsWidget page;
        choose(page.pulseDurationComboBox, pulse);
        choose(page.pauseDurationComboBox, pause);
        page.maxStackingSlider->setValue(most);
        page.minStackingSlider->setValue(fewest);
        QTEST(estimate(), "expected");
    }

    void unknownPauseCodeChangesNothing()
    {
        woxOptionsWidget page;
        choose(page.pauseDurationComboBox, "300");
        woxMeasureOptions stored;
        stored.pauseCode = 4;
        QVERIFY(!woxOptionsWidget::selectPause(stored));
        QCOMPARE(page.pauseDurationComboBox->currentText(), QString("300"));
    }

    void onlyTheFirstPageIsRegistered()
    {
        auto first = std::make_unique<woxOptionsWidget>();
        {
            woxOptionsWidget second;
            choose(second.pulseDurationComboBox, "4000");
            QCOMPARE(int(woxOptionsWidget::measurementSettings().pulseCode), 2);
            woxOptionsWidget::setPauseDisabled(true);
            QVERIFY(second.pauseDurationComboBox->isEnabled());
            QVERIFY(!first->pauseDurationComboBox->isEnabled());
        }
        choose(first->pulseDurationComboBox, "100");
        first->maxStackingSlider->setValue(20);
        QCOMPARE(int(woxOptionsWidget::measurementSettings().pulseCode), 3);
        first.reset();

        QCOMPARE(fields(woxOptionsWidget::measurementSettings()),
                 QList<int>({2, 0, 0, 100, 3, 5, 25, 80, 20, 20, 20}));
        QCOMPARE(estimate(), QList<int>({0, 0}));
        woxOptionsWidget::setPauseDisabled(true);
        QVERIFY(!woxOptionsWidget::selectPause(woxMeasureOptions()));
    }
};

QTEST_MAIN(tst_measurementSettings)
#include "tst_measurementSettings.moc"
