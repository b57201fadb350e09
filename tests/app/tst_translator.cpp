#include "woxStoredLanguage.h"
#include "woxTranslator.h"

#include <QSignalSpy>
#include <QtTest>

class tst_translator : public QObject
{
    Q_OBJECT

private:
    static QString yes()
    {
        return QCoreApplication::translate("woxWarningDialog", "Yes");
    }

private slots:
    void cleanup()
    {
        woxTranslator::destroy();
        woxStoredLanguage::store(QVariant());
    }

    // The stored code is taken as it is; only a known one loads texts.
    void storedLanguage_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("answer");
        QTest::newRow("nothing") << QVariant() << "Uk" << "Yes";
        QTest::newRow("Ru") << QVariant("Ru") << "Ru" << QStringLiteral("\u0414\u0430");
        QTest::newRow("unknown") << QVariant("De") << "De" << "Yes";
    }

    void storedLanguage()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, language);
        QFETCH(QString, answer);
        woxStoredLanguage::store(stored);
        QCOMPARE(woxTranslator::instance()->language(), language);
        QCOMPARE(yes(), answer);
        // A later change still works, and signals once.
        QSignalSpy spy(woxTranslator::instance(), &woxTranslator::sendTranslate);
        woxTranslator::instance()->setLanguage(language == "Ru" ? "Uk" : "Ru");
        QCOMPARE(spy.count(), 1);
    }

    void setLanguageSwitchesAndSignalsOnce()
    {
        woxTranslator *translator = woxTranslator::instance();
        QSignalSpy spy(translator, &woxTranslator::sendTranslate);
        translator->setLanguage("Ru");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(translator->language(), QString("Ru"));
        QCOMPARE(yes(), QStringLiteral("\u0414\u0430"));
        translator->setLanguage("Uk");
        QCOMPARE(spy.count(), 2);
        QCOMPARE(translator->language(), QString("Uk"));
        QCOMPARE(yes(), QString("Yes"));
    }

    void failedChangeKeepsCurrentTranslation()
    {
        woxTranslator *translator = woxTranslator::instance();
        translator->setLanguage("Ru");
        QSignalSpy spy(translator, &woxTranslator::sendTranslate);
        // Neither an unknown code nor a name that only starts like a known
        // one may load anything or drop the Russian texts.
        for (const QString &code : {QString("Xx"), QString("Ru_x"), QString("Ru.x"), QString()}) {
            translator->setLanguage(code);
            QCOMPARE(spy.count(), 0);
            QCOMPARE(translator->language(), QString("Ru"));
            QCOMPARE(yes(), QStringLiteral("\u0414\u0430"));
        }
    }

    void translatorNeverWritesSettings()
    {
        woxTranslator::instance()->setLanguage("Ru");
        woxTranslator::destroy();
        QVERIFY(!woxStoredLanguage::value().isValid());
    }
};

QTEST_MAIN(tst_translator)
#include "tst_translator.moc"
