#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxOptionsWidget.h"
#include "woxFreshStart.h"
#include "woxScreenState.h"
#include "woxTranslator.h"

#include <QSettings>
#include <QtTest>

namespace {

QSettings store() { return QSettings(settingsOrganisation, "woxOptionsWidget"); }

// The named widgets' values without names and colours ('!' still marks a disabled one), the blue value markup
// as {..}; for names ending in a blank, then the pulse pictures that the two halves of the diagram show.
QString shown(const woxOptionsWidget &page, const QString &names)
{
    QString out = woxScreenState(&page, names).replace(QRegularExpression("(^|\\| )([!~]*)\\w+:"), "\\1\\2")
                      .remove(QRegularExpression("\\{([^{}]|\\{[^{}]*\\})*\\}"))
                      .replace(QRegularExpression("<font color=(BLUE|blue)>"), "{").replace("</font>", "}");
    for (const QLabel *half : {page.posPixLabel, page.negPixLabel})
        for (const QString picture : {"resPos", "resNeg", "resIpPos", "resIpNeg"})
            if (names.endsWith(' ')
                && half->pixmap(Qt::ReturnByValue).toImage() == QPixmap(":/pulses/pulses/" + picture + ".png").toImage())
                out += " " + picture;
    return out;
}

// Does each of the actions separated by blanks: "name=value" sets the list, slider or dial whose name starts
// so, "name" clicks the button; then the record every measurement hands the core, and the duration estimate at
// the fewest and most cycles.
QString record(woxOptionsWidget *page = nullptr, const QString &actions = QString())
{
    for (const QString &action : actions.split(' ', Qt::SkipEmptyParts)) {
        QWidget *w = page->findChildren<QWidget *>(QRegularExpression("^" + action.section('=', 0, 0)
                                                                      + "\\w*(ComboBox|Slider|Dial|Button)$")).value(0);
        if (!w)
            return "no widget for " + action;   // fails the comparison with its name
        if (auto list = qobject_cast<QComboBox *>(w))
            list->setCurrentText(action.section('=', 1));
        else if (auto slider = qobject_cast<QAbstractSlider *>(w))
            slider->setValue(action.section('=', 1).toInt());
        else
            static_cast<QAbstractButton *>(w)->click();
    }
    woxCoreDouble::Request request;
    request.kind = woxCoreDouble::VES, request.options = woxOptionsWidget::measurementSettings();
    int minimum = -1, maximum = -1;
    woxOptionsWidget::measurementDuration(&minimum, &maximum);
    return woxCoreDouble::line(request) + QString(" %1 %2").arg(minimum).arg(maximum);
}

} // namespace

