#include "ui_mCableConfigDialog.h"
#include "woxElectrodeState.h"

#include <QTranslator>
#include <QtTest>

#include <cmath>

namespace {

const QColor black(0, 0, 0), red(255, 0, 0), blue(0, 0, 255);

} // namespace

// One electrode cell drawn on its own, then the bare form built on a plain
// dialog as the cable dialog builds it.
class tst_cableForm : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QDialog> dialog;
    Ui::mCableConfigDialog form;

private slots:
    void init()
    {
        dialog.reset(new QDialog);
        form.setupUi(dialog.data());
    }

    void cleanup() { dialog.reset(); }

    void cellDrawing_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<bool>("switchedOff");
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        const QString none, notMeasured("N / A\n ");
        QTest::newRow("zero") << 0.0f << false << false << none << notMeasured << black;
        QTest::newRow("NaN") << float(NAN) << false << false << none << notMeasured << black;
        QTest::newRow("below") << 0.2f << false << false << none << "0.20\nkOhm" << blue;
        QTest::newRow("equal fails") << 0.25f << false << false << none << "0.25\nkOhm" << red;
        QTest::newRow("remote") << 0.0f << true << false << none << "N / A" << black;
        QTest::newRow("remote measured") << 1.25f << true << false << none << "1.25\nkOhm" << red;
        QTest::newRow("Uk") << 0.16543f << false << false << "Uk" << "0.17\nk\u03A9" << blue;
        QTest::newRow("Ru") << 0.16543f << false << false << "Ru"
                            << QStringLiteral("0.17\n\u043A\u041E\u043C") << blue;
        QTest::newRow("switched off") << 0.0f << false << true << none << notMeasured << black;
    }

    void cellDrawing()
    {
        QFETCH(float, value);
        QFETCH(bool, remote);
        QFETCH(bool, switchedOff);
        QFETCH(QString, catalogue);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QLabel label;
        QPushButton button;
        woxElectrodeState state = remote ? woxElectrodeState(&label, true)
                                         : woxElectrodeState(&label, &button);
        QTranslator translator;
        if (!catalogue.isEmpty()) {
            QVERIFY(translator.load(":/system/system/" + catalogue + ".qm"));
            QCoreApplication::installTranslator(&translator);
        }
        const bool measured = text.contains('.');
        state.setResistance(0.5f);
        state.setResistance(value);
        if (switchedOff)
            state.toggle();
        QCOMPARE(state.isMeasured(), measured);
        QCOMPARE(state.resistance(), measured ? value : -1.0f);
        state.updateWidgets(0.25f);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(label.text(), text);
        QCOMPARE(label.palette().color(QPalette::Active, QPalette::WindowText), colour);
        // The two wire pictures differ in height.
        QCOMPARE(button.icon().availableSizes().value(0),
                 remote ? QSize() : QSize(63, switchedOff ? 55 : 18));
        // Failed means at or above; nothing measured never fails; nothing enables again.
        const bool disabled = switchedOff || colour == red;
        for (float threshold : {0.25f, 1e6f}) {
            state.disableIfAbove(threshold);
            QCOMPARE(state.isDisabled(), disabled);
        }
        state.toggle();
        state.toggle();
        QCOMPARE(state.isDisabled(), disabled);
        state.reset();
        QVERIFY(!state.isDisabled() && !state.isMeasured());
    }

    // The bare form at full screen, pictured.
    void grab()
    {
        dialog->setFixedSize(1024, 600);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        // Spare width of a row goes to its spacers, not to the cells.
        QVERIFY(form.w00PushButton->width() <= 63);
        const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("cableForm.png");
        QVERIFY(dialog->grab().save(path));
    }
};

QTEST_MAIN(tst_cableForm)
#include "tst_cableForm.moc"
