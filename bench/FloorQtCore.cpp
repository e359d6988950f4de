// What any program that loads Qt Core pays before doing anything: the exec, the libraries'
// loading and their start-up, then one formatted number. bench/compare-peers.sh times it
// beside `nudgely --list`, whose command module needs Qt Core.

#include <QString>

#include <cstdio>

int main(int argc, char **)
{
    const QString text = QString::number(argc);
    std::puts(qPrintable(text));
    return 0;
}
