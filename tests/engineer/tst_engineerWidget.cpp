#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxDiagnosticCapture.h"
#include "woxEngineerWidget.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxFakeNetworkAddresses.h"
#include "woxFileSizeLimit.h"
#include "woxGPSManager.h"
#include "woxModalScript.h"
#include "woxPasswordDialog.h"
#include "woxSavePicture.h"
#include "woxScreenState.h"
#include "woxTestEnvironment.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using Step = std::function<void(QWidget &)>;
Q_DECLARE_METATYPE(Step)

namespace {

using Core = woxCoreDouble;

// Runs in order "name=value" (sets a combo box, spin box, slider or check box), "name" (clicks a button or lets
// a timer run out) and "close"; a name may leave out its class ("txPulseFirst" for "txPulseFirstPushButton").
void run(QWidget &screen, const QString &script)
{
    for (const QString &token : script.split(' ', Qt::SkipEmptyParts)) {
        const QString name = token.section('=', 0, 0);
        if (token == "close") {
            QVERIFY(screen.close());
            continue;
        }
        QObject *child = nullptr;
        for (const char *kind : {"", "PushButton", "SpinBox", "ComboBox", "HorizontalSlider", "CheckBox"})
            child = child ? child : screen.findChild<QObject *>(name + kind);
        QVERIFY2(child, qPrintable(name));
        for (const char *property : {"currentIndex", "value", "checked"})
            if (token.contains('=') && child->metaObject()->indexOfProperty(property) >= 0)
                child->setProperty(property, token.section('=', 1).toInt());
        if (!token.contains('=') && qobject_cast<QAbstractButton *>(child))
            qobject_cast<QAbstractButton *>(child)->click();
        else if (!token.contains('='))
            QVERIFY2(QMetaObject::invokeMethod(child, "timeout"), qPrintable(name));
    }
}

Step press(const QString &script) { return [script](QWidget &screen) { run(screen, script); }; }
template <class Report> Step send(const Report &report) { return [report](QWidget &) { Core::deliver(report); }; }
Step operator+(const Step &a, const Step &b) { return [a, b](QWidget &screen) { a(screen), b(screen); }; }

// What the operator sees of the children named as in "name:value | name:value", each within its own page:
// woxScreenState's text, a list's lines joined by '/', a test button's icon, a timer's period in force; "logN":
// the HTML log of test N.
QString shown(const woxEngineerWidget &screen, const QString &parts)
{
    const QWidget *tabs = screen.findChild<QTabWidget *>("tabWidget", Qt::FindDirectChildrenOnly);
    QStringList seen;
    for (QString name : parts.split(" | ", Qt::SkipEmptyParts)) {
        name = name.section(':', 0, 0).remove('!').remove('~');
        QObject *child = screen.findChild<QObject *>(name);
        if (auto *list = qobject_cast<QListWidget *>(child)) {
            seen << name + ":";
            for (int i = 0; i < list->count(); ++i)
                seen.last() += (i ? "/" : "") + list->item(i)->text();
        } else if (auto *timer = qobject_cast<QTimer *>(child)) {
            seen << name + ":" + (timer->isActive() ? QString::number(timer->interval()) : "off")
                        + (timer->isSingleShot() ? " once" : "");
        } else if (auto *button = qobject_cast<QToolButton *>(child)) {
            seen << (button->isEnabled() ? "" : "!") + name + ":unknown";
            for (const char *icon : {"question", "play", "accept", "close"})
                if (QIcon(QString(":/icons/icons/%1.png").arg(icon)).pixmap(48).toImage()
                    == button->icon().pixmap(48).toImage())
                    seen.last().replace("unknown", icon);
        } else if (name.startsWith("log")) {
            seen << name + ":" + screen.productionLogs().value(name.mid(3).toInt());
        } else {
            const QWidget *page = qobject_cast<QWidget *>(child);
            while (page && page->parentWidget() && page->parentWidget()->parentWidget() != tabs)
                page = page->parentWidget();
            seen << woxScreenState(page ? page : &screen, name);
        }
    }
    return seen.join(" | ");
}

void row(const char *name, const char *answers, const Step &step, const QString &expected)
{ QTest::newRow(name) << QString(answers) << step << expected; }
const QString ready = "\nAre you ready to continue?", options = "o(2 0 0 1 3 5 25 80)";
const QString load = "Please connect A and B sockets with resistor:\nresistance: ";
const QString smallLoad = " kOhm ± 10 %,\nmax. power: 1.4 W or more,\nmax voltage: 37.5 V or more." + ready;
const woxMeasureResult first{340000, 2.5f, 12.5f, 3.25f, 0, {}, 0, false, {}};
const woxMeasureResult second{1234.5678f, 3, 10, 0, 0, {}, 0, false, {}};

} // namespace

// The engineer's screen: the keypad's levels, the self-tests and their log, every page's requests and answers.
class tst_engineerWidget : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxFakeCommandRunner> runner;
    QScopedPointer<woxFakeNetworkAddresses> addresses;

