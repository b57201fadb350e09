#include "woxPasswordDialog.h"

#include "woxConstants.h"
#include "woxTranslator.h"

woxPasswordDialog::woxPasswordDialog(QWidget *parent)
    : QDialog(parent), level(3)
{
    // A title bar without close, minimise or maximise buttons: the keypad
    // ends only through Enter or Cancel.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    setFixedSize(300, 300);
    const std::pair<QPushButton *, void (woxPasswordDialog::*)()> digits[] = {
        {pushButton0, &woxPasswordDialog::on0}, {pushButton1, &woxPasswordDialog::on1},
        {pushButton2, &woxPasswordDialog::on2}, {pushButton3, &woxPasswordDialog::on3},
        {pushButton4, &woxPasswordDialog::on4}, {pushButton5, &woxPasswordDialog::on5},
        {pushButton6, &woxPasswordDialog::on6}, {pushButton7, &woxPasswordDialog::on7},
        {pushButton8, &woxPasswordDialog::on8}, {pushButton9, &woxPasswordDialog::on9},
    };
    for (const auto &digit : digits)
        connect(digit.first, &QPushButton::clicked, this, digit.second);
    connect(enterPushButton, &QPushButton::clicked, this, &woxPasswordDialog::onEnter);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxPasswordDialog::onTranslate);
    onTranslate();
}

woxPasswordDialog::~woxPasswordDialog() = default;

int woxPasswordDialog::accessLevel() const
{
    return level;
}

int woxPasswordDialog::levelOf(const QString &code)
{
    if (code == accessCodeA)
        return 0;
    if (code == accessCodeB)
        return 1;
    return 3;
}

void woxPasswordDialog::append(char digit)
{
    // The field's maximum length keeps the first eight digits.
    lineEdit->setText(lineEdit->text() + QLatin1Char(digit));
}

void woxPasswordDialog::on0() { append('0'); }
void woxPasswordDialog::on1() { append('1'); }
void woxPasswordDialog::on2() { append('2'); }
void woxPasswordDialog::on3() { append('3'); }
void woxPasswordDialog::on4() { append('4'); }
void woxPasswordDialog::on5() { append('5'); }
void woxPasswordDialog::on6() { append('6'); }
void woxPasswordDialog::on7() { append('7'); }
void woxPasswordDialog::on8() { append('8'); }
void woxPasswordDialog::on9() { append('9'); }

void woxPasswordDialog::onEnter()
{
    level = levelOf(lineEdit->text());
    accept();
}

void woxPasswordDialog::onTranslate()
{
    setWindowTitle(tr("Enter password"));
    enterPushButton->setText(tr("Enter"));
    cancelPushButton->setText(tr("Cancel"));
}
