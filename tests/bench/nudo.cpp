// The yardstick of the batch program's start: a bare QtCore process that makes its
// application, prints a line and ends.

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::puts("pronto");
    return 0;
}
