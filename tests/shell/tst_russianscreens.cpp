#include "woxAddModifyArrayDialog.h"
#include "woxArrangementDialog.h"
#include "woxCableConfigDialog.h"
#include "woxClockWidget.h"
#include "woxConstants.h"
#include "woxCore.h"
#include "woxDeviceTableWidget.h"
#include "woxERTTableDialog.h"
#include "woxERTTemplateWidget.h"
#include "woxElectrodeState.h"
#include "woxEngineerWidget.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxFileTableDataModel.h"
#include "woxFileTableDialog.h"
#include "woxGPSWidget.h"
#include "woxKeyboardDialog.h"
#include "woxLanguageWidget.h"
#include "woxMainWidget.h"
#include "woxModalScript.h"
#include "woxMoveDialog.h"
#include "woxPasswordDialog.h"
#include "woxPseudoSectionPlot.h"
#include "woxReleaseWidget.h"
#include "woxScaleDialog.h"
#include "woxSessionFixture.h"
#include "woxSessionModeDialog.h"
#include "woxSessionWidget.h"
#include "woxSignalWidget.h"
#include "woxSoundingCurvePlot.h"
#include "woxTemplatePlot.h"
#include "woxTemplateWidget.h"
#include "woxTranslator.h"
#include "woxUpdateWidget.h"
#include "woxWarningDialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QtTest>

#include <qwt_plot.h>
#include <qwt_text.h>

#include <functional>
#include <memory>

typedef std::function<QWidget *()> ScreenFactory;
Q_DECLARE_METATYPE(ScreenFactory)

namespace {

// Latin words a Russian screen may show: names and abbreviations the program
// keeps in every language (the flags, interfaces, the transmitter and
// receiver, the file table's array columns, the plot planes, the data root,
// the Varnex text format and the program's name).
const QSet<QString> keptWords = {"OK", "USB", "GPS", "LAN", "RU", "UK", "Rx", "Tx", "XY", "XZ",
                                 "YZ", "Sch", "DD", "FPD", "BPD", "PP", "wox", "Orb", "Varnex"};

void addText(QSet<QString> &texts, const QString &text)
{
    if (!text.trimmed().isEmpty())
        texts.insert(text);
}

void addModelTexts(QSet<QString> &texts, const QAbstractItemView *view)
{
    const QAbstractItemModel *model = view->model();
    if (!model)
        return;
    for (int column = 0; column < model->columnCount(); ++column)
        addText(texts, model->headerData(column, Qt::Horizontal).toString());
    for (int row = 0; row < qMin(model->rowCount(), 100); ++row) {
        for (int column = 0; column < model->columnCount(); ++column)
            addText(texts, model->index(row, column).data().toString());
    }
}

void addWidgetTexts(QSet<QString> &texts, QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        addText(texts, QTextDocumentFragment::fromHtml(label->text()).toPlainText());
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        addText(texts, button->text());
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        addText(texts, box->title());
    if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            addText(texts, tabs->tabText(i));
    }
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        for (int i = 0; i < combo->count(); ++i)
            addText(texts, combo->itemText(i));
    }
    if (auto *view = qobject_cast<QAbstractItemView *>(widget))
        addModelTexts(texts, view);
    if (auto *plot = qobject_cast<QwtPlot *>(widget)) {
        addText(texts, plot->title().text());
        for (int axis = 0; axis < QwtPlot::axisCnt; ++axis) {
            if (plot->axisEnabled(axis))
                addText(texts, plot->axisTitle(axis).text());
        }
    }
}

// Every text the screen shows, page by page for screens with tabs.
QSet<QString> visibleTexts(QWidget *screen)
{
    QSet<QString> texts;
    addText(texts, screen->windowTitle());
    QList<QTabWidget *> tabWidgets = screen->findChildren<QTabWidget *>();
    QList<int> pages;
    for (QTabWidget *tabs : tabWidgets)
        pages << tabs->count();
    const int rounds = pages.isEmpty() ? 1 : *std::max_element(pages.begin(), pages.end());
    for (int page = 0; page < rounds; ++page) {
        for (QTabWidget *tabs : tabWidgets)
            tabs->setCurrentIndex(qMin(page, tabs->count() - 1));
        QCoreApplication::processEvents();
        for (QWidget *widget : screen->findChildren<QWidget *>()) {
            if (widget->isVisibleTo(screen))
                addWidgetTexts(texts, widget);
        }
    }
    return texts;
}

