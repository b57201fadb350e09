#ifndef WOXADDMODIFYARRAYDIALOG_H
#define WOXADDMODIFYARRAYDIALOG_H

#include "ui_woxAddModifyArrayDialog.h"

#include <QDialog>

// Asks for the electrode-array type of a template set. Entry i of the combo
// box is array type code i, so the chosen code is the current index; the
// combo box stays reachable so a caller can preselect a set's type.
class woxAddModifyArrayDialog : public QDialog, public Ui_mAddModifyArrayDialog
{
    Q_OBJECT

public:
    explicit woxAddModifyArrayDialog(QWidget *parent = nullptr);

    int arrayType() const;

public slots:
    void onTranslate();
};

#endif
