#include "woxAddModifyArrayDialog.h"
#include "woxArrangementDialog.h"
#include "woxNames.h"
#include "woxTranslator.h"

#include <QtTest>

class tst_dialogs : public QObject
{
    Q_OBJECT

private slots:
    void arrayDialogListsEveryTypeInCodeOrder()
    {
        woxAddModifyArrayDialog dialog;
        QCOMPARE(dialog.arrayComboBox->count(), 22);
        for (int code = 0; code < 22; ++code)
            QCOMPARE(dialog.arrayComboBox->itemText(code), arrayTypeName(woxArrayType(code)));
        QCOMPARE(dialog.arrayType(), 0);
    }

    void arrayDialogPresetAndResult()
    {
        woxAddModifyArrayDialog dialog;
        dialog.arrayComboBox->setCurrentIndex(9);
        QTimer::singleShot(0, dialog.acceptPushButton, &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.arrayType(), 9);

        QTimer::singleShot(0, dialog.cancelPushButton, &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

    void arrangementSpacingRoundsToDecimetres()
    {
        woxArrangementDialog dialog;
        QCOMPARE(dialog.cableSpacingLabel->text(), QString("x m"));
        dialog.setCableSpacing(5.0f);
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 50);
        QCOMPARE(dialog.cableSpacing(), 5.0f);
        QCOMPARE(dialog.cableSpacingLabel->text(), QString("5.0 <font color=BLACK>m</font>"));
        dialog.setCableSpacing(0.25f);
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 3);
        dialog.setCableSpacing(0.15f);   // a half decimetre rounds up
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 2);
        // Half decimetres that a float holds just below the half still
        // round upwards.
        dialog.setCableSpacing(0.35f);
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 4);
        dialog.setCableSpacing(4.45f);
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 45);
        dialog.setCableSpacing(9.95f);
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 100);
        dialog.setCableSpacing(25.0f);
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 100);
        QCOMPARE(dialog.cableSpacing(), 10.0f);
    }

    void arrangementDamagedSpacingStaysOnTheScale()
    {
        woxArrangementDialog dialog;
        dialog.setCableSpacing(std::numeric_limits<float>::quiet_NaN());
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 1);
        dialog.setCableSpacing(std::numeric_limits<float>::infinity());
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 100);
        dialog.setCableSpacing(-3.0f);
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 1);
    }

    void arrangementSliderNeverReachesZero()
    {
        woxArrangementDialog dialog;
        dialog.setCableSpacing(0.1f);
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 1);
        dialog.decCableSpacingToolButton->click();
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 1);
        QCOMPARE(dialog.cableSpacingLabel->text(), QString("0.1 <font color=BLACK>m</font>"));
        dialog.cableSpacingHorizontalSlider->setValue(0);
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 1);
        QCOMPARE(dialog.cableSpacing(), 0.1f);

        dialog.setCableSpacing(10.0f);
        dialog.incCableSpacingToolButton->click();
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 100);
        dialog.decCableSpacingToolButton->click();
        QCOMPARE(dialog.cableSpacing(), 9.9f);
    }

    void arrangementCables()
    {
        woxArrangementDialog dialog;
        QCOMPARE(dialog.cablesComboBox->count(), 2);
        dialog.setCables(2);
        QCOMPARE(dialog.cablesComboBox->currentText(), QString("2"));
        QCOMPARE(dialog.cables(), woxCable(2));
        dialog.setCables(1);
        QCOMPARE(dialog.cables(), woxCable(1));
    }

    void languageChangeRetranslatesOpenDialogs()
    {
        woxArrangementDialog arrangement;
        woxAddModifyArrayDialog array;
        woxTranslator::instance()->setLanguage("Ru");
        QCOMPARE(woxTranslator::instance()->language(), QString("Ru"));
        // "Otmena", the Russian for Cancel
        const QString cancel = QString() + QChar(0x041E) + QChar(0x0442) + QChar(0x043C)
                               + QChar(0x0435) + QChar(0x043D) + QChar(0x0430);
        QCOMPARE(arrangement.cancelPushButton->text(), cancel);
        QCOMPARE(array.cancelPushButton->text(), cancel);
        QVERIFY(arrangement.windowTitle() != "Edit arrangement");
        QVERIFY(array.arrayLabel->text() != "Array:");
        woxTranslator::instance()->setLanguage("Uk");
        QCOMPARE(arrangement.windowTitle(), QString("Edit arrangement"));
        QCOMPARE(array.arrayLabel->text(), QString("Array:"));
    }
};

QTEST_MAIN(tst_dialogs)
#include "tst_dialogs.moc"
