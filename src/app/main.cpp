// Sabrel 22.
#include "app/Program.h"
#include "core/WidgetDialogs.h"
#include "platform/FirebirdEnv.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    prepareFirebirdEnvironment();
    QApplication app(argc, argv);
    WidgetDialogs screenDialogs;
    setScreenDialogs(&screenDialogs);
    return runProgram(app);
}
