#include "woxConstants.h"
#include "woxCore.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxGuiStyle.h"
#include "woxMainWidget.h"
#include "woxOptionsChoice.h"
#include "woxOptionsWidget.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

typedef QList<int> Ints;

// The options page: its form, the stored choices, the read-outs and the
// settings record that measurements read from the registered page.
class tst_optionsPage : public QObject
{
    Q_OBJECT

private:
    static QSettings store() { return QSettings(settingsOrganisation, "woxOptionsWidget"); }
    static QString blue(const QString &text) { return "<font color=BLUE>" + text + "</font>"; }
    static QString volts(const QString &v) { return "<font color=blue>" + v + "</font> V"; }
    static woxMeasureOptions record() { return woxOptionsWidget::measurementSettings(); }

    static void choose(QComboBox *list, const QString &text)
    {
        list->setCurrentIndex(list->findText(text));
        QCOMPARE(list->currentText(), text);
    }

    static QImage image(const QPixmap &pixmap)
    {
        return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    }
    static QImage image(const QLabel *label) { return image(label->pixmap(Qt::ReturnByValue)); }
    static QImage image(const QString &file) { return image(QPixmap(file)); }

    // Every field in order, the deviation in whole hundredths.
    static Ints fields(const woxMeasureOptions &o)
    {
        return {o.pulseCode,   o.ipEnabled,   o.pauseCode,          qRound(o.deviation * 100),
                o.minStacking, o.maxStacking, o.transmitterPercent, o.pulseDuration,
                o.spare1,      o.spare2,      o.spare3};
    }

    static Ints estimate()
    {
        int minimum = -1;
        int maximum = -1;
        woxOptionsWidget::measurementDuration(&minimum, &maximum);
        return {minimum, maximum};
    }

private slots:
    void cleanup()
    {
        store().clear();
        woxTranslator::destroy();
    }

