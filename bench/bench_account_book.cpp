// Account-book benchmark on the generated year (BenchYear.h): its account with
// 100,000 entries.
//  - the statement of the whole year: reading it (opening balance and running
//    balance from the database) and its first page in the preview
//  - the totals per code of the year: one grouped query, and its report in the
//    preview
//  - the main window opened on that account (every entry in its list)
// each with its SQL round trips, beside one raw round trip of the same run;
// embedded, and on the test server when SABREL22_TEST_SERVER names one.
//
//   QT_QPA_PLATFORM=offscreen bench_account_book
#include "BenchMain.h"
#include "BenchClock.h"
#include "BenchFigure.h"
#include "BenchRawClient.h"
#include "BenchYear.h"
#include "finance/AccountBookReports.h"
#include "finance/UnitPrinCaixa.h"
#include "platform/FirebirdEnv.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QApplication>
#include <cstdio>

namespace {

// The report laid out and its first page drawn in the preview window.
int firstPageInPreview(const report::Definition& def, const RowSet& rows)
{
    const report::Layout layout(def, rows);
    TFormVisaoRelatorio window(layout, QStringList{});
    window.resize(1366, 768);
    window.show();
    QApplication::processEvents();
    return window.pageCount();
}

void run(const char* where, const QString& database, const benchyear::Facts& y)
{
    TLogon logon;
    if (!logon.connectTo(database)) {
        std::fprintf(stderr, "%s\n", qPrintable(logon.lastError()));
        return;
    }
    constexpr int kRuns = 7;
    const qint64 account = y.bookAccount;
    const AccountBookReports reports(logon);
    const CompanyBlock company = CompanyBlock::read(logon);
    const QString accountCaption = QStringLiteral("CONTA : %1").arg(account, 5, 10, QLatin1Char('0'));

    int statementRows = 0, statementPages = 0;
    const Figure statementRead = measure(logon, kRuns, [&] {
        statementRows = reports.statement(account, y.firstDay, y.lastDay).rows.size();
    });
    const Figure statement = measure(logon, kRuns, [&] {
        const AccountStatement s = reports.statement(account, y.firstDay, y.lastDay);
        statementPages = firstPageInPreview(
            AccountBookReports::statementReport(company, accountCaption,
                                                AccountBookReports::statementPeriod(y.firstDay, y.lastDay), s,
                                                QDateTime::currentDateTime()),
            s.rows);
    });

    int codes = 0;
    const Figure totalsRead = measure(logon, kRuns, [&] {
        codes = reports.totalsPerCode(y.firstDay, y.lastDay, true).size();
    });
    const Figure totals = measure(logon, kRuns, [&] {
        firstPageInPreview(AccountBookReports::totalsReport(company.name, accountCaption,
                                                            AccountBookReports::totalsPeriod(y.firstDay, y.lastDay)),
                           reports.totalsPerCode(y.firstDay, y.lastDay, true));
    });

    int listed = 0;
    const Figure mainWindow = measure(logon, 3, [&] {
        TFormBan w(logon);
        listed = w.listedCount();
    });

    const double raw = rawRoundTripUs(database.toLocal8Bit()) / 1000;
    std::printf("%s: conta %05lld com %lld lançamentos no ano; uma ida e volta crua %.3f ms\n", where,
                qlonglong(account), qlonglong(y.bookAccountEntries), raw);
    std::printf("  extrato do ano: ler (%d linhas)         %8.1f ms  (%.0f idas e voltas)\n", statementRows,
                statementRead.ms, statementRead.trips);
    std::printf("  extrato do ano: 1a página na visualização %6.1f ms  (%.0f idas e voltas; %d páginas; meta < 300 ms)\n",
                statement.ms, statement.trips, statementPages);
    std::printf("  totais por código do ano: ler (%d códigos) %6.1f ms  (%.0f idas e voltas)\n", codes, totalsRead.ms,
                totalsRead.trips);
    std::printf("  totais por código: relatório na visualização %4.1f ms  (%.0f idas e voltas; meta < 500 ms)\n",
                totals.ms, totals.trips);
    std::printf("  janela principal aberta na conta (%d lançamentos na lista) %6.1f ms  (%.0f idas e voltas)\n", listed,
                mainWindow.ms, mainWindow.trips);
}

} // namespace

int main(int argc, char* argv[])
{
    return benchMain(argc, argv, BenchApp::Windows, [](const QString&) {
        const benchyear::Facts& y = benchyear::year();
        onYearDatabases(y.database, QStringLiteral("livro-caixa"),
                        [&](const char* where, const QString& db) { run(where, db, y); });
        return 0;
    });
}
