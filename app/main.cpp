#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("T-Orb"));
    window.setFixedSize(1024, 600);
    window.show();
    return application.exec();
}
