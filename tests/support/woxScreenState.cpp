#include "woxScreenState.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTextEdit>

namespace {

QString value(const QWidget *w)
{
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text() + (b->isChecked() ? "*" : "");
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return t->toPlainText();
    if (auto *p = qobject_cast<const QPlainTextEdit *>(w))
        return p->toPlainText();
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return c->currentText();
    if (auto *s = qobject_cast<const QAbstractSlider *>(w))
        return QString::number(s->value());
    if (auto *s = qobject_cast<const QAbstractSpinBox *>(w))
        return s->text();
    if (auto *p = qobject_cast<const QProgressBar *>(w))
        return QString::number(p->value());
    return QString();
}

} // namespace

QString woxScreenState(const QWidget *root, const QString &names)
{
    QStringList shown;
    for (const QString &name : names.split(' ', Qt::SkipEmptyParts)) {
        const QWidget *w = root->objectName() == name ? root : root->findChild<QWidget *>(name);
        if (!w) {
            shown << name + "?";
            continue;
        }
        QString line = QString(w->isEnabled() ? "" : "!") + (w->isVisibleTo(root) || w == root ? "" : "~")
                       + name + ":" + value(w);
        if (w->testAttribute(Qt::WA_SetPalette))
            line += "{" + w->palette().color(w->foregroundRole()).name() + "/"
                    + w->palette().color(w->backgroundRole()).name() + "}";
        if (!w->styleSheet().isEmpty())
            line += "{" + w->styleSheet().simplified() + "}";
        shown << line;
    }
    return shown.join(" | ");
}
