#ifndef WOXFILETABLEDIALOG_H
#define WOXFILETABLEDIALOG_H

#include "ui_mFileTableDialog.h"

#include <QDialog>

class QAbstractItemModel;

// Full-screen choice of one stored template or session from a file table
// model, which the caller keeps; run modally on the caller's stack.
class woxFileTableDialog : public QDialog, private Ui::mFileTableDialog
{
    Q_OBJECT

public:
    woxFileTableDialog(QAbstractItemModel *model, QWidget *parent = nullptr);

    // The bare name of the current row's file; empty without a current row.
    QString selectedName() const;

public slots:
    void onTranslate();
};

#endif
