#pragma once
// One generated year of business (or several: yearsOfBusiness), the ground of every report benchmark: 20,000
// products in 40 groups (kits and pizza flavours among them), 200 suppliers, 5,000
// customers, 30 waiters, six payment methods, 365 cash shifts of 2023 with over
// 200,000 sales (tabs, counter sales, delivery invoices) written in the rows the
// closings write, about 1,000,000 stock-ledger rows, daily expenses, payable
// titles, an account book, staff vouchers and the login history.
//
//   const benchyear::Facts& y = benchyear::year();    // makes it once, then reuses it
//   TLogon logon; logon.connectTo(y.database);        // read-only benchmarks
//   QString db = benchyear::copyOfYear("stock");      // a private copy for a benchmark that writes
//
// The year is made by the same generator every time (a fixed seed), kept in
// build/bench/year/ (or $SABREL22_BENCH_YEAR_DIR) beside a stamp of the generator,
// the sale writer and the schema: when any of them changes, the next call makes it
// again. The embedded engine lets one process open a file: two benchmarks reading
// the year at once each take a copy. Every bench/bench_*.cpp links it.
#include <QDate>
#include <QString>

namespace benchyear {

// Rows of each table the year filled.
struct Counts {
    qint64 groups = 0;          // TIPOS
    qint64 products = 0;        // PRODUTOS, kits included
    qint64 kits = 0;            // PRODUTOS with COMPOSICAO 'S'
    qint64 kitRows = 0;         // KITPROD
    qint64 suppliers = 0;       // FORNECEDOR
    qint64 customers = 0;       // CLIENTES, the walk-in consumer included
    qint64 waiters = 0;         // VENDEDOR
    qint64 methods = 0;         // FORMAPAGA
    qint64 costCentres = 0;     // CENTROCUSTO
    qint64 deliveryMen = 0;     // DELICAD
    qint64 areas = 0;           // ENTREGA
    qint64 shifts = 0;          // CONTDATA
    qint64 withdrawals = 0;     // SANGRIA
    qint64 sales = 0;           // FATURA
    qint64 tabSales = 0;        // FATURA TIPO 1
    qint64 counterSales = 0;    // FATURA TIPO 2
    qint64 deliverySales = 0;   // FATURA TIPO 3
    qint64 payments = 0;        // RECARQ
    qint64 services = 0;        // SERVICO
    qint64 ledger = 0;          // ESTFIC
    qint64 expenses = 0;        // DESPLOJA
    qint64 payables = 0;        // PAGARQ
    qint64 accounts = 0;        // CONTA
    qint64 bookCodes = 0;       // DESPESA
    qint64 bookEntries = 0;     // CAIXA
    qint64 vouchers = 0;        // VALES
    qint64 logins = 0;          // HISTORICO
};

struct Facts {
    int years = 1;              // years of business written; the facts below are of the last one
    QString database;           // the year's file (a local path: the embedded engine)
    QDate firstDay, lastDay;    // 2023-01-01 .. 2023-12-31, one cash shift a day
    int terminal = 1;           // the station of the sales (a few counter sales are station 2's)
    int otherTerminal = 2;
    int firstShift = 0, lastShift = 0;   // CONTDATA.CAIXA; the last one is still open (CONTCAIXA)
    int busiestShift = 0;       // the shift with about 2,000 sales
    QDate busiestDay;
    int busiestSales = 0;       // its FATURA rows
    int monthFirstShift = 0, monthLastShift = 0;   // one month of shifts (November)
    QDate monthFirstDay, monthLastDay;
    QString productWithManyRows;     // PRODUTOS.CODIGO with the most ESTFIC rows
    qint64 productRows = 0;          // its ESTFIC rows
    QString ordinaryProduct;         // a product off the menu, sold now and then
    qint64 ordinaryProductRows = 0;  // its ESTFIC rows
    QString kit;                     // a kit sold all year (PRODUTOS.CODIGO, COMPOSICAO 'S')
    int group = 0;                   // TIPOS.CODIGO of a busy group (the beers)
    int accountCustomer = 0;         // CLIENTES.CODIGO with 5,000 account lines in RECARQ
    qint64 accountLines = 0;
    int bookAccount = 0;             // CONTA.CONTA with 100,000 entries in CAIXA
    qint64 bookAccountEntries = 0;
    int waiter = 0;                  // VENDEDOR.CODIGO of a busy waiter with vouchers
    int supplier = 0;                // FORNECEDOR.CODIGO with entry invoices and titles
    Counts counts;
    double makeSeconds = 0;          // how long making it took (when it was made)
    qint64 makeRoundTrips = 0;       // the data layer's round trips while making it
};

// How many years of business the process works on: chooseYearsOfBusiness(N), or
// $SABREL22_BENCH_ANOS, or 1. N years run from 1 January of 2023 − (N − 1) to the
// end of 2023, each like the one year (the busiest day only in 2023), and are kept
// in build/bench/year-N-anos/ (or $SABREL22_BENCH_YEAR_DIR). Before the first year().
int yearsOfBusiness();
void chooseYearsOfBusiness(int n);

// The year, made on the first call of the process when the kept one is missing or
// stale, then read from the kept stamp. Throws DbError or std::runtime_error.
const Facts& year();

// True when year() made the year in this process (false: it was kept).
bool madeNow();

// Drops the kept year, so that the next year() (of this process or another) makes
// it again. Only before this process's first year().
void forgetKeptYear();

// A private copy of the year's file for a benchmark that writes (build/bench/year/
// copies/<name>.fdb, replaced on every call). Returns its path.
QString copyOfYear(const QString& name);

// A copy on the test server named by SABREL22_TEST_SERVER, in
// SABREL22_TEST_SERVER_DIR ("host:/dir/year-<name>.fdb"); empty when none is set.
// removeServerCopy() deletes it again.
QString copyOfYearOnServer(const QString& name);
void removeServerCopy(const QString& databaseName);

} // namespace benchyear
