#include "woxConstants.h"
#include "woxCore.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxGuiStyle.h"
#include "woxMainWidget.h"
#include "woxOptionsWidget.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QSettings>
#include <QtTest>

typedef QList<int> Ints;

namespace {

QSettings store() { return QSettings(settingsOrganisation, "woxOptionsWidget"); }
QString blue(const QString &text) { return "<font color=BLUE>" + text + "</font>"; }

// The record every measurement reads, field by field (the deviation in
// hundredths), then the duration estimate at the fewest and most cycles.
Ints record()
{
    const woxMeasureOptions o = woxOptionsWidget::measurementSettings();
    int minimum = -1, maximum = -1;
    woxOptionsWidget::measurementDuration(&minimum, &maximum);
    return {o.pulseCode,  o.ipEnabled, o.pauseCode, qRound(o.deviation * 100), o.minStacking,
            o.maxStacking, o.transmitterPercent, o.pulseDuration, o.spare1, o.spare2, o.spare3,
            minimum, maximum};
}

} // namespace

// The options page: stored choices, read-outs, and the settings record that
// measurements read from the first page built.
class tst_optionsPage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        store().clear();
        woxTranslator::destroy();
    }

    // Defaults; indexes past their list (20 for the pulse, 9 for the
    // deviation) load the defaults, the last pulse index loads; a stored
    // minimum above the maximum is pulled down to it on both labels.
    void loading()
    {
        const auto shown = [](const woxOptionsWidget &p) {
            return QStringList({QString::number(p.transmitterDial->value()),
                                p.pulseDurationComboBox->currentText(), p.pauseDurationComboBox->currentText(),
                                p.deviationComboBox->currentText(), p.transmitterLabel->text(),
                                p.minStackingLabel->text(), p.maxStackingLabel->text()}).join(' ');
        };
        const QString defaults = "25 80 20 1.00 <font color=blue>153</font> V ";
        QCOMPARE(shown(woxOptionsWidget()), defaults + blue("3") + " " + blue("5"));
        {   // each cycle button steps its own slider by one
            woxOptionsWidget page;
            page.incMinStackingToolButton->click();
            page.decMaxStackingToolButton->click();
            QCOMPARE(shown(page), defaults + blue("4") + " " + blue("4"));
            page.decMinStackingToolButton->click();
            page.incMaxStackingToolButton->click();
            QCOMPARE(shown(page), defaults + blue("3") + " " + blue("5"));
        }
        store().setValue("pulseDurationComboBox", 20);
        store().setValue("deviationComboBox", 9);
        store().setValue("minStackingSlider", 10);
        store().setValue("maxStackingSlider", 5);
        QCOMPARE(shown(woxOptionsWidget()), defaults + blue("5") + " " + blue("5"));
        store().setValue("pulseDurationComboBox", 19);
        QCOMPARE(woxOptionsWidget().pulseDurationComboBox->currentText(), QString("4000"));
    }

    // Every control reaches its own key, field and read-out (pause 60 is the
    // first with IP); only the first page built is read, without one the
    // record's defaults; a new page reads back what the last one saved.
    void savingAndRecord()
    {
        const Ints chosen = {48, 1, 1, 25, 8, 12, 61, 1000, 20, 20, 20, 17265, 25745};
        auto page = std::make_unique<woxOptionsWidget>();
        QCOMPARE(record(), Ints({2, 0, 0, 100, 3, 5, 25, 80, 20, 20, 20, 905, 1305}));
        page->pulseDurationComboBox->setCurrentText("1000");
        page->pauseDurationComboBox->setCurrentText("60");
        page->deviationComboBox->setCurrentText("0.25");
        page->transmitterDial->setValue(61);
        page->maxStackingSlider->setValue(12);
        page->minStackingSlider->setValue(8);
        woxOptionsWidget second;
        second.pulseDurationComboBox->setCurrentText("4000");
        QCOMPARE(record(), chosen);
        QCOMPARE(page->frequencyLabel->text(), QString("0.47"));
        QCOMPARE(page->modeLabel->text(), blue("RESISTIVITY") + " + " + blue("IP"));
        page->saveSettings();
        Ints stored;
        for (const char *key : {"transmitterDial", "pulseDurationComboBox", "pauseDurationComboBox",
                                "deviationComboBox", "minStackingSlider", "maxStackingSlider"})
            stored << store().value(key).toInt();
        QCOMPARE(stored, Ints({61, 10, 1, 1, 8, 12}));
        page.reset();
        QCOMPARE(record(), Ints({2, 0, 0, 100, 3, 5, 25, 80, 20, 20, 20, 0, 0}));
        QVERIFY(!woxOptionsWidget::selectPause(woxMeasureOptions()));
        woxOptionsWidget again;
        QCOMPARE(record(), chosen);
    }

    // The OPTIONS tab's picture, written to WOX_SCREENSHOT_DIR (docs/), else here.
    void grabs()
    {
        const QString folder = qEnvironmentVariable("WOX_SCREENSHOT_DIR", QDir::currentPath());
        woxFakeCommandRunner runner;
        woxFakeClock clock(QDateTime(QDate(2024, 3, 9), QTime(7, 5)));
        QFont font;
        font.setPixelSize(15);
        QApplication::setFont(font);
        QApplication::setStyle(new woxGuiStyle());
        {
            woxMainWidget window;
            window.tabWidget->setCurrentIndex(1);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(window.grab().save(folder + "/options.png"));
        }
        woxCore::destroy();
        woxUserMessage::destroy();
        woxWarningDialog::closeInstance();
    }
};

QTEST_MAIN(tst_optionsPage)
#include "tst_optionsPage.moc"
