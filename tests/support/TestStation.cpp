#include "TestStation.h"
#include "core/Globals.h"
#include "db/NewDatabase.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <gtest/gtest.h>

namespace {
QTemporaryDir* g_templateDir = nullptr;
}

QString TestStation::templatePath()
{
    // Made once per test run by the ctest fixture; a binary run by hand makes its own.
    const QString shared = qEnvironmentVariable("SABREL22_TEST_TEMPLATE");
    if (!shared.isEmpty() && QFileInfo::exists(shared))
        return shared;
    if (!g_templateDir) {
        g_templateDir = new QTemporaryDir;
        const QString path = g_templateDir->filePath(QStringLiteral("template.fdb"));
        newdb::createInstallation(path);
    }
    return g_templateDir->filePath(QStringLiteral("template.fdb"));
}

void TestStation::cleanUpTemplates()
{
    delete g_templateDir;
    g_templateDir = nullptr;
}

TestStation::TestStation(bool connect)
{
    station::setRoot(m_root.path());
    ctx::resetAll();
    const QString db = databasePath();
    QDir().mkpath(QFileInfo(db).absolutePath());
    QFile::copy(templatePath(), db);
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    m_logon = std::make_unique<TLogon>();
    Logon = m_logon.get();
    if (connect && !m_logon->connectTo(db))
        throw DbError(m_logon->lastError());
}

TestStation::~TestStation()
{
    if (Logon == m_logon.get())
        Logon = nullptr;
    m_logon.reset();
    station::setRoot(QString());
}

QString TestStation::databasePath() const
{
    return station::path(QString::fromLatin1(TLogon::kLocalDatabase));
}

void TestStation::addUser(const QString& name, const QString& password, const QString& master, int rights)
{
    m_logon->run(QStringLiteral("INSERT INTO MILTREX (ID, NOME, SENHA, MASTER, SISTEMA) VALUES (GEN_ID(SENHA,1), ?, ?, ?, ?)"),
                 {name, password, master, rights});
}

void TestStation::setCompanyName(const QString& name)
{
    m_logon->run(QStringLiteral("UPDATE EMPRESA SET EMPRESA = ?"), {name});
}

void TestStation::addProduct(const QString& code, const QString& name, const Decimal& price, int kitchen)
{
    m_logon->run(QStringLiteral("INSERT INTO PRODUTOS (ID, CODIGO, NOME, VALOR, CLAS, UNIDADE) "
                                "VALUES (GEN_ID(PRODUTOS,1), ?, ?, ?, ?, 'UN')"),
                 {code, name, price, QString::number(kitchen)});
}

void TestStation::openCashShift(int number)
{
    m_logon->action([&] {
        m_logon->run(QStringLiteral("DELETE FROM CONTCAIXA"));
        m_logon->run(QStringLiteral("INSERT INTO CONTCAIXA (CAIXA) VALUES (?)"), {number});
        m_logon->run(QStringLiteral("INSERT INTO CONTDATA (ID, CAIXA, DATA, ABERTURA) "
                                    "VALUES (GEN_ID(CONTCAIXA,1), ?, CURRENT_DATE, 0)"),
                     {number});
    });
}

void TestStation::writeFile(const QString& windowsName, const QStringList& lines)
{
    LineFile::save(station::pathForWriting(windowsName), lines);
}

QStringList TestStation::readFile(const QString& windowsName) const
{
    auto f = LineFile::load(station::path(windowsName));
    return f ? f->lines() : QStringList();
}

QVariant TestStation::scalar(const QString& sql, const Params& params)
{
    return m_logon->scalar(sql, params);
}

int TestStation::count(const QString& sql, const Params& params)
{
    return int(integerOf(m_logon->scalar(sql, params)));
}

QString TestServer::address()
{
    return qEnvironmentVariable("SABREL22_TEST_SERVER");
}

QString TestServer::createDatabase(const QString& name)
{
    const QString dir = qEnvironmentVariable("SABREL22_TEST_SERVER_DIR", QStringLiteral("/tmp"));
    const QString path = dir + QLatin1Char('/') + name + QLatin1Char('-')
        + QUuid::createUuid().toString(QUuid::Id128).left(12) + QStringLiteral(".fdb");
    const QString full = address() + QLatin1Char(':') + path;
    newdb::createInstallation(full);
    return path;
}

QString TestServer::stationsDatabase(TestStation& station, const QString& name)
{
    if (address().isEmpty())
        return station.databasePath();
    return address() + QLatin1Char(':') + createDatabase(name);
}

std::unique_ptr<TLogon> attachStation(const QString& database, int lockTimeout)
{
    auto l = std::make_unique<TLogon>();
    if (!l->connectTo(database))
        throw DbError(l->lastError());
    l->setLockTimeout(lockTimeout);
    return l;
}

std::vector<QString> twoStationDatabases(TestStation& st, const QString& serverName)
{
    std::vector<QString> dbs{st.databasePath()};
    if (!TestServer::address().isEmpty())
        dbs.push_back(TestServer::address() + QLatin1Char(':') + TestServer::createDatabase(serverName));
    return dbs;
}
