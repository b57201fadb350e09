#include "woxKeyboardDialog.h"

#include "woxClock.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

namespace {

// The keys whose caption Shift changes: plain and shifted caption. A single
// "&" in a button caption is a mnemonic marker, so the shifted 7 shows "&&".
struct woxShiftedKey
{
    QPushButton *Ui::mKeyboardDialog::*key;
    const char *plain;
    const char *shifted;
};

const woxShiftedKey shiftedKeys[] = {
    {&Ui::mKeyboardDialog::n1B, "1", "!"},   {&Ui::mKeyboardDialog::n2B, "2", "@"},
    {&Ui::mKeyboardDialog::n3B, "3", "#"},   {&Ui::mKeyboardDialog::n4B, "4", "$"},
    {&Ui::mKeyboardDialog::n5B, "5", "%"},   {&Ui::mKeyboardDialog::n6B, "6", "^"},
    {&Ui::mKeyboardDialog::n7B, "7", "&&"},  {&Ui::mKeyboardDialog::n8B, "8", "~"},
    {&Ui::mKeyboardDialog::n9B, "9", "("},   {&Ui::mKeyboardDialog::n0B, "0", ")"},
    {&Ui::mKeyboardDialog::minusB, "-", "_"}, {&Ui::mKeyboardDialog::equalB, "=", "+"},
    {&Ui::mKeyboardDialog::dotB, ".", ","},
};

QString letterCaption(const QPushButton *key, bool pressed)
{
    const QString text = key->text();
    return pressed ? text.toUpper() : text.toLower();
}

} // namespace

woxKeyboardDialog::woxKeyboardDialog(const QString &text, QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    lineEdit->setText(text);
    connectKeys();
    setFixedSize(1024, 600);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxKeyboardDialog::onTranslate);
    onTranslate();
}

woxKeyboardDialog::~woxKeyboardDialog() = default;

void woxKeyboardDialog::connectKeys()
{
    connect(enterB, &QPushButton::clicked, this, &woxKeyboardDialog::enter);
    connect(cancelB, &QPushButton::clicked, this, &QDialog::reject);
    connect(shiftB, &QPushButton::clicked, this, &woxKeyboardDialog::shift);
    connect(backspaceB, &QPushButton::clicked, this, &woxKeyboardDialog::backspace);
    connect(clearB, &QPushButton::clicked, this, &woxKeyboardDialog::clear);
    connect(spaceB, &QPushButton::clicked, this, &woxKeyboardDialog::space);
    connect(timeB, &QPushButton::clicked, this, &woxKeyboardDialog::time);
    const std::pair<QPushButton *, void (woxKeyboardDialog::*)()> keys[] = {
        {aB, &woxKeyboardDialog::printA}, {bB, &woxKeyboardDialog::printB},
        {cB, &woxKeyboardDialog::printC}, {dB, &woxKeyboardDialog::printD},
        {eB, &woxKeyboardDialog::printE}, {fB, &woxKeyboardDialog::printF},
        {gB, &woxKeyboardDialog::printG}, {hB, &woxKeyboardDialog::printH},
        {iB, &woxKeyboardDialog::printI}, {jB, &woxKeyboardDialog::printJ},
        {kB, &woxKeyboardDialog::printK}, {lB, &woxKeyboardDialog::printL},
        {mB, &woxKeyboardDialog::printM}, {nB, &woxKeyboardDialog::printN},
        {oB, &woxKeyboardDialog::printO}, {pB, &woxKeyboardDialog::printP},
        {qB, &woxKeyboardDialog::printQ}, {rB, &woxKeyboardDialog::printR},
        {sB, &woxKeyboardDialog::printS}, {tB, &woxKeyboardDialog::printT},
        {uB, &woxKeyboardDialog::printU}, {vB, &woxKeyboardDialog::printV},
        {wB, &woxKeyboardDialog::printW}, {xB, &woxKeyboardDialog::printX},
        {yB, &woxKeyboardDialog::printY}, {zB, &woxKeyboardDialog::printZ},
        {n0B, &woxKeyboardDialog::print0}, {n1B, &woxKeyboardDialog::print1},
        {n2B, &woxKeyboardDialog::print2}, {n3B, &woxKeyboardDialog::print3},
        {n4B, &woxKeyboardDialog::print4}, {n5B, &woxKeyboardDialog::print5},
        {n6B, &woxKeyboardDialog::print6}, {n7B, &woxKeyboardDialog::print7},
        {n8B, &woxKeyboardDialog::print8}, {n9B, &woxKeyboardDialog::print9},
        {apB, &woxKeyboardDialog::printAp}, {minusB, &woxKeyboardDialog::printMinus},
        {equalB, &woxKeyboardDialog::printEqual}, {dotB, &woxKeyboardDialog::printDot},
    };
    for (const auto &key : keys)
        connect(key.first, &QPushButton::clicked, this, key.second);
}

