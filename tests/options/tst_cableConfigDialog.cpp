#include "woxCableConfigDialog.h"
#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxModalScript.h"
#include "woxFreshStart.h"
#include "woxPress.h"
#include "woxScreenState.h"
#include "woxStreamed.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QtTest>

namespace {

QString name(int cell, const char *role) { return QString("w%1%2").arg(cell, 2, 10, QChar('0')).arg(role); }

// A value label as read: "N / A" as NA, '_' for its blank second line, the unit line "kΩ" left out; then [text
// colour: k black, r red, b blue; x when the wire button beside it shows the crossed-out wire].
QString cell(const QLabel *label, const QAbstractButton *wire)
{
    if (!label)
        return "no label?";
    const QColor c = label->palette().color(QPalette::Active, QPalette::WindowText);
    const int height = wire ? wire->icon().availableSizes().value(0).height() : 18;
    return label->text().replace("N / A", "NA").replace("\n ", "_").remove("\nk\u03A9") + "["
           + (c == Qt::black ? "k" : c == Qt::red ? "r" : c == Qt::blue ? "b" : c.name())
           + (height == 55 ? "x" : height == 18 ? "" : "?") + "]";
}

// One step of a flow: "closed" once shown and closed; the lockable controls as letters (Actions, Current cable, automatic
// advance, check Wire, check Remote), '!' when locked, '*' when checked; the page label; the electrodes whose
// number wears the selection colour; the watched cells (-1, -2: remote transmitter, receiver); the core requests.
QString look(const woxCableConfigDialog &d, woxCoreDouble &core, const QList<int> &cells)
{
    QString out = d.testAttribute(Qt::WA_WState_ExplicitShowHide) && !d.isVisible() ? "closed " : "";
    const QStringList locks = woxScreenState(&d, "actionsGroupBox currentCableGroupBox automaticAdvanceCheckBox "
                                                 "checkCablePushButton checkRemotePushButton").split(" | ");
    for (int i = 0; i < locks.size(); ++i)
        out += QString("ACaWR")[i] + QString(locks[i].startsWith('!') ? "!" : "") + (locks[i].contains('*') ? "*" : "");
    out += " " + d.currentCableLabel->text() + " sel";
    for (int c = 0; c < 32; ++c) {
        const QWidget *number = d.findChild<QWidget *>(name(c, "ToolButton"));
        if (!number || number->palette().color(QPalette::Active, QPalette::Button).name() == "#00ff7f")
            out += " " + (number ? QString::number(d.currentCableLabel->text().left(1).toInt() * 32 - 32 + c)
                                 : name(c, "ToolButton?"));
    }
    out += " |";
    for (int c : cells)
        out += " " + (c < 0 ? cell(c == -1 ? d.remoteTxLabel : d.remoteRxLabel, nullptr)
                            : cell(d.findChild<QLabel *>(name(c, "Label")), d.findChild<QPushButton *>(name(c, "PushButton"))));
    return out + " | " + core.takeLines().join(", ");
}

// The record the callers take: wires, how many measured, which switched off, each remote value and presence.
QString stored(const woxCableConfigDialog &d)
{
    const woxCableConfiguration c = d.configuration();
    QString off;
    int measured = 0;
    for (int e = 0; e < c.wires.size(); ++e)
        measured += c.wires[e].resistance != -1.0f, off += c.wires[e].enabled ? "" : " " + QString::number(e);
    return QString("%1 wires %2 measured off%3 tx %4 %5 rx %6 %7").arg(c.wires.size()).arg(measured).arg(off)
        .arg(c.remoteTxResistance).arg(c.remoteTxPresent).arg(c.remoteRxResistance).arg(c.remoteRxPresent);
}

// Runs rows of (actions separated by "; ", what the dialog then shows). Actions: a button named by the start of its
// name is clicked; "r E V" reports V kilo-ohms for electrode E, "e E C" error C, "a E V" V for E and on while the
// run goes on; "t I" picks threshold I; "Esc"; "off" switches off all wires of both cables.
void run(woxCableConfigDialog &d, woxCoreDouble &core, const QList<int> &cells, const QStringList &rows)
{
    for (int i = 0; i < rows.size(); i += 2) {
        for (const QString &action : rows[i].split("; ")) {
            const QStringList w = action.split(' ');
            woxCoreReportResistance report;
            report.electrode = woxElectrode(w.value(1).toInt());
            report.resistance = w.value(2).toFloat();
            report.error.code = quint8(w[0] == "e" ? report.resistance : 0);
            if (w[0] == "r" || w[0] == "e")
                woxCoreDouble::deliver(report);
            for (; w[0] == "a" && d.checkCablePushButton->isChecked() && report.electrode < 64; ++report.electrode, core.take())
                woxCoreDouble::deliver(report);
            if (w[0] == "t" || w[0] == "Esc")
                w[0] == "t" ? d.failGroundingComboBox->setCurrentIndex(w[1].toInt()) : QTest::keyClick(&d, Qt::Key_Escape);
            for (int c = 0; w[0] == "off" && c < 66; ++c)
                woxPress(&d, c % 33 < 32 ? name(c % 33, "PushButton") : c < 33 ? "nextToolButton" : "previousToolButton");
            const QAbstractButton *named = d.findChildren<QAbstractButton *>(QRegularExpression("^" + w[0])).value(0);
            if (w[0].size() > 3)
                QVERIFY2(named && woxPress(&d, named->objectName()), qPrintable(w[0]));
        }
        QCOMPARE(look(d, core, cells) + " after " + rows[i], rows[i + 1] + " after " + rows[i]);
    }
}

} // namespace

