#include "ui/main/AppMain.h"

int main(int argc, char **argv)
{
    return nudgely::Main(argc, argv);
}