QString woxKeyboardDialog::fileName() const
{
    return lineEdit->text();
}

void woxKeyboardDialog::onTranslate()
{
    titlePushButton->setText(tr("Input file name:"));
    cancelB->setText(tr("Cancel"));
    clearB->setText(tr("Clear"));
    enterB->setText(tr("Enter"));
    shiftB->setText(tr("Shift"));
    timeB->setText(tr("Timestamp"));
    backspaceB->setText(tr("Backspace"));
}

void woxKeyboardDialog::enter()
{
    const QString message = refusal();
    if (message.isEmpty())
        accept();
    else
        woxWarningDialog::showOk(message);
}

QString woxKeyboardDialog::refusal() const
{
    const QString text = lineEdit->displayText();
    if (text.isEmpty())
        return tr("File name is empty");
    // On Linux such a file is hidden and would vanish from every file list.
    if (text.startsWith(QLatin1Char('.')))
        return tr("File name must not start with a dot");
    return QString();
}

void woxKeyboardDialog::backspace()
{
    lineEdit->backspace();
}

void woxKeyboardDialog::shift(bool pressed)
{
    for (const woxShiftedKey &shifted : shiftedKeys)
        (this->*shifted.key)->setText(QString::fromLatin1(pressed ? shifted.shifted : shifted.plain));
    for (QPushButton *key : {aB, bB, cB, dB, eB, fB, gB, hB, iB, jB, kB, lB, mB,
                             nB, oB, pB, qB, rB, sB, tB, uB, vB, wB, xB, yB, zB})
        key->setText(letterCaption(key, pressed));
}

void woxKeyboardDialog::space()
{
    lineEdit->insert(QStringLiteral(" "));
}

void woxKeyboardDialog::time()
{
    lineEdit->insert(woxClock::instance()->now().toString(QStringLiteral("yy.MM.dd_hh.mm.ss")));
}

void woxKeyboardDialog::clear()
{
    lineEdit->clear();
}

void woxKeyboardDialog::type(const QPushButton *key)
{
    // The line's own insert replaces a selection and cuts the text to the
    // room left under the length limit.
    QString caption = key->text();
    caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
    lineEdit->insert(caption);
}

void woxKeyboardDialog::printA() { type(aB); }
void woxKeyboardDialog::printB() { type(bB); }
void woxKeyboardDialog::printC() { type(cB); }
void woxKeyboardDialog::printD() { type(dB); }
void woxKeyboardDialog::printE() { type(eB); }
void woxKeyboardDialog::printF() { type(fB); }
void woxKeyboardDialog::printG() { type(gB); }
void woxKeyboardDialog::printH() { type(hB); }
void woxKeyboardDialog::printI() { type(iB); }
void woxKeyboardDialog::printJ() { type(jB); }
void woxKeyboardDialog::printK() { type(kB); }
void woxKeyboardDialog::printL() { type(lB); }
void woxKeyboardDialog::printM() { type(mB); }
void woxKeyboardDialog::printN() { type(nB); }
void woxKeyboardDialog::printO() { type(oB); }
void woxKeyboardDialog::printP() { type(pB); }
void woxKeyboardDialog::printQ() { type(qB); }
void woxKeyboardDialog::printR() { type(rB); }
void woxKeyboardDialog::printS() { type(sB); }
void woxKeyboardDialog::printT() { type(tB); }
void woxKeyboardDialog::printU() { type(uB); }
void woxKeyboardDialog::printV() { type(vB); }
void woxKeyboardDialog::printW() { type(wB); }
void woxKeyboardDialog::printX() { type(xB); }
void woxKeyboardDialog::printY() { type(yB); }
void woxKeyboardDialog::printZ() { type(zB); }
void woxKeyboardDialog::print0() { type(n0B); }
void woxKeyboardDialog::print1() { type(n1B); }
void woxKeyboardDialog::print2() { type(n2B); }
void woxKeyboardDialog::print3() { type(n3B); }
void woxKeyboardDialog::print4() { type(n4B); }
void woxKeyboardDialog::print5() { type(n5B); }
void woxKeyboardDialog::print6() { type(n6B); }
void woxKeyboardDialog::print7() { type(n7B); }
void woxKeyboardDialog::print8() { type(n8B); }
void woxKeyboardDialog::print9() { type(n9B); }
void woxKeyboardDialog::printAp() { type(apB); }
void woxKeyboardDialog::printMinus() { type(minusB); }
void woxKeyboardDialog::printEqual() { type(equalB); }
void woxKeyboardDialog::printDot() { type(dotB); }
