// What the waiters sold, on a shift sold through the real closings: the products of
// one waiter and group as a centred 36-column text, and the sales of one waiter per
// day, shift and price routed by the closing printer's destination (a port file
// byte for byte, a CUPS queue with the control byte, the preview, nothing).
#include "DeviceBytes.h"
#include "CashOfficeSeeds.h"
#include "SoldShiftTest.h"
#include "CupsSandbox.h"
#include "PrintFixtures.h"
#include "ReportReading.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/uMensagem.h"
#include "reports/ReportFields.h"
#include "salesreports/UnitRelVenGar.h"
#include "salesreports/WaiterSales.h"
#include "platform/Win1252.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString dashes() { return QString(36, QLatin1Char('-')); }
QString figures(const char* name, const char* q) { return PadRight(S(name), 34 - int(S(q).size())) + S("  ") + S(q); }
QString qty(const char* quantity, const char* amount)
{
    return S(quantity) + S("  ") + FormatFloatLeftPadded(S("0.00"), 10, D(amount));
}

class WaiterSalesTest : public SoldShiftTest {};

} // namespace

TEST_F(WaiterSalesTest, ProductsOfAWaiterAndAGroupAsACentredText)
{
    WaiterSales sales(l());
    const auto shifts = sales.shifts();
    ASSERT_EQ(shifts.size(), 1u);
    ProductsPerWaiter q;
    q.firstShift = q.lastShift = shifts[0].cash;
    q.firstDate = q.lastDate = reportfields::dateText(shifts[0].date);
    q.waiter = 4;
    q.group = 1;
    q.waiterName = S("CARLOS");
    q.groupName = S("BEBIDAS");
    // CERVEJA at 10,00 on the tab and at 20,00 inside the kit: two lines.
    QStringList expected{S("Venda de Produto (Garcom/Categoria)"), QString(13, ' ') + S("BAR DO ZE"),
                         QString(9, ' ') + S("RUA DAS FLORES, 10"), QString(12, ' ') + S("SAO PAULO SP"),
                         S("Periodo de 14/03/26 a 14/03/26"), S("Garcom : CARLOS   BEBIDAS"), dashes(),
                         S("Produto                  Qtd/Total"), dashes(), figures("CERVEJA", qty("5", "50").toUtf8()),
                         figures("CERVEJA", qty("1", "20").toUtf8()), dashes(), figures("Total", "   70,00")};
    for (int i = 0; i < 5; ++i)
        expected << QString();
    const QStringList lines = sales.productsPerWaiter(q).lines;
    EXPECT_EQ(lines, expected);
    for (const QString& line : lines.mid(9, 3))
        EXPECT_EQ(line.size(), 36) << line.toStdString();

    // Every waiter and every group; a long name is cut so the line stays 36 wide.
    l().run(S("update produtos set nome = 'CERVEJA ARTESANAL DE TRIGO EM GARRAFA' where codigo = '000001'"));
    q.waiter.reset();
    q.group.reset();
    const QStringList all = sales.productsPerWaiter(q).lines;
    EXPECT_EQ(all.mid(9, 3), (QStringList{figures("CERVEJA ARTESANAL DE TRIGO EM GARRAFA", qty("2", "20").toUtf8()),
                                          figures("CERVEJA ARTESANAL DE TRIGO EM GARRAFA", qty("5", "50").toUtf8()),
                                          figures("CERVEJA ARTESANAL DE TRIGO EM GARRAFA", qty("1", "20").toUtf8())}));
    EXPECT_EQ(all.at(all.size() - 6), figures("Total", "   224,00"));
    EXPECT_EQ(all.size(), 9 + 12 + 2 + 5);
    // A range backwards: the headings, no rows and 0,00.
    q.firstShift = 2;
    EXPECT_EQ(sales.productsPerWaiter(q).lines.at(10), figures("Total", "   0,00"));
}

