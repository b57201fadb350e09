#include "woxERTTableDialog.h"

#include "woxConstants.h"
#include "woxStyleSheet.h"
#include "woxTranslator.h"

#include <QDir>
#include <QScrollBar>

woxERTTableDialog::woxERTTableDialog(const QStringList &names, QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    listWidget->addItems(names);
    listWidget->setCurrentRow(0);
    woxStyleSheet::apply(listWidget->verticalScrollBar(),
                         QStringLiteral(":/system/system/vScrollBar.qss"));
    setFixedSize(1024, 600);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxERTTableDialog::onTranslate);
    onTranslate();
}

QString woxERTTableDialog::selectedName() const
{
    const QListWidgetItem *item = listWidget->currentItem();
    return item ? item->text() : QString();
}

QStringList woxERTTableDialog::varnexNames()
{
    // Listed in name order on purpose, although no sort is asked for: on
    // this platform's file systems the directory's own order is a hash order
    // in which an operator cannot find anything, and QDir falls back to the
    // name order for NoSort.
    return QDir(varnexDir).entryList(QStringList(QStringLiteral("*.txt")), QDir::Files,
                                     QDir::NoSort);
}

void woxERTTableDialog::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    cancelPushButton->setText(tr("Cancel"));
}
