#include "ui_mCableConfigDialog.h"

#include <QtTest>

namespace {

const char *const topLayouts[16] = {"4", "8", "5", "11", "6", "7", "10", "9",
                                    "12", "15", "16", "14", "13", "19", "18", "17"};

QString cellName(int cell, const char *role)
{
    return QString("w%1%2").arg(cell, 2, 10, QLatin1Char('0')).arg(role);
}

QColor colour(int r, int g, int b)
{
    return QColor(r, g, b);
}

} // namespace

// The bare form, built on a plain dialog as the cable dialog builds it.
class tst_cableForm : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QDialog> dialog;
    Ui::mCableConfigDialog form;

private slots:
    void init()
    {
        dialog.reset(new QDialog);
        form.setupUi(dialog.data());
    }

    void cleanup() { dialog.reset(); }

    void cellsByNameClassAndOrder()
    {
        const QIcon shared = form.w00PushButton->icon();
        for (int cell = 0; cell < 32; ++cell) {
            auto *number = dialog->findChild<QToolButton *>(cellName(cell, "ToolButton"));
            auto *wire = dialog->findChild<QPushButton *>(cellName(cell, "PushButton"));
            auto *value = dialog->findChild<QLabel *>(cellName(cell, "Label"));
            QVERIFY(number && wire && value);
            QCOMPARE(number->text(), QString::number(cell + 1));
            QCOMPARE(value->text(), QStringLiteral("1\nk\u03A9"));
            QVERIFY(wire->isFlat());
            QVERIFY(wire->maximumWidth() <= 63);
            QCOMPARE(wire->iconSize(), QSize(63, 63));
            QCOMPARE(wire->icon().cacheKey(), shared.cacheKey());
            const QString layoutName = "verticalLayout_"
                                       + (cell < 16 ? QString(topLayouts[cell])
                                                    : QString::number(cell + 4));
            auto *layout = dialog->findChild<QVBoxLayout *>(layoutName);
            QVERIFY2(layout, qPrintable(layoutName));
            QCOMPARE(layout->count(), 3);
            QWidget *expected[3] = {number, wire, value};
            for (int i = 0; i < 3; ++i)
                QCOMPARE(layout->itemAt(cell < 16 ? i : 2 - i)->widget(), expected[i]);
        }
        QCOMPARE(form.w05ToolButton->text(), QString("6"));
        QCOMPARE(form.horizontalLayout_7->itemAt(1)->layout(), form.verticalLayout_4);
        QCOMPARE(form.horizontalLayout_8->itemAt(1)->layout(), form.verticalLayout_20);
    }

    void startingValues()
    {
        QCOMPARE(form.failGroundingComboBox->count(), 15);
        QCOMPARE(form.failGroundingComboBox->itemText(0), QString("0.25"));
        QCOMPARE(form.failGroundingComboBox->itemText(12), QString("10.0"));
        QCOMPARE(form.failGroundingComboBox->itemText(14), QString("20.0"));
        QCOMPARE(form.failGroundingComboBox->currentIndex(), 0);
        QVERIFY(form.automaticAdvanceCheckBox->isChecked());
        QVERIFY(!form.stopIfFailedCheckBox->isChecked());
        QVERIFY(form.checkCablePushButton->isCheckable());
        QVERIFY(!form.checkCablePushButton->isChecked());
        QCOMPARE(form.remoteTxLabel->text(), QString("N / A"));
        QCOMPARE(form.remoteRxLabel->text(), QString("N / A"));
        QCOMPARE(form.currentCableLabel->text(), QString("1 / 1"));
        QCOMPARE(form._failGroundingLabel->text(), QStringLiteral("Fail grounding [k\u03A9]:"));
    }

    void acceptAndCancel_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("result");
        QTest::newRow("cancel") << false << 0;
        QTest::newRow("accept") << true << 1;
    }

    void acceptAndCancel()
    {
        QFETCH(bool, accept);
        QFETCH(int, result);
        QPushButton *button = accept ? form.acceptPushButton : form.cancelPushButton;
        QTimer::singleShot(0, button, &QPushButton::click);
        QCOMPARE(dialog->exec(), result);
    }

    void disabledTextIsGreyOnTheSameBackground()
    {
        const QColor grey = colour(120, 120, 120), cream = colour(255, 247, 239);
        form.groundingCheckGroupBox->setEnabled(false);
        form.remoteGroupBox->setEnabled(false);
        for (QWidget *widget : {static_cast<QWidget *>(form._failGroundingLabel),
                                static_cast<QWidget *>(form.remoteTxLabel),
                                static_cast<QWidget *>(form.groundingCheckGroupBox),
                                static_cast<QWidget *>(form.stopIfFailedCheckBox)}) {
            QVERIFY(!widget->isEnabled());
            QCOMPARE(widget->palette().color(QPalette::Disabled, QPalette::WindowText), grey);
        }
        QCOMPARE(form.failGroundingComboBox->palette().color(QPalette::Disabled, QPalette::Text),
                 grey);
        QCOMPARE(form._failGroundingLabel->palette().color(QPalette::Active, QPalette::WindowText),
                 colour(0, 0, 0));
        QCOMPARE(form.groundingCheckGroupBox->palette().color(QPalette::Active,
                                                              QPalette::WindowText),
                 colour(0, 0, 255));
        for (auto group : {QPalette::Active, QPalette::Disabled})
            QCOMPARE(dialog->palette().color(group, QPalette::Window), cream);
    }

    void spareRoomAtFullScreen()
    {
        dialog->setFixedSize(1024, 600);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        const auto preferred = [](QWidget *w) { return w->sizeHint(); };
        QCOMPARE(form.currentCableGroupBox->width(), preferred(form.currentCableGroupBox).width());
        QCOMPARE(form.remoteGroupBox->width(), preferred(form.remoteGroupBox).width());
        QVERIFY(form.actionsGroupBox->width() > preferred(form.actionsGroupBox).width());
        QVERIFY(form.groundingCheckGroupBox->width()
                > preferred(form.groundingCheckGroupBox).width());
        QVERIFY(form.cableConfigurationGroupBox->height()
                > preferred(form.cableConfigurationGroupBox).height());
        QCOMPARE(form.groundingCheckGroupBox->height(),
                 preferred(form.groundingCheckGroupBox).height());
        QCOMPARE(form.actionsGroupBox->height(),
                 qMax(preferred(form.actionsGroupBox).height(),
                      preferred(form.currentCableGroupBox).height()));
        // Spare width of a row goes to its spacers, not to the cells.
        QVERIFY(form.w00PushButton->width() <= 63);
        const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("cableForm.png");
        QVERIFY(dialog->grab().save(path));
    }
};

QTEST_MAIN(tst_cableForm)
#include "tst_cableForm.moc"
