#include "woxElectrodeState.h"

#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <cmath>

namespace {

const QColor black(0, 0, 0), red(255, 0, 0), blue(0, 0, 255);

QColor textColour(const QLabel &label)
{
    return label.palette().color(QPalette::Active, QPalette::WindowText);
}

QString kiloOhm(const char *value, const QString &unit)
{
    return QString::fromLatin1(value) + QLatin1Char('\n') + unit;
}

} // namespace

class tst_electrodeState : public QObject
{
    Q_OBJECT

private:
    QLabel label;
    QPushButton button;

    // The two wire pictures differ in height: 18 enabled, 55 disabled.
    QSize shownPicture() const
    {
        return button.icon().availableSizes().value(0);
    }

private slots:
    void notMeasuredValues_data()
    {
        QTest::addColumn<float>("value");
        QTest::newRow("zero") << 0.0f;
        QTest::newRow("negative") << -5.0f;
        QTest::newRow("nan") << float(NAN);
    }

    void notMeasuredValues()
    {
        QFETCH(float, value);
        woxElectrodeState state(&label, &button);
        state.setResistance(0.5f);
        state.setResistance(value);
        QVERIFY(!state.isMeasured());
        QCOMPARE(state.resistance(), -1.0f);
        state.updateWidgets(0.25f);
        QCOMPARE(label.text(), QString("N / A\n "));
        QCOMPARE(textColour(label), black);
        // A not-measured electrode never fails.
        state.disableIfAbove(0.25f);
        QVERIFY(!state.isDisabled());
    }

    void thresholdColoursAndDisables_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("below") << 0.2f << kiloOhm("0.20", "kOhm") << blue;
        QTest::newRow("equal") << 0.25f << kiloOhm("0.25", "kOhm") << red;
        QTest::newRow("second 4 rounds up") << 0.24543f << kiloOhm("0.25", "kOhm") << blue;
        QTest::newRow("large") << 1234.5f << kiloOhm("1234.50", "kOhm") << red;
    }

    void thresholdColoursAndDisables()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        woxElectrodeState state(&label, &button);
        state.setResistance(value);
        QCOMPARE(state.resistance(), value);
        state.updateWidgets(0.25f);
        QCOMPARE(label.text(), text);
        QCOMPARE(textColour(label), colour);
        state.disableIfAbove(0.25f);
        QCOMPARE(state.isDisabled(), colour == red);
        // Disabling never enables again.
        state.disableIfAbove(1e6f);
        QCOMPARE(state.isDisabled(), colour == red);
    }

    void remoteTextLines()
    {
        woxElectrodeState remote(&label, true);
        remote.updateWidgets(0.25f);
        QCOMPARE(label.text(), QString("N / A"));
        remote.setResistance(1.25f);
        remote.updateWidgets(2.0f);
        QCOMPARE(label.text(), kiloOhm("1.25", "kOhm"));
        QCOMPARE(textColour(label), blue);
    }

    void unitFollowsCatalogue_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << QString() << kiloOhm("0.17", "kOhm");
        QTest::newRow("Uk") << "Uk" << kiloOhm("0.17", QStringLiteral("k\u03A9"));
        QTest::newRow("Ru") << "Ru" << kiloOhm("0.17", QStringLiteral("\u043A\u041E\u043C"));
    }

    void unitFollowsCatalogue()
    {
        QFETCH(QString, catalogue);
        QFETCH(QString, text);
        QTranslator translator;
        if (!catalogue.isEmpty()) {
            QVERIFY(translator.load(":/system/system/" + catalogue + ".qm"));
            QCoreApplication::installTranslator(&translator);
        }
        woxElectrodeState state(&label, &button);
        state.setResistance(0.16543f);
        state.updateWidgets(0.25f);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(label.text(), text);
    }

    void switchingAndPictures()
    {
        woxElectrodeState state(&label, &button);
        state.updateWidgets(0.25f);
        QCOMPARE(shownPicture(), QSize(63, 18));
        state.toggle();
        QVERIFY(state.isDisabled());
        state.updateWidgets(0.25f);
        QCOMPARE(shownPicture(), QSize(63, 55));
        QCOMPARE(label.text(), QString("N / A\n "));
        QCOMPARE(textColour(label), black);
        state.toggle();
        QVERIFY(!state.isDisabled());
        state.toggle();
        state.setResistance(3.0f);
        state.reset();
        QVERIFY(!state.isDisabled());
        QVERIFY(!state.isMeasured());
    }
};

QTEST_MAIN(tst_electrodeState)
#include "tst_electrodeState.moc"
