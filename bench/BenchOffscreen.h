#pragma once
// The frame of a benchmark that opens windows: Qt offscreen, every dialog answered
// quietly (messages with their first button, no window shown, errors printed), a
// station root of its own, and the run on each database (BenchDatabases.h).
#include "BenchDatabases.h"
#include "platform/Dialogs.h"
#include "platform/FirebirdEnv.h"
#include "platform/StationPaths.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

class QuietDialogs : public Dialogs {
public:
    QString message(const QString&, const QString&, const QString&, const QString&) override { return QStringLiteral("S"); }
    QString inputBox(const QString&, const QString&, const QString& p) override { return p; }
    int exec(QDialog&) override { return 0; }
    void errorBox(const QString& text) override { std::fprintf(stderr, "erro: %s\n", qPrintable(text)); }
    QString openPictureFile() override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    void beep() override {}
};

// run(where, database, station root) once per database; the local one is `fileName`.
inline int runOffscreen(int argc, char* argv[], const QString& fileName,
                        const std::function<void(const char*, const QString&, const QString&)>& run)
{
    prepareFirebirdEnvironment();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QuietDialogs quiet;
    setDialogs(&quiet);
    QTemporaryDir root;
    station::setRoot(root.path());
    onEachDatabase(QDir(root.path()).filePath(fileName),
                   [&](const char* where, const QString& db) { run(where, db, root.path()); });
    setDialogs(nullptr);
    return 0;
}
