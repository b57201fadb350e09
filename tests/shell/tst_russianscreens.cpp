#include "woxAddModifyArrayDialog.h"
#include "woxArrangementDialog.h"
#include "woxCableConfigDialog.h"
#include "woxClockWidget.h"
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

#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QtTest>

#include <qwt_plot.h>
#include <qwt_text.h>

typedef std::function<QWidget *()> ScreenFactory;
Q_DECLARE_METATYPE(ScreenFactory)

namespace {

template <class Screen> ScreenFactory make() { return [] { return new Screen; }; }

// Names and abbreviations the program keeps in every language (flags, interfaces, Tx/Rx, the file table's array
// columns, plot planes, data root, Varnex, its name).
const QSet<QString> keptWords = {"OK", "USB", "GPS", "LAN", "RU", "UK", "Rx", "Tx", "XY", "XZ",
                                 "YZ", "Sch", "DD", "FPD", "BPD", "PP", "wox", "Orb", "Varnex"};

// What one widget shows, pages and items included.
QStringList textsOf(QWidget *widget)
{
    QStringList texts{widget->property("text").toString(), widget->property("title").toString()};
    if (qobject_cast<QLabel *>(widget))
        texts[0] = QTextDocumentFragment::fromHtml(texts[0]).toPlainText();
    auto *tabs = qobject_cast<QTabWidget *>(widget);
    auto *combo = qobject_cast<QComboBox *>(widget);
    for (int i = 0; i < (tabs ? tabs->count() : combo ? combo->count() : 0); ++i)
        texts << (tabs ? tabs->tabText(i) : combo->itemText(i));
    auto *view = qobject_cast<QAbstractItemView *>(widget);
    if (const QAbstractItemModel *model = view ? view->model() : nullptr) {
        for (int column = 0; column < model->columnCount(); ++column) {
            texts << model->headerData(column, Qt::Horizontal).toString();
            for (int row = 0; row < qMin(model->rowCount(), 100); ++row)
                texts << model->index(row, column).data().toString();
        }
    }
    if (auto *plot = qobject_cast<QwtPlot *>(widget)) {
        texts << plot->title().text();
        for (int axis = 0; axis < QwtPlot::axisCnt; ++axis)
            texts << (plot->axisEnabled(axis) ? plot->axisTitle(axis).text() : QString());
    }
    return texts;
}

// The texts the screen shows, page by page for screens with tabs, that still hold an English word.
QStringList englishTexts(QWidget *screen)
{
    QStringList texts(screen->windowTitle());
    const QList<QTabWidget *> tabWidgets = screen->findChildren<QTabWidget *>();
    int pages = 1;
    for (QTabWidget *tabs : tabWidgets)
        pages = qMax(pages, tabs->count());
    for (int page = 0; page < pages; ++page) {
        for (QTabWidget *tabs : tabWidgets)
            tabs->setCurrentIndex(qMin(page, tabs->count() - 1));
        QCoreApplication::processEvents();
        for (QWidget *widget : screen->findChildren<QWidget *>())
            if (widget->isVisibleTo(screen))
                texts << textsOf(widget);
    }
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList found;
    for (const QString &text : texts)
        for (auto words = word.globalMatch(text); words.hasNext();)
            if (!keptWords.contains(words.next().captured()))
                found << text;
    return found;
}

} // namespace

// Every screen built so far, opened in Russian, shows no English word but the few the program keeps in every
// language.
class tst_russianscreens : public QObject
{
    Q_OBJECT

    woxFakeCommandRunner runner;
    woxFakeClock clock{QDateTime(QDate(2024, 3, 9), QTime(7, 5, 9))};

private slots:
    void initTestCase()
    {
        woxTranslator::instance()->setLanguage("Ru");
        woxTranslator::instance()->setLanguage("Xx");   // no such language: Russian stays
    }

    void cleanupTestCase() { woxCore::destroy(); woxTranslator::destroy(); }

