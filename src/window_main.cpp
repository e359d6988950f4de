#include "app/ProgramOptions.h"
#include "app/ProgramHandover.h"
#include "ui/main/WindowProgram.h"

#include <QStringList>

int main(int argc, char **argv)
{
    using namespace nudgely;
    // Started by the nudgely command, which has checked the arguments already.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return runWindow(argc, argv, parseProgramOptions(arguments), takeCommandPath());
}