// The texts that still hold an English word.
QStringList englishTexts(const QSet<QString> &texts)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList found;
    for (const QString &text : texts) {
        auto words = word.globalMatch(text);
        while (words.hasNext()) {
            if (!keptWords.contains(words.next().captured())) {
                found << text;
                break;
            }
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

// Every screen built so far, opened in Russian, shows no English word but
// the few the program keeps in every language.
class tst_russianscreens : public QObject
{
    Q_OBJECT

private:
    woxFakeCommandRunner runner;
    std::unique_ptr<woxFakeClock> clock;

    static void addScreen(const char *name, const ScreenFactory &factory)
    {
        QTest::newRow(name) << factory;
    }

private slots:
    void initTestCase()
    {
        clock.reset(new woxFakeClock(QDateTime(QDate(2024, 3, 9), QTime(7, 5, 9))));
        woxTranslator::instance()->setLanguage("Ru");
        QCOMPARE(woxTranslator::instance()->language(), QString("Ru"));
    }

    void cleanupTestCase()
    {
        woxCore::destroy();
        woxTranslator::destroy();
    }

    void screenShowsNoEnglish_data()
    {
        QTest::addColumn<ScreenFactory>("factory");
        addScreen("main window", [] { return new woxMainWidget; });
        addScreen("language", [] { return new woxLanguageWidget; });
        addScreen("clock", [] { return new woxClockWidget; });
        addScreen("release", [] { return new woxReleaseWidget; });
        addScreen("gps", [] { return new woxGPSWidget; });
        addScreen("devices", [] { return new woxDeviceTableWidget; });
        addScreen("update", [] { return new woxUpdateWidget; });
        addScreen("keyboard", [] { return new woxKeyboardDialog(QString()); });
        addScreen("keypad", [] { return new woxPasswordDialog; });
        // The device pages of the full level keep their English texts in every
        // language; the production page is the translated one.
        addScreen("engineer", [] { return new woxEngineerWidget(1); });
        addScreen("arrangement", [] { return new woxArrangementDialog; });
        addScreen("array", [] { return new woxAddModifyArrayDialog; });
        addScreen("move", [] { return new woxMoveDialog; });
        addScreen("scale", [] { return new woxScaleDialog; });
        addScreen("session mode", [] { return new woxSessionModeDialog; });
        addScreen("signal window", [] { return new woxSignalWidget; });
        addScreen("varnex list", [] { return new woxERTTableDialog(QStringList{"17"}); });
        addScreen("file table", [] {
            auto *model = new woxFileTableDataModel(false);
            auto *dialog = new woxFileTableDialog(model);
            model->setParent(dialog);
            return dialog;
        });
        addScreen("session", [] { return new woxSessionWidget(nullptr, false); });
        addScreen("stored session", [] {
            woxSessionFile session = woxSessionFixture::session(4);
            woxSessionFixture::measure(&session, 0, 10.0f, 2.0f);
            QDir().mkpath(systemDir);
            QFile file(systemDir + lastSessionFileName);
            auto *screen = new woxSessionWidget(nullptr, true);
            if (file.open(QIODevice::WriteOnly) && session.write(file) && (file.close(), true))
                screen->openFlow(file.fileName());
            return screen;
        });
        addScreen("cable dialog", [] { return new woxCableConfigDialog(nullptr, 2, true, true); });
        addScreen("pseudo-section", [] { return new woxPseudoSectionPlot; });
        addScreen("sounding curves", [] { return new woxSoundingCurvePlot; });
        addScreen("template plot", [] { return new woxTemplatePlot; });
        addScreen("template", [] { return new woxTemplateWidget; });
        addScreen("varnex template", [] {
            QMap<woxElectrode, woxElectrodePosition> electrodes;
            electrodes.insert(1, woxElectrodePosition(0, 0, 0));
            electrodes.insert(2, woxElectrodePosition(1, 0, 0));
            return new woxERTTemplateWidget(QDir::homePath() + "/line.txt", electrodes, {});
        });
    }

    void screenShowsNoEnglish()
    {
        QFETCH(ScreenFactory, factory);
        std::unique_ptr<QWidget> screen(factory());
        screen->show();
        const QStringList english = englishTexts(visibleTexts(screen.get()));
        QVERIFY2(english.isEmpty(), qPrintable(english.join(" | ")));
        screen->hide();
    }

    void messageDialogShowsNoEnglish()
    {
        QSet<QString> texts;
        woxModalScript script;
        script.then([&texts](QDialog *dialog) {
            texts = visibleTexts(dialog);
            dialog->done(2);
        });
        woxWarningDialog::askYesNoCancel(woxWarningDialog::tr("Attention!"));
        QCOMPARE(script.seen.size(), 1);
        QVERIFY(!texts.isEmpty());
        const QStringList english = englishTexts(texts);
        QVERIFY2(english.isEmpty(), qPrintable(english.join(" | ")));
        woxWarningDialog::closeInstance();
    }

    // English keeps its words but shows the ohm as its sign.
    void englishShowsTheOhmSign()
    {
        woxTranslator::instance()->setLanguage("Uk");
        QLabel label;
        woxElectrodeState cell(&label, true);
        cell.setResistance(1.5f);
        cell.updateWidgets(10.0f);
        QCOMPARE(label.text(), QStringLiteral("1.50\nk\u03a9"));
        woxTranslator::instance()->setLanguage("Ru");
        cell.updateWidgets(10.0f);
        QCOMPARE(label.text(), QStringLiteral("1.50\n\u043a\u041e\u043c"));
    }
};

QTEST_MAIN(tst_russianscreens)
#include "tst_russianscreens.moc"
