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

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

// The options page: its form, the stored choices and the read-outs.
class tst_optionsPage : public QObject
{
    Q_OBJECT

private:
    static QSettings store() { return QSettings(settingsOrganisation, "woxOptionsWidget"); }

    static QString blue(const QString &text) { return "<font color=BLUE>" + text + "</font>"; }

    static void choose(QComboBox *list, const QString &text)
    {
        list->setCurrentIndex(list->findText(text));
        QCOMPARE(list->currentText(), text);
    }

    static QImage picture(const QLabel *label)
    {
        return label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
    }

    static QImage resource(const QString &name)
    {
        return QImage(":/pulses/pulses/" + name).convertToFormat(QImage::Format_ARGB32);
    }

private slots:
    void cleanup()
    {
        store().clear();
        woxTranslator::destroy();
    }

    void formRightAfterSetup()
    {
        QWidget named;
        named.setObjectName("kept");
        Ui::mOptionsWidget form;
        form.setupUi(&named);
        QCOMPARE(named.objectName(), QString("kept"));
        QWidget widget;
        form.setupUi(&widget);
        QCOMPARE(widget.objectName(), QString("mOptionsWidget"));
        for (QComboBox *list :
             {form.pulseDurationComboBox, form.pauseDurationComboBox, form.deviationComboBox})
            QCOMPARE(list->count(), 0);
        QCOMPARE(form.minStackingSlider->value(), 1);
        QCOMPARE(form.maxStackingSlider->value(), 24);
        QCOMPARE(form.transmitterDial->value(), 0);
        QCOMPARE(QStringList({form.minStackingLabel->text(), form.maxStackingLabel->text(),
                              form.pulsePosLabel->text(), form.pausePosLabel->text(),
                              form.pulseNegLabel->text(), form.pauseNegLabel->text(),
                              form.frequencyLabel->text(), form.modeLabel->text(),
                              form.transmitterLabel->text()}),
                 QStringList({"0", "0", "100 msec", "100 msec", "100 msec", "100 msec", "5.00",
                              "RESISTIVITY", "500 V"}));

        const QColor grey(120, 120, 120);
        QCOMPARE(form.pauseDurationComboBox->palette().color(QPalette::Text), QColor(Qt::blue));
        form.pauseDurationComboBox->setEnabled(false);
        QCOMPARE(form.pauseDurationComboBox->palette().color(QPalette::Text), grey);
        QCOMPARE(form.pulsesGroupBox->palette().color(QPalette::Disabled, QPalette::WindowText),
                 grey);
        QCOMPARE(form.transmitterDial->palette().color(QPalette::Highlight).alpha(), 0);
        form.transmitterDial->setEnabled(false);
        QCOMPARE(form.transmitterDial->palette().color(QPalette::Highlight),
                 QColor(51, 153, 255));
    }

    // Expected after loading: dial, pulse, pause, deviation, minimum, maximum.
    static void row(const char *name, const QString &key, const QVariant &stored,
                    const QString &expected)
    {
        QTest::newRow(name) << key << stored << expected.split(' ');
    }