    // Expected after loading: dial, pulse, pause, deviation, minimum, maximum.
    void loading_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *key, const QVariant &v, const char *e) {
            QTest::newRow(name) << QString(key) << v << QString(e);
        };
        row("empty store", "", QVariant(), "25 80 20 1.00 3 5");
        row("dial 150", "transmitterDial", 150, "100 80 20 1.00 3 5");
        row("pulse 10", "pulseDurationComboBox", 10, "25 1000 20 1.00 3 5");
        row("pulse 20", "pulseDurationComboBox", 20, "25 80 20 1.00 3 5");
        row("pause 21", "pauseDurationComboBox", 21, "25 80 4000 1.00 3 5");
        row("pause 22", "pauseDurationComboBox", 22, "25 80 20 1.00 3 5");
        row("deviation 8", "deviationComboBox", 8, "25 80 20 10.0 3 5");
        row("deviation 9", "deviationComboBox", 9, "25 80 20 1.00 3 5");
        row("min 0", "minStackingSlider", 0, "25 80 20 1.00 1 5");
        row("max 30", "maxStackingSlider", 30, "25 80 20 1.00 3 24");
        row("min 10 over max 5", "minStackingSlider", 10, "25 80 20 1.00 5 5");
    }

    void loading()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        if (!key.isEmpty())
            store().setValue(key, stored);
        woxOptionsWidget page;
        const QStringList e = expected.split(' ');
        QCOMPARE(QStringList({QString::number(page.transmitterDial->value()),
                              page.pulseDurationComboBox->currentText(),
                              page.pauseDurationComboBox->currentText(),
                              page.deviationComboBox->currentText(),
                              QString::number(page.minStackingSlider->value()),
                              QString::number(page.maxStackingSlider->value())}), e);
        QCOMPARE(page.minStackingLabel->text(), blue(e[4]));
        QCOMPARE(page.maxStackingLabel->text(), blue(e[5]));
        if (key.isEmpty())
            QCOMPARE(page.transmitterLabel->text(), volts("153"));
    }

    // Every control reaches its own key and its own field of the record.
    void savingAndRecord()
    {
        {
            woxOptionsWidget page;
            QCOMPARE(fields(record()), Ints({2, 0, 0, 100, 3, 5, 25, 80, 20, 20, 20}));
            choose(page.pulseDurationComboBox, "1000");
            choose(page.pauseDurationComboBox, "60");
            choose(page.deviationComboBox, "10.0");
            QCOMPARE(record().deviation, 10.0f);
            choose(page.deviationComboBox, "0.10");
            QCOMPARE(record().deviation, 0.1f);
            choose(page.deviationComboBox, "0.25");
            page.transmitterDial->setValue(61);
            page.maxStackingSlider->setValue(12);
            page.minStackingSlider->setValue(8);
            QCOMPARE(page.transmitterLabel->text(), volts("320"));
            QCOMPARE(fields(record()), Ints({48, 1, 1, 25, 8, 12, 61, 1000, 20, 20, 20}));
            page.saveSettings();
        }
        Ints stored;
        for (const char *key : {"transmitterDial", "pulseDurationComboBox", "pauseDurationComboBox",
                                "deviationComboBox", "minStackingSlider", "maxStackingSlider"})
            stored << store().value(key).toInt();
        QCOMPARE(stored, Ints({61, 10, 1, 1, 8, 12}));
    }

    // Each pulse and pause entry to its code; a stored record brings the
    // pause entry back, also while the list is locked.
    void codes_data()
    {
        QTest::addColumn<QString>("duration");
        QTest::addColumn<int>("code");
        const QStringList ms = QString("20 60 80 100 200 300 400 500 600 700 800 900 1000 1200 "
                                       "1400 1600 1800 2000 2500 3000 3500 4000").split(' ');
        const Ints codes = {0,  1,  2,  3,  8,  13, 18, 23,  28,  33,  38,
                            43, 48, 58, 68, 78, 88, 98, 123, 148, 173, 198};
        for (int i = 0; i < ms.size(); ++i)
            QTest::newRow(qPrintable(ms[i])) << ms[i] << codes[i];
    }

    void codes()
    {
        QFETCH(QString, duration);
        QFETCH(int, code);
        woxOptionsWidget page;
        if (duration.toInt() >= 80) {   // the pulse list starts at 80
            choose(page.pulseDurationComboBox, duration);
            QCOMPARE(Ints({record().pulseCode, record().pulseDuration}),
                     Ints({code, duration.toInt()}));
        }
        choose(page.pauseDurationComboBox, duration);
        const woxMeasureOptions options = record();
        QCOMPARE(Ints({options.ipEnabled, options.pauseCode}), Ints({duration != "20", code}));
        choose(page.pauseDurationComboBox, duration == "500" ? "80" : "500");
        woxOptionsWidget::setPauseDisabled(true);
        QVERIFY(woxOptionsWidget::selectPause(options));
        QCOMPARE(page.pauseDurationComboBox->currentText(), duration);
        QVERIFY(!page.pauseDurationComboBox->isEnabled());
        QCOMPARE(int(record().pauseCode), code);
    }

    // Frequency, labels, mode, pictures and the duration estimate.
    void readouts_data()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<QString>("pause");
        QTest::addColumn<int>("fewest");
        QTest::addColumn<int>("most");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<Ints>("durations");
        QTest::newRow("80/20") << "80" << "20" << 3 << 5 << "5.00" << Ints({905, 1305});
        QTest::newRow("4000/4000") << "4000" << "4000" << 1 << 24 << "0.06"
                                   << Ints({16305, 384305});
        // 3.125 exactly: Qt 5 rounds the half away from zero.
        QTest::newRow("80/80") << "80" << "80" << 3 << 5 << "3.13" << Ints({1265, 1905});
        QTest::newRow("1000/500") << "1000" << "500" << 3 << 10 << "0.33" << Ints({9305, 30305});
    }

    void readouts()
    {
        QFETCH(QString, pulse);
        QFETCH(QString, pause);
        QFETCH(int, fewest);
        QFETCH(int, most);
        woxOptionsWidget page;
        choose(page.pauseDurationComboBox, "2000");
        woxChooseDurations(page, pulse, pause, fewest, most);
        QTEST(page.frequencyLabel->text(), "frequency");
        QTEST(estimate(), "durations");
        const QString p = blue(pulse) + " msec";
        const QString q = blue(pause) + " msec";
        QCOMPARE(QStringList({page.pulsePosLabel->text(), page.pulseNegLabel->text(),
                              page.pausePosLabel->text(), page.pauseNegLabel->text()}),
                 QStringList({p, p, q, q}));
        const bool ip = pause != "20";
        QCOMPARE(page.modeLabel->text(),
                 ip ? blue("RESISTIVITY") + " + " + blue("IP") : blue("RESISTIVITY"));
        const QString kind = ":/pulses/pulses/" + QString(ip ? "resIp" : "res");
        QCOMPARE(image(page.posPixLabel), image(kind + "Pos.png"));
        QCOMPARE(image(page.negPixLabel), image(kind + "Neg.png"));
    }

    void voltage()
    {
        woxOptionsWidget page;
        const Ints levels = {0, 1, 8, 24, 25, 50, 99, 100, -5, 150};
        const QStringList shown = QString("38 42 75 149 153 269 495 500 38 500").split(' ');
        for (int i = 0; i < levels.size(); ++i) {
            QMetaObject::invokeMethod(&page, "onTransmitterLabelUpdate", Q_ARG(int, levels[i]));
            QCOMPARE(page.transmitterLabel->text(), volts(shown[i]));
        }
    }

    // Only the first page is registered; without one the statics fall back.
    void registration()
    {
        auto first = std::make_unique<woxOptionsWidget>();
        choose(first->pauseDurationComboBox, "300");
        woxMeasureOptions unknown;
        unknown.pauseCode = 4;
        QVERIFY(!woxOptionsWidget::selectPause(unknown));
        QCOMPARE(first->pauseDurationComboBox->currentText(), QString("300"));
        {
            woxOptionsWidget second;
            choose(second.pulseDurationComboBox, "4000");
            QCOMPARE(int(record().pulseCode), 2);
            woxOptionsWidget::setPauseDisabled(true);
            QVERIFY(second.pauseDurationComboBox->isEnabled());
            QVERIFY(!first->pauseDurationComboBox->isEnabled());
        }
        choose(first->pulseDurationComboBox, "100");
        QCOMPARE(int(record().pulseCode), 3);
        first.reset();
        QCOMPARE(fields(record()), Ints({2, 0, 0, 100, 3, 5, 25, 80, 20, 20, 20}));
        QCOMPARE(estimate(), Ints({0, 0}));
        woxOptionsWidget::setPauseDisabled(true);
        QVERIFY(!woxOptionsWidget::selectPause(woxMeasureOptions()));
    }

    void grabs()
    {
        // English and Russian pictures of the OPTIONS tab, written to
        // WOX_SCREENSHOT_DIR (docs/ for the English one), else here.
        const QString folder = qEnvironmentVariable("WOX_SCREENSHOT_DIR", QDir::currentPath());
        woxFakeCommandRunner runner;
        woxFakeClock clock(QDateTime(QDate(2024, 3, 9), QTime(7, 5)));
        QFont font;
        font.setPixelSize(15);
        QApplication::setFont(font);
        QApplication::setStyle(new woxGuiStyle());
        {
            woxMainWidget window;
            window.setWindowTitle("T-Orb");
            window.tabWidget->setCurrentIndex(1);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(window.grab().save(folder + "/options.png"));
            woxTranslator::instance()->setLanguage("Ru");
            // The longer captions are laid out by posted events.
            QCoreApplication::processEvents();
            QVERIFY(window.grab().save(folder + "/options-ru.png"));
        }
        woxCore::destroy();
        woxUserMessage::destroy();
        woxWarningDialog::closeInstance();
    }
};

QTEST_MAIN(tst_optionsPage)
#include "tst_optionsPage.moc"