TEST_F(WaiterSalesTest, SalesOfAWaiterPerDayShiftAndPriceOfOneGroupOrProduct)
{
    WaiterSales sales(l());
    EXPECT_EQ(sales.waiterItems(), QStringList{S("004 CARLOS")});
    EXPECT_EQ(sales.groupItems(), (QStringList{S("000000-Todos"), S("000001-BEBIDAS"), S("000002-PORCOES"),
                                               S("000003-PIZZAS")}));
    SalesPerWaiter q{S("004 CARLOS"), S("000000-Todos"), S("0"), S("1"), S("1"), QDate(2026, 3, 20)};
    auto row = [](const char* code, const char* name, const char* quantity, const char* amount) {
        return QStringList{S("Cx:14/03/26 / 1 Cod:") + S(code),
                           PadRight(S(name), 18) + FormatFloatLeftPadded(S("0.0##"), 8, D(quantity))
                               + FormatFloatLeftPadded(S("0.00"), 8, D(amount)),
                           S("  ")};
    };
    QStringList expected{S("       Vendas Por Garcom"), QString(32, '='), S("BAR DO ZE"), S("Caixas de 1 a 1"),
                         S("Emitido em :20/03/26"), dashes(), S("Produtos               Qtd   Total"), dashes()};
    expected << row("/000012/000034", "", "1", "30") << row("000001", "CERVEJA", "5", "50")
             << row("000001", "CERVEJA", "1", "20") << row("000002", "PASTEL", "2", "10")
             << row("000002", "PASTEL", "0,5", "10") << row("000012", "CALABRESA", "0,5", "15")
             << row("000034", "MUSSARELA", "0,5", "15") << row("K1", "COMBO", "1", "20") << dashes()
             << PadRight(S("Total"), 25) + FormatFloatLeftPadded(S("#,##0.00"), 9, D("170")) << QString();
    const Printout all = sales.salesPerWaiter(q);
    EXPECT_EQ(all.lines, expected);

    // One group: the other groups' rows leave the lines and the total.
    q.groupItem = S("000003-PIZZAS");
    const QStringList pizzas = sales.salesPerWaiter(q).lines;
    EXPECT_EQ(pizzas.mid(8, 6), row("000012", "CALABRESA", "0,5", "15") + row("000034", "MUSSARELA", "0,5", "15"));
    EXPECT_EQ(pizzas.at(15), PadRight(S("Total"), 25) + FormatFloatLeftPadded(S("#,##0.00"), 9, D("30")));
    // One product, typed as a number.
    q.groupItem = S("000000-Todos");
    q.product = S("1");
    EXPECT_EQ(sales.salesPerWaiter(q).lines.size(), 8 + 6 + 3);
    // A waiter typed over is waiter 0: the delivery and counter rows.
    q.product = S("0");
    q.waiterItem = S("NINGUEM");
    EXPECT_EQ(sales.salesPerWaiter(q).lines.at(8), S("Cx:14/03/26 / 1 Cod:/000012/000034"));
    // Backwards: refused; no waiter in the list: refused.
    q.waiterItem = S("004 CARLOS");
    q.firstShift = S("2");
    try {
        sales.salesPerWaiter(q);
        ADD_FAILURE();
    } catch (const ShiftFieldRefused& e) {
        EXPECT_EQ(e.message(), S(" Data final menor que data inicial  "));
    }
    q.firstShift = S("1");
    q.waiterItem = QString();
    EXPECT_THROW(sales.salesPerWaiter(q), ShiftFieldRefused);
}

TEST_F(WaiterSalesTest, SalesPerWaiterGoWhereTheClosingPrinterSays)
{
    TFormRelVenGar w(l());
    w.setRange(S("1"), S("1"));
    const Printout text = WaiterSales(l()).salesPerWaiter(
        {S("004 CARLOS"), S("000000-Todos"), S("000000"), S("1"), S("1"), QDate::currentDate()});

    // "Informa porta": the lines on the port of portas.INI line 1, nothing else.
    const QString port = seeds::portToFile(st, S("LPT1"), S("lpt1.txt"));
    seeds::setup(st, {{15, S("Informa porta")}, {8, S("1")}, {16, S("S")}});
    w.confirm();
    ASSERT_TRUE(ui.errors.isEmpty()) << ui.errors.join('\n').toStdString();
    EXPECT_EQ(bytesOf(port), deviceBytes(text.lines));
    EXPECT_TRUE(w.confirmEnabled());

    // "Nao Imprimir": nothing; "Visualizar", or the box ticked: the preview.
    seeds::setup(st, {{15, S("  Nao Imprimir ")}});
    w.confirm();
    EXPECT_TRUE(ui.windowsShown.isEmpty());
    w.setForcePreview(true);
    w.confirm();
    seeds::setup(st, {{15, S("Visualizar ")}});
    w.setForcePreview(false);
    w.confirm();
    EXPECT_EQ(ui.windowsShown, (QStringList{S("TFormVisao"), S("TFormVisao")}));

    // A printer: the control byte of setup.INI line 8 on a line of its own first, no trailer.
    CupsSandbox& cups = CupsSandbox::instance();
    if (!cups.available())
        GTEST_SKIP() << "no CUPS server: " << cups.unavailableReason();
    RawPrinterListener printer;
    ASSERT_TRUE(printer.listening());
    ASSERT_EQ(cups.addRawQueue(S("Garcons"), printer.uri()), S(""));
    seeds::setup(st, {{15, S("Garcons")}, {8, S("1")}, {16, S("S")}});
    w.confirm();
    ASSERT_TRUE(ui.errors.isEmpty()) << ui.errors.join('\n').toStdString();
    const std::optional<QByteArray> job = printer.nextJob();
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->startsWith(QByteArray("\x0F\r\n       Vendas Por Garcom\r\n")));
    EXPECT_TRUE(job->endsWith(toWin1252(text.lines.at(text.lines.size() - 2)) + "\r\n\r\n"));
    cups.waitUntilIdle();
    cups.removeQueue(S("Garcons"));
}
