#include "woxConstants.h"
#include "woxERTLoader.h"
#include "woxERTTemplateWidget.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxStreamed.h"
#include "woxTemplateFile.h"
#include "woxTemplateMenuWidget.h"
#include "woxTemplateWidget.h"
#include "woxTranslator.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QtTest>

namespace {

const QByteArray varnexText = "# X Y Z\n1 0 0 0\n2 5 0 0\n3 10 0 0\n4 15 0 0\n"
                              "# A B M N\n1 1 4 2 3\n";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray templateBytes()
{
    woxTemplateFile content;
    content.sets.append(woxMake::templateSet(2, 5.0f, 0, {{0, 0}}));
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_8);
    content.write(stream);
    return bytes;
}

// Magic and summary whole, the sets cut short.
QByteArray damagedTemplateBytes()
{
    const QByteArray whole = templateBytes();
    return whole.left(whole.size() - woxTemplateFile::setBytes / 2);
}

woxModalScript::Step takeNames(QStringList *names)
{
    return [names](QDialog *dialog) {
        QListWidget *list = dialog->findChild<QListWidget *>(QStringLiteral("listWidget"));
        for (int row = 0; row < list->count(); ++row)
            names->append(list->item(row)->text());
        dialog->accept();
    };
}

bool buttonsShown(woxTemplateMenuWidget &page)
{
    int left = 0, top = 0, right = 0, bottom = 0;
    page.verticalLayout->getContentsMargins(&left, &top, &right, &bottom);
    return !page.newPushButton->isHidden() && !page.openPushButton->isHidden()
           && !page.openERTPushButton->isHidden() && left == 20 && top == 20 && right == 20
           && bottom == 20;
}

void deleteLaterNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_templateMenu : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(templatesDir).removeRecursively();
        QDir(varnexDir).removeRecursively();
    }

    void emptyDirectories()
    {
        QDir().mkpath(varnexDir);
        writeFile(varnexDir + "folder.txt/inner.txt", varnexText);
        woxTemplateMenuWidget page;
        woxModalScript script;
        script.answer(1).answer(1);
        page.onTemplateLoad();
        page.onERTTemplateLoad();
        QCOMPARE(script.seen,
                 QStringList({"woxWarningDialog: Can not find templates\n(" + templatesDir + ")",
                              "woxWarningDialog: Can not find templates\n(" + varnexDir + ")"}));
        QVERIFY(buttonsShown(page));
    }

    void varnexListing()
    {
        writeFile(varnexDir + "a.TXT", varnexText);
        writeFile(varnexDir + ".b.txt", varnexText);
        writeFile(varnexDir + "c.txt/d.txt", varnexText);
        writeFile(varnexDir + "e.text", varnexText);
        woxTemplateMenuWidget page;
        page.show();
        QStringList names;
        woxModalScript script;
        script.then(takeNames(&names));
        page.onERTTemplateLoad();
        QCOMPARE(names, QStringList("a.TXT"));
        QVERIFY(page.varnexEditor());
        QCOMPARE(page.varnexEditor()->templateFile(), varnexDir + "a.TXT");
        QVERIFY(page.newPushButton->isHidden());
        page.varnexEditor()->close();
        QVERIFY(!page.varnexEditor());
        QVERIFY(buttonsShown(page));
    }

    void malformedVarnexShowsTheReadersMessage()
    {
        writeFile(varnexDir + "bad.txt", "# X Y Z\n1 0 0\n");
        woxTemplateMenuWidget page;
        woxModalScript script;
        script.then([](QDialog *d) { d->accept(); }).answer(1);
        page.onERTTemplateLoad();
        QString error;
        QMap<woxElectrode, woxElectrodePosition> electrodes;
        QList<woxQuadripole> quadripoles;
        QVERIFY(!woxERTLoader::load(varnexDir + "bad.txt", &error, &electrodes, &quadripoles));
        QVERIFY(!error.isEmpty());
        QCOMPARE(script.seen, QStringList({"woxERTTableDialog", "woxWarningDialog: " + error}));
        QVERIFY(!page.varnexEditor());
        QVERIFY(buttonsShown(page));
    }

    void damagedTemplateIsRefusedAndASecondOpenWorks()
    {
        writeFile(templatesDir + "broken.woxTemplate", damagedTemplateBytes());
        woxTemplateMenuWidget page;
        {
            woxModalScript script;
            script.then([](QDialog *d) { d->accept(); }).answer(1);
            page.onTemplateLoad();
            QCOMPARE(script.seen, QStringList({"woxFileTableDialog",
                                               "woxWarningDialog: Template is corrupted"}));
        }
        QVERIFY(!page.templateEditor());
        QVERIFY(buttonsShown(page));
        deleteLaterNow();
        QVERIFY(page.findChildren<woxTemplateWidget *>().isEmpty());
        QFile::remove(templatesDir + "broken.woxTemplate");
        writeFile(templatesDir + "good.woxTemplate", templateBytes());
        woxModalScript script;
        script.then([](QDialog *d) { d->accept(); });
        page.onTemplateLoad();
        QVERIFY(page.templateEditor());
        QCOMPARE(page.templateEditor()->templateName(), QString("good"));
        QCOMPARE(page.templateEditor()->templateModel().numberOfSets(), 1);
        QVERIFY(!buttonsShown(page));
    }

    void russianGrab()
    {
        woxTranslator::instance()->setLanguage("Ru");
        woxTemplateMenuWidget page;
        page.resize(1024, 520);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(page.newPushButton->text(), QCoreApplication::translate("woxTemplateMenuWidget",
                                                                         "New template"));
        QVERIFY(page.newPushButton->text() != QString("New template"));
        QDir().mkpath("grabs");
        QVERIFY(page.grab().save("grabs/template-menu-ru.png"));
        woxTranslator::instance()->setLanguage("Uk");
    }
};

QTEST_MAIN(tst_templateMenu)
#include "tst_templateMenu.moc"
