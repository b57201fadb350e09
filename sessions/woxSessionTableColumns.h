#ifndef WOXSESSIONTABLECOLUMNS_H
#define WOXSESSIONTABLECOLUMNS_H

#include <QHash>
#include <QObject>
#include <QVector>

class QModelIndex;
class QTableView;

// Widths of the session table's columns, so that no header and no cell is
// shortened with "…". Each column needs what its header and its widest text
// take in the table's own font and style; the six index columns (row number,
// electrodes A, B, M, N, receiver channel) get just that, and the measured
// values share the rest of the table's width on top of their own needs. (An
// even share after a tenth of the width per index column cut the values to
// "34…", and an even share of the rest still cuts the longer headers.)
class woxSessionTableColumns : public QObject
{
    Q_OBJECT

public:
    static const int indexColumns = 6;

    // Follows the view's model from now on: its texts, its header texts and
    // the view's width. The view is bound to its model already.
    explicit woxSessionTableColumns(QTableView *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void onHeaderDataChanged();

private:
    void measureRows(int first, int last);
    int cellWidth(const QString &text);
    void spread();

    QTableView *const view;
    QVector<int> needs;
    QHash<QString, int> cellWidths;   // by text with every digit the widest one
    QChar widestDigit;
};

#endif
