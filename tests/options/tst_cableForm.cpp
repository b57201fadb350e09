#include "ui_mCableConfigDialog.h"
#include "woxElectrodeState.h"

#include <QTranslator>
#include <QtTest>

#include <cmath>

namespace {

const QColor black(0, 0, 0), red(255, 0, 0), blue(0, 0, 255);

const char *const topLayouts[16] = {"4", "8", "5", "11", "6", "7", "10", "9",
                                    "12", "15", "16", "14", "13", "19", "18", "17"};

QString cellName(int cell, const char *role)
{
    return QString("w%1%2").arg(cell, 2, 10, QLatin1Char('0')).arg(role);
}

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
        QTest::newRow("negative") << -5.0f << false << false << none << notMeasured << black;
        QTest::newRow("NaN") << float(NAN) << false << false << none << notMeasured << black;
        QTest::newRow("below") << 0.2f << false << false << none << "0.20\nkOhm" << blue;
        QTest::newRow("equal fails") << 0.25f << false << false << none << "0.25\nkOhm" << red;
        QTest::newRow("second 4") << 0.24543f << false << false << none << "0.25\nkOhm" << blue;
        QTest::newRow("large") << 1234.5f << false << false << none << "1234.50\nkOhm" << red;
        QTest::newRow("remote") << 0.0f << true << false << none << "N / A" << black;
        QTest::newRow("remote measured") << 1.25f << true << false << none << "1.25\nkOhm" << red;
        QTest::newRow("no catalogue") << 0.16543f << false << false << none << "0.17\nkOhm" << blue;
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

    void cellsByNameClassAndOrder()
    {
        const QIcon shared = form.w00PushButton->icon();
        for (int cell = 0; cell < 32; ++cell) {
            auto *number = dialog->findChild<QToolButton *>(cellName(cell, "ToolButton"));
            auto *wire = dialog->findChild<QPushButton *>(cellName(cell, "PushButton"));
            auto *value = dialog->findChild<QLabel *>(cellName(cell, "Label"));
            QVERIFY(number && wire && value);
            QCOMPARE(number->text(), QString::number(cell + 1));
            QCOMPARE(value->text(), QStringLiteral("1\nk\u03A9"));
            QVERIFY(wire->isFlat() && wire->maximumWidth() <= 63);
            QCOMPARE(wire->iconSize(), QSize(63, 63));
            QCOMPARE(wire->icon().cacheKey(), shared.cacheKey());
            const QString layoutName = "verticalLayout_"
                                       + (cell < 16 ? QString(topLayouts[cell])
                                                    : QString::number(cell + 4));
            auto *layout = dialog->findChild<QVBoxLayout *>(layoutName);
            QVERIFY2(layout && layout->count() == 3, qPrintable(layoutName));
            QWidget *expected[3] = {number, wire, value};
            for (int i = 0; i < 3; ++i)
                QCOMPARE(layout->itemAt(cell < 16 ? i : 2 - i)->widget(), expected[i]);
        }
        QCOMPARE(form.w05ToolButton->text(), QString("6"));
    }

    void startingValuesAndResults()
    {
        QCOMPARE(form.failGroundingComboBox->count(), 15);
        QCOMPARE(form.failGroundingComboBox->itemText(0), QString("0.25"));
        QCOMPARE(form.failGroundingComboBox->itemText(14), QString("20.0"));
        QCOMPARE(form.failGroundingComboBox->currentIndex(), 0);
        QVERIFY(form.automaticAdvanceCheckBox->isChecked());
        QVERIFY(!form.stopIfFailedCheckBox->isChecked());
        QVERIFY(form.checkCablePushButton->isCheckable());
        QVERIFY(!form.checkCablePushButton->isChecked());
        QCOMPARE(form.remoteTxLabel->text(), QString("N / A"));
        QCOMPARE(form.remoteRxLabel->text(), QString("N / A"));
        QCOMPARE(form.currentCableLabel->text(), QString("1 / 1"));
        for (int result : {0, 1}) {
            QPushButton *button = result ? form.acceptPushButton : form.cancelPushButton;
            QTimer::singleShot(0, button, &QPushButton::click);
            QCOMPARE(dialog->exec(), result);
        }
    }

    void disabledTextIsGreyOnTheSameBackground()
    {
        form.groundingCheckGroupBox->setEnabled(false);
        QVERIFY(!form._failGroundingLabel->isEnabled());
        const QPalette palette = form._failGroundingLabel->palette();
        QCOMPARE(palette.color(QPalette::Disabled, QPalette::WindowText), QColor(120, 120, 120));
        QCOMPARE(palette.color(QPalette::Active, QPalette::WindowText), black);
        for (auto group : {QPalette::Active, QPalette::Disabled})
            QCOMPARE(dialog->palette().color(group, QPalette::Window), QColor(255, 247, 239));
    }

    void spareRoomAtFullScreen()
    {
        dialog->setFixedSize(1024, 600);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        const auto spare = [](QWidget *w) { return w->size() - w->sizeHint(); };
        QCOMPARE(spare(form.currentCableGroupBox).width(), 0);
        QCOMPARE(spare(form.remoteGroupBox).width(), 0);
        QVERIFY(spare(form.actionsGroupBox).width() > 0);
        QVERIFY(spare(form.groundingCheckGroupBox).width() > 0);
        QVERIFY(spare(form.cableConfigurationGroupBox).height() > 0);
        QCOMPARE(spare(form.groundingCheckGroupBox).height(), 0);
        QCOMPARE(form.actionsGroupBox->height(),
                 qMax(form.actionsGroupBox->sizeHint().height(),
                      form.currentCableGroupBox->sizeHint().height()));
        // Spare width of a row goes to its spacers, not to the cells.
        QVERIFY(form.w00PushButton->width() <= 63);
        const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("cableForm.png");
        QVERIFY(dialog->grab().save(path));
    }
};

QTEST_MAIN(tst_cableForm)
#include "tst_cableForm.moc"
