#include "woxFileTableDialog.h"

#include "woxStyleSheet.h"
#include "woxTranslator.h"

#include <QHeaderView>
#include <QScrollBar>

woxFileTableDialog::woxFileTableDialog(QAbstractItemModel *model, QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    fileTableView->setModel(model);
    fileTableView->resizeColumnsToContents();
    fileTableView->selectRow(0);
    QHeaderView *header = fileTableView->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionsClickable(false);
    woxStyleSheet::apply(header, QStringLiteral(":/system/system/bHeaderView.qss"));
    woxStyleSheet::apply(fileTableView->verticalScrollBar(),
                         QStringLiteral(":/system/system/vScrollBar.qss"));
    setFixedSize(1024, 600);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxFileTableDialog::onTranslate);
    onTranslate();
}

QString woxFileTableDialog::selectedName() const
{
    const QModelIndex current = fileTableView->currentIndex();
    if (!current.isValid())
        return QString();
    return current.sibling(current.row(), 0).data(Qt::DisplayRole).toString();
}

void woxFileTableDialog::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    cancelPushButton->setText(tr("Cancel"));
}
