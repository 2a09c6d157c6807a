// Makes the database every test of a run starts from: a new installation's, made
// once. Usage: make_test_template PATH
#include "db/NewDatabase.h"
#include "platform/FirebirdEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[])
{
    prepareFirebirdEnvironment();
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: make_test_template CAMINHO\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    try {
        newdb::createInstallation(path);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
