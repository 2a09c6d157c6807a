// The cash movement report of a shift sold through the real closings: its text
// line by line, every section; the figures another station under the same shift
// shares; unknown payment methods; the output routes; and round trips that do not
// grow with the number of sales.
#include "DeviceBytes.h"
#include "CashOfficeSeeds.h"
#include "CupsSandbox.h"
#include "ReportReading.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "cashoffice/CashMovementReport.h"
#include "platform/Win1252.h"

#include <QDir>

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
// A label padded to its column and a number right-aligned in its own.
QString L(const char* label, int width, const char* number = nullptr, int numberWidth = 9)
{
    return S(label).leftJustified(width, QLatin1Char(' '), true) + (number ? S(number).rightJustified(numberWidth) : QString());
}
QString rule(char c) { return QString(36, QLatin1Char(c)); }

class CashMovementReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        shift = seeds::sellAShift(st);
        ctx::station().CondensedOnCode = QString(QChar(18));
    }
    Printout report(const CashMovementOptions& o = {}, const QString& terminal = S("01"))
    {
        CashMovementReport r(st.logon());
        return CashMovementReport::compose(r.gather(QString::number(shift.cash), terminal, o), o);
    }

    TestStation st;
    ScriptedDialogs ui;
    seeds::ShiftOfSales shift;
};

} // namespace

TEST_F(CashMovementReportTest, SummaryOfTheShiftLineByLine)
{
    CashMovementOptions o;
    o.cancellations = true;
    const QStringList expected = {
        QString(QChar(18)) + S("MOVIMENTO DO CAIXA"),
        QString(32, QLatin1Char('=')),
        S("BAR DO ZE"),
        S("RUA DAS FLORES, 10"),
        S("SAO PAULO Estado.:SP  term:01"),
        S("Cx.:0000001 Data..:14/03/26"),
        S("Operador:ANA"),
        rule('-'),
        S("Produtos               Qtd   Total"),
        rule('-'),
        QString(15, QLatin1Char(' ')) + S("sub-total    194,00"),   // no line in "Resumido", the total as sub-total
        S(" "),
        L("Total", 25, "194,00"),
        S(""),
        L("Ttl Taxa Entrega ", 25, "5,00"),   // the delivery man's fee
        L("Ttl Taxa Servico ", 25, "4,00"),   // 10% of tab 000010
        L("Ttl Couver/Show  ", 25, "6,00"),   // 2 x 3,00 on tab 000011
        QString(24, QLatin1Char(' ')) + S("------------"),
        L("Total taxas", 25, "15,00"),
        L("Total geral", 25, "209,00"),
        S(""),
        S("Informações de Atendimento"),
        rule('-'),
        L("Comandas", 15, "2", 7) + S("   ") + S("104,50").rightJustified(9),   // 44,00 + 70,50 - 4,00 - 6,00
        L("Balcão", 15, "1", 7) + S("   ") + S("25,00").rightJustified(9),      // before its discount
        L("Delivery", 15, "1", 7) + S("   ") + S("59,00").rightJustified(9),    // items only
        rule('-'),
        L("Totais", 15, "4", 7) + S("   ") + S("188,50").rightJustified(9),
        S(" "),
        S("Recebimentos"),
        rule('-'),
        L("Fiado", 25, "30,50"),        // the list in the reverse of the table's order
        L("Cartao", 25, "44,00"),
        L("Dinheiro ", 25, "126,00"),   // 50,00 - 6,00 change + 20,00 counter + 62,00 delivery
        QString(24, QLatin1Char(' ')) + S("------------"),
        L("Total", 25, "200,50"),
        S(""),
        S("Fechamento do Caixa"),
        L("Rec vendas dinheiro", 25, "126,00"),
        L("Reforço Caixa(+)", 25, "50,00"),
        L("Despesas(-)", 25, "17,00"),   // GELO and the delivery's discount
        L("Sangria Caixa(-)", 25, "20,00"),
        L("Fundo de Caixa(+) ", 25, "100,00"),
        L("Total c/Reserva", 25, "239,00"),
        S(""),
        S(""),
        L("Descontos", 25),
        rule('='),
        L("notas", 25) + S("Valor"),
        rule('='),
        L("2", 25, "5,50"),
        L("3", 25, "1,00"),
        rule('='),
        L("Total", 25, "6,50"),
        S(""),
        L("Desp Gerais", 25),
        rule('='),
        L("Historico", 25) + S("Valor"),
        rule('='),
        L("Desconto Cupom010001", 25, "2,00"),
        L("GELO", 25, "15,00"),
        rule('='),
        L("Ttl das Despesas", 25, "17,00"),
        S(""),
        S("Duplicata      Vencim       Valor"),
        rule('='),
        S("JOAO DA SILV - 14/03/26") + S("30,00").rightJustified(11),
        rule('='),
        L("", 25, "30,00"),
        S(" "),
        S("Cancelamentos "),
        rule('='),
        S("CHEFE"),
        S("Cmd Excl :"),
        rule('='),
    };
    ASSERT_EQ(shift.tabB, 2);
    ASSERT_EQ(shift.counter, 3);
    const QStringList lines = report(o).lines;
    for (int i = 0; i < std::max(lines.size(), expected.size()); ++i)
        EXPECT_EQ(lines.value(i).toStdString(), expected.value(i).toStdString()) << "line " << i;

    // Without the cancellation log the text ends with the settled total.
    const QStringList shorter = report().lines;
    EXPECT_EQ(shorter, expected.mid(0, expected.size() - 6));
}

