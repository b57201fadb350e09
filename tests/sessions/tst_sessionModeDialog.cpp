#include "woxModalScript.h"
#include "woxSessionModeDialog.h"
#include "woxTranslator.h"

#include <QtTest>

class tst_sessionModeDialog : public QObject
{
    Q_OBJECT

private slots:
    // The segment index chosen before the answer; -1: Escape instead.
    void answers_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("segmentIndex");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("start");
        QTest::newRow("full") << true << 2 << int(QDialog::Accepted) << 0;
        QTest::newRow("append 32") << false << 0 << int(QDialog::Rejected) << 32;
        QTest::newRow("append 16") << false << 1 << int(QDialog::Rejected) << 48;
        QTest::newRow("append 8") << false << 2 << int(QDialog::Rejected) << 56;
        QTest::newRow("escape") << false << -1 << int(QDialog::Rejected) << 32;
    }

    void answers()
    {
        QFETCH(bool, full);
        QFETCH(int, segmentIndex);
        woxSessionModeDialog dialog;
        QString shown;
        QSize size;
        woxModalScript script;
        script.then([&](QDialog *) {
            shown = dialog.appendComboBox->currentText();
            size = dialog.size();
            if (segmentIndex < 0)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else {
                dialog.appendComboBox->setCurrentIndex(segmentIndex);
                (full ? dialog.fullPushButton : dialog.appendPushButton)->click();
            }
        });
        const int result = dialog.exec();
        QCOMPARE(shown, QStringLiteral("32"));
        QCOMPARE(size, QSize(450, 230));
        QTEST(result, "result");
        QTEST(int(dialog.segmentStart(result)), "start");
        QCOMPARE(int(dialog.windowFlags()), 0x2001003);   // no title-bar buttons
    }

    void languageChangeWhileOpen()
    {
        woxSessionModeDialog dialog;
        QStringList texts;
        const auto read = [&]() {
            texts << dialog.windowTitle() << dialog.fullPushButton->text()
                  << dialog.appendPushButton->text() << dialog._segmentLabel->text();
        };
        woxModalScript script;
        script.then([&](QDialog *) {
            woxTranslator::instance()->setLanguage(QStringLiteral("Ru"));
            read();
            woxTranslator::instance()->setLanguage(QStringLiteral("Uk"));
            read();
            dialog.reject();
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
