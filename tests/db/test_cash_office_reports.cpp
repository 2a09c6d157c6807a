// Billing by period, the analytic daily closing and sales by note on a shift
// sold through the real closings: their texts line by line, the cases the
// reports name, and where the texts go.
#include "CashOfficeSeeds.h"
#include "SoldShiftTest.h"
#include "ReportReading.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "cashoffice/AnalyticClosing.h"
#include "cashoffice/BillingByPeriod.h"
#include "cashoffice/SalesByNote.h"
#include "reports/ShiftFields.h"
#include "cashoffice/UnitVenDiaQui.h"
#include "platform/Win1252.h"
#include "reports/ReportExport.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
QString dashes(int n) { return QString(n, QLatin1Char('-')); }
QString total(const char* label, const char* value) { return S(label).leftJustified(21) + S("  ") + S(value).rightJustified(12); }
QString line(const char* shift, const char* date, const char* value)
{
    return S(shift) + S("  ") + S(date) + S("     ") + S(value).rightJustified(14);
}

class CashOfficeReports : public SoldShiftTest {};

} // namespace

TEST_F(CashOfficeReports, BillingByPeriodPerMethodAndShiftWithTotals)
{
    ASSERT_EQ(shift.cash, 1);
    // Shift 2 has no CONTDATA row; one receipt there of a method that does not exist,
    // one of a method whose receipts add up to nothing, and one on another date.
    for (const auto& [dup, value, date] : std::vector<std::tuple<const char*, const char*, const char*>>{
             {"07-000050", "12.5", "2026-03-15"}, {"02-000051", "10", "2026-03-15"}, {"02-000052", "-10", "2026-03-15"},
             {"01-000053", "8", "2026-03-16"}})
        l().run(S("insert into recarq (id, duplicata, valor, caixa, terminal, emissao) values (GEN_ID(RECARQ,1), ?, ?, 2, 1, ?)"),
                {S(dup), S(value), S(date)});
    const QStringList header = {dashes(38), S("Caixa  Data     Total "), dashes(38)};
    QStringList expected = {S("FATURAMENTO POR PERIODO"), S("BAR DO ZE"), S("RUA DAS FLORES, 10"), S("SAO PAULO  -  SP"),
                            S("Caixas de :1 a 2")};
    expected << header << S("Filtro.:01 Dinheiro") << line("000001", "14/03/26", "126,00")
             << line("000002", "  /  /  ", "8,00") << S("                    ------------------")
             << total("Total 01 Dinheiro", "134,00") << S("             ") << header << S("Filtro.:02 Cartao")
             << line("000001", "14/03/26", "44,00") << line("000002", "  /  /  ", "0,00")
             << S("                    ------------------") << total("Total 02 Cartao", "44,00") << S("             ")
             << header << S("Filtro.:05 Fiado") << line("000001", "14/03/26", "30,50")
             << S("                    ------------------") << total("Total 05 Fiado", "30,50") << S("             ")
             << header << S("Filtro.:07 Não Localizado") << line("000002", "  /  /  ", "12,50")
             << S("                    ------------------") << total("Total 07 Não Localiza", "12,50")
             << S("             ") << S("                    ------------------") << total("Total Geral ", "221,00");
    for (int i = 0; i < 6; ++i)
        expected << QString();
    BillingByPeriod billing(l());
    const QStringList lines = billing.compose(S("1"), S(" 2"), BillingByPeriod::allMethods()).lines;
    for (int i = 0; i < std::max(lines.size(), expected.size()); ++i)
        EXPECT_EQ(lines.value(i).toStdString(), expected.value(i).toStdString()) << "line " << i;

    // One method; a method whose receipts add up to 0 gets no total line.
    EXPECT_EQ(billing.methodItems(), (QStringList{S("00  Todos"), S("01 Dinheiro"), S("02 Cartao"), S("05 Fiado")}));
    l().run(S("delete from recarq where caixa = 1 and duplicata starting with '02'"));
    const QStringList card = billing.compose(S("2"), S("2"), S("02 Cartao")).lines;
    EXPECT_EQ(card.mid(5), (QStringList{header[0], header[1], header[2], S("Filtro.:02 Cartao"),
                                        line("000002", "  /  /  ", "0,00"), QString(), QString(), QString(), QString(),
                                        QString(), QString()}));
    // A first number above the last: the header and the empty lines.
    EXPECT_EQ(billing.compose(S("5"), S("1"), BillingByPeriod::allMethods()).lines.size(), 5 + 6);
    for (const char* bad : {"", "a", "-1", "1'; --", "1e20"}) {
        EXPECT_THROW(billing.compose(S(bad), S("1"), BillingByPeriod::allMethods()), ShiftFieldRefused) << bad;
        EXPECT_THROW(billing.compose(S("1"), S(bad), BillingByPeriod::allMethods()), ShiftFieldRefused) << bad;
    }
}

