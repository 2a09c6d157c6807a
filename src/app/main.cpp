// Sabrel 22.
#include "app/Program.h"
#include "core/GuardedApplication.h"
#include "core/WidgetDialogs.h"
#include "platform/FirebirdEnv.h"

int main(int argc, char* argv[])
{
    prepareFirebirdEnvironment();
    GuardedApplication app(argc, argv);
    WidgetDialogs screenDialogs;
    setScreenDialogs(&screenDialogs);
    return runProgram(app);
}
