#include "woxGuiStyle.h"
#include "woxMainWidget.h"
#include "woxTranslator.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QFont font;
    font.setPixelSize(15);
    QApplication::setFont(font);
    QApplication::setStyle(new woxGuiStyle());   // owned by the application
    // Before any screen exists, so every screen's first texts are already
    // in the stored language.
    woxTranslator::instance();

    woxMainWidget mainWidget;
    mainWidget.show();
    mainWidget.setWindowTitle(QStringLiteral("T-Orb"));
    mainWidget.setWindowIcon(QIcon(QStringLiteral(":/icons/icons/terminal.png")));
    return application.exec();
}
