#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxDeviceTableWidget.h"
#include "woxGPSWidget.h"
#include "woxLanguageWidget.h"
#include "woxModalScript.h"
#include "woxReleaseWidget.h"
#include "woxStatusBar.h"
#include "woxSystemWidget.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QtTest>

// The translator, the stored language and the language screen; every function starts with no stored language and
// no translator, as on a first start.
class tst_language : public QObject
{
    Q_OBJECT
    woxCoreDouble core;

    static QString stored()
    {
        const QVariant value = QSettings(settingsOrganisation, "woxTranslator").value("language");
        return value.isValid() ? value.toString() : "-";
    }
    static QString yes() { return QCoreApplication::translate("woxWarningDialog", "Yes"); }
private slots:
    void init()
    {
        woxWarningDialog::closeInstance();
        woxTranslator::destroy();
        QSettings(settingsOrganisation, "woxTranslator").clear();
    }
    void cleanup()
    {
        init();
        core.take();
    }

    // "stored at start | flags pressed | screen at opening | after the flags: screen, language, signals, stored | stored
    // after Accept". The code stored is the translator's at the close, even one without a translation.
    void languageScreen_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : {"- |  | Accept Language | Accept Language Uk 0 - | Uk",
                 "- | uk | Accept Language | Accept Language Uk 1 - | Uk",
                 "- | ru | Accept Language | Принять Язык Ru 1 - | Ru",
                 "- | ru uk | Accept Language | Accept Language Uk 2 - | Uk",
                 "- | uk ru | Accept Language | Принять Язык Ru 2 - | Ru",
                 "Ru |  | Принять Язык | Принять Язык Ru 0 Ru | Ru",
                 "Ru | uk | Принять Язык | Accept Language Uk 1 Ru | Uk",
                 "De |  | Accept Language | Accept Language De 0 De | De",
                 "De | ru | Accept Language | Принять Язык Ru 1 De | Ru"})
            QTest::newRow(row) << QString(row);
    }
    void languageScreen()
    {
        QFETCH(QString, row);
        const QStringList v = row.split(" | ");
        if (v[0] != "-")
            QSettings(settingsOrganisation, "woxTranslator").setValue("language", v[0]);
        woxLanguageWidget screen;
        QSignalSpy changes(woxTranslator::instance(), &woxTranslator::sendTranslate);
        QStringList shown(v.mid(0, 2));
        shown << screen.pushButton->text() + " " + screen.groupBox->title();
        for (const QString &flag : v[1].split(' ', Qt::SkipEmptyParts)) {
            QPushButton *button = screen.findChild<QPushButton *>(flag + "PushButton");
            QVERIFY2(button, qPrintable(flag + "PushButton"));
            button->click();
        }
        shown << QStringList({screen.pushButton->text(), screen.groupBox->title(), woxTranslator::instance()->language(),
                              QString::number(changes.count()), stored()}).join(' ');
        QSignalSpy closed(&screen, &woxLanguageWidget::sendLanguageWidgetClose);
        screen.pushButton->click();
        QCOMPARE((shown << stored() + (closed.count() == 1 ? "" : " not closed")).join(" | "), row);
    }
    // Only a code with its own translation changes the language; a failed change keeps the texts and signals nothing.
    // The translator never writes the stored language.
    void failedChange()
    {
        woxTranslator::instance()->setLanguage("Ru");
        QSignalSpy changes(woxTranslator::instance(), &woxTranslator::sendTranslate);
        QStringList shown;
        for (const char *code : {"Xx", "Ru_x", "Ru.x", "", "ru"}) {
            woxTranslator::instance()->setLanguage(code);
            shown << QString(code) + " " + woxTranslator::instance()->language() + " " + yes();
        }
        woxTranslator::instance()->setLanguage("Uk");
        shown << "Uk " + woxTranslator::instance()->language() + " " + yes() + " " + QString::number(changes.count());
        woxTranslator::destroy();
        QCOMPARE(shown << stored(), QStringList({"Xx Ru Да", "Ru_x Ru Да", "Ru.x Ru Да", " Ru Да", "ru Ru Да",
                                                 "Uk Uk Yes 1", "-"}));
    }
    // A change re-translates at once every screen that exists: the status bar's captions and units, the open message
    // dialog, the system menu (USB and GPS read the same in both), the release notes and their version line, the GPS
    // captions (its values at the next tick), the device screen's button, still disabled while it waits, and its
    // header (the device names keep the language they were read in). "ru": not the English text.
    void everyScreenFollows()
    {
        woxStatusBar bar;
        woxSystemWidget menu;
        woxReleaseWidget notes;
        woxGPSWidget gps;
        woxDeviceTableWidget devices;   // its discovery stays unanswered
        QTimer *tick = gps.findChild<QTimer *>("refreshTimer");
        QVERIFY2(tick, "refreshTimer");
        const auto english = [](const QString &text, const char *source) { return text == source ? text : QString("ru"); };
        woxModalScript script;
        QStringList shown;
        script.answer(1).then([&](QDialog *dialog) {
            for (const char *code : {"Ru", "Uk"}) {
                woxTranslator::instance()->setLanguage(code);
                core.deliver(woxCoreReportSensor{{}, {{1, 12000.f}, {2, 11000.f}, {3, 50.f}}});
                auto *d = static_cast<woxWarningDialog *>(dialog);
                shown << QStringList({bar._mLabel->text(), bar._eLabel->text(), bar._iLabel->text(),
                                      bar.intBatVoltageLabel->text(), bar.extBatVoltageLabel->text(),
                                      bar.moistureLabel->text(), d->windowTitle(), d->noPushButton->text(),
                                      d->cancelPushButton->text(), d->okYesPushButton->text()}).join('|');
                QFile file(QString(":/release/release/%1.txt").arg(code));
                QVERIFY(file.open(QIODevice::ReadOnly));
                shown << notes.currentVersionLabel->text().section(':', 1)
                             + (notes.textBrowser->toPlainText() == QString::fromUtf8(file.readAll()) ? " notes" : "");
                shown << "gps";
                const QStringList captions = {gps._latLabel->text(), gps._lonLabel->text(), gps._qualityLabel->text(),
                                              gps._timeLabel->text(), gps._dateLabel->text(),
                                              gps.acceptPushButton->text(), gps.dateLabel->text()};
                const char *sources[] = {"Latitude:", "Longitude:", "Quality:", "Time:", "Date:", "Accept", "N/A"};
                for (int i = 0; i < captions.size(); ++i)
                    shown.last() += " " + english(captions[i], sources[i]);
                QVERIFY(QMetaObject::invokeMethod(tick, "timeout"));
                const QAbstractItemModel *model = devices.deviceTableView->model();
                shown.last() += ">" + english(gps.dateLabel->text(), "N/A") + " devices "
                                + (devices.refreshPushButton->isEnabled() ? "" : "!")
                                + english(devices.refreshPushButton->text(), "Refresh") + " "
                                + english(model->headerData(1, Qt::Horizontal).toString(), "Device") + " "
                                + model->headerData(0, Qt::Horizontal).toString() + " "
                                + model->index(42, 1).data().toString();
                shown << QString();
                for (const QToolButton *button : menu.findChildren<QToolButton *>())
                    shown.last() += button->text().isEmpty() ? " empty" : button->text().contains(
                                        QRegularExpression("^[A-Za-z]+$")) ? " " + button->text() : " ru";
            }
            dialog->accept();
        });
        woxWarningDialog::showOk("built");
        woxWarningDialog::askYesNoCancel("Save?");
        QCOMPARE(shown, QStringList({"Влажность:|Внеш. батарея:|Внут. батарея:|<font color=blue>12.0</font> В|"
                                     "<font color=blue>11.0</font> В|<font color=blue>50</font> %|Внимание!|Нет|Отмена|Yes",
                                     " 7 (wox_0) notes",
                                     "gps ru ru ru ru ru ru N/A>ru devices !ru ru + Transmitter switch",
                                     " ru USB ru ru ru ru GPS ru ru",
                                     "Moisture:|Ext. battery:|Int. battery:|<font color=blue>12.0</font> V|"
                                     "<font color=blue>11.0</font> V|<font color=blue>50</font> %|Attention!|No|Cancel|Yes",
                                     " 7 (wox_0) notes",
                                     "gps Latitude: Longitude: Quality: Time: Date: Accept ru>N/A devices !Refresh Device + "
                                     "Transmitter switch",
                                     " Language USB Devices Update Clock Release GPS Engineer Exit"}));
        QCOMPARE(notes.currentVersionLabel->text(), QString("Current version: 7 (wox_0)"));
    }
};

QTEST_MAIN(tst_language)
#include "tst_language.moc"