// The cable dialog against the core double, which records every request.
class tst_cableConfigDialog : public QObject
{
    Q_OBJECT
    woxCoreDouble core;

private slots:
    void init()
    {
        core.take();
        QVERIFY2(woxFreshStart::reset(), "a private environment");
    }

    void cleanup() { woxWarningDialog::closeInstance(), woxTranslator::destroy(); }

    // The stored language's texts: a code without a catalogue keeps the source texts (the unit "kOhm"), English
    // shows the ohm's sign, Russian its own words; the remote captions are the same in all. Electrode 5 measured
    // at 0.5, electrode 6 not, the remote receiver not.
    void textsInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no catalogue") << "De" << "Fail grounding [kOhm]: | 0.50\nkOhm | N / A\n  | N / A | Tx\u221E: Rx\u221E:";
        QTest::newRow("English") << "Uk" << "Fail grounding [k\u03A9]: | 0.50\nk\u03A9 | N / A\n  | N / A | Tx\u221E: Rx\u221E:";
        QTest::newRow("Russian") << "Ru" << "Порог заземления [кОм]: | 0.50\nкОм | Н / Д\n  | Н / Д | Tx\u221E: Rx\u221E:";
    }

    void textsInEachLanguage()
    {
        QFETCH(QString, language);
        QSettings(settingsOrganisation, "woxTranslator").setValue("language", language);
        woxCableConfigDialog d(nullptr, 2, true, true);
        d.automaticAdvanceCheckBox->click();
        d.w05ToolButton->click();
        d.checkCablePushButton->click();
        woxCoreReportResistance report;
        report.electrode = 5, report.resistance = 0.5f;
        woxCoreDouble::deliver(report);
        QTEST(QStringList({d._failGroundingLabel->text(), d.w05Label->text(), d.w06Label->text(), d.remoteRxLabel->text(),
                           d._remoteTxLabel->text() + " " + d._remoteRxLabel->text()}).join(" | "), "expected");
    }

    // The 32 cells: number buttons 1..32 over the wire and its value on the upper row, under them on the lower;
    // flat wire buttons with 63-pixel pictures; each wire button switches its own electrode, on either cable; the
    // record streams 22 bytes and 9 per electrode; the threshold list; the dialog's colours.
    void cellsOfTheForm()
    {
        woxCableConfigDialog d(nullptr, 2, false, true);
        const char *const upper[16] = {"4", "8", "5", "11", "6", "7", "10", "9", "12", "15", "16", "14", "13", "19",
                                       "18", "17"};
        QStringList misplaced;
        for (int c = 0; c < 32; ++c) {
            QWidget *parts[3] = {d.findChild<QToolButton *>(name(c, "ToolButton")),
                                 d.findChild<QPushButton *>(name(c, "PushButton")), d.findChild<QLabel *>(name(c, "Label"))};
            const auto *layout = d.findChild<QVBoxLayout *>("verticalLayout_" + (c < 16 ? upper[c] : QString::number(c + 4)));
            const auto *wire = qobject_cast<QPushButton *>(parts[1]);
            bool placed = layout && layout->count() == 3 && wire && wire->isFlat() && wire->iconSize() == QSize(63, 63)
                          && static_cast<QAbstractButton *>(parts[0])->text() == QString::number(c + 1);
            for (int i = 0; placed && i < 3; ++i)
                placed = layout->itemAt(c < 16 ? i : 2 - i)->widget() == parts[i];
            if (!placed)
                misplaced << name(c, "");
        }
        QCOMPARE(misplaced.join(' '), QString());
        QStringList off;
        for (const int c : {7, 31, 0}) {
            woxPress(&d, name(c, "PushButton"));
            off << stored(d).section(" off", 1).section(" tx", 0, 0);
        }
        d.nextToolButton->click();
        d.w02PushButton->click();
        QStringList thresholds;
        for (int i = 0; i < d.failGroundingComboBox->count(); ++i)
            thresholds << d.failGroundingComboBox->itemText(i);
        QCOMPARE(off.join(',') + " |" + stored(d).section(" off", 1) + " | " + QString::number(woxStreamed(d.configuration()).size())
                     + " | " + thresholds.join(' '),
                 QString(" 7, 7 31, 0 7 31 | 0 7 31 34 tx 0 0 rx -1 1 | 598 | "
                         "0.25 0.50 0.75 1.00 1.50 2.00 2.50 3.00 3.50 4.00 4.50 5.00 10.0 15.0 20.0"));
        d.groundingCheckGroupBox->setEnabled(false);
        QStringList colours;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled})
            colours << d._failGroundingLabel->palette().color(group, QPalette::WindowText).name()
                    << d.palette().color(group, QPalette::Window).name();
        QCOMPARE(colours.join(' '), QString("#000000 #fff7ef #787878 #fff7ef"));
    }

    // Two cables (0 stands for 2), both remote electrodes: texts, first threshold and button pictures; a run from 28
    // over the page turn (NaN and 0 read as not measured, 0.25 fails at 0.25, a wire switched off shows crossed out)
    // recoloured by the threshold; Disable failed; the remote check, transmitter first; Cancel and Accept keep it
    // all; Reset, after No then Yes, clears it.
    void automaticRun()
    {
        woxCableConfigDialog d(nullptr, 0, true, true);
        QString texts = woxScreenState(&d, "acceptPushButton resetPushButton cancelPushButton previousToolButton "
                                           "nextToolButton checkCablePushButton disableFailedPushButton "
                                           "checkRemotePushButton automaticAdvanceCheckBox stopIfFailedCheckBox "
                                           "_failGroundingLabel _remoteTxLabel _remoteRxLabel failGroundingComboBox");
        for (const QGroupBox *box : d.findChildren<QGroupBox *>())
            texts += ", " + box->title();
        QCOMPARE(texts.remove(QRegularExpression("\\w+:|\\{[^}]*\\}")),
                 QString("Accept | Reset | Cancel | Previous | Next | Check cable | Disable failed | Check remote | "
                         "Automatic advance* | Stop if failed | Fail grounding [k\u03A9]: | Tx\u221E: | Rx\u221E: | 0.25, "
                         "Actions, Current cable, Cable configuration, Grounding check, Remote"));
        const auto image = [](const QIcon &icon) { return icon.pixmap(64).toImage(); };
        for (const QString pair : {"accept accept", "reset refresh", "cancel close", "checkCable play",
                                   "disableFailed disable", "checkRemote infinity"}) {
            const QAbstractButton *button = d.findChild<QAbstractButton *>(pair.section(' ', 0, 0) + "PushButton");
            QVERIFY2(button && image(button->icon()) == image(QIcon(":/icons/icons/" + pair.section(' ', 1) + ".png")),
                     qPrintable(pair));
        }
        woxModalScript script;
        const auto press = [](const char *button) {
            return [button](QDialog *dialog) { woxPress(dialog, button); };
        };
        script.answer(0).answer(1).then(press("cancelPushButton")).then(press("acceptPushButton")).answer(0).answer(1);
        const QList<int> cells = {0, 28, 30, -1, -2};
        run(d, core, cells, {
            "w00Push; w28Tool; checkCable", "A!C!a!*W*R! 1 / 2 sel 28 | NA_[kx] NA_[k] NA_[k] NA[k] NA[k] | Resistance 28 0 1",
            "r 28 0.24543; r 29 nan; r 30 0.25", "A!C!a!*W*R! 1 / 2 sel 31 | NA_[kx] 0.25[b] 0.25[r] NA[k] NA[k] | "
                                                  "Resistance 29 0 1, Resistance 30 0 1, Resistance 31 0 1",
            "r 31 0; r 32 0.56543", "A!C!a!*W*R! 2 / 2 sel 33 | 0.57[r] NA_[k] NA_[k] NA[k] NA[k] | Resistance 32 0 1, "
                                    "Resistance 33 0 1",
            "a 33 0.24543", "ACa*WR 2 / 2 sel 63 | 0.57[r] 0.25[b] 0.25[b] NA[k] NA[k] | ",
            "t 2", "ACa*WR 2 / 2 sel 63 | 0.57[b] 0.25[b] 0.25[b] NA[k] NA[k] | ",
            "t 0; disableFailed", "ACa*WR 2 / 2 sel 63 | 0.57[r] 0.25[b] 0.25[b] NA[k] NA[k] | ",
            "disableFailed", "ACa*WR 2 / 2 sel 63 | 0.57[rx] 0.25[b] 0.25[b] NA[k] NA[k] | ",
            "previous; next; checkRemote", "A!Ca*W!R! 2 / 2 sel 32 | 0.57[rx] 0.25[b] 0.25[b] NA[k] NA[k] | Resistance -1 0 1",
            "r 65535 0.56543", "A!Ca*W!R! 2 / 2 sel 32 | 0.57[rx] 0.25[b] 0.25[b] 0.57[r] NA[k] | Resistance -2 0 1",
            "r 65534 0.24543", "ACa*WR 2 / 2 sel 32 | 0.57[rx] 0.25[b] 0.25[b] 0.57[r] 0.25[b] | ",
        });
        QCOMPARE(d.exec(), 0);
        QCOMPARE(d.exec(), 1);
        QCOMPARE(stored(d), "64 wires 34 measured off 0 30 32 tx 0.56543 1 rx 0.24543 1");
        run(d, core, cells, {"reset", "closed ACa*WR 2 / 2 sel 32 | 0.57[rx] 0.25[b] 0.25[b] 0.57[r] 0.25[b] | ",
                             "reset", "closed ACa*WR 1 / 2 sel 0 | NA_[k] NA_[k] NA_[k] NA[k] NA[k] | "});
        QCOMPARE(stored(d), "64 wires 0 measured off tx -1 1 rx -1 1");
        const QString sure = "woxWarningDialog: Are you sure you want to ";
        QCOMPARE(script.seen, QStringList({sure + "disable failed electrodes?", sure + "disable failed electrodes?",
                                           "woxCableConfigDialog", "woxCableConfigDialog",
                                           sure + "reset current configuration?", sure + "reset current configuration?"}));
    }

    // One electrode per press: the last of the first cable moves the selection, and the page, to the second; the
    // last electrode of all ends an automatic run at once. Disable failed never switches a wire on again, also
    // after the threshold is raised past its value.
    void singleChecksAndTheLastElectrode()
    {
        woxCableConfigDialog d(nullptr, 2, false, false);
        woxModalScript script;
        script.answer(1).answer(1);
        run(d, core, {31}, {
            "automatic; w31Tool; checkCable", "A!C!a!WR! 1 / 2 sel 31 | NA_[k] | Resistance 31 0 1",
            "r 31 0.5", "ACaWR! 2 / 2 sel 32 | NA_[k] | ",
            "previous", "ACaWR! 1 / 2 sel 0 | 0.50[r] | ",
            "automatic; next; w31Tool; checkCable", "A!C!a!*W*R! 2 / 2 sel 63 | NA_[k] | Resistance 63 0 1",
            "r 63 0.5", "ACa*WR! 2 / 2 sel 63 | 0.50[r] | ",
            "disableFailed", "ACa*WR! 2 / 2 sel 63 | 0.50[rx] | ",
            "t 14; disableFailed", "ACa*WR! 2 / 2 sel 63 | 0.50[bx] | ",
        });
        QCOMPARE(stored(d), "64 wires 2 measured off 31 63 tx 0 0 rx 0 0");
        QCOMPARE(script.seen.size(), 2);
    }

    // A damaged cable count means two. Stop if failed at "1.00": 0.99 passes, 1.00 fails. One request at a time:
    // a second click asks nothing, a report of no request of this dialog changes nothing, nor in another kept by.
    // Unchecking unlocks at once and stops (Escape waits); the late value lands on the electrode measured; errors
    // end checks. Switched-off wires need no job and lose their values. Each number button selects its own wire.
    void stopsAndErrors()
    {
        woxCableConfigDialog kept(nullptr, 1, false, true);
        woxCableConfigDialog d(nullptr, 7, false, false);
        d.show();
        woxModalScript script;
        script.answer(1).answer(1).answer(1);
        run(d, core, {3, 5, 6, 10}, {
            "t 3; stopIf; w05Tool; checkCable", "A!C!a!*W*R! 1 / 2 sel 5 | NA_[k] NA_[k] NA_[k] NA_[k] | Resistance 5 0 1",
            "r 5 0.99; r 6 1", "ACa*WR! 1 / 2 sel 6 | NA_[k] 0.99[b] 1.00[r] NA_[k] | Resistance 6 0 1",
            "automatic; checkCable; checkCable; r 9 0.5",
            "A!C!a!WR! 1 / 2 sel 6 | NA_[k] 0.99[b] 1.00[r] NA_[k] | Resistance 6 0 1",
            "r 6 0.5; automatic", "ACa*WR! 1 / 2 sel 7 | NA_[k] 0.99[b] 0.50[b] NA_[k] | ",
            "w03Tool; checkCable; w08Tool; Esc", "A!C!a!*W*R! 1 / 2 sel 3 | NA_[k] 0.99[b] 0.50[b] NA_[k] | Resistance 3 0 1",
            "checkCable; w10Tool", "ACa*WR! 1 / 2 sel 10 | NA_[k] 0.99[b] 0.50[b] NA_[k] | Stop",
            "r 3 0.5", "ACa*WR! 1 / 2 sel 10 | 0.50[b] 0.99[b] 0.50[b] NA_[k] | ",
            "checkCable; e 10 2; checkCable; checkCable; e 10 13", "ACa*WR! 1 / 2 sel 10 | 0.50[b] 0.99[b] 0.50[b] NA_[k] | "
                                                                   "Resistance 10 0 1, Resistance 10 0 1, Stop",
            "off", "ACa*WR! 1 / 2 sel 0 | 0.50[bx] 0.99[bx] 0.50[bx] NA_[kx] | ",
            "checkCable; next", "ACa*WR! 2 / 2 sel 63 | NA_[kx] NA_[kx] NA_[kx] NA_[kx] | ",
            "previous; Esc", "closed ACa*WR! 1 / 2 sel 0 | NA_[kx] NA_[kx] NA_[kx] NA_[kx] | ",
        });
        run(kept, core, {-1, -2}, {"next; checkRemote", "A!Ca*W!R! 1 / 1 sel 0 | NA[k] NA[k] | Resistance -2 0 1",
                                   "e 65534 4", "ACa*WR 1 / 1 sel 0 | NA[k] NA[k] | ",
                                   "checkRemote; r 65534 2.5", "ACa*WR 1 / 1 sel 0 | NA[k] 2.50[r] | Resistance -2 0 1"});
        QStringList rows;   // each number button selects its own wire
        for (int c = 0; c < 32; ++c)
            rows << name(c, "Tool") << QString("closed ACa*WR! 1 / 2 sel %1 | | ").arg(c);
        run(d, core, {}, rows);
        QCOMPARE(script.seen, QStringList({"woxWarningDialog: Can not establish connection with core",
                                           "woxWarningDialog: Canceled by user", "woxWarningDialog: Can not receive data"}));
        QCOMPARE(stored(kept), "32 wires 0 measured off tx 0 0 rx 2.5 1");
    }
};

QTEST_MAIN(tst_cableConfigDialog)
#include "tst_cableConfigDialog.moc"