TEST_F(CashMovementReportTest, CompleteListsEveryProductByGroupInOneOrTwoLines)
{
    CashMovementOptions o;
    o.complete = true;
    const QStringList one = report(o).lines;
    const QStringList products = {
        rule('-'),
        S("Produtos               Qtd   Total"),
        rule('-'),
        S("BEBIDAS"),
        L("CERVEJA", 18, "7,0", 8) + S("70,00").rightJustified(8),   // three sales, one price
        QString(15, QLatin1Char(' ')) + S("sub-total     70,00"),
        S(" "),
        S("PORCOES"),
        L("COMBO", 18, "1,0", 8) + S("20,00").rightJustified(8),     // the kit's own row; its components are not sold lines
        L("PASTEL", 18, "3,0", 8) + S("15,00").rightJustified(8),
        QString(15, QLatin1Char(' ')) + S("sub-total     35,00"),
        S(" "),
        S("PIZZAS"),
        L("CALABRESA", 18, "1,0", 8) + S("30,00").rightJustified(8),
        // the pizzas are listed under their first flavour's group, one line per price
        L("PIZZA CALABRESA/MU", 18, "1,0", 8) + S("30,00").rightJustified(8),
        L("PIZZA CALABRESA/MU", 18, "1,0", 8) + S("29,00").rightJustified(8),
        QString(15, QLatin1Char(' ')) + S("sub-total     89,00"),
        S(" "),
        rule('-'),
        L("Total", 25, "194,00"),
    };
    const qsizetype at = one.indexOf(S("Operador:ANA")) + 1;
    EXPECT_EQ(one.mid(at, products.size()), products);

    o.twoLines = true;
    const QStringList two = report(o).lines;
    const QStringList head = {S("Codigo/Produtos                   "), S("        Qtd      Valor       Total"),
                              rule('-'), S("BEBIDAS"), S("000001 CERVEJA"),
                              S("         7,0 x    10,00 x    70,00"), S(" ")};
    EXPECT_EQ(two.mid(at + 1, head.size()), head);
    // A code of a multi-flavour item is cut to 14 characters; a text over 38 goes on a second line.
    const qsizetype pizza = two.indexOf(S("/000012/000034 PIZZA CALABRESA/MUSSA"));
    ASSERT_GE(pizza, 0) << two.join('\n').toStdString();
    EXPECT_EQ(two.at(pizza + 1), S("RELA"));
}

TEST_F(CashMovementReportTest, AnotherStationSharesOnlyDeliveryFeesSettledReceivablesAndTheLog)
{
    CashMovementOptions o;
    o.cancellations = true;
    const QStringList lines = report(o, S("02")).lines;
    EXPECT_TRUE(lines.contains(S("SAO PAULO Estado.:SP  term:02")));
    EXPECT_TRUE(lines.contains(L("Ttl Taxa Entrega ", 25, "5,00")));
    EXPECT_TRUE(lines.contains(L("Ttl Taxa Servico ", 25, "0,00")));
    EXPECT_TRUE(lines.contains(L("Comandas", 15, "0", 7) + S("   ") + S("0,00").rightJustified(9)));
    EXPECT_TRUE(lines.contains(L("Dinheiro ", 25, "0,00")));
    EXPECT_TRUE(lines.contains(L("Fundo de Caixa(+) ", 25, "100,00")));
    EXPECT_FALSE(lines.contains(L("Despesas(-)", 25, "17,00")));
    EXPECT_TRUE(lines.contains(S("JOAO DA SILV - 14/03/26") + S("30,00").rightJustified(11)));
    EXPECT_TRUE(lines.contains(S("Cmd Excl :")));
    EXPECT_EQ(lines.filter(S("sub-total")).size(), 0) << "no product sold at station 2";

    // A station text that is no number reads as this station's.
    EXPECT_TRUE(report({}, S("X'; drop table fatura")).lines.contains(S("SAO PAULO Estado.:SP  term:01")));
}

