// Every test binary starts here: a QApplication on the offscreen platform, and the
// Firebird environment the program itself prepares.
#include "TestStation.h"
#include "platform/FirebirdEnv.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareFirebirdEnvironment();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    TestStation::cleanUpTemplates();
    return result;
}
