#include "woxAddModifyArrayDialog.h"

#include "woxNames.h"
#include "woxTranslator.h"

#include <QIcon>

woxAddModifyArrayDialog::woxAddModifyArrayDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setupUi(this);
    // The names are fixed in the language of the moment the dialog opens;
    // the dialog lives only for one question.
    for (int code = 0; code < woxArrayTypeCount; ++code)
        arrayComboBox->addItem(QIcon(), arrayTypeName(woxArrayType(code)));
    arrayComboBox->setCurrentIndex(0);
    arrayComboBox->setMinimumSize(arrayComboBox->sizeHint().width(),
                                  acceptPushButton->sizeHint().height());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxAddModifyArrayDialog::onTranslate);
    onTranslate();
}

int woxAddModifyArrayDialog::arrayType() const
{
    return arrayComboBox->currentIndex();
}

void woxAddModifyArrayDialog::onTranslate()
{
    setWindowTitle(tr("Add / modify array"));
    arrayLabel->setText(tr("Array:"));
    acceptPushButton->setText(tr("Accept"));
    cancelPushButton->setText(tr("Cancel"));
}
