#include "woxModalScript.h"
#include "woxSessionModeDialog.h"
#include "woxTranslator.h"

#include <QtTest>

class tst_sessionModeDialog : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("segmentIndex");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("start");
        QTest::newRow("full") << "full" << 2 << int(QDialog::Accepted) << 0;
        QTest::newRow("append 32") << "append" << 0 << int(QDialog::Rejected) << 32;
        QTest::newRow("append 16") << "append" << 1 << int(QDialog::Rejected) << 48;
        QTest::newRow("append 8") << "append" << 2 << int(QDialog::Rejected) << 56;
        QTest::newRow("escape") << "escape" << -1 << int(QDialog::Rejected) << 32;
    }

    void answers()
    {
        QFETCH(QString, action);
        QFETCH(int, segmentIndex);
        woxSessionModeDialog dialog;
        QString shown;
        QSize size;
        woxModalScript script;
        script.then([&](QDialog *d) {
            auto *mode = qobject_cast<woxSessionModeDialog *>(d);
            shown = mode->appendComboBox->currentText();
            size = mode->size();
            if (segmentIndex >= 0)
                mode->appendComboBox->setCurrentIndex(segmentIndex);
            if (action == QLatin1String("escape"))
                QTest::keyClick(mode, Qt::Key_Escape);
            else
                (action == QLatin1String("full") ? mode->fullPushButton : mode->appendPushButton)->click();
        });
        const int result = dialog.exec();
        QCOMPARE(shown, QStringLiteral("32"));
        QCOMPARE(size, QSize(450, 230));
        QTEST(result, "result");
        QTEST(int(dialog.segmentStart(result)), "start");
        QCOMPARE(dialog.windowFlags() & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                         Qt::WindowMinMaxButtonsHint),
                 Qt::WindowFlags());
        QCOMPARE(int(dialog.windowFlags()), 0x2001003);
    }

    void languageChangeWhileOpen()
    {
        woxSessionModeDialog dialog;
        QStringList texts;
        woxModalScript script;
        script.then([&](QDialog *d) {
            auto *mode = qobject_cast<woxSessionModeDialog *>(d);
            woxTranslator::instance()->setLanguage(QStringLiteral("Ru"));
            texts << mode->windowTitle() << mode->fullPushButton->text()
                  << mode->appendPushButton->text() << mode->_segmentLabel->text();
            woxTranslator::instance()->setLanguage(QStringLiteral("Uk"));
            texts << mode->windowTitle() << mode->fullPushButton->text()
                  << mode->appendPushButton->text() << mode->_segmentLabel->text();
            mode->reject();
        });
        dialog.exec();
        QCOMPARE(texts.mid(4), QStringList({"Session mode", "Full", "Append",
                                            "Cable segment to append:"}));
        for (int i = 0; i < 4; ++i)
            QVERIFY2(texts.at(i) != texts.at(i + 4), qPrintable(texts.at(i)));
    }
};

QTEST_MAIN(tst_sessionModeDialog)
#include "tst_sessionModeDialog.moc"
