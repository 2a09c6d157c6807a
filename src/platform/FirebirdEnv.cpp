#include "platform/FirebirdEnv.h"

#include <QByteArray>
#include <QDir>
#include <clocale>
#include <cstdlib>
#include <unistd.h>

void prepareFirebirdEnvironment()
{
    std::setlocale(LC_ALL, "");
    if (qEnvironmentVariableIsEmpty("FIREBIRD_LOCK")) {
        const QByteArray dir = QByteArray("/tmp/firebird-") + QByteArray::number(static_cast<qulonglong>(::getuid()));
        QDir().mkpath(QString::fromLocal8Bit(dir));
        ::setenv("FIREBIRD_LOCK", dir.constData(), 1);
    }
}
