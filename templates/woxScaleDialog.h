#ifndef WOXSCALEDIALOG_H
#define WOXSCALEDIALOG_H

#include "ui_woxScaleDialog.h"

#include <QDialog>

// Collects a scale factor for each axis of a Varnex template's
// electrodes, with touch step buttons instead of typed numbers.
class woxScaleDialog : public QDialog, private Ui::mScaleDialog
{
    Q_OBJECT

public:
    explicit woxScaleDialog(QWidget *parent = nullptr);
    ~woxScaleDialog() override;

    // The factors collected so far; read them after an accepted exec().
    void factors(float &x, float &y, float &z) const;

    using QWidget::update;

public slots:
    void onTranslate();
    // Adds `step` to the factor of the chosen axis (steps add, they do not
    // multiply: 1.00 and +0.1 give 1.10) and refreshes the labels.
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
