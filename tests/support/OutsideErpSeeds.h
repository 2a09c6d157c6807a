#pragma once
// A stand-in for the outside ERP's (GDOOR) database, made by the test under the
// station root: exactly the tables, columns and generator the export writes, with
// types that take any value the export sends (the ERP's own schema is not ours),
// and the rows of a tab and its payment methods in the station's own database.

#include "core/Decimal.h"
#include "db/UnitLogon.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace erpseeds {

enum class Place { Slim, Pro };

// Creates the ERP database file at that place ("C:\GDOOR Sistemas\GDOOR ...\DATAGES.FDB"
// under the station root) with DAVS, DAVS_CLIENTE, DAVS_ITENS and the generator
// GEN_DAVSID set to lastDav; with GERAID and its row 0 when withGeraId. Returns its path.
// productAsText: DAVS_ITENS.IDPRODUTO is a text column (it is an integer otherwise).
QString createErpDatabase(Place place, bool withGeraId, qint64 lastDav = 0, bool productAsText = false);

// The ERP's products: ESTOQUE with the five columns the import reads and one it
// never reads; codeAsText: CODIGO is a text column (an integer one otherwise).
struct ErpProduct {
    QVariant code;
    QString description, unit;
    QVariant price, cost;
};
void createEstoque(TLogon& erp, bool codeAsText = false);
void addErpProducts(TLogon& erp, const std::vector<ErpProduct>& products);

// A connection of the test's own to a database file.
std::unique_ptr<TLogon> open(const QString& path);

// Every row of a table, one text per row (columns joined by "|", in key order),
// to compare a database before and after.
QStringList rowsOf(TLogon& db, const QString& table, const QString& orderBy = QStringLiteral("1"));
// Whether the database has that table.
bool hasTable(TLogon& db, const QString& table);

// The rows a test compares to say "as before": the ERP's document tables and GERAID.
QStringList erpState(TLogon& erp);
// The rows of the station's database a closing writes or deletes.
QStringList localState(TLogon& local);

// A payment method (FORMAPAGA) with its code, name, settlement and export flags.
void addPaymentMethod(TLogon& local, int code, const QString& name, const QString& bx, const QString& dav);
// An open tab (CABMESA) and one item of it (MESA).
void openTab(TLogon& local, const QString& tab);
void addTabItem(TLogon& local, const QString& tab, const QString& code, const QString& name,
                const Decimal& quantity, const Decimal& price);

} // namespace erpseeds
