#include "woxSessionTableColumns.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyleOptionViewItem>
#include <QTableView>

woxSessionTableColumns::woxSessionTableColumns(QTableView *view)
    : QObject(view)
    , view(view)
{
    const QAbstractItemModel *model = view->model();
    connect(model, &QAbstractItemModel::dataChanged, this, &woxSessionTableColumns::onDataChanged);
    connect(model, &QAbstractItemModel::headerDataChanged, this,
            &woxSessionTableColumns::onHeaderDataChanged);
    view->viewport()->installEventFilter(this);
    onHeaderDataChanged();
}

bool woxSessionTableColumns::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        spread();
    return QObject::eventFilter(watched, event);
}

// New results: their texts may be wider than any before. Cleared results
// (an invalid range) leave the widths as they are.
void woxSessionTableColumns::onDataChanged(const QModelIndex &topLeft,
                                           const QModelIndex &bottomRight)
{
    if (!topLeft.isValid() || !bottomRight.isValid())
        return;
    measureRows(topLeft.row(), bottomRight.row());
    spread();
}

// A language change renames headers and texts ("N / A"): measured anew.
void woxSessionTableColumns::onHeaderDataChanged()
{
    const QAbstractItemModel *model = view->model();
    const QFontMetricsF metrics(view->font());
    widestDigit = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QLatin1Char(digit);
    }
    cellWidths.clear();
    needs.fill(0, model->columnCount());
    for (int column = 0; column < needs.size(); ++column)
        needs[column] = view->horizontalHeader()->sectionSizeHint(column);
    measureRows(0, model->rowCount() - 1);
    spread();
}

void woxSessionTableColumns::measureRows(int first, int last)
{
    const QAbstractItemModel *model = view->model();
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < needs.size(); ++column) {
            const QString text = model->index(row, column).data().toString();
            if (!text.isEmpty())
                needs[column] = qMax(needs.at(column), cellWidth(text));
        }
    }
}

// Numbers of one length and form take one measure: every digit counts as
// the widest, so a session of any length costs a few measures per column.
// Measured as the view's delegate measures a cell, plus the grid line the
// view takes from every cell.
int woxSessionTableColumns::cellWidth(const QString &text)
{
    QString shape = text;
    for (QChar &character : shape) {
        if (character.isDigit())
            character = widestDigit;
    }
    const auto known = cellWidths.constFind(shape);
    if (known != cellWidths.constEnd())
        return known.value();
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.font = view->font();
    option.widget = view;
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = shape;
    const int width = view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), view)
                          .width()
                      + (view->showGrid() ? 1 : 0);
    cellWidths.insert(shape, width);
    return width;
}

// Index columns as they need; value columns as they need, and what is left
// of the width in equal parts, the odd pixels to the first ones.
void woxSessionTableColumns::spread()
{
    QHeaderView *header = view->horizontalHeader();
    int left = view->viewport()->width();
    for (int need : needs)
        left -= need;
    const int values = qMax(0, needs.size() - indexColumns);
    const int share = values > 0 && left > 0 ? left / values : 0;
    int odd = values > 0 && left > 0 ? left % values : 0;
    for (int column = 0; column < needs.size(); ++column) {
        int width = needs.at(column);
        if (column >= indexColumns) {
            width += share + (odd > 0 ? 1 : 0);
            --odd;
        }
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, width);
    }
}
