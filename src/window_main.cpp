#include "app/ProgramOptions.h"
#include "app/ProgramHandover.h"
#include "ui/main/WindowProgram.h"

int main(int argc, char **argv)
{
    using namespace nudgely;
    // Started by the nudgely command, which has checked the arguments already.
    return runWindow(argc, argv, parseProgramOptions(programArguments(argc, argv)), takeCommandPath());
}
