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

    void emptySettingsGiveEnglish()
    {
        QCOMPARE(woxTranslator::instance()->language(), QString("Uk"));
        QCOMPARE(yes(), QString("Yes"));
    }

    void storedRussianIsLoadedWithoutSignal()
    {
        woxStoredLanguage::store("Ru");
        QCOMPARE(woxTranslator::instance()->language(), QString("Ru"));
        QCOMPARE(yes(), QStringLiteral("\u0414\u0430"));
    }

    void unknownStoredCodeKeepsEnglishAndReportsTheCode()
    {
        woxStoredLanguage::store("De");
        QCOMPARE(woxTranslator::instance()->language(), QString("De"));
        QCOMPARE(yes(), QString("Yes"));
        // A later successful change still works.
        QSignalSpy spy(woxTranslator::instance(), &woxTranslator::sendTranslate);
        woxTranslator::instance()->setLanguage("Ru");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(yes(), QStringLiteral("\u0414\u0430"));
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
