#pragma once
// A fresh station for one test: its own root folder, its own embedded database
// (a copy of a template built once per test binary), the program-wide values of a
// fresh start, and a connected data module installed as Logon.

#include "QtPrinters.h"
#include "core/Decimal.h"
#include "db/UnitLogon.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

class TestStation {
public:
    // connect = false leaves the data module unconnected (start-up tests connect it
    // the way the program does).
    explicit TestStation(bool connect = true);
    ~TestStation();

    TLogon& logon() { return *m_logon; }
    QString root() const { return m_root.path(); }
    QString databasePath() const;

    // Seeding.
    void addUser(const QString& name, const QString& password, const QString& master, int rights);
    void setCompanyName(const QString& name);
    void addProduct(const QString& code, const QString& name, const Decimal& price, int kitchen = 0);
    // Opens cash shift `number` dated today (CONTCAIXA row and its CONTDATA row).
    void openCashShift(int number);
    // A station file, written the way the program writes them (Windows-1252, CR LF).
    void writeFile(const QString& windowsName, const QStringList& lines);
    QStringList readFile(const QString& windowsName) const;
    QVariant scalar(const QString& sql, const Params& params = {});
    int count(const QString& sql, const Params& params = {});

    // The template: a new installation's database, made once per binary.
    static QString templatePath();
    static void cleanUpTemplates();

private:
    QTemporaryDir m_root;
    std::unique_ptr<TLogon> m_logon;
};

// Another station attached to a database: the embedded engine lets one process
// attach several times, and on the test server it is a second client.
std::unique_ptr<TLogon> attachStation(const QString& database, int lockTimeout = 1);

// The databases a two-station test runs on: the station's own file, and a new
// database on the test server (named after `serverName`) when there is one.
std::vector<QString> twoStationDatabases(TestStation& st, const QString& serverName);

// A database on the test Firebird server, when .ci/run started one
// (SABREL22_TEST_SERVER = its address, SABREL22_TEST_SERVER_DIR = a folder the
// server can write). Empty address: no server here.
struct TestServer {
    static QString address();
    // Creates a new installation's database on the server; returns the path on the server.
    static QString createDatabase(const QString& name);
    // Where a test of several stations runs: a new installation on the server
    // ("host:path"), or the station's own file when no server runs here.
    static QString stationsDatabase(TestStation& station, const QString& name);
};