    void loading_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QStringList>("expected");
        row("empty store", "", QVariant(), "25 80 20 1.00 3 5");
        row("dial 150", "transmitterDial", 150, "100 80 20 1.00 3 5");
        row("dial text", "transmitterDial", "high", "0 80 20 1.00 3 5");
        row("pulse 10", "pulseDurationComboBox", 10, "25 1000 20 1.00 3 5");
        row("pulse -1", "pulseDurationComboBox", -1, "25 80 20 1.00 3 5");
        row("pulse 20", "pulseDurationComboBox", 20, "25 80 20 1.00 3 5");
        row("pause 21", "pauseDurationComboBox", 21, "25 80 4000 1.00 3 5");
        row("pause 22", "pauseDurationComboBox", 22, "25 80 20 1.00 3 5");
        row("deviation 8", "deviationComboBox", 8, "25 80 20 10.0 3 5");
        row("deviation 9", "deviationComboBox", 9, "25 80 20 1.00 3 5");
        row("deviation 99", "deviationComboBox", 99, "25 80 20 1.00 3 5");
        row("min 0", "minStackingSlider", 0, "25 80 20 1.00 1 5");
        row("min text", "minStackingSlider", "x", "25 80 20 1.00 1 5");
        row("max 30", "maxStackingSlider", 30, "25 80 20 1.00 3 24");
        row("min 10 over max 5", "minStackingSlider", 10, "25 80 20 1.00 5 5");
    }

    void loading()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QStringList, expected);
        if (!key.isEmpty())
            store().setValue(key, stored);
        woxOptionsWidget page;
        QCOMPARE(QStringList({QString::number(page.transmitterDial->value()),
                              page.pulseDurationComboBox->currentText(),
                              page.pauseDurationComboBox->currentText(),
                              page.deviationComboBox->currentText(),
                              QString::number(page.minStackingSlider->value()),
                              QString::number(page.maxStackingSlider->value())}),
                 expected);
        QCOMPARE(page.minStackingLabel->text(), blue(expected[4]));
        QCOMPARE(page.maxStackingLabel->text(), blue(expected[5]));
        if (key.isEmpty())
            QCOMPARE(page.transmitterLabel->text(), QString("<font color=blue>153</font> V"));
    }

    void savingStoresIndexes()
    {
        {
            woxOptionsWidget page;
            choose(page.pulseDurationComboBox, "1000");
            choose(page.pauseDurationComboBox, "60");
            choose(page.deviationComboBox, "0.25");
            page.transmitterDial->setValue(61);
            page.maxStackingSlider->setValue(12);
            page.minStackingSlider->setValue(8);
            page.saveSettings();
        }
        const QSettings settings = store();
        QList<int> stored;
        for (const char *key : {"transmitterDial", "pulseDurationComboBox", "pauseDurationComboBox",
                                "deviationComboBox", "minStackingSlider", "maxStackingSlider"})
            stored << settings.value(key).toInt();
        QCOMPARE(stored, QList<int>({61, 10, 1, 1, 8, 12}));
    }

    void pulseReadouts_data()
    {
        QTest::addColumn<QString>("pulse");
        QTest::addColumn<QString>("pause");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<bool>("ip");
        QTest::newRow("80/20") << "80" << "20" << "5.00" << false;
        QTest::newRow("80/60") << "80" << "60" << "3.57" << true;
        QTest::newRow("100/20") << "100" << "20" << "4.17" << false;
        QTest::newRow("4000/4000") << "4000" << "4000" << "0.06" << true;
        // 3.125 exactly: Qt 5 rounds the half away from zero.
        QTest::newRow("80/80") << "80" << "80" << "3.13" << true;
    }

    void pulseReadouts()
    {
        QFETCH(QString, pulse);
        QFETCH(QString, pause);
        QFETCH(bool, ip);
        woxOptionsWidget page;
        choose(page.pauseDurationComboBox, "2000");
        choose(page.pulseDurationComboBox, pulse);
        choose(page.pauseDurationComboBox, pause);
        QTEST(page.frequencyLabel->text(), "frequency");
        QCOMPARE(page.pulsePosLabel->text(), blue(pulse) + " msec");
        QCOMPARE(page.pulseNegLabel->text(), blue(pulse) + " msec");
        QCOMPARE(page.pausePosLabel->text(), blue(pause) + " msec");
        QCOMPARE(page.pauseNegLabel->text(), blue(pause) + " msec");
        QCOMPARE(page.modeLabel->text(),
                 ip ? blue("RESISTIVITY") + " + " + blue("IP") : blue("RESISTIVITY"));
        const QString kind = ip ? "resIp" : "res";
        QCOMPARE(picture(page.posPixLabel), resource(kind + "Pos.png"));
        QCOMPARE(picture(page.negPixLabel), resource(kind + "Neg.png"));
    }

    void voltage_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("volts");
        const QList<int> levels = {0, 1, 8, 24, 25, 50, 99, 100, -5, 150};
        const QStringList shown = QString("38 42 75 149 153 269 495 500 38 500").split(' ');
        for (int i = 0; i < levels.size(); ++i)
            QTest::newRow(qPrintable(QString::number(levels[i]))) << levels[i] << shown[i];
    }

    void voltage()
    {
        QFETCH(int, percent);
        QFETCH(QString, volts);
        woxOptionsWidget page;
        QMetaObject::invokeMethod(&page, "onTransmitterLabelUpdate", Q_ARG(int, percent));
        QCOMPARE(page.transmitterLabel->text(), "<font color=blue>" + volts + "</font> V");
        page.transmitterDial->setValue(percent);
        QCOMPARE(page.transmitterLabel->text(), "<font color=blue>" + volts + "</font> V");
    }

    void stackingLimits()
    {
        woxOptionsWidget page;
        page.maxStackingSlider->setValue(10);
        page.minStackingSlider->setValue(7);
        page.maxStackingSlider->setValue(3);
        QCOMPARE(page.maxStackingSlider->value(), 7);
        QCOMPARE(page.maxStackingLabel->text(), blue("7"));
        QCOMPARE(page.minStackingSlider->value(), 7);
        page.minStackingSlider->setValue(9);
        QCOMPARE(page.minStackingSlider->value(), 7);
        QCOMPARE(page.minStackingLabel->text(), blue("7"));

        page.minStackingSlider->setValue(5);
        page.maxStackingSlider->setValue(5);
        page.incMinStackingToolButton->click();
        page.decMaxStackingToolButton->click();
        QCOMPARE(page.minStackingSlider->value(), 5);
        QCOMPARE(page.maxStackingSlider->value(), 5);
        QCOMPARE(page.minStackingLabel->text(), blue("5"));
        QCOMPARE(page.maxStackingLabel->text(), blue("5"));
        page.decMinStackingToolButton->click();
        page.incMaxStackingToolButton->click();
        QCOMPARE(page.minStackingLabel->text(), blue("4"));
        QCOMPARE(page.maxStackingLabel->text(), blue("6"));

        page.minStackingSlider->setValue(1);
        page.maxStackingSlider->setValue(24);
        QSignalSpy minimum(page.minStackingSlider, &QSlider::valueChanged);
        QSignalSpy maximum(page.maxStackingSlider, &QSlider::valueChanged);
        page.decMinStackingToolButton->click();
        page.incMaxStackingToolButton->click();
        QCOMPARE(minimum.count() + maximum.count(), 0);
        QCOMPARE(page.minStackingLabel->text(), blue("1"));
    }

    void russian()
    {
        woxOptionsWidget page;
        choose(page.pauseDurationComboBox, "60");
        const QString frequency = page.frequencyLabel->text();
        woxTranslator::instance()->setLanguage("Ru");
        QCOMPARE(page.pulsesGroupBox->title(), QString("Импульсы"));
        QCOMPARE(page._pulseDurationLabel->text(), QString("Длительность импульса [мс]:"));
        QCOMPARE(page._deviationLabel->text(), QString("Отн. стандартное отклонение [%]:"));
        QCOMPARE(page.modeLabel->text(), blue("УЭС") + " + " + blue("ВП"));
        QCOMPARE(page.transmitterLabel->text(), QString("<font color=blue>153</font> В"));
        QCOMPARE(page.pulsePosLabel->text(), blue("80") + " мс");
        QCOMPARE(page.frequencyLabel->text(), frequency);
        QCOMPARE(page.minStackingLabel->text(), blue("3"));
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
