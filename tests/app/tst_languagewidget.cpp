#include "woxLanguageWidget.h"
#include "woxStoredLanguage.h"
#include "woxTranslator.h"

#include <QSignalSpy>
#include <QtTest>

static const QString russianAccept = QStringLiteral("\u041f\u0440\u0438\u043d\u044f\u0442\u044c");

class tst_languagewidget : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        woxTranslator::destroy();
        woxStoredLanguage::store(QVariant());
    }

    void newUserGetsEnglishAndClosingStoresUk()
    {
        woxLanguageWidget screen;
        QCOMPARE(screen.pushButton->text(), QString("Accept"));
        QVERIFY(!woxStoredLanguage::value().isValid());
        QSignalSpy closed(&screen, &woxLanguageWidget::sendLanguageWidgetClose);
        screen.close();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(woxStoredLanguage::value().toString(), QString("Uk"));
    }

    void ruThenUkThenAcceptStoresUk()
    {
        woxLanguageWidget screen;
        screen.ruPushButton->click();
        QCOMPARE(woxTranslator::instance()->language(), QString("Ru"));
        QVERIFY(!woxStoredLanguage::value().isValid());   // stored only on close
        screen.ukPushButton->click();
        screen.pushButton->click();             // Accept closes the screen
        QCOMPARE(woxStoredLanguage::value().toString(), QString("Uk"));
    }

    void ruTranslatesTheOpenScreenAndIsStored()
    {
        woxLanguageWidget screen;
        screen.ruPushButton->click();
        QCOMPARE(screen.pushButton->text(), russianAccept);
        screen.pushButton->click();
        QCOMPARE(woxStoredLanguage::value().toString(), QString("Ru"));
    }

    void storedRussianIsShownFromTheStart()
    {
        woxStoredLanguage::store("Ru");
        woxLanguageWidget screen;
        QCOMPARE(screen.pushButton->text(), russianAccept);
    }

    void unknownStoredCodeLeavesEnglishAndIsKept()
    {
        woxStoredLanguage::store("De");
        woxLanguageWidget screen;
        QCOMPARE(screen.pushButton->text(), QString("Accept"));
        screen.close();
        QCOMPARE(woxStoredLanguage::value().toString(), QString("De"));
    }

    void ownerMayDisposeOfTheScreenOnItsCloseSignal()
    {
        QPointer<woxLanguageWidget> screen(new woxLanguageWidget);
        connect(screen.data(), &woxLanguageWidget::sendLanguageWidgetClose, screen.data(),
                &QObject::deleteLater);
        screen->pushButton->click();
        QVERIFY(screen);
        QTRY_VERIFY(screen.isNull());
        QCOMPARE(woxStoredLanguage::value().toString(), QString("Uk"));
    }
};

QTEST_MAIN(tst_languagewidget)
#include "tst_languagewidget.moc"
