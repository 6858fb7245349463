#include "app/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    PrepareGraphics();
    QApplication application(argc, argv);
    return RunProgram();
}
