// Times one toggle of a grid cell on the template screen, the whole path an
// operator's touch takes: the set regenerates the cell, the model refreshes
// the grid and sends its curves, the plot replots and repaints. The set is a
// fully selected Gradient 3 set on two cables, the heaviest the grid holds.
#include "woxFullSet.h"
#include "woxTemplateFile.h"
#include "woxTemplateWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const woxArrayType gradient3 = 8;

// A template file holding the one fully selected set.
bool writeFullTemplate(const QString &path)
{
    woxTemplateFile content;
    content.sets.append(fullySelectedSet(gradient3));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    content.write(stream);
    return stream.status() == QDataStream::Ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("full.woxTemplate"));
    if (!writeFullTemplate(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    woxTemplateWidget screen;
    if (!screen.loadFile(path))
        return 1;
    screen.resize(1024, 520);
    screen.tabWidget->setCurrentIndex(2);
    screen.show();
    QApplication::processEvents();
    woxTemplateDataModel &model = screen.templateModel();
    std::printf("fully selected Gradient 3 set, two cables: %d quadripoles\n",
                model.totalQuadripoles());
    const QModelIndexList cell{model.index(0, 0)};
    const int rounds = 20;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        model.onSpacingLevelMainConfig(cell);
        screen.templatePlot().repaint();
    }
    const double perToggle = double(timer.nsecsElapsed()) / 1e6 / rounds;
    std::printf("one grid toggle (regeneration, refresh, replot): %.1f ms (mean of %d)\n",
                perToggle, rounds);
    return 0;
}
