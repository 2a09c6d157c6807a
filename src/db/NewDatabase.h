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

// GERAID's row, the company row, the supervisor, payment method 01 "Dinheiro",
// customer 1 "CLIENTE CONSUMIDOR" and the closed cash-shift row. Throws DbError.
void seedInstallation(TLogon& logon, const Company& company = {});

// CONTCAIXA's one row, closed (CAIXA 0, nothing issued), when the table has none:
// a new database has it from installation, an older or emptied one gets it from the
// start-up upgrade or from the first opening of a shift. Runs in an action of its
// own, or joins the caller's; stations doing it at once write one row. Returns true
// when it wrote the row.
bool ensureCashShiftRow(TLogon& logon);

// Inside an action that creates a row whose code has no unique key (CONTCAIXA's
// row, a customer by telephone, an account number, an account-book code): holds
// GERAID's one row, so stations creating at once take turns and the later one, run
// again once the first committed, finds its row.
void takeTurnCreating(TLogon& logon);

// All of the above: a new installation's database. Throws DbError.
void createInstallation(const QString& databaseName, const Company& company = {});

} // namespace newdb
