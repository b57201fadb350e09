// Build-time tool: writes the pseudo-depth table from its rule to the file
// named by its argument, which the build then compiles into the resources.
#include "woxPseudoDepthTable.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    const woxPseudoDepthTable table;
    return table.generate(arguments.at(1)) ? 0 : 1;
}
