// Every test binary starts here: the program's application on the offscreen platform, and the
// Firebird environment the program itself prepares.
#include "TestStation.h"
#include "core/GuardedApplication.h"
#include "core/WidgetDialogs.h"
#include "platform/FirebirdEnv.h"

#include <cups/cups.h>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareFirebirdEnvironment();
    // No test prints on the machine's own printers: until a test starts its CUPS
    // sandbox, the printer list is that of a server that is not there.
    cupsSetServer("/nonexistent/sabrel22-tests/cups.sock");
    // The program's own guard: an exception that reaches the event loop shows the
    // error box (a scripted one in a test) instead of ending the binary.
    GuardedApplication app(argc, argv);
    WidgetDialogs screenDialogs;
    setScreenDialogs(&screenDialogs);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    TestStation::cleanUpTemplates();
    return result;
}
