#pragma once
// Making a database for a new installation: the file, the whole schema, and the
// rows an installation must hold.

#include <QString>

class TLogon;

namespace newdb {

// The supervisor a new installation starts with (documented in the README).
constexpr const char* kSupervisorName = "SUPERVISOR";
constexpr const char* kSupervisorPassword = "1234";

// Creates an empty database with a one-byte character set. databaseName is a
// local path (embedded engine) or "host:path" (server). Throws DbError.
void createDatabaseFile(const QString& databaseName);

// Creates every table, generator, primary key and trigger. Throws DbError.
void createSchema(TLogon& logon);

// The restaurant as its receipts and reports head it: the EMPRESA row's EMPRESA,
// ENDERECO, CIDADE and ESTADO, written once by the installation (no window edits
// them).
struct Company {
    QString name = QStringLiteral("MINHA EMPRESA");
    QString address;
    QString city;
    QString state;
};

// GERAID's row, the company row, the supervisor, payment method 01 "Dinheiro"
// and customer 1 "CLIENTE CONSUMIDOR". Throws DbError.
void seedInstallation(TLogon& logon, const Company& company = {});

// All of the above: a new installation's database. Throws DbError.
void createInstallation(const QString& databaseName, const Company& company = {});

} // namespace newdb