TEST_F(CashMovementReportTest, AReceiptOfAnUnknownMethodGetsItsOwnLineThatCountsInTheTotal)
{
    // A method taken away after the sale, and a receipt whose code never was one.
    st.logon().run(S("delete from formapaga where cd = 5"));
    st.logon().run(S("insert into recarq (id, duplicata, valor, caixa, terminal, nfiscal) values "
                     "(GEN_ID(RECARQ,1), '07-000002', 12.5, ?, 1, 2)"),
                   {shift.cash});
    const QStringList lines = report().lines;
    const qsizetype at = lines.indexOf(S("Recebimentos"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines.mid(at + 2, 6), (QStringList{L("Cartao", 25, "44,00"), L("05 Não Localizado", 25, "30,50"),
                                                L("07 Não Localizado", 25, "12,50"), L("Dinheiro ", 25, "126,00"),
                                                QString(24, QLatin1Char(' ')) + S("------------"),
                                                L("Total", 25, "213,00")}));
}

TEST_F(CashMovementReportTest, ACashNumberThatIsNoNumberIsRefusedBeforeAnyRead)
{
    CashMovementReport r(st.logon());
    for (const char* bad : {"", " ", "abc", "1e20", "-1", "12345678901", "1'; delete from fatura; --"}) {
        const qint64 before = st.logon().roundTrips();
        try {
            r.gather(S(bad), S("01"), {});
            ADD_FAILURE() << bad;
        } catch (const ShiftFieldRefused& e) {
            EXPECT_EQ(e.message(), S("  Numero do Caixa Invalido  ")) << bad;
        }
        EXPECT_EQ(st.logon().roundTrips(), before) << bad;
    }
    EXPECT_EQ(st.count(S("select count(*) from fatura")), 4);
}

TEST_F(CashMovementReportTest, RoundTripsDoNotGrowWithTheNumberOfSales)
{
    CashMovementReport r(st.logon());
    CashMovementOptions o;
    o.complete = true;
    o.cancellations = true;
    auto trips = [&] {
        const qint64 before = st.logon().roundTrips();
        r.gather(QString::number(shift.cash), S("01"), o);
        return st.logon().roundTrips() - before;
    };
    trips();   // the statements are prepared once per attachment
    const qint64 few = trips();
    for (int i = 0; i < 30; ++i) {
        seeds::DeliveryInvoice d;
        d.items = {{S("000001"), S("CERVEJA"), D("2"), D("10")},
                   {S("/000012/000034/"), S("PIZZA CALABRESA/MUSSARELA"), D("1"), D("29")}};
        d.payments = {{2, D("49")}};
        seeds::invoiceDelivery(st.logon(), d);
    }
    EXPECT_EQ(trips(), few);
}

TEST_F(CashMovementReportTest, TheTextGoesWhereTheClosingPrintersDestinationSays)
{
    const Printout text = report();
    const QByteArray expected = deviceBytes(text.lines);

    // A port: the lines as they are, without control byte or trailer.
    const QString port = seeds::portToFile(st, S("LPT2"), S("lpt2.txt"));
    st.writeFile(S("c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT1"), S("LPT2")});
    seeds::setup(st, {{15, S("Informa porta")}, {8, S("1")}, {16, S("S")}});
    EXPECT_TRUE(CashMovementReport::send(text, false));
    EXPECT_EQ(bytesOf(port), expected);
    EXPECT_TRUE(ui.windowsShown.isEmpty());

    // "Forçar Visualizar" shows the preview whatever the line says.
    EXPECT_TRUE(CashMovementReport::send(text, true));
    EXPECT_EQ(ui.windowsShown, QStringList{S("TFormVisao")});
    EXPECT_EQ(bytesOf(port), expected) << "nothing more on the port";

    seeds::setup(st, {{15, S("Nao Imprimir")}});
    EXPECT_TRUE(CashMovementReport::send(text, false));
    EXPECT_EQ(ui.windowsShown.size(), 1);

    // A port that cannot be opened.
    st.writeFile(S("c:\\Miltrex\\vavoz\\dispositivos.INI"),
                 {S("LPT2=") + QDir(st.root()).filePath(S("no-such-folder/lpt2"))});
    seeds::setup(st, {{15, S("Informa porta")}});
    EXPECT_FALSE(CashMovementReport::send(text, false));
    EXPECT_EQ(ui.messageTexts(), QStringList{S("    Erro ao tentar imprimir     ")});
}

TEST_F(CashMovementReportTest, AStoppedPrinterQueueSaysThePrintoutFailed)
{
    CupsSandbox& cups = CupsSandbox::instance();
    if (!cups.available())
        GTEST_SKIP() << "no CUPS server: " << cups.unavailableReason();
    RawPrinterListener printer;
    ASSERT_TRUE(printer.listening());
    ASSERT_EQ(cups.addRawQueue(S("CaixaParada"), printer.uri()), S(""));
    ASSERT_EQ(cups.stopQueue(S("CaixaParada")), S(""));
    seeds::setup(st, {{15, S("CaixaParada")}});
    EXPECT_FALSE(CashMovementReport::send(report(), false));
    EXPECT_EQ(ui.messageTexts(), QStringList{S("    Erro ao tentar imprimir     ")});
    EXPECT_EQ(cups.pendingJobs(S("CaixaParada")), 0) << "no job left to come out later";

    // Started again, the same printer takes the report with its control byte first.
    ASSERT_EQ(cups.startQueue(S("CaixaParada")), S(""));
    seeds::setup(st, {{15, S("CaixaParada")}, {8, S("3")}});
    EXPECT_TRUE(CashMovementReport::send(report(), false));
    const std::optional<QByteArray> job = printer.nextJob();
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->startsWith(QByteArray("\x12\r\n\x12MOVIMENTO DO CAIXA\r\n")));
    cups.waitUntilIdle();
    cups.removeQueue(S("CaixaParada"));
}
