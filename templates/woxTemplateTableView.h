#ifndef WOXTEMPLATETABLEVIEW_H
#define WOXTEMPLATETABLEVIEW_H

#include <QModelIndexList>
#include <QTableView>

class QMouseEvent;

// The spacing x level grid of the template screen. A press (and a drag)
// selects cells; the release hands them all to the template model at once
// and clears the selection, so every touch toggles what it covered.
class woxTemplateTableView : public QTableView
{
    Q_OBJECT

public:
    explicit woxTemplateTableView(QWidget *parent = nullptr);

signals:
    void sendSelection(QModelIndexList modelIndexList);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

#endif
