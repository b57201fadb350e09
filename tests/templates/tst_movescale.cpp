#include "woxMoveDialog.h"
#include "woxScaleDialog.h"
#include "woxTranslator.h"

#include <QtTest>

namespace {

QString label(const QDialog &dialog, const char *name)
{
    return dialog.findChild<QLabel *>(name)->text();
}

void tap(const QDialog &dialog, const char *name)
{
    dialog.findChild<QPushButton *>(name)->click();
}

void choose(const QDialog &dialog, const char *axis)
{
    dialog.findChild<QRadioButton *>(axis)->click();
}

} // namespace

class tst_movescale : public QObject
{
    Q_OBJECT

private slots:
    void moveStepsOnTheChosenAxis()
    {
        woxMoveDialog move;
        choose(move, "yRadioButton");
        tap(move, "p10");
        tap(move, "p10");
        tap(move, "m0_1");
        QCOMPARE(label(move, "yLabel"), QString("+19.90 m"));
        QCOMPARE(label(move, "xLabel"), QString("0.00 m"));
        QCOMPARE(label(move, "zLabel"), QString("0.00 m"));
        choose(move, "zRadioButton");
        tap(move, "p1");
        QCOMPARE(label(move, "zLabel"), QString("+1.00 m"));
        QCOMPARE(label(move, "yLabel"), QString("+19.90 m"));
        choose(move, "xRadioButton");
        tap(move, "m100");
        tap(move, "m0_01");
        QCOMPARE(label(move, "xLabel"), QString("-100.01 m"));
        float x = 0, y = 0, z = 0;
        move.offsets(x, y, z);
        QCOMPARE(x, -100.0f - 0.01f);
        QCOMPARE(y, 10.0f + 10.0f - 0.1f);
        QCOMPARE(z, 1.0f);
    }

    void floatResidueShowsAsPositive()
    {
        woxMoveDialog move;
        for (const char *name : {"p0_1", "p0_1", "p0_1", "m0_1", "m0_1", "m0_1"})
            tap(move, name);
        QCOMPARE(label(move, "xLabel"), QString("+0.00 m"));
    }

    void goFromAnotherSenderChangesNothing()
    {
        woxMoveDialog move;
        move.go();
        QCOMPARE(label(move, "xLabel"), QString("0.00 m"));
    }

    void scaleStepsAdd()
    {
        woxScaleDialog scale;
        tap(scale, "p0_1");
        QCOMPARE(label(scale, "xLabel"), QString("* 1.10"));
        tap(scale, "m0_1");
        tap(scale, "m1");
        QCOMPARE(label(scale, "xLabel"), QString("* 0.00"));
        tap(scale, "m1");
        QCOMPARE(label(scale, "xLabel"), QString("* -1.00"));
        QCOMPARE(label(scale, "yLabel"), QString("* 1.00"));
        float x = 0, y = 0, z = 0;
        scale.factors(x, y, z);
        QCOMPARE(x, -1.0f);
        QCOMPARE(y, 1.0f);
    }

    void scaleMinusOneTwiceMirrors()
    {
        woxScaleDialog scale;
        tap(scale, "m1");
        tap(scale, "m1");
        QCOMPARE(label(scale, "xLabel"), QString("* -1.00"));
    }

    void acceptAndCancel()
    {
        woxMoveDialog move;
        tap(move, "acceptPushButton");
        QCOMPARE(move.result(), int(QDialog::Accepted));
        woxScaleDialog scale;
        scale.setResult(QDialog::Accepted);
        tap(scale, "cancelPushButton");
        QCOMPARE(scale.result(), int(QDialog::Rejected));
    }

    void russianButtons()
    {
        woxMoveDialog move;
        woxScaleDialog scale;
        woxTranslator::instance()->setLanguage("Ru");
        // Prinyat', Otmena, m, Sdvig
        QCOMPARE(move.findChild<QPushButton *>("acceptPushButton")->text(), QStringLiteral("\u041f\u0440\u0438\u043d\u044f\u0442\u044c"));
        QCOMPARE(scale.findChild<QPushButton *>("cancelPushButton")->text(), QStringLiteral("\u041e\u0442\u043c\u0435\u043d\u0430"));
        // The unit is translated when a label is set.
        tap(move, "p1");
        QCOMPARE(label(move, "xLabel"), QStringLiteral("+1.00 \u043c"));
        woxMoveDialog fresh;
        QCOMPARE(fresh.windowTitle(), QStringLiteral("\u0421\u0434\u0432\u0438\u0433"));
        woxTranslator::instance()->setLanguage("Uk");
        QCOMPARE(move.findChild<QPushButton *>("acceptPushButton")->text(), QString("Accept"));
        woxTranslator::destroy();
    }
};

QTEST_MAIN(tst_movescale)
#include "tst_movescale.moc"