TEST_F(CashOfficeReports, BillingGoesToThePreviewOrByTheLegacyChoice)
{
    const Printout text = BillingByPeriod(l()).compose(S("1"), S("1"), BillingByPeriod::allMethods());
    BillingByPeriod::send(text, true);
    EXPECT_EQ(ui.windowsShown, QStringList{S("TFormVisao")});
    // "2" is the second parallel port: raw lines of at most 42 characters.
    const QString port = seeds::portToFile(st, S("LPT2"), S("lpt2.txt"));
    seeds::setup(st, {{15, S("2")}});
    BillingByPeriod::send(text, false);
    QByteArray expected;
    for (const QString& l : text.lines)
        expected += toWin1252(l.left(42)) + "\r\n";
    EXPECT_EQ(bytesOf(port), expected);
    // "15" prints nothing; a printer name shows the preview.
    seeds::setup(st, {{15, S("15")}});
    BillingByPeriod::send(text, false);
    EXPECT_EQ(ui.windowsShown.size(), 1);
    seeds::setup(st, {{15, S("Termica")}});
    BillingByPeriod::send(text, false);
    EXPECT_EQ(ui.windowsShown.size(), 2);
}

TEST_F(CashOfficeReports, AnalyticClosingSaleBySaleWithItsProductsAndPayments)
{
    ctx::station().TerminalNumber = S("01");
    AnalyticClosing analytic(l());
    EXPECT_EQ(analytic.openCashText(), S("1"));
    const QStringList lines = analytic.compose(S("1"), S("01")).lines;
    const QStringList head = {S("MOVIMENTO DO CAIXA"), QString(32, '='), S("BAR DO ZE"), S("RUA DAS FLORES, 10"),
                              S("SAO PAULO Estado.:SP  term:01"), S("Cx.:0000001"), dashes(36),
                              S("Qtd   Produto           Valor Total"), dashes(36)};
    EXPECT_EQ(lines.mid(0, head.size()), head);
    const QStringList tabA = {S("Data:14/03/26 Nota :1 R$ 44,00"),
                              FormatKitchenLine(S("CERVEJA"), S("3"), S("10,00"), S("30,00")),
                              FormatKitchenLine(S("PASTEL"), S("2"), S("5,00"), S("10,00")),
                              S("Dinheiro 01-000001    R$ 50,00"), S("Dinheiro 01-000001    R$ -6,00"),
                              S("- - - - - - - - - - - - - - - - - - -"), QString()};
    EXPECT_EQ(lines.mid(head.size(), tabA.size()), tabA);
    EXPECT_EQ(tabA[1], S("00003 CERVEJA") + QString(13, ' ') + S("10,00  30,00"));
    // Tab 000011: the kit's and the pizza's own rows, not their components and flavours;
    // the pizza has no product of its code.
    const qsizetype b = lines.indexOf(S("Data:14/03/26 Nota :2 R$ 70,50"));
    ASSERT_GE(b, 0);
    EXPECT_EQ(lines.mid(b + 1, 5), (QStringList{FormatKitchenLine(S("COMBO"), S("1"), S("20,00"), S("20,00")),
                                               FormatKitchenLine(QString(), S("1"), S("30,00"), S("30,00")),
                                               FormatKitchenLine(S("CERVEJA"), S("2"), S("10,00"), S("20,00")),
                                               S("Cartao 02-000002    R$ 40,00"), S("Fiado 05-000002    R$ 30,50")}));
    // The delivery, station 1 too: its payment numbered by the receivables counter.
    EXPECT_GE(lines.indexOf(S("Data:14/03/26 Nota :10001 R$ 59,00")), 0);
    EXPECT_EQ(lines.last(), QString());

    // Another station: the header and one empty line.
    const QStringList other = analytic.compose(S("1"), S("2")).lines;
    EXPECT_EQ(other.size(), head.size() + 1);
    EXPECT_THROW(analytic.compose(S(""), S("1")), ShiftFieldRefused);
    EXPECT_THROW(analytic.compose(S("1"), S("um")), ShiftFieldRefused);
}

TEST_F(CashOfficeReports, SalesByNoteListsEveryStationsSalesByNumberWithTheirTotal)
{
    SalesByNote byNote(l());
    const RowSet rows = byNote.rows(S("1"));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(integerOf(rows.value(3, u"NOTA")), shift.delivery);
    const TFormVenDiaQui report(l(), SalesByNote::caption(S("1")));
    const report::Layout layout(report.definition(), rows);
    ASSERT_EQ(layout.pageCount(), 1);
    const QString page = report::pageTextLines(layout, 0).join('\n');
    for (const char* text : {"RELATÓRIO DE VENDA", "BAR DO ZE", "SAO PAULO - SP", "12.345.678/0001-90",
                             "Caixa de Numero.:1", "NOTA", "VENDEDOR", "000011 - JOAO DA SILVA", "MARIA DELIVERY",
                             "70,50", "198,50"})
        EXPECT_TRUE(page.contains(S(text))) << text << "\n" << page.toStdString();
    // Laid out again (printing from the preview), the same total.
    const report::Layout again(report.definition(), rows);
    EXPECT_EQ(report::pageTextLines(again, 0), report::pageTextLines(layout, 0));

    const RowSet none = byNote.rows(S("9"));
    const report::Layout empty(TFormVenDiaQui(l(), SalesByNote::caption(S("9"))).definition(), none);
    EXPECT_TRUE(report::pageTextLines(empty, 0).join('\n').contains(S("0,00")));
    EXPECT_THROW(byNote.rows(S("")), ShiftFieldRefused);
}
