#pragma once
// The database schema as data: every table, column, generator and insert trigger
// the program uses. New databases are created from it, and the start-up upgrade
// (SchemaUpgrade) takes its probes and DDL from it, so the two never drift apart.

#include <QString>
#include <QStringList>
#include <vector>

namespace schema {

struct Column {
    const char* name;
    const char* type;               // DDL type as written in CREATE/ALTER ("VARCHAR(30)", "INTEGER", "NUMERIC(15,3)", "FLOAT", ...)
    bool notNull = false;           // ID columns, and the action journal's key
    // Type an older database (or the upgrade's own CREATE) has: a narrower VARCHAR the
    // upgrade widens, FLOAT for an amount, quantity or percentage the upgrade makes
    // exact, or NUMERIC(15,3) for a unit cost the upgrade gives its six places.
    const char* olderType = nullptr;
};

// The exact types of money and of quantities.
inline constexpr const char* kAmountType = "NUMERIC(18,2)";
inline constexpr const char* kQuantityType = "NUMERIC(15,3)";
// A unit cost keeps the places it needs (an order's cost with its IPI: 0,99 × 1,07 =
// 1,0593), with the twelve whole digits of the columns it had before.
inline constexpr const char* kUnitCostType = "NUMERIC(18,6)";
inline constexpr const char* kFloatType = "FLOAT";

// How a table comes to exist in an installed database.
enum class Origin {
    Installed,        // part of every installed database
    UpgradeStep2,     // created by the start-up upgrade before the widenings (ACOMBALCAO)
    UpgradeStep4,     // created after the widenings, with primary key and trigger (ACOMPDELI, DELIITEM)
    UpgradeStep6,     // created after the added columns (CENTROCUSTO, DELIPED, COZINHA2, CAIXA, CONTA, DESPESA,
                      // EXCLUIDOS, GENERO, EXCLUSAO)
    OnDemand,         // created by the window that needs it (none now)
    Added,            // this program's own: created whole by the upgrade when missing (DIARIOACOES, DELIFIC)
};

enum class TriggerKind {
    None,
    FillWhenNull,     // NEW.ID := GEN_ID(gen,1) when the INSERT leaves ID null
    AlwaysReplace,    // NEW.ID := GEN_ID(gen,1) whatever the INSERT gives
};

struct Table {
    const char* name;
    Origin origin;
    std::vector<Column> columns;    // in order
    int upgradeCreateColumns = 0;   // for upgrade-created tables: how many leading columns its CREATE holds (older types apply)
    const char* primaryKey = nullptr;// PRIMARY KEY columns ("ID"), when the table has one
    const char* generator = nullptr;// generator created with the table by the upgrade (upgrade tables only)
    TriggerKind trigger = TriggerKind::None;
    const char* triggerName = nullptr;
    const char* triggerGenerator = nullptr;
};

struct Generator {
    const char* name;
    Origin origin;
};

// Every table, in a stable order.
const std::vector<Table>& tables();
// Every generator, those created with upgrade tables included.
const std::vector<Generator>& generators();

const Table* findTable(QStringView name);
const Column* findColumn(const Table& t, QStringView column);

// CREATE TABLE text for a table in its final form.
QString createTableSql(const Table& t);
// CREATE TABLE text the upgrade uses for a table it creates (its leading columns, older types).
QString upgradeCreateTableSql(const Table& t);
// CREATE TRIGGER text, empty when the table has none.
QString createTriggerSql(const Table& t);
// "ALTER TABLE t ADD PRIMARY KEY (...)" for a table that has a primary key.
QString addPrimaryKeySql(const Table& t);
// True when the table's CREATE text holds its key (this program's own tables:
// the table never exists without it), rather than added after it.
bool keyInCreate(const Table& t);
// True for the exact types the upgrade gives amounts and quantities that older
// databases hold as FLOAT.
bool isExactNumber(const Column& c);
// True for a unit cost that older databases hold with three places.
bool isFinerUnitCost(const Column& c);

// An index the lookups need (by tab, product, customer, stock ledger, document...).
struct Index {
    const char* name;
    const char* table;
    const char* columns;            // "CODIGO" or "CODIGO, DATA"
    bool unique = false;            // a unique key: the start-up upgrade adds it once the rows allow
    bool descending = false;        // for the newest value of a column (MAX)
};
// Every index, in a stable order; new databases get them and the start-up upgrade
// adds those missing.
const std::vector<Index>& indexes();
QString createIndexSql(const Index& i);

// The triggers beyond the insert triggers that draw IDs: those that keep the totals
// beside the stock ledger (db/LedgerTotals.h).
struct Trigger {
    const char* name;
    const char* table;
    QString sql;                    // CREATE TRIGGER text
};
const std::vector<Trigger>& triggers();

// Rows a new installation must hold (GERAID's single row etc.) are seeded by NewDatabase.

} // namespace schema