private slots:
    void init()
    {
        // No log, settings or language left by an earlier function.
        woxTestEnvironment::reset();
        runner.reset(new woxFakeCommandRunner);
        addresses.reset(new woxFakeNetworkAddresses);
        QDir().mkpath(systemDir);
    }

    void cleanup()
    {
        woxCore::destroy();
        woxGPSManager::destroy();
        woxWarningDialog::closeInstance();
        woxTranslator::destroy();
        addresses.reset();
        runner.reset();
    }

    // "keys|field|pages|tests locked": digits, then Enter ('c': Cancel) on the system menu's keypad.
    void keypad_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : {"58031|58031|Setup and testing Tx Rx Sw Calibrate Stress Misc Signal VES ET2D|",
                                "39284|39284|Setup and testing|", "580312|580312|Setup and testing|0 16 20",
                                "98765432101|98765432|Setup and testing|0 16 20", "58031c|58031||",
                                "||Setup and testing|0 16 20", "3928|3928|Setup and testing|0 16 20",
                                "3928458031|39284580|Setup and testing|0 16 20"})
            QTest::newRow(row) << QString(row);
    }

    void keypad()
    {
        QFETCH(QString, row);
        const QString keys = row.section('|', 0, 0);
        woxModalScript script;
        QString seen;
        script.then([&](QDialog *pad) {
            for (QChar key : keys)
                run(*pad, key == 'c' ? QString("cancelPushButton") : "pushButton" + QString(key));
            auto *field = pad->findChild<QLineEdit *>("lineEdit");
            if (!field)
                pad->reject();
            QVERIFY2(field, "lineEdit");
            seen = pad->windowTitle() + QString::asprintf(" %dx%d", pad->width(), pad->height())
                   + (pad->windowFlags() & Qt::WindowCloseButtonHint ? " closable" : "") + ": "
                   + woxScreenState(pad, "enterPushButton cancelPushButton pushButton1")
                   + "|" + field->text() + (field->echoMode() == QLineEdit::Password ? "" : " shown");
            run(*pad, keys.endsWith('c') ? "" : "enterPushButton");
        });
        QScopedPointer<QWidget> screen(woxEngineerWidget::openFromKeypad());
        QStringList pages, locked;
        const QTabWidget *tabs = screen ? screen->findChild<QTabWidget *>("tabWidget") : nullptr;
        QVERIFY2(!screen || tabs, "tabWidget");
        for (int i = 0; tabs && i < tabs->count(); ++i)
            pages << tabs->tabText(i);
        for (int test = 0; screen && test < 22; ++test) {
            const QWidget *button = screen->findChild<QWidget *>(QString::asprintf("proToolButton%02d", test));
            QVERIFY2(button, qPrintable(QString::asprintf("proToolButton%02d", test)));
            if (button->isEnabled())
                continue;
            // A locked test's log button still opens its log, empty.
            locked << QString::number(test) + " (no log)";
            script.then([&locked](QDialog *log) {
                const auto *browser = log->findChild<QTextBrowser *>();
                locked.last() = locked.last().section(' ', 0, 0) + (browser ? browser->toPlainText() : " (no text)");
                log->accept();
            });
            run(*screen, QString::asprintf("logPushButton%02d", test));
        }
        QCOMPARE(seen + "|" + pages.join(' ') + "|" + locked.join(' '), "Enter password 300x300: enterPushButton:Enter"
                 "{#000000/#00ff7f} | cancelPushButton:Cancel{#000000/#00ff7f} | pushButton1:1{#000000/#ffff7f}|"
                 + row.section('|', 1));
        const woxEngineerWidget levelTwo(2);
        const QWidget *locked16 = levelTwo.findChild<QWidget *>("proToolButton16");
        QVERIFY2(locked16, "proToolButton16");
        QVERIFY(!locked16->isEnabled());   // only 0 and 1 open it
    }

    // Each test's row on the page, from the top, its name on the button and the instruction asked before it runs:
    // No runs nothing, Yes starts a core test on its own button; its log button shows its own log.
    void tests_data()
    {
        QTest::addColumn<int>("test");
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<bool>("inScreen");   // USB and LAN run in the screen, without the core
        const QString ab = "Please connect A and B sockets with resistor:\nresistance: ";
        const QString small = "max. power: 1.4 W or more,\nmax voltage: 37.5 V or more.";
        const QString big = "max. power: 200.0 W or more,\nmax voltage: 500.0 V or more.";
        const struct { int test, place; const char *name; QString instruction; } rows[] = {
            {0, 0, "Adjust Rx channels", "Rx channels are going to be adjusted."},
            {1, 1, "Check Rx channels adjustment", "Rx channels are going to be tested."},
            {2, 2, "Check A and B sockets and Rx channels for Tx monitoring", ab + "1.0 kOhm ± 10 %,\n" + small},
            {3, 11, "Check Tx and Rx switches interconnections", ab + "1.0 kOhm ± 10 %,\n" + small},
            {4, 13, "Check M and N sockets", "Please connect M and N sockets with resistor:\nresistance: 1.0 kOhm ± 10 "
                                            "%,\n" + small},
            {5, 14, "Check Tx∞ and Rx∞ sockets", "Please connect Tx∞ and Rx∞ sockets with resistor:\nresistance: 1.0 "
                                                "kOhm ± 10 %,\n" + small},
            {6, 15, "Check 1...32 cable socket", "Please connect checking module to 1...32 socket."},
            {7, 16, "Check 33...64 cable socket", "Please connect checking module to 33...64 socket."},
            {8, 19, "Check USB", "Please connect USB sockets of this device and\npowered-on computer with USB cable."},
            {9, 20, "Check LAN", "Please connect LAN sockets of this device and\nlocal network with patch cord and wait "
                                 "for 20 seconds."},
            {10, 8, "Check Tx low supply voltage protection", "Please make supply voltage less than 10.5 V."},
            {11, 7, "Check Tx short circuit protection", "Please connect A and B sockets with a wire to\nmake short "
                                                         "circuit."},
            {12, 5, "Check Tx output power", ab + "1.0 kOhm ± 10 %,\n" + big},
            {13, 4, "Check Tx output voltage", ab + "5.0 kOhm ± 10 % or more,\nmax. power: 50.0 W or more,\nmax "
                                               "voltage: 500.0 V or more."},
            {14, 17, "Check 1...32 cable isolation", "Please connect multi-electrode cable to 1...32 socket."},
            {15, 18, "Check 33...64 cable isolation", "Please connect multi-electrode cable to 33...64 socket."},
            {16, 10, "Check Tx operability (1 hour)", ab + "30.0 Ohm ± 10 % or more,\nmax power: 200.0 W or more.\n"
                                                      "max voltage: 500.0 V or more."},
            {17, 12, "Check Rx channels polarity", ab + "1.0 kOhm ± 10 % or more,\n" + small},
            {18, 6, "Check Tx output current", ab + "30.0 Ohm ± 10 %,\nmax power: 120.0 W or more.\nmax voltage: "
                                               "60.0 V or more."},
            {19, 21, "Check GPS", "GPS receiver is going to be tested."},
            {20, 9, "Check Tx overheat protection", "Please start heating Tx."},
            {21, 3, "Check Rx channels reproducibility", "Please connect reference voltage source (≤ 12000 mV) to A "
                                                         "and B sockets."},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.test << row.place << row.instruction
                                    << (row.test == 8 || row.test == 9);
    }

    void tests()
    {
        QFETCH(int, test);
        QFETCH(int, place);
        QFETCH(QString, instruction);
        QFETCH(bool, inScreen);
        Core core;
        woxEngineerWidget screen(0);
        const QWidget *frame = screen.findChild<QWidget *>("proFrame");
        QVERIFY2(frame && qobject_cast<QGridLayout *>(frame->layout()), "proFrame");
        const auto *grid = qobject_cast<QGridLayout *>(frame->layout());
        const QString number = QString::asprintf("%02d", test);
        QStringList seen;
        for (const QString &name : {"proToolButton" + number, "logPushButton" + number}) {
            auto *button = screen.findChild<QAbstractButton *>(name);
            QVERIFY2(button, qPrintable(name));
            int row = -1, column = -1, rows, columns;
            if (grid->indexOf(button) >= 0)
                grid->getItemPosition(grid->indexOf(button), &row, &column, &rows, &columns);
            seen << QString("%1 %2").arg(row).arg(column) + (button->text().isEmpty() ? "" : " " + button->text());
        }
        woxModalScript script;
        script.answer(0);
        if (!inScreen)
            script.answer(1);
        script.then([&seen](QDialog *log) {
            const auto *browser = log->findChild<QTextBrowser *>();
            auto *accept = log->findChild<QPushButton *>();
            seen << (browser ? browser->toPlainText().simplified() : "no text") + " | "
                        + (accept ? accept->text() : "no button")
                        + QString::asprintf(" %dx%d", log->width(), log->height());
            accept ? accept->click() : log->reject();
        });
        run(screen, "proToolButton" + number);
        seen << shown(screen, "proToolButton" + number + " | proFrame | log" + QString::number(test));
        if (!inScreen) {
            run(screen, "proToolButton" + number);
            seen << shown(screen, "proToolButton" + number);
        }
        core.deliver(woxCoreReportProduction{{}, quint8(test), true, "body", {}, {}});
        run(screen, "logPushButton" + number);
        const QString name = QTest::currentDataTag();
        const QString question = "woxWarningDialog: " + instruction + "\nAre you ready to continue?";
        QCOMPARE(seen.join(" # ") + " # " + script.seen.join(" # ") + " # " + core.takeLines().join(", "),
                 QString("%1 0 %2 # %1 2 # proToolButton%3:question | proFrame: | log%4:").arg(place).arg(name, number)
                     .arg(test) + (inScreen ? "" : " # !proToolButton" + number + ":play") + " # " + name
                     + ": body | Accept 1024x600 # " + question + (inScreen ? "" : " # " + question) + " # QDialog # "
                     + (inScreen ? "" : "Production " + QString::number(test)));
    }

    // The keypad and the production page follow a language change while open; the test names keep the language
    // the screen was built in.
    void language_data()
    {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("switched");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English, then Russian") << "Uk" << "Ru" << "Введите пароль | Ввод/Отмена/7 | Настройка и "
            "проверка/Стоп/Выход | <b><font color=red>Перед началом каждой операции отключите от гнёзд прибора всё, "
            "кроме питания!</font></b> | Check LAN";
        QTest::newRow("Russian, then English") << "Ru" << "Uk" << "Enter password | Enter/Cancel/7 | Setup and "
            "testing/Stop/Exit | <b><font color=red>Please remove everything (except supply) connected to device "
            "sockets before starting every operation!</font></b> | Проверка LAN";
    }

    void language()
    {
        QFETCH(QString, built);
        QFETCH(QString, switched);
        QFETCH(QString, expected);
        woxTranslator::instance()->setLanguage(built);
        woxPasswordDialog keypad;
        keypad.show();
        woxEngineerWidget screen(1);
        woxTranslator::instance()->setLanguage(switched);
        QStringList seen(keypad.windowTitle());
        for (const char *group : {"enterPushButton cancelPushButton pushButton7",
                                     "tabWidget proStopPushButton proExitPushButton", "proCautionLabel",
                                     "proToolButton09"}) {
            seen << QString();
            for (const QString &name : QString(group).split(' ')) {
                const QObject *child = keypad.findChild<QObject *>(name);
                child = child ? child : screen.findChild<QObject *>(name);
                QVERIFY2(child, qPrintable(name));
                const auto *tabs = qobject_cast<const QTabWidget *>(child);
                seen.last() += (seen.last().isEmpty() ? "" : "/")
                               + (tabs ? tabs->tabText(0) : child->property("text").toString());
            }
        }
        QCOMPARE(seen.join(" | "), expected);
    }

    // One row a step of a page's flow: what it then shows # the dialogs it opened # the requests it sent #
    // diagnostics and programs run.
    void flows_data()
    {
        // To the dialogs in order: 1 OK or Yes, 0 No; "@name": what that child shows while the dialog is open.
        QTest::addColumn<QString>("answers");
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("expected");
        row("tx, RefTx, grounding power", "", press("txCheckGroundingPower=1 txDevice=1 txPower=40 txDuration=1230 "
            "txAdjustPulseFirst txAdjustPulseSecond txPulseFirst txPulseSecond txStop txPulseZero"), "txPowerLabel:40 | "
            "txDurationLabel:1230 #  # TxAux 0 1 0 7 31 0 -1, TxAux 0 1 0 7 32 0 -1, TxAux 1 0 0 6 33 1230 0, TxAux 1 0 "
            "0 6 34 1230 0, TxAux 0 0 1 6 0 0 0, TxAux 1 0 0 6 36 1230 -1 # ");
        row("tx, IntTx, longest, answers", "1@txTempLabel", press("txPower=100 txDuration=20000 txAdjustPulseFirst txPulseFirst "
            "txStop txPulseZero") + send(woxCoreReportTxAux{{}, 123.456789f}) + send(woxCoreReportTxAux{{13, 0}}),
            "txPowerLabel:100 | txDurationLabel:15000 | txTempLabel:-298  o C # Canceled by user [txTempLabel:123.457  o C] # TxAux 0 1 0 7 31 0 "
            "100, TxAux 1 0 0 7 33 15000 0, TxAux 0 0 1 7 0 0 0, TxAux 1 0 0 6 36 15000 100 # ");
        row("rx, receiver 0, samples", "1@rxSamplesTextEdit", press("rxDevice=0 rxSamplesToRun=77 rxMsrStart rxMsrGet rxMsrClear "
            "rxRxReset rxClbInput rxMsrInput rxLowRange rxHighRange rxStop rxSensors") + send(woxCoreReportRxAux{{},
            {5.57f, 0.12346f}}) + send(woxCoreReportRxAux{{4, 0}, {-2.5f}}), "rxSamplesTextEdit:5.5700\n0.1235\n"
            "-2.5000\n # Can not receive data [rxSamplesTextEdit:5.5700\n0.1235\n] # RxAux 8 77 1 0 0 0 0 0 0 0, RxAux 8 77 0 0 1 0 0 0 0 0, RxAux 8 0 0 0 0 "
            "0 0 0 0 1, RxAux 8 0 0 1 0 0 0 0 0 0, RxAux 8 0 0 0 0 0 0 1 0 0, RxAux 8 0 0 0 0 0 0 0 1 0, RxAux 8 0 0 0 0 "
            "1 0 0 0 0, RxAux 8 0 0 0 0 0 1 0 0 0, Stop, Sensor # ");
        row("rx, as opened, the last four, sensors", "1@rxIntBatLabel", press("rxMsrStart rxDevice=15 rxMsrGet rxDevice=16 rxMsrGet "
            "rxDevice=17 rxMsrGet rxDevice=18 rxMsrGet rxMsrStart rxRepeat rxRepeat") + send(woxCoreReportSensor{{7, 0},
            {{1, 12.345678f}, {3, 99.5f}, {7, 45.25f}}}), "rxIntBatLabel:12.3457 | rxExtBatLabel:-1 | rxMoistureLabel:"
            "99.5 | txTempLabel:45.25 | rxSamplesToRunSpinBox:101 | repeatTimer:off once # Condensation inside "
            "[rxIntBatLabel:0] # RxAux 9 "
            "100 1 0 0 0 0 0 0 0, RxAux 23 100 0 0 1 0 0 0 0 0, RxAux 24 100 0 0 1 0 0 0 0 0, RxAux 25 100 0 0 1 0 0 0 0 "
            "0, RxAux 255 100 1 0 0 0 0 0 0 0 # ");
        row("rx repeat, from all", "", press("rxDevice=18 rxSamplesToRun=4997 rxRepeat rxDevice=2 repeatTimer "
            "repeatTimer repeatTimer"), "rxRepeatPushButton:Repeat* | rxSamplesToRunSpinBox:5000 | repeatTimer:400 once "
            "#  # RxAux 10 4998 0 0 1 0 0 0 0 0, RxAux 10 4999 0 0 1 0 0 0 0 0, RxAux 10 5000 0 0 1 0 0 0 0 0 # ");
        row("sw, switch 0, RemoteRx, not applied", "", press("swDevice=0 swElectrode=-1 swApply=0 swSwSetNA swSwSetMB "
            "swGrounding swAll swPhantom swSwReset"), " #  # SwAux 26 1 0 0 0 0 0 0 65534, SwAux 26 1 0 0 0 0 0 1 "
            "65534, SwAux 0 0 0 1 0 0 1 0 65534, SwAux 26 0 0 0 1 0 1 0 0, SwAux 26 0 0 0 0 1 1 0 0, SwAux 26 0 1 0 0 0 "
            "1 0 0 # ");
        row("sw, Tx, all, the last, answers", "1", press("swDevice=16 swElectrode=-2 swSwSetNA swDevice=17 "
            "swElectrode=63 swSwSetMB swDevice=15 swAll") + send(woxCoreReportSwAux{}) + send(woxCoreReportSwAux{{8,
            0}}), " # Short circuit (detected by software) # SwAux 42 1 0 0 0 0 1 0 65535, SwAux 254 1 0 0 0 0 1 1 63, "
            "SwAux 41 0 0 0 1 0 1 0 0 # ");
        row("calibrate, stress", "1 1", press("calibrateCalibrate calibrateSamples=123 calibrateCalibrate "
            "calibrateDefault stressRxStart stressRxChannel=16 stressRxSamples=9 stressRxPause=7 stressRxStart "
            "stressRxChannel=0 stressRxStart stressRxChannel=15 stressRxStart") + send(woxCoreReportCalibrate{})
            + send(woxCoreReportCalibrate{{12, 0}}), "stressRxStatusLabel: # Success; Generator is overheated # "
            "Calibrate 40 0, Calibrate 123 0, Calibrate 40 1, RxStress 25 1 4, RxStress 24 9 7, RxStress 8 9 7, "
            "RxStress 23 9 7 # ");
        for (const char *text : {"OK", "FAIL", "cancelled OK"})
            row(text, *text == 'c' ? "1" : "", press("stressRxStart") + send(woxCoreReportRxStress{{quint8(*text == 'c'
                ? 13 : 0), 0}, QString(text).section(' ', -1)}), "stressRxStatusLabel:" + QString(*text == 'c' ? "N/A # "
                "Canceled by user # " : *text == 'O' ? " #  # RxStress 25 1 4, " : "FAIL #  # ") + "RxStress 25 1 4 # ");
        // The run's answer starts the next run, the ping's is shown; after any stop the run's starts nothing more.
        for (const char *stop : {"rxStop", "proStop", "miscPanic", "close"})
            row(stop, "", press("stressRxChannel=16 stressRxStart miscPing") + send(woxCoreReportRxStress{{}, "OK"})
                + send(woxCoreReportRxStress{{}, "FAIL"}) + press(stop) + send(woxCoreReportRxStress{{}, "OK"}),
                "stressRxStatusLabel:OK | miscPingLabel:FAIL #  # RxStress 24 1 4, RxStress 0 0 10, RxStress 24 1 4, "
                + QString(*stop == 'm' ? "StopAll # " : "Stop # "));
        row("clock, sound, panic, ping, gps stopped", "", press("miscTimeSet miscTimeGet miscMonth=0 miscTimeSet "
            "miscSoundSample=42 miscSoundAlert miscPanic miscPingDevice=12 miscPingMs=300 miscPing miscStartGPS gpsTimer "
            "miscStopGPS"), "miscPingLabel: | miscListWidget: | gpsTimer:off #  # Clock 1 2012-06-15 17:44:33, Clock "
            "0  , Clock 1  17:44:33, Sound 42, StopAll, RxStress 12 0 300 # ");
        row("clock read, then set, failed", "1", send(woxCoreReportClock{{}, false, QDate(2031, 11, 30), QTime(13, 14,
            15)}) + send(woxCoreReportClock{{}, true, QDate(2030, 1, 2), QTime(3, 4, 5)}) + send(woxCoreReportClock{{13,
            0}, false, QDate(2030, 1, 2), QTime(3, 4, 5)}), "miscYearSpinBox:2031 | miscMonthSpinBox:11 | miscDaySpinBox:"
            "28 | miscHourSpinBox:13 | miscMinuteSpinBox:14 | miscSecondSpinBox:15 # Canceled by user #  # ");
        const QString ticks = "miscStartGPS" + QString(" gpsTimer").repeated(11);
        const Step fix = [](QWidget &) {
            woxGPSManager::instance()->setFix({true, false, 55.1234567f, -37.5f, QDate(2024, 3, 9), QTime(7, 5, 4)});
        };
        row("gps", "", fix + press(ticks), "miscListWidget:rmc yes, valid no, la 55.1235, lo -37.5, y 2024, m 3, d 9, "
            "h 7, m 5, s 4 | gpsTimer:1000 #  #  # ");
        row("gps restarted", "", fix + press("miscStartGPS miscStopGPS miscStartGPS gpsTimer"), "miscListWidget:rmc "
            "no, valid no, la 0, lo 0, y 2000, m 1, d 1, h 0, m 0, s 0 #  #  # ");
        row("signal window, back after its Accept hid it", "", [](QWidget &screen) { screen.findChild<QWidget *>(
            "mSignalWidget")->hide(); } + press("signalA=3 signalB=5 signalM=18 signalN=9 signalSetQuadripole start"),
            "mSignalWidget: #  # Signal q(3 5 18 9 2) " + options + " # ");
        row("ves, et2d failed", "1 1", send(woxCoreReportVES{{}, second}) + press("ves") + send(woxCoreReportVES{{13,
            0}, second}) + send(woxCoreReportVES{{}, first}) + send(woxCoreReportET2D{{}, {first}, {}})
            + send(woxCoreReportET2D{{13, 0}, {}, {}}), "vesListWidget:U.Tx[mV]=340000/U.Rx[mV]=12.5/I[mA]=2.5/R[ohm]=5/"
            "C[mV/V]=3.25 | et2dOutListWidget: # Canceled by user; Canceled by user # VES " + options + " # ");
        row("et2d", "", press("et2d et2d") + send(woxCoreReportET2D{{}, {second}, {}}) + send(woxCoreReportET2D{{},
            {first, second}, {}}), "et2dInListWidget:A=0 B=1 M=1 N=0 Ch=0 | et2dOutListWidget:Utx[V]=340.000 "
            "Itx[mA]=2.500 Urx[mV]=12.500 R[Ohm]=5.000/Utx[V]=1.235 Itx[mA]=3.000 Urx[mV]=10.000 R[Ohm]=3.333 #  # "
            "ET2D q(0 1 1 0 0) " + options + ", ET2D q(0 1 1 0 0) " + options + " # ");
        row("not ready", "0 0 0 0 0", press("proToolButton02 proToolButton13 proToolButton16 proToolButton18 "
            "proToolButton21"), "proCautionLabel:<b><font color=red>Please remove everything (except supply) connected "
            "to device sockets before starting every operation!</font></b> | proToolButton02:question | proFrame: # "
            + load + "1.0" + smallLoad + "; " + load + "5.0 kOhm ± 10 % or more,\nmax. power: 50.0 W or more,\nmax "
            "voltage: 500.0 V or more." + ready + "; " + load + "30.0 Ohm ± 10 % or more,\nmax power: 200.0 W or more."
            "\nmax voltage: 500.0 V or more." + ready + "; " + load + "30.0 Ohm ± 10 %,\nmax power: 120.0 W or more.\n"
            "max voltage: 60.0 V or more." + ready + "; Please connect reference voltage source (≤ 12000 mV) to A and "
            "B sockets." + ready + " #  # ");
        const QString heat = "Please start heating Tx." + ready;
        const QString log = " | proFrame: | log20:<font color=blue>Check Tx overheat protection:</font> <br>  <br> body";
        const Step test20 = press("proToolButton20");
        row("running", "1", test20, "!proToolButton20:play | !proFrame: | log20: | proStopPushButton:Stop # " + heat
            + " # Production 20 # ");
        row("passed", "1 1", test20 + send(woxCoreReportProduction{{}, 20, true, "body", {}, {}}) + press(
            "logPushButton20"), "proToolButton20:accept" + log + " # " + heat + "; QDialog: Check Tx overheat "
            "protection: body # Production 20 # ");
        row("error", "1", test20 + send(woxCoreReportProduction{{8, 0}, 20, true, "body", {}, {}}), "proToolButton20:"
            "close" + log + " <br> <font color=red>Short circuit (detected by software)</font> # " + heat + " # "
            "Production 20 # ");
        row("cancelled", "1 1", test20 + send(woxCoreReportProduction{{13, 0}, 20, true, "body", {}, {}}) + press(
            "logPushButton16"), "proToolButton20:question" + log + " <br> <font color=red>Canceled by user</font> # "
            + heat + "; QDialog:  # Production 20 # ");
        row("last test", "1", test20 + send(woxCoreReportProduction{{}, 21, false, "", {}, {}}), "proToolButton20:play "
            "| proToolButton21:close | proFrame: | log21:<font color=blue>Check Rx channels reproducibility:</font> <br>"
            "  <br>  # " + heat + " # Production 20 # ");
        row("beyond the last", "1", test20 + send(woxCoreReportProduction{{}, 22, true, "", {}, {}}),
            "proToolButton20:play | proFrame: # " + heat + " # Production 20 # woxEngineerWidget error: 22");
        const QString usb = "Please connect USB sockets of this device and\npowered-on computer with USB cable." + ready
                            + "; Did USB drive appear? #  # usb_start 30000, (asked), usb_stop 30000";
        const QString usbLog = "log8:<font color=blue>Check USB:</font> <br>  <br> Detecting USB appearance   ";
        row("usb", "1 1", press("proToolButton08"), "proToolButton08:accept | " + usbLog + "<font color=blue>✓</font> "
            "<br>  # " + usb);
        row("no usb", "1 0", press("proToolButton08"), "proToolButton08:close | " + usbLog + "<font color=red>✗</font> "
            "<br>  # " + usb);
        const QString lan = "Please connect LAN sockets of this device and\nlocal network with patch cord and wait for "
                            "20 seconds." + ready;
        const QString lanLog = "log9:<font color=blue>Check LAN:</font> <br>  <br> IPv4/IPv6 address: ";
        row("no lan", "1", press("proToolButton09"), "proToolButton09:close | " + lanLog + "::1   <font color=red>✗"
            "</font> <br>  # " + lan + " #  # ");
        const auto network = [this](const QStringList &found) {
            return [this, found](QWidget &) {
                addresses->addresses.clear();
                for (const QString &address : found)
                    addresses->addresses << QHostAddress(address);
            };
        };
        row("lan, the first other address", "1", network({"::1", "192.0.2.7", "198.51.100.1"})
            + press("proToolButton09"), "proToolButton09:accept | " + lanLog + "192.0.2.7   <font color=blue>✓</font> "
            "<br>  # " + lan + " #  # ");
        row("lan, no address at all", "1", network({}) + press("proToolButton09"), "proToolButton09:close | " + lanLog
            + "   <font color=red>✗</font> <br>  # " + lan + " #  # ");
        row("lan run again", "1 1", press("proToolButton09") + network({"127.0.0.1", "::1", "192.0.2.7"})
            + press("proToolButton09"), "proToolButton09:accept | " + lanLog + "192.0.2.7   <font color=blue>✓</font> "
            "<br>  # " + lan + "; " + lan + " #  # ");
        row("ping answered OK during a run", "", press("stressRxStart miscPing") + send(woxCoreReportRxStress{{}, "OK"})
            + send(woxCoreReportRxStress{{}, "OK"}), "stressRxStatusLabel: | miscPingLabel:OK #  # RxStress 25 1 4, "
            "RxStress 0 0 10, RxStress 25 1 4 # ");
        row("ping refused", "1", press("miscPing") + send(woxCoreReportRxStress{{13, 0}, ""}), "miscPingLabel:N/A # "
            "Canceled by user # RxStress 0 0 10 # ");
        const Step stepUp = [](QWidget &screen) {
            auto *slider = screen.findChild<QSlider *>("txDurationHorizontalSlider");
            QVERIFY2(slider, "txDurationHorizontalSlider");
            slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        };
        row("tx, shortest duration, one step up", "", press("txDuration=3") + stepUp + press("txPulseFirst"),
            "txDurationLabel:20 #  # TxAux 1 0 0 7 33 20 0 # ");
    }

    void flows()
    {
        QFETCH(QString, answers);
        QFETCH(Step, step);
        QFETCH(QString, expected);
        Core core;
        woxDiagnosticCapture diagnostics;
        woxEngineerWidget screen(0);
        woxModalScript script;
        for (const QString &answer : answers.split(' ', Qt::SkipEmptyParts))
            script.then([this, &script, &screen, answer](QDialog *dialog) {
                // A log shows in a browser; a question asked between two programs is marked among them.
                if (auto *browser = dialog->findChild<QTextBrowser *>())
                    script.seen.last() += ": " + browser->toPlainText().simplified();
                if (answer.contains('@'))
                    script.seen.last() += " [" + shown(screen, answer.section('@', 1)) + "]";
                if (!runner->calls.isEmpty())
                    runner->calls.append({"(asked)", {}, -1});
                dialog->done(answer.section('@', 0, 0).toInt());
            });
        step(screen);
        QStringList runs = diagnostics.lines();
        for (const woxFakeCommandRunner::Call &call : runner->calls)
            runs << call.program + (call.timeoutMs < 0 ? "" : " " + QString::number(call.timeoutMs));
        QCOMPARE(shown(screen, expected.section(" # ", 0, 0)) + " # "
                     + script.seen.replaceInStrings("woxWarningDialog: ", "").join("; ") + " # "
                     + core.takeLines().join(", ") + " # " + runs.join(", "), expected);
    }

    // Closing stops the core and the GPS read-out; with a log it asks first: Cancel keeps the screen and its
    // read-out, No closes without writing the log.
    void closing_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("expected");
        const Step gps = press("miscStartGPS gpsTimer");
        const Step reported = send(woxCoreReportProduction{{}, 5, true, "", {}, {}});
        row("nothing to save", "", gps, "closed 1 | gpsTimer:off | miscListWidget: #  # Stop # no file");
        row("not saved", "0", reported + gps, "closed 1 | gpsTimer:off | miscListWidget: # Save log? # Stop # no file");
        row("cancelled", "2", reported + gps, "open 0 | gpsTimer:1000 | miscListWidget:rmc no, valid no, la 0, lo 0, "
            "y 2000, m 1, d 1, h 0, m 0, s 0 # Save log? # Stop # no file");
    }

    void closing()
    {
        QFETCH(QString, answers);
        QFETCH(Step, step);
        QFETCH(QString, expected);
        Core core;
        woxEngineerWidget screen(0);
        QSignalSpy closed(&screen, &woxEngineerWidget::sendEngineerWidgetClose);
        woxModalScript script;
        for (const QString &answer : answers.split(' ', Qt::SkipEmptyParts))
            script.answer(answer.toInt());
        step(screen);
        const bool accepted = screen.close();
        QCOMPARE(QString("%1 %2 | ").arg(accepted ? "closed" : "open").arg(closed.count())
                     + shown(screen, expected.section(" # ", 0, 0).section(" | ", 1)) + " # "
                     + script.seen.replaceInStrings("woxWarningDialog: ", "").join("; ") + " # "
                     + core.takeLines().join(", ") + " # "
                     + (QFile::exists(systemDir + "engineer.html") ? "file" : "no file"),
                 expected);
    }

    // Repeat can bring thousands of samples a second: the page keeps the newest 100,000 lines, in arrival order,
    // and Clear still empties it.
    void samplesStayBounded()
    {
        Core core;
        woxEngineerWidget screen(0);
        auto *samples = screen.findChild<QPlainTextEdit *>("rxSamplesTextEdit");
        for (int answer = 0; answer <= 20; ++answer)
            core.deliver(woxCoreReportRxAux{{}, QVector<float>(5000, float(answer))});
        QStringList lines = samples->toPlainText().split('\n');   // after the last line's break: ""
        lines = QStringList({lines.first(), lines.at(94999), lines.at(95000), lines.last(),
                             QString::number(lines.size())});
        run(screen, "rxClear");
        QCOMPARE(lines.join(' ') + samples->toPlainText(), QString("1.0000 19.0000 20.0000  100001"));
    }

    // A save cut short keeps the screen, the log and the old file; so does Cancel; the next save writes it all.
    void closingSavesTheLog()
    {
        Core core;
        addresses->addresses.append(QHostAddress("192.0.2.7"));
        woxFakeClock clock(QDateTime(QDate(2024, 3, 9), QTime(7, 5)));
        woxEngineerWidget screen(0);
        QSignalSpy closed(&screen, &woxEngineerWidget::sendEngineerWidgetClose);
        woxModalScript script;
        script.answer(1).answer(2).answer(1).answer(1).answer(1);
        core.deliver(woxCoreReportProduction{{}, 2, true, "", "", ""});   // an earlier test's line
        core.deliver(woxCoreReportProduction{{}, 13, false, "", "", ""});
        run(screen, "proToolButton09");
        screen.resize(1018, 520);   // its place in the SYSTEM tab
        QVERIFY(woxSavePicture(&screen, "engineer-production.png"));
        QFile file(systemDir + "engineer.html");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        QVERIFY(!screen.close());
        // A full disk.
        bool closedOnFullDisk = true;
        woxWithFileSizeLimit(100, [&] { closedOnFullDisk = screen.close(); });
        QVERIFY(!closedOnFullDisk);
        QCOMPARE(script.seen.mid(1), QStringList({"woxWarningDialog: Save log?", "woxWarningDialog: Save log?",
                                                  "woxWarningDialog: Can not write data to file"}));
        QVERIFY(closed.isEmpty() && file.open(QIODevice::ReadOnly) && file.readAll() == "old");
        file.close();
        QVERIFY(screen.close() && closed.count() == 1 && file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("<html>\n<head>\n</head>\n<body>\nSat Mar 9 2024 07:05:00 <br> 7 (wox_0) <br>  <br> "
                            "<font color=blue>Check A and B sockets and Rx channels for Tx monitoring:</font> "
                            "<br>  <br>  <br> <font color=blue>Check LAN:</font> <br>  <br> IPv4/IPv6 address: "
                            "192.0.2.7   <font color=blue>\xE2\x9C\x93</font> <br>  <br> <font color=blue>Check Tx "
                            "output voltage:</font> <br>  <br>  <br> \n</body>\n</html>"));
        QCOMPARE(runner->calls.last().program, QString("/bin/sync"));
    }
};

int main(int argc, char *argv[])
{
    // The log header names the day and month the way the system locale does.
    qputenv("LC_ALL", "C");
    QApplication application(argc, argv);
    tst_engineerWidget test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_engineerWidget.moc"
