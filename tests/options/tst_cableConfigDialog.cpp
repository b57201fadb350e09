#include "woxCableConfigDialog.h"
#include "woxCableDialogProbe.h"
#include "woxCore.h"
#include "woxStoredLanguage.h"
#include "woxStreamed.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QtTest>

using namespace woxCableDialogProbe;

namespace {

const QString notMeasuredCell = QStringLiteral("N / A\n ");

} // namespace

// Construction, pages, texts and the result record: nothing here measures.
class tst_cableConfigDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        woxTranslator::destroy();
        woxStoredLanguage::store(QVariant());
        woxWarningDialog::closeInstance();
        woxCore::destroy();
    }

    void cableCounts_data()
    {
        QTest::addColumn<int>("cables");
        QTest::addColumn<int>("pages");
        QTest::newRow("0 means two") << 0 << 2;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("two") << 2 << 2;
        QTest::newRow("damaged 7 means two") << 7 << 2;
    }

    void cableCounts()
    {
        QFETCH(int, cables);
        QFETCH(int, pages);
        woxCableConfigDialog dialog(nullptr, woxCable(cables), false, false);
        QCOMPARE(dialog.currentCableLabel->text(), QString("1 / %1").arg(pages));
        QCOMPARE(dialog.configuration().wires.size(), 32 * pages);
        QCOMPARE(woxStreamed(dialog.configuration()).size(), 22 + 9 * 32 * pages);
        QCOMPARE(dialog.size(), QSize(1024, 600));
        QCOMPARE(int(dialog.windowFlags()), 0x2001003);
        dialog.nextToolButton->click();
        QCOMPARE(dialog.currentCableLabel->text(), QString("%1 / %1").arg(pages));
        QCOMPARE(selected(dialog), (pages - 1) * 32);
        dialog.nextToolButton->click();
        QCOMPARE(page(dialog), pages - 1);
        dialog.previousToolButton->click();
        QCOMPARE(dialog.currentCableLabel->text(), QString("1 / %1").arg(pages));
        QCOMPARE(selected(dialog), 0);
    }

    void newDialogLook()
    {
        woxCableConfigDialog dialog(nullptr, 2, false, false);
        QCOMPARE(dialog.failGroundingComboBox->currentText(), QString("0.25"));
        QCOMPARE(selected(dialog), 0);
        for (int cell = 0; cell < 32; ++cell) {
            QCOMPARE(cellText(dialog, cell), notMeasuredCell);
            const QLabel *label = dialog.findChild<QLabel *>(QString("w%1Label").arg(cell, 2, 10, QLatin1Char('0')));
            QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::black));
        }
        QCOMPARE(dialog.w17PushButton->icon().availableSizes().value(0), QSize(63, 18));
        // Without remote electrodes nothing draws into the remote labels.
        QVERIFY(!dialog.checkRemotePushButton->isEnabled());
        QCOMPARE(dialog.remoteTxLabel->text(), QString("N / A"));
        QCOMPARE(dialog.remoteRxLabel->text(), QString("N / A"));
    }

    void texts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QString>("cell");
        QTest::newRow("no catalogue") << QString() << "Fail grounding [kOhm]:" << notMeasuredCell;
        QTest::newRow("English") << "Uk" << QStringLiteral("Fail grounding [k\u03A9]:")
                                 << notMeasuredCell;
        QTest::newRow("Russian") << "Ru" << QString() << QStringLiteral("\u041D / \u0414\n ");
    }

    void texts()
    {
        QFETCH(QString, language);
        QFETCH(QString, threshold);
        QFETCH(QString, cell);
        // A code without a catalogue leaves the source texts.
        woxStoredLanguage::store("De");
        woxCableConfigDialog dialog(nullptr, 2, true, true);
        if (!language.isEmpty())
            woxTranslator::instance()->setLanguage(language);
        if (!threshold.isEmpty())
            QCOMPARE(dialog._failGroundingLabel->text(), threshold);
        QCOMPARE(dialog._remoteTxLabel->text(), QStringLiteral("Tx\u221E:"));
        QCOMPARE(dialog._remoteRxLabel->text(), QStringLiteral("Rx\u221E:"));
        QCOMPARE(cellText(dialog, 5), cell);
        QCOMPARE(dialog.remoteRxLabel->text(), cell.trimmed());
    }

    void configurationOfUntouchedAndSwitchedWires()
    {
        woxCableConfigDialog dialog(nullptr, 1, false, true);
        dialog.w03PushButton->click();
        const woxCableConfiguration record = dialog.configuration();
        QCOMPARE(record.wires.size(), 32);
        QCOMPARE(woxStreamed(record).size(), 310);
        QCOMPARE(record.wires.at(2).resistance, -1.0f);
        QVERIFY(record.wires.at(2).enabled);
        QCOMPARE(record.wires.at(3).resistance, -1.0f);
        QVERIFY(!record.wires.at(3).enabled);
        QVERIFY(!record.remoteTxPresent);
        QCOMPARE(record.remoteTxResistance, 0.0f);
        QVERIFY(record.remoteRxPresent);
        QCOMPARE(record.remoteRxResistance, -1.0f);
        QCOMPARE(dialog.w03PushButton->icon().availableSizes().value(0), QSize(63, 55));
    }

    void runAfterCancelShowsThePreviousState()
    {
        woxCableConfigDialog dialog(nullptr, 2, true, true);
        dialog.nextToolButton->click();
        dialog.w03PushButton->click();
        dialog.w05ToolButton->click();
        QTimer::singleShot(0, dialog.cancelPushButton, &QPushButton::click);
        QCOMPARE(dialog.exec(), 0);
        QTimer::singleShot(0, dialog.acceptPushButton, &QPushButton::click);
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(page(dialog), 1);
        QCOMPARE(selected(dialog), 37);
        QVERIFY(!dialog.configuration().wires.at(35).enabled);
        QCOMPARE(dialog.w03PushButton->icon().availableSizes().value(0), QSize(63, 55));
    }
};

QTEST_MAIN(tst_cableConfigDialog)
#include "tst_cableConfigDialog.moc"
