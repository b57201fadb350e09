#include "woxPopupMenuAnswer.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QtTest>

woxPopupMenuAnswer::woxPopupMenuAnswer(const QString &choice)
    : choice(choice)
{
    connect(&timer, &QTimer::timeout, this, &woxPopupMenuAnswer::poll);
    timer.start(5);
}

void woxPopupMenuAnswer::poll()
{
    QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu || !menu->isVisible())
        return;
    QStringList texts;
    QAction *chosen = nullptr;
    for (QAction *action : menu->actions()) {
        texts.append(action->text());
        if (action->text() == choice)
            chosen = action;
    }
    seen.append(texts.join(QLatin1Char('|')));
    if (whileOpen)
        whileOpen();
    if (chosen) {
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, Qt::Key_Return);
    } else {
        QTest::keyClick(menu, Qt::Key_Escape);
    }
}
