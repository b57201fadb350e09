#include "woxTemplateContent.h"

#include <QtTest>

namespace {

woxTemplateSet typedSet(woxArrayType type)
{
    woxTemplateSet set;
    set.setArrayType(type);
    return set;
}

} // namespace

class tst_templateContent : public QObject
{
    Q_OBJECT

private slots:
    void newContentIsTwoCablesAtFiveMetres()
    {
        const woxTemplateContent content;
        QCOMPARE(int(content.cables), 2);
        QCOMPARE(content.cableSpacing, 5.0f);
        QCOMPARE(content.numberOfSets(), 0);
        QVERIFY(content.countSetsPerArrayType().isEmpty());
        QVERIFY(!content.isVarnex());
        // No set: no type rather than a read outside the list.
        QCOMPARE(int(content.arrayTypeOfSet(0)), 255);
    }

    void setsPerArrayType()
    {
        woxTemplateContent content;
        content.sets = {typedSet(4), typedSet(0), typedSet(4), woxTemplateSet()};
        QMap<quint8, quint8> expected;
        expected.insert(0, 1);
        expected.insert(4, 2);
        expected.insert(255, 1);
        QCOMPARE(content.countSetsPerArrayType(), expected);
        QCOMPARE(int(content.arrayTypeOfSet(1)), 0);
        QCOMPARE(int(content.arrayTypeOfSet(200)), 255);   // clamped to the last set
    }

    void varnexContent()
    {
        woxTemplateContent content;
        content.varnexQuadripoles.append(woxQuadripole());
        QVERIFY(content.isVarnex());
    }
};

QTEST_GUILESS_MAIN(tst_templateContent)
#include "tst_templateContent.moc"
