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

private slots:
    void cleanupTestCase() { woxTranslator::destroy(); }

    void pulseCodes_data()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<int>("code");
        const QStringList pulses = {"80", "100", "200", "300", "400", "500", "600", "700", "800",
                                    "900", "1000", "1200", "1400", "1600", "1800", "2000",
                                    "2500", "3000", "3500", "4000"};
        const QList<int> codes = {2,  3,  8,  13, 18, 23, 28,  33,  38,  43,
                                  48, 58, 68, 78, 88, 98, 123, 148, 173, 198};
        for (int i = 0; i < pulses.size(); ++i)
            QTest::newRow(qPrintable(pulses[i])) << pulses[i] << codes[i];
    }

    void pulseCodes()
    {
        QFETCH(QString, pulse);
        QFETCH(int, code);
        woxOptionsWidget page;
        choose(page.pulseDurationComboBox, pulse);
        const woxMeasureOptions options = woxOptionsWidget::measurementSettings();
        QCOMPARE(int(options.pulseCode), code);
        QCOMPARE(int(options.pulseDuration), pulse.toInt());
        QCOMPARE(options.ipEnabled, false);
    }

    void pauseCodesAndSelection_data()
    {
        QTest::addColumn<QString>("pause");
        QTest::addColumn<bool>("ip");
        QTest::addColumn<int>("code");
        QTest::newRow("20") << "20" << false << 0;
        const QStringList pauses = {"60",  "80",   "100",  "200",  "300",  "400",  "500",
                                    "600", "700",  "800",  "900",  "1000", "1200", "1400",
                                    "1600", "1800", "2000", "2500", "3000", "3500", "4000"};
        const QList<int> codes = {1,  2,  3,  8,  13, 18, 23,  28,  33,  38, 43,
                                  48, 58, 68, 78, 88, 98, 123, 148, 173, 198};
        for (int i = 0; i < pauses.size(); ++i)
            QTest::newRow(qPrintable(pauses[i])) << pauses[i] << true << codes[i];
    }

    void pauseCodesAndSelection()
    {
        QFETCH(QString, pause);
        QFETCH(bool, ip);
        QFETCH(int, code);
        woxOptionsWidget page;
        choose(page.pauseDurationComboBox, pause);
        woxMeasureOptions options = woxOptionsWidget::measurementSettings();
        QCOMPARE(options.ipEnabled, ip);
        QCOMPARE(int(options.pauseCode), code);
        QCOMPARE(int(options.pulseCode), 2);

        // A stored record brings the entry back, also while the list is locked.
        choose(page.pauseDurationComboBox, pause == "500" ? "80" : "500");
        woxOptionsWidget::setPauseDisabled(true);
        QVERIFY(woxOptionsWidget::selectPause(options));
        QCOMPARE(page.pauseDurationComboBox->currentText(), pause);
        QVERIFY(!page.pauseDurationComboBox->isEnabled());
        QCOMPARE(int(woxOptionsWidget::measurementSettings().pauseCode), code);
    }

    void defaultPageGivesTheDefaultRecord()
    {
        woxOptionsWidget page;
        const woxMeasureOptions options = woxOptionsWidget::measurementSettings();
        QCOMPARE(int(options.pulseCode), 2);
        QCOMPARE(options.ipEnabled, false);
        QCOMPARE(int(options.pauseCode), 0);
        QCOMPARE(options.deviation, 1.0f);
        QCOMPARE(int(options.minStacking), 3);
        QCOMPARE(int(options.maxStacking), 5);
        QCOMPARE(int(options.transmitterPercent), 25);
        QCOMPARE(int(options.pulseDuration), 80);
        QCOMPARE(QList<int>({options.spare1, options.spare2, options.spare3}),
                 QList<int>({20, 20, 20}));
    }

    void controlsReachTheRecord()
    {
        woxOptionsWidget page;
        page.maxStackingSlider->setValue(17);
        page.minStackingSlider->setValue(9);
        page.transmitterDial->setValue(71);
        choose(page.deviationComboBox, "10.0");
        woxMeasureOptions options = woxOptionsWidget::measurementSettings();
        QCOMPARE(int(options.minStacking), 9);
        QCOMPARE(int(options.maxStacking), 17);
        QCOMPARE(int(options.transmitterPercent), 71);
        QCOMPARE(options.deviation, 10.0f);
        choose(page.deviationComboBox, "0.10");
        QCOMPARE(woxOptionsWidget::measurementSettings().deviation, 0.1f);
    }

    void durations_data()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<QString>("pause");
        QTest::addColumn<int>("fewest");
        QTest::addColumn<int>("most");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("80/20") << "80" << "20" << 3 << 5 << 905 << 1305;
        QTest::newRow("4000/4000") << "4000" << "4000" << 1 << 24 << 16305 << 384305;
        QTest::newRow("1000/500") << "1000" << "500" << 3 << 10 << 9305 << 30305;
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
        int minimum = -1;
        int maximum = -1;
        woxOptionsWidget::measurementDuration(&minimum, &maximum);
        QTEST(minimum, "minimum");
        QTEST(maximum, "maximum");
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
            second.maxStackingSlider->setValue(20);
            QCOMPARE(int(woxOptionsWidget::measurementSettings().pulseCode), 2);
            woxOptionsWidget::setPauseDisabled(true);
            QVERIFY(second.pauseDurationComboBox->isEnabled());
            QVERIFY(!first->pauseDurationComboBox->isEnabled());
        }
        choose(first->pulseDurationComboBox, "100");
        QCOMPARE(int(woxOptionsWidget::measurementSettings().pulseCode), 3);
        first.reset();

        // Without a page: the default record, no duration, no selection.
        const woxMeasureOptions options = woxOptionsWidget::measurementSettings();
        QCOMPARE(int(options.pulseCode), 2);
        QCOMPARE(int(options.maxStacking), 5);
        int minimum = -1;
        int maximum = -1;
        woxOptionsWidget::measurementDuration(&minimum, &maximum);
        QCOMPARE(minimum, 0);
        QCOMPARE(maximum, 0);
        woxOptionsWidget::setPauseDisabled(true);
        QVERIFY(!woxOptionsWidget::selectPause(options));
    }
};

QTEST_MAIN(tst_measurementSettings)
#include "tst_measurementSettings.moc"