// The options page: read-outs, stored choices and the settings record that every measurement reads.
class tst_optionsPage : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY2(woxFreshStart::reset(), "a private environment"); }

    void cleanup() { store().clear(), QSettings(settingsOrganisation, "woxTranslator").clear(), woxTranslator::destroy(); }

    // Read-outs and pulse pictures for each choice of pulse, pause and transmitter level (out of range only by a
    // direct call); then the captions and the read-outs' words in Russian.
    void readOutsAndTexts()
    {
        woxOptionsWidget page;
        QCOMPARE(page.modeLabel->text() + page.transmitterLabel->text() + page.minStackingLabel->text(),
                 "<font color=BLUE>RESISTIVITY</font><font color=blue>153</font> V<font color=BLUE>3</font>");
        const QStringList rows = {
            "80 20 0", "5.00 | {RESISTIVITY} | {38} V resPos resNeg", "100 20 1", "4.17 | {RESISTIVITY} | {42} V resPos resNeg",
            "80 60 8", "3.57 | {RESISTIVITY} + {IP} | {75} V resIpPos resIpNeg",
            "4000 4000 100", "0.06 | {RESISTIVITY} + {IP} | {500} V resIpPos resIpNeg",
            "200 300 -5", "1.00 | {RESISTIVITY} + {IP} | {38} V resIpPos resIpNeg",
            "1000 2000 150", "0.17 | {RESISTIVITY} + {IP} | {500} V resIpPos resIpNeg",
            "80 80 24", "3.13 | {RESISTIVITY} + {IP} | {149} V resIpPos resIpNeg",   // 3.125: the half rounds up
            "1000 500 50", "0.33 | {RESISTIVITY} + {IP} | {269} V resIpPos resIpNeg",
            "2000 4000 1", "0.08 | {RESISTIVITY} + {IP} | {42} V resIpPos resIpNeg",
            "500 400 99", "0.56 | {RESISTIVITY} + {IP} | {495} V resIpPos resIpNeg",
        };
        for (int i = 0; i < rows.size(); i += 2) {
            const QStringList c = rows[i].split(' ');
            record(&page, QString("pulse=%1 pause=%2 transmitter=%3").arg(c[0], c[1], c[2]));
            if (c[2].toInt() != qBound(0, c[2].toInt(), 100))
                QMetaObject::invokeMethod(&page, "onTransmitterLabelUpdate", Q_ARG(int, c[2].toInt()));
            QCOMPARE(shown(page, "pulsePosLabel pulseNegLabel pausePosLabel pauseNegLabel frequencyLabel modeLabel "
                                 "transmitterLabel "),
                     QString("{%1} msec | {%1} msec | {%2} msec | {%2} msec | ").arg(c[0], c[1]) + rows[i + 1]);
        }
        woxTranslator::instance()->setLanguage("Ru");
        QCOMPARE(shown(page, "_pulseDurationLabel _pauseDurationLabel _frequencyLabel _modeLabel _deviationLabel "
                             "_minStackingLabel _maxStackingLabel pulsePosLabel modeLabel transmitterLabel") + " | "
                     + page.pulsesGroupBox->title() + ", " + page.qualityGroupBox->title() + ", "
                     + page.transmitterVoltageGroupBox->title(),
                 "Длительность импульса [мс]: | Длительность паузы [мс]: | Частота [Гц]: | Режим: | Отн. стандартное "
                 "отклонение [%]: | Минимум циклов: | Максимум циклов: | {500} мс | {УЭС} + {ВП} | {495} В | Импульсы, "
                 "Качество, Напряжение генератора");
    }

    // Each duration's entry: the pulse code and duration sent (the pulse list starts at 80: 20 and 60 leave 80),
    // IP and the pause code; the record's pause code brings its entry back while the list is locked.
    void durationCodes_data()
    {
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("expected");
        QTest::newRow("20") << "20" << "pulse 2 80, ip 0, pause 0, back !20";
        QTest::newRow("60") << "60" << "pulse 2 80, ip 1, pause 1, back !60";
        const QStringList codes = QString("80 2 100 3 200 8 300 13 400 18 500 23 600 28 700 33 800 38 900 43 1000 48 "
                                          "1200 58 1400 68 1600 78 1800 88 2000 98 2500 123 3000 148 3500 173 "
                                          "4000 198").split(' ');
        for (int i = 0; i < codes.size(); i += 2)
            QTest::newRow(qPrintable(codes[i])) << codes[i] << QString("pulse %2 %1, ip 1, pause %2, back !%1")
                                                                  .arg(codes[i], codes[i + 1]);
    }

    void durationCodes()
    {
        QFETCH(QString, duration);
        woxOptionsWidget page;
        page.pulseDurationComboBox->setCurrentText(duration);
        page.pauseDurationComboBox->setCurrentText(duration);
        const woxMeasureOptions sent = woxOptionsWidget::measurementSettings();
        page.pauseDurationComboBox->setCurrentText(duration == "500" ? "80" : "500");
        woxOptionsWidget::setPauseDisabled(true);
        const bool back = woxOptionsWidget::selectPause(sent);
        QTEST(QString("pulse %1 %2, ip %3, pause %4, back ").arg(sent.pulseCode).arg(sent.pulseDuration)
                  .arg(sent.ipEnabled).arg(sent.pauseCode) + (back ? shown(page, "pauseDurationComboBox") : "none"),
              "expected");
    }

    // A stored value out of its range or not a number: the dial and sliders clamp (text reads 0), a list index
    // past its list loads the default, the last one loads.
    void storedChoices_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");   // dial, pulse, pause, deviation, cycles, their labels, volts
        const QString defaults = "25 | 80 | 20 | 1.00 | 3 | 5 | {3} | {5} | {153} V";
        const QStringList rows = {
            "", defaults, "transmitterDial=150", "100 | 80 | 20 | 1.00 | 3 | 5 | {3} | {5} | {500} V",
            "transmitterDial=high", "0 | 80 | 20 | 1.00 | 3 | 5 | {3} | {5} | {38} V",
            "pulseDurationComboBox=10", "25 | 1000 | 20 | 1.00 | 3 | 5 | {3} | {5} | {153} V",
            "pulseDurationComboBox=-1", defaults, "pauseDurationComboBox=21", "25 | 80 | 4000 | 1.00 | 3 | 5 | {3} | {5} | {153} V",
            "pauseDurationComboBox=22", defaults, "deviationComboBox=8", "25 | 80 | 20 | 10.0 | 3 | 5 | {3} | {5} | {153} V",
            "deviationComboBox=0", "25 | 80 | 20 | 0.10 | 3 | 5 | {3} | {5} | {153} V", "deviationComboBox=99", defaults,
            "minStackingSlider=0", "25 | 80 | 20 | 1.00 | 1 | 5 | {1} | {5} | {153} V",
            "minStackingSlider=x", "25 | 80 | 20 | 1.00 | 1 | 5 | {1} | {5} | {153} V",
            "maxStackingSlider=30", "25 | 80 | 20 | 1.00 | 3 | 24 | {3} | {24} | {153} V",
            "maxStackingSlider=2", "25 | 80 | 20 | 1.00 | 2 | 2 | {2} | {2} | {153} V",
        };
        for (int i = 0; i < rows.size(); i += 2)
            QTest::newRow(rows[i].isEmpty() ? "none" : qPrintable(rows[i])) << rows[i] << rows[i + 1];
    }

    void storedChoices()
    {
        QFETCH(QString, stored);
        if (!stored.isEmpty()) {
            const QString value = stored.section('=', 1);
            store().setValue(stored.section('=', 0, 0), value.contains(QRegularExpression("[a-z]")) ? QVariant(value)
                                                                                                 : QVariant(value.toInt()));
        }
        QTEST(shown(woxOptionsWidget(), "transmitterDial pulseDurationComboBox pauseDurationComboBox deviationComboBox "
                                        "minStackingSlider maxStackingSlider minStackingLabel maxStackingLabel "
                                        "transmitterLabel"), "expected");
    }

    // The form's colours: blue and black texts turn grey (120, 120, 120) when disabled; the dial's highlight is
    // clear until it is disabled, its face always (170, 170, 255); only the first page built takes the pause lock.
    void coloursAndLock()
    {
        woxOptionsWidget page, second;
        const auto colours = [&page] {
            QStringList out;
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled})
                out << page.pauseDurationComboBox->palette().color(group, QPalette::Text).name()
                    << page.pulsesGroupBox->palette().color(group, QPalette::WindowText).name()
                    << page._pulseDurationLabel->palette().color(group, QPalette::WindowText).name()
                    << page.transmitterDial->palette().color(group, QPalette::Highlight).name(QColor::HexArgb)
                    << page.transmitterDial->palette().color(group, QPalette::Button).name();
            return out.join(' ');
        };
        woxOptionsWidget::setPauseDisabled(true);
        QCOMPARE(colours() + QString(" | %1 %2").arg(page.pauseDurationComboBox->isEnabled())
                     .arg(second.pauseDurationComboBox->isEnabled()),
                 QString("#0000ff #0000ff #000000 #00000000 #aaaaff #787878 #787878 #787878 #ff3399ff #aaaaff | 0 1"));
    }

    // Cycle buttons step their own slider within 1..24, neither slider passes the other. The record of each choice
    // (pause 60 is the first with IP); a stored pause code picks its entry, an unknown one (4) nothing, also while
    // locked. Only the first page built is read; a new page reads what the last saved. Stored indexes past their
    // list load the defaults, the last one loads; a stored minimum above the maximum is pulled down to it.
    void cyclesAndRecord()
    {
        auto page = std::make_unique<woxOptionsWidget>();
        const QString cycles = "minStackingSlider maxStackingSlider minStackingLabel maxStackingLabel";
        QStringList steps;
        for (const char *step : {"incMin", "incMin", "incMin", "decMax", "decMin", "incMax", "max=24", "incMax", "min=7",
                                 "max=3", "min=1", "decMin"})
            steps << (record(page.get(), step), shown(*page, cycles).remove("| "));
        QCOMPARE(steps.join(", "), QString("4 5 {4} {5}, 5 5 {5} {5}, 5 5 {5} {5}, 5 5 {5} {5}, 4 5 {4} {5}, "
                                           "4 6 {4} {6}, 4 24 {4} {24}, 4 24 {4} {24}, 7 24 {7} {24}, 7 7 {7} {7}, "
                                           "1 7 {1} {7}, 1 7 {1} {7}"));
        const QStringList rows = {
            "max=5 min=3 transmitter=25", "VES o(2 0 0 1 3 5 25 80) 905 1305",
            "pulse=4000 pause=4000 deviation=10.0 max=24 min=1 transmitter=0", "VES o(198 1 198 10 1 24 0 4000) 16305 384305",
            "pulse=80 pause=60 deviation=0.10 max=5 min=3 transmitter=100", "VES o(2 1 1 0.1 3 5 100 80) 1145 1705",
            "pulse=1000 pause=80 deviation=0.25 max=12 min=8 transmitter=61", "VES o(48 1 2 0.25 8 12 61 1000) 17585 26225",
        };
        for (int i = 0; i < rows.size(); i += 2)
            QCOMPARE(record(page.get(), rows[i]), rows[i + 1]);
        QStringList picked;
        for (int code : {4, 1, 198, 0, -1, 1, 4}) {
            woxMeasureOptions stored;
            stored.pauseCode = quint16(code);
            code < 0 ? woxOptionsWidget::setPauseDisabled(true) : void(woxOptionsWidget::selectPause(stored));
            picked << shown(*page, "pauseDurationComboBox");
        }
        QCOMPARE(picked.join(", "), QString("80, 60, 4000, 20, !20, !60, !60"));
        const QString chosen = "VES o(48 1 1 0.25 8 12 61 1000) 17265 25745";
        woxOptionsWidget second;
        QCOMPARE(record(&second, "pulse=4000"), chosen);
        page->saveSettings();
        QStringList keys;
        for (const QString &key : store().allKeys())
            keys << key + "=" + store().value(key).toString();
        QCOMPARE(keys.join(' '), QString("deviationComboBox=1 maxStackingSlider=12 minStackingSlider=8 "
                                         "pauseDurationComboBox=1 pulseDurationComboBox=10 transmitterDial=61"));
        page.reset();
        QCOMPARE(record(), QString("VES o(2 0 0 1 3 5 25 80) 0 0"));
        woxOptionsWidget again;
        QCOMPARE(record() + shown(again, "pauseDurationComboBox"), chosen + "60");
        for (const QString key : {"pulseDurationComboBox=20", "deviationComboBox=9", "minStackingSlider=10",
                                  "maxStackingSlider=5"})
            store().setValue(key.section('=', 0, 0), key.section('=', 1).toInt());
        QCOMPARE(shown(woxOptionsWidget(), "pulseDurationComboBox deviationComboBox minStackingSlider minStackingLabel "
                                           "maxStackingLabel"), "80 | 1.00 | 5 | {5} | {5}");
        store().setValue("pulseDurationComboBox", 19);
        QCOMPARE(woxOptionsWidget().pulseDurationComboBox->currentText(), QString("4000"));
    }
};

QTEST_MAIN(tst_optionsPage)
#include "tst_optionsPage.moc"