    // The engineer's device pages keep their English texts in every language; its production page is translated.
    void screenShowsNoEnglish_data()
    {
        QTest::addColumn<ScreenFactory>("factory");
        const QList<QPair<const char *, ScreenFactory>> screens = {
            {"cable dialog", [] { return new woxCableConfigDialog(nullptr, 2, true, true); }},
            {"varnex list", [] { return new woxERTTableDialog(QStringList{"17"}); }}, {"clock", make<woxClockWidget>()},
            {"keyboard", [] { return new woxKeyboardDialog(QString()); }}, {"array", make<woxAddModifyArrayDialog>()},
            {"engineer", [] { return new woxEngineerWidget(1); }}, {"session mode", make<woxSessionModeDialog>()},
            {"arrangement", make<woxArrangementDialog>()}, {"signal window", make<woxSignalWidget>()},
            {"devices", make<woxDeviceTableWidget>()}, {"language", make<woxLanguageWidget>()},
            {"template", make<woxTemplateWidget>()}, {"main window", make<woxMainWidget>()},
            {"release", make<woxReleaseWidget>()}, {"keypad", make<woxPasswordDialog>()}, {"gps", make<woxGPSWidget>()},
            {"update", make<woxUpdateWidget>()}, {"scale", make<woxScaleDialog>()}, {"move", make<woxMoveDialog>()},
            {"new session", [] { return new woxSessionWidget(nullptr, false); }},
            {"pseudo-section", make<woxPseudoSectionPlot>()}, {"sounding curves", make<woxSoundingCurvePlot>()},
            {"template plot", make<woxTemplatePlot>()},
            {"file table", [] {
                 auto *files = new woxFileTableDataModel(false);
                 auto *dialog = new woxFileTableDialog(files);
                 files->setParent(dialog);
                 return dialog;
             }},
            {"varnex template", [] {
                 QMap<woxElectrode, woxElectrodePosition> electrodes;
                 electrodes.insert(1, woxElectrodePosition(0, 0, 0));
                 electrodes.insert(2, woxElectrodePosition(1, 0, 0));
                 return new woxERTTemplateWidget(QDir::homePath() + "/line.txt", electrodes, {});
             }},
            {"stored session", [] {
                 auto *screen = new woxSessionWidget(nullptr, true);
                 woxSessionFile session = woxSessionFixture::session(4);
                 woxSessionFixture::measure(&session, 0, 10.0f, 2.0f);
                 screen->openFlow(woxSessionFixture::write(session));
                 return screen;
             }}};
        for (const auto &screen : screens)
            QTest::newRow(screen.first) << screen.second;
    }

    void screenShowsNoEnglish()
    {
        QFETCH(ScreenFactory, factory);
        const QScopedPointer<QWidget> screen(factory());
        screen->show();
        const QStringList english = englishTexts(screen.data());
        QVERIFY2(english.isEmpty(), qPrintable(english.join(" | ")));
    }

    // The shared message dialog, with its three answers.
    void messageDialogShowsNoEnglish()
    {
        QStringList english("not shown");
        woxModalScript script;
        script.then([&english](QDialog *dialog) { english = englishTexts(dialog), dialog->done(2); });
        woxWarningDialog::askYesNoCancel(woxWarningDialog::tr("Attention!"));
        woxWarningDialog::closeInstance();
        QVERIFY2(english.isEmpty(), qPrintable(english.join(" | ")));
    }

    // A wire cell's unit: the ohm's sign in English, the Russian abbreviation in Russian; not measured in Russian.
    void cellUnitFollowsTheLanguage()
    {
        QLabel label, unmeasured;
        woxElectrodeState cell(&label, true), none(&unmeasured, true);
        cell.setResistance(1.5f);
        QStringList shown;
        for (const char *language : {"Uk", "Ru"}) {
            woxTranslator::instance()->setLanguage(language);
            cell.updateWidgets(10.0f), none.updateWidgets(10.0f);
            shown << label.text() << unmeasured.text();
        }
        QCOMPARE(shown.join(" | "), QString("1.50\nk\u03A9 | N / A | 1.50\nкОм | Н / Д"));
    }
};

QTEST_MAIN(tst_russianscreens)
#include "tst_russianscreens.moc"
