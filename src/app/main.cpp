// Sabrel 22.
#include "app/Program.h"
#include "platform/FirebirdEnv.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    prepareFirebirdEnvironment();
    QApplication app(argc, argv);
    return runProgram(app);
}
