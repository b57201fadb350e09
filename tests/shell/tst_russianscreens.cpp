#include "woxAddModifyArrayDialog.h"
#include "woxArrangementDialog.h"
#include "woxCableConfigDialog.h"
#include "woxClockWidget.h"
#include "woxConstants.h"
#include "woxCore.h"
#include "woxDeviceTableWidget.h"
#include "woxERTTableDialog.h"
#include "woxEngineerWidget.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxGPSWidget.h"
#include "woxKeyboardDialog.h"
#include "woxLanguageWidget.h"
#include "woxMainWidget.h"
#include "woxMoveDialog.h"
#include "woxPasswordDialog.h"
#include "woxReleaseWidget.h"
#include "woxScaleDialog.h"
#include "woxSessionFixture.h"
#include "woxSessionModeDialog.h"
#include "woxSessionWidget.h"
#include "woxSignalWidget.h"
#include "woxTemplatePlot.h"
#include "woxTemplateWidget.h"
#include "woxTranslator.h"
#include "woxUpdateWidget.h"

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

private slots:
    void initTestCase()
    {
        clock.reset(new woxFakeClock(QDateTime(QDate(2024, 3, 9), QTime(7, 5, 9))));
        woxTranslator::instance()->setLanguage("Ru");
    }

    void cleanupTestCase()
    {
        woxCore::destroy();
        woxTranslator::destroy();
    }

    void screenShowsNoEnglish_data()
    {
        QTest::addColumn<ScreenFactory>("factory");
        QTest::newRow("main window") << ScreenFactory([] { return new woxMainWidget; });
        QTest::newRow("language") << ScreenFactory([] { return new woxLanguageWidget; });
        QTest::newRow("clock") << ScreenFactory([] { return new woxClockWidget; });
        QTest::newRow("release") << ScreenFactory([] { return new woxReleaseWidget; });
        QTest::newRow("gps") << ScreenFactory([] { return new woxGPSWidget; });
        QTest::newRow("devices") << ScreenFactory([] { return new woxDeviceTableWidget; });
        QTest::newRow("update") << ScreenFactory([] { return new woxUpdateWidget; });
        QTest::newRow("keyboard") << ScreenFactory([] { return new woxKeyboardDialog(QString()); });
        QTest::newRow("keypad") << ScreenFactory([] { return new woxPasswordDialog; });
        // The device pages of the full level keep their English texts in every
        // language; the production page is the translated one.
        QTest::newRow("engineer") << ScreenFactory([] { return new woxEngineerWidget(1); });
        QTest::newRow("arrangement") << ScreenFactory([] { return new woxArrangementDialog; });
        QTest::newRow("array") << ScreenFactory([] { return new woxAddModifyArrayDialog; });
        QTest::newRow("move") << ScreenFactory([] { return new woxMoveDialog; });
        QTest::newRow("scale") << ScreenFactory([] { return new woxScaleDialog; });
        QTest::newRow("session mode") << ScreenFactory([] { return new woxSessionModeDialog; });
        QTest::newRow("signal window") << ScreenFactory([] { return new woxSignalWidget; });
        QTest::newRow("varnex list") << ScreenFactory([] { return new woxERTTableDialog(QStringList{"17"}); });
        QTest::newRow("stored session") << ScreenFactory([] {
            woxSessionFile session = woxSessionFixture::session(4);
            woxSessionFixture::measure(&session, 0, 10.0f, 2.0f);
            QDir().mkpath(systemDir);
            QFile file(systemDir + lastSessionFileName);
            auto *screen = new woxSessionWidget(nullptr, true);
            if (file.open(QIODevice::WriteOnly) && session.write(file) && (file.close(), true))
                screen->openFlow(file.fileName());
            return screen;
        });
        QTest::newRow("cable dialog") << ScreenFactory([] { return new woxCableConfigDialog(nullptr, 2, true, true); });
        QTest::newRow("template plot") << ScreenFactory([] { return new woxTemplatePlot; });
        QTest::newRow("template") << ScreenFactory([] { return new woxTemplateWidget; });
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
};

QTEST_MAIN(tst_russianscreens)
#include "tst_russianscreens.moc"
