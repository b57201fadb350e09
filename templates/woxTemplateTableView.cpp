#include "woxTemplateTableView.h"

#include "woxStyleSheet.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

woxTemplateTableView::woxTemplateTableView(QWidget *parent)
    : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::MultiSelection);
    setAlternatingRowColors(true);
    setCornerButtonEnabled(false);
    setShowGrid(true);
    const QString headerSheet = woxStyleSheet::read(QStringLiteral(":/system/system/bHeaderView.qss"));
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->setDefaultSectionSize(24);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setStyleSheet(headerSheet);
    }
    // The selection keeps its colour while the view has no focus.
    QPalette selectionPalette = palette();
    selectionPalette.setBrush(QPalette::Inactive, QPalette::Highlight,
                              selectionPalette.brush(QPalette::Active, QPalette::Highlight));
    setPalette(selectionPalette);
    woxStyleSheet::apply(horizontalScrollBar(), QStringLiteral(":/system/system/hScrollBar.qss"));
    woxStyleSheet::apply(verticalScrollBar(), QStringLiteral(":/system/system/vScrollBar.qss"));
}

void woxTemplateTableView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const QModelIndexList cells = selectedIndexes();
    emit sendSelection(cells);
    clearSelection();
}
