#ifndef WOXMOVEDIALOG_H
#define WOXMOVEDIALOG_H

#include "ui_woxMoveDialog.h"

#include <QDialog>

// Collects an offset in metres for each axis of a Varnex template's
// electrodes, with touch step buttons instead of typed numbers.
class woxMoveDialog : public QDialog, private Ui::mMoveDialog
{
    Q_OBJECT

public:
    explicit woxMoveDialog(QWidget *parent = nullptr);
    ~woxMoveDialog() override;

    // The offsets collected so far; read them after an accepted exec().
    void offsets(float &x, float &y, float &z) const;

    using QWidget::update;

public slots:
    void onTranslate();
    // Adds `step` to the offset of the chosen axis and refreshes the labels.
    void update(float step);
    // The step of the button that sent the click.
    void go();

private:
    QString labelText(float value) const;

    float xValue;
    float yValue;
    float zValue;
};

#endif
