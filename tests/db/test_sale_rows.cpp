// Every row a closing and an entry invoice write, column by column, held to what
// they wrote before their rows went to the database in blocks: a tab of thirty
// items (kits, flavours, a flavour that is a kit, an item that is no product, three
// waiters, service, cover, an advance, a receivable, change, loyalty), a tab topped
// up to the minimum consumption, a counter sale (kit, flavours, discount, change, a
// receivable), and an entry invoice of items that repeat a product, cross a stock
// of zero and give prices.
#include "ClosingSeeds.h"
#include "RowDump.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "closing/TabClosing.h"
#include "core/Globals.h"
#include "sales/CounterClosing.h"
#include "stock/EntryInvoice.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
QString code(int n) { return QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0')); }

SalePayment pay(int method, const char* name, const char* amount, bool settled = true)
{
    return SalePayment{method, S(name), D(amount), settled, false};
}

class SaleRowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        st.openCashShift(7);
        l().run(S("update CONTDATA set DATA = ? where CAIXA = 7"), {QDate(2026, 3, 10)});
        ctx::station().TerminalNumber = S("03");
        seeds::addPaymentMethod(l(), 2, S("Cartao"), S("N"));
        seeds::addPaymentMethod(l(), 5, S("Fiado"), S("N"));
        seeds::addSaleCustomer(l(), 5, S("MARIA"), S("N"), 3);
        for (int i = 1; i <= 20; ++i)
            seeds::addProduct(l(), code(i), QStringLiteral("PRODUTO %1").arg(i), D("1,1"), D("0,45"));
        seeds::addProduct(l(), S("10"), S("COMBO"), D("7"), D("0"), true);
        seeds::addKitComponent(l(), S("10"), code(1), D("2"));
        seeds::addKitComponent(l(), S("10"), code(2), D("1"));
        seeds::addProduct(l(), code(101), S("MUSSARELA"), D("30"), D("8"));
        seeds::addProduct(l(), code(102), S("CALABRESA"), D("32"), D("9,15"));
        seeds::addProduct(l(), code(103), S("ATUM"), D("34"), D("0"), true);   // a flavour that is a kit
        seeds::addKitComponent(l(), code(103), code(3), D("1"));
        seeds::addKitComponent(l(), code(103), code(4), D("0,5"));
    }
    TLogon& l() { return st.logon(); }

    // Every row the sale writers and the ledger write, but for the IDs (the lines are in their order).
    void expectRows(const char* table, const QStringList& want)
    {
        expectLines(rowLines(l(), QStringLiteral("select * from %1 order by ID").arg(QLatin1String(table))), want,
                    table);
    }
    // The products a writer touched (the others hold no date nor average).
    void expectProducts(const QStringList& want)
    {
        expectLines(rowLines(l(), S("select CODIGO, DATASAIDA, DATAENTRADA, MEDIO, CUSTO, VALOR, CONTABIL, VALIDADE "
                                    "from PRODUTOS where DATASAIDA is not null or DATAENTRADA is not null or MEDIO is not null "
                                    "order by ID")),
                    want, "PRODUTOS");
    }

    TestStation st;
    ScriptedDialogs ui;
};

} // namespace

TEST_F(SaleRowsTest, ATabOfThirtyItemsAndATabToppedUpWriteTheRowsTheyAlwaysWrote)
{
    const QString tab = S("000012");
    seeds::openTab(l(), tab, 1, 5, D("20"), S("01 Dinheiro"));
    seeds::addItem(l(), tab, S("*10"), S("COMBO"), D("2"), D("7"), 1);
    seeds::addItem(l(), tab, S("/000101/000102/"), S("1/2-MUSSARELA 1/2-CALABRESA"), D("1"), D("10"), 2);
    seeds::addItem(l(), tab, S("/101/102/103/"), S("1/3-M 1/3-C 1/3-A"), D("1"), D("9"), 3);
    for (int i = 0; i < 26; ++i)
        seeds::addItem(l(), tab, code(1 + i % 20), QStringLiteral("PRODUTO %1").arg(1 + i % 20),
                       i % 4 == 0 ? D("0,5") : D("1"), D("1,1"), 1 + i % 3);
    seeds::addItem(l(), tab, S("77"), S("AGUA"), D("4"), D("0,5"), 1);
    ClosingRequest r = seeds::consumerClosing(tab, {pay(1, "Dinheiro", "100"), pay(5, "Fiado", "30", false)},
                                              QDate(2026, 3, 10));
    r.customerField = S("5");
    r.customerName = S("MARIA");
    r.tabCaption = tab + S(" - MARIA");
    r.servicePercent = D("10");
    r.persons = 2;
    r.coverPerPerson = D("2,5");
    TabClosing(l()).close(r);

    // A tab below the minimum consumption: the top-up row.
    st.writeFile(S("c:\\Miltrex\\vavoz\\Consumacao.INI"), {S("50,00")});
    const QString small = S("000013");
    seeds::openTab(l(), small, 2);
    seeds::addItem(l(), small, S("*10"), S("COMBO"), D("1"), D("7"), 2);
    seeds::addItem(l(), small, code(5), S("PRODUTO 5"), D("3"), D("1,1"), 2);
    TabClosing(l()).close(seeds::consumerClosing(small, {pay(1, "Dinheiro", "50")}, QDate(2026, 3, 10)));

    expectRows("FATURA", {
        S("NOTA=1|DATA=2026-03-10|CLIENTE=000012 - MARIA|VALOR=50.73|VENDEDOR=1|CODCLIENTE=null|COMANDA=12|CAIXA=7|TERMINAL=3|GUIA=null|BALCAO=null|DELYENTREGA=0|DELYTAXA=0|FRETE=null|HORA=null|TIPO=1|DELIVERY=null"),
        S("NOTA=2|DATA=2026-03-10|CLIENTE=000013 - CLIENTE CONSUMI|VALOR=50|VENDEDOR=2|CODCLIENTE=null|COMANDA=13|CAIXA=7|TERMINAL=3|GUIA=null|BALCAO=null|DELYENTREGA=0|DELYTAXA=0|FRETE=null|HORA=null|TIPO=1|DELIVERY=null"),
    });
    expectRows("RECARQ", {
        S("DUPLICATA=01-000001|CODIGO=5|EMISSAO=2026-03-10|VENCIMENTO=2026-03-10|BAIXA=2026-03-10|VALOR=20|JUROS=null|TIPO=null|IMPRESSO=null|NOME=MARIA|NFISCAL=1|TOTAL=null|BANCO=null|VENDEDOR=1|CAIXA=7|CAIXABAIXA=null|VALOR1=null|VALOR2=null|VALOR3=null|TERMINAL=3|GUIA=null|HORA=null"),
        S("DUPLICATA=01-000001|CODIGO=5|EMISSAO=2026-03-10|VENCIMENTO=2026-03-10|BAIXA=2026-03-10|VALOR=100|JUROS=null|TIPO=null|IMPRESSO=null|NOME=MARIA|NFISCAL=1|TOTAL=null|BANCO=null|VENDEDOR=1|CAIXA=7|CAIXABAIXA=null|VALOR1=null|VALOR2=null|VALOR3=null|TERMINAL=3|GUIA=null|HORA=null"),
        S("DUPLICATA=05-000001|CODIGO=5|EMISSAO=2026-03-10|VENCIMENTO=2026-04-09|BAIXA=null|VALOR=30|JUROS=null|TIPO=null|IMPRESSO=null|NOME=MARIA|NFISCAL=1|TOTAL=null|BANCO=null|VENDEDOR=1|CAIXA=7|CAIXABAIXA=null|VALOR1=null|VALOR2=null|VALOR3=null|TERMINAL=3|GUIA=null|HORA=null"),
        S("DUPLICATA=01-000001|CODIGO=5|EMISSAO=2026-03-10|VENCIMENTO=2026-03-10|BAIXA=2026-03-10|VALOR=-79.27|JUROS=null|TIPO=null|IMPRESSO=null|NOME=000012 - MARIA|NFISCAL=1|TOTAL=null|BANCO=null|VENDEDOR=1|CAIXA=7|CAIXABAIXA=null|VALOR1=null|VALOR2=null|VALOR3=null|TERMINAL=3|GUIA=null|HORA=null"),
        S("DUPLICATA=01-000002|CODIGO=1|EMISSAO=2026-03-10|VENCIMENTO=2026-03-10|BAIXA=2026-03-10|VALOR=50|JUROS=null|TIPO=null|IMPRESSO=null|NOME=CLIENTE CONSUMIDOR|NFISCAL=2|TOTAL=null|BANCO=null|VENDEDOR=2|CAIXA=7|CAIXABAIXA=null|VALOR1=null|VALOR2=null|VALOR3=null|TERMINAL=3|GUIA=null|HORA=null"),
    });
    expectRows("SERVICO", {
        S("DATA=2026-03-10|TIPO=1|CAIXA=7|VALOR=2.43|CODIGO=1|CONTROLE=1|TERMINAL=3"),
        S("DATA=2026-03-10|TIPO=1|CAIXA=7|VALOR=1.88|CODIGO=2|CONTROLE=1|TERMINAL=3"),
        S("DATA=2026-03-10|TIPO=1|CAIXA=7|VALOR=1.67|CODIGO=3|CONTROLE=1|TERMINAL=3"),
        S("DATA=2026-03-10|TIPO=2|CAIXA=7|VALOR=5|CODIGO=null|CONTROLE=1|TERMINAL=3"),
    });
    expectRows("ESTFIC", {
        S("CODIGO=000001|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 7|ENTRADA=null|SAIDA=4|NFISCAL=null|PEDIDO=1|VENDEDOR=1|VALOR=7|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000002|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 7|ENTRADA=null|SAIDA=2|NFISCAL=null|PEDIDO=1|VENDEDOR=1|VALOR=7|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=10|DATA=2026-03-10|HISTORICO=COMBO|ENTRADA=null|SAIDA=2|NFISCAL=1|PEDIDO=1|VENDEDOR=1|VALOR=7|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=/000101/000102|DATA=2026-03-10|HISTORICO=1/2-MUSSARELA 1/2-CALABRESA|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=2|VALOR=10|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000101|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 10|ENTRADA=null|SAIDA=0.5|NFISCAL=null|PEDIDO=1|VENDEDOR=2|VALOR=10|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=8|PET=null"),
        S("CODIGO=000102|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 10|ENTRADA=null|SAIDA=0.5|NFISCAL=null|PEDIDO=1|VENDEDOR=2|VALOR=10|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=9.15|PET=null"),
        S("CODIGO=/101/102/103/|DATA=2026-03-10|HISTORICO=1/3-M 1/3-C 1/3-A|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=3|VALOR=9|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000101|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 9|ENTRADA=null|SAIDA=0.334|NFISCAL=null|PEDIDO=1|VENDEDOR=3|VALOR=9|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=8|PET=null"),
        S("CODIGO=000102|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 9|ENTRADA=null|SAIDA=0.333|NFISCAL=null|PEDIDO=1|VENDEDOR=3|VALOR=9|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=9.15|PET=null"),
        S("CODIGO=000003|DATA=2026-03-10|HISTORICO=Cli: 5Cx:7 Valor:9|ENTRADA=null|SAIDA=0.333|NFISCAL=null|PEDIDO=1|VENDEDOR=3|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=0.45|PET=null"),
        S("CODIGO=000004|DATA=2026-03-10|HISTORICO=Cli: 5Cx:7 Valor:9|ENTRADA=null|SAIDA=0.167|NFISCAL=null|PEDIDO=1|VENDEDOR=3|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=0.45|PET=null"),
        S("CODIGO=000001|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=0.5|NFISCAL=1|PEDIDO=1|VENDEDOR=1|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000002|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=2|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000003|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=3|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000004|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=1|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000005|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=0.5|NFISCAL=1|PEDIDO=1|VENDEDOR=2|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000006|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=3|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000007|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=1|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000008|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=2|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000009|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=0.5|NFISCAL=1|PEDIDO=1|VENDEDOR=3|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000010|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=1|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000011|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=2|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000012|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=3|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000013|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=0.5|NFISCAL=1|PEDIDO=1|VENDEDOR=1|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000014|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=2|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000015|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=3|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000016|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=1|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000017|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=0.5|NFISCAL=1|PEDIDO=1|VENDEDOR=2|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000018|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=3|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000019|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=1|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000020|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=2|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000001|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=0.5|NFISCAL=1|PEDIDO=1|VENDEDOR=3|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000002|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=1|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000003|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=2|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000004|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=3|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000005|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=0.5|NFISCAL=1|PEDIDO=1|VENDEDOR=1|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000006|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=2|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=77|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 0,5|ENTRADA=null|SAIDA=4|NFISCAL=1|PEDIDO=1|VENDEDOR=1|VALOR=0.5|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=1|DATA=2026-03-10|HISTORICO=Cli: 1   Consumacao |ENTRADA=null|SAIDA=0|NFISCAL=2|PEDIDO=2|VENDEDOR=2|VALOR=39.7|CLIENTE=1|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000001|DATA=2026-03-10|HISTORICO=Cli: 1   Valor: 7|ENTRADA=null|SAIDA=2|NFISCAL=null|PEDIDO=2|VENDEDOR=2|VALOR=7|CLIENTE=1|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000002|DATA=2026-03-10|HISTORICO=Cli: 1   Valor: 7|ENTRADA=null|SAIDA=1|NFISCAL=null|PEDIDO=2|VENDEDOR=2|VALOR=7|CLIENTE=1|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=10|DATA=2026-03-10|HISTORICO=COMBO|ENTRADA=null|SAIDA=1|NFISCAL=2|PEDIDO=2|VENDEDOR=2|VALOR=7|CLIENTE=1|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000005|DATA=2026-03-10|HISTORICO=Cli: 1   Valor: 1,1|ENTRADA=null|SAIDA=3|NFISCAL=2|PEDIDO=2|VENDEDOR=2|VALOR=1.1|CLIENTE=1|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
    });
    expectProducts({
        S("CODIGO=000001|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000002|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000003|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000004|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000005|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000006|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000007|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000008|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000009|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000010|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000011|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000012|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000013|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000014|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000015|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000016|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000017|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000018|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000019|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000020|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000101|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=8|VALOR=30|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000102|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=9.15|VALOR=32|CONTABIL=null|VALIDADE=null"),
    });
    expectLines(rowLines(l(), S("select CODIGO, FIDELIDADE from CLIENTES where CODIGO = 5")), {
        S("CODIGO=5|FIDELIDADE=5.988"),
    }, "CLIENTES");
}

TEST_F(SaleRowsTest, ACounterSaleWithKitFlavoursDiscountAndChangeWritesTheRowsItAlwaysWrote)
{
    CounterSale sale;
    sale.setMethods({{1, S("Dinheiro"), S("S"), {}}, {2, S("Cartao"), S("N"), {}}});
    const auto add = [&](const QString& c, const char* name, const char* price, const char* quantity) {
        CounterItem i;
        i.code = c;
        i.name = S(name);
        i.price = D(price);
        i.quantity = D(quantity);
        i.kitchen = S("0");
        sale.insertItem(i);
    };
    add(S("*10"), "COMBO", "7", "2");
    add(S("/101/102/103/"), "1/3-M 1/3-C 1/3-A", "30", "1");
    add(S("/000101/000102/"), "MEIA MEIA", "31", "2");
    for (int i = 1; i <= 8; ++i)
        add(code(i), "PRODUTO", "1,1", i % 2 ? "1" : "0,335");
    sale.record(1, D("100"));
    sale.record(2, D("40"));
    CounterClosingRequest r;
    r.sale = &sale;
    r.discount = S("5");
    r.customerCode = S("5");
    r.customerName = S("MARIA");
    r.queueNumber = S("0");
    CounterClosing c(l());
    c.setClock([] { return QDateTime(QDate(2026, 3, 10), QTime(12, 30, 5)); });
    c.close(r);

    // Each 0,335 x 1,1 line prints 0,37 and the sale is the sum of its lines as
    // printed: 111,88 (the exact 0,3685s once made it 111,87, a cent under the receipt).
    expectRows("FATURA", {
        S("NOTA=1|DATA=2026-03-10|CLIENTE=MARIA|VALOR=111.88|VENDEDOR=0|CODCLIENTE=null|COMANDA=0|CAIXA=7|TERMINAL=3|GUIA=null|BALCAO=1|DELYENTREGA=0|DELYTAXA=0|FRETE=null|HORA=null|TIPO=2|DELIVERY=null"),
    });
    expectRows("RECARQ", {
        S("DUPLICATA=01-000001|CODIGO=5|EMISSAO=2026-03-10|VENCIMENTO=2026-03-10|BAIXA=2026-03-10|VALOR=100|JUROS=null|TIPO=null|IMPRESSO=null|NOME=MARIA|NFISCAL=1|TOTAL=null|BANCO=null|VENDEDOR=0|CAIXA=7|CAIXABAIXA=null|VALOR1=null|VALOR2=null|VALOR3=null|TERMINAL=3|GUIA=null|HORA=null"),
        S("DUPLICATA=02-000001|CODIGO=5|EMISSAO=2026-03-10|VENCIMENTO=2026-03-10|BAIXA=null|VALOR=40|JUROS=null|TIPO=null|IMPRESSO=null|NOME=MARIA|NFISCAL=1|TOTAL=null|BANCO=null|VENDEDOR=0|CAIXA=7|CAIXABAIXA=null|VALOR1=null|VALOR2=null|VALOR3=null|TERMINAL=3|GUIA=null|HORA=null"),
        S("DUPLICATA=01-000001|CODIGO=5|EMISSAO=2026-03-10|VENCIMENTO=2026-03-10|BAIXA=2026-03-10|VALOR=-33.12|JUROS=null|TIPO=null|IMPRESSO=null|NOME=MARIA|NFISCAL=1|TOTAL=null|BANCO=null|VENDEDOR=0|CAIXA=7|CAIXABAIXA=null|VALOR1=null|VALOR2=null|VALOR3=null|TERMINAL=3|GUIA=null|HORA=null"),
    });
    expectRows("SERVICO", {
        S("DATA=2026-03-10|TIPO=6|CAIXA=7|VALOR=5|CODIGO=null|CONTROLE=1|TERMINAL=3"),
    });
    expectRows("ESTFIC", {
        S("CODIGO=/101/102/103/|DATA=2026-03-10|HISTORICO=1/3-M 1/3-C 1/3-A|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=0|VALOR=30|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000101|DATA=2026-03-10|HISTORICO=#DELIvery 1/3-M 1/3-C 1/3-A|ENTRADA=null|SAIDA=0.334|NFISCAL=null|PEDIDO=1|VENDEDOR=0|VALOR=30|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=8|PET=null"),
        S("CODIGO=000102|DATA=2026-03-10|HISTORICO=#DELIvery 1/3-M 1/3-C 1/3-A|ENTRADA=null|SAIDA=0.333|NFISCAL=null|PEDIDO=1|VENDEDOR=0|VALOR=30|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=9.15|PET=null"),
        S("CODIGO=000003|DATA=2026-03-10|HISTORICO=Cli: 5Cx:7 Valor:30|ENTRADA=null|SAIDA=0.333|NFISCAL=null|PEDIDO=1|VENDEDOR=0|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=0.45|PET=null"),
        S("CODIGO=000004|DATA=2026-03-10|HISTORICO=Cli: 5Cx:7 Valor:30|ENTRADA=null|SAIDA=0.167|NFISCAL=null|PEDIDO=1|VENDEDOR=0|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=0.45|PET=null"),
        S("CODIGO=/000101/000102|DATA=2026-03-10|HISTORICO=MEIA MEIA|ENTRADA=null|SAIDA=2|NFISCAL=1|PEDIDO=1|VENDEDOR=0|VALOR=31|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000101|DATA=2026-03-10|HISTORICO=#DELIvery MEIA MEIA|ENTRADA=null|SAIDA=1|NFISCAL=null|PEDIDO=1|VENDEDOR=0|VALOR=31|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=8|PET=null"),
        S("CODIGO=000102|DATA=2026-03-10|HISTORICO=#DELIvery MEIA MEIA|ENTRADA=null|SAIDA=1|NFISCAL=null|PEDIDO=1|VENDEDOR=0|VALOR=31|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=9.15|PET=null"),
        S("CODIGO=000001|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=0|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000002|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=0.335|NFISCAL=1|PEDIDO=1|VENDEDOR=0|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000003|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=0|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000004|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=0.335|NFISCAL=1|PEDIDO=1|VENDEDOR=0|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000005|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=0|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000006|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=0.335|NFISCAL=1|PEDIDO=1|VENDEDOR=0|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000007|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=1|NFISCAL=1|PEDIDO=1|VENDEDOR=0|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000008|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 1,1|ENTRADA=null|SAIDA=0.335|NFISCAL=1|PEDIDO=1|VENDEDOR=0|VALOR=1.1|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000001|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 7|ENTRADA=null|SAIDA=4|NFISCAL=null|PEDIDO=1|VENDEDOR=0|VALOR=7|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=000002|DATA=2026-03-10|HISTORICO=Cli: 5   Valor: 7|ENTRADA=null|SAIDA=2|NFISCAL=null|PEDIDO=1|VENDEDOR=0|VALOR=7|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
        S("CODIGO=10|DATA=2026-03-10|HISTORICO=COMBO|ENTRADA=null|SAIDA=2|NFISCAL=1|PEDIDO=1|VENDEDOR=0|VALOR=7|CLIENTE=5|CCUSTO=null|CAIXA=7|VEND=null|TERMINAL=3|CUSTO=null|PET=null"),
    });
    expectProducts({
        S("CODIGO=000001|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000002|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000003|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000004|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000005|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000006|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000007|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000008|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=0.45|VALOR=1.1|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000101|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=8|VALOR=30|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000102|DATASAIDA=2026-03-10|DATAENTRADA=null|MEDIO=null|CUSTO=9.15|VALOR=32|CONTABIL=null|VALIDADE=null"),
    });
}

TEST_F(SaleRowsTest, AnEntryInvoiceWritesTheRowsAndAveragesItAlwaysWrote)
{
    // Stock before: 000001 holds 4 at an average of 0,50; 000003 is 4 short.
    l().run(S("update PRODUTOS set MEDIO = 0.5 where CODIGO = ?"), {code(1)});
    l().run(S("insert into ESTFIC (CODIGO, DATA, HISTORICO, ENTRADA) values (?, ?, 'INICIAL', 4)"),
            {code(1), QDate(2026, 3, 1)});
    l().run(S("insert into ESTFIC (CODIGO, DATA, HISTORICO, SAIDA) values (?, ?, 'VENDA', 4)"),
            {code(3), QDate(2026, 3, 2)});
    invoice::EntryInvoice inv(l());
    inv.addTyped({code(1), S("10"), S("3"), {}, {}});
    inv.addTyped({code(2), S("5"), S("4,25"), S("9,90"), {}});
    inv.addTyped({code(1), S("2"), S("5"), {}, S("6,10")});   // the same product again: its new average goes on
    inv.addTyped({code(3), S("4"), S("2"), {}, {}});          // back to a stock of 0: the product stays
    inv.addTyped({code(4), S("1,5"), {}, S("3"), {}});        // no cost typed: the product's
    inv.process({S("4711"), S("09/03/26"), S("FORNECEDOR A")}, QDate(2026, 3, 10));

    expectRows("ESTFIC", {
        S("CODIGO=000001|DATA=2026-03-01|HISTORICO=INICIAL|ENTRADA=4|SAIDA=null|NFISCAL=null|PEDIDO=null|VENDEDOR=null|VALOR=null|CLIENTE=null|CCUSTO=null|CAIXA=null|VEND=null|TERMINAL=null|CUSTO=null|PET=null"),
        S("CODIGO=000003|DATA=2026-03-02|HISTORICO=VENDA|ENTRADA=null|SAIDA=4|NFISCAL=null|PEDIDO=null|VENDEDOR=null|VALOR=null|CLIENTE=null|CCUSTO=null|CAIXA=null|VEND=null|TERMINAL=null|CUSTO=null|PET=null"),
        S("CODIGO=000001|DATA=2026-03-09|HISTORICO=NF:4711 OBS:FORNECEDOR A|ENTRADA=10|SAIDA=null|NFISCAL=4711|PEDIDO=null|VENDEDOR=null|VALOR=3|CLIENTE=null|CCUSTO=null|CAIXA=null|VEND=null|TERMINAL=null|CUSTO=null|PET=null"),
        S("CODIGO=000002|DATA=2026-03-09|HISTORICO=NF:4711 OBS:FORNECEDOR A|ENTRADA=5|SAIDA=null|NFISCAL=4711|PEDIDO=null|VENDEDOR=null|VALOR=4.25|CLIENTE=null|CCUSTO=null|CAIXA=null|VEND=null|TERMINAL=null|CUSTO=null|PET=null"),
        S("CODIGO=000001|DATA=2026-03-09|HISTORICO=NF:4711 OBS:FORNECEDOR A|ENTRADA=2|SAIDA=null|NFISCAL=4711|PEDIDO=null|VENDEDOR=null|VALOR=5|CLIENTE=null|CCUSTO=null|CAIXA=null|VEND=null|TERMINAL=null|CUSTO=null|PET=null"),
        S("CODIGO=000003|DATA=2026-03-09|HISTORICO=NF:4711 OBS:FORNECEDOR A|ENTRADA=4|SAIDA=null|NFISCAL=4711|PEDIDO=null|VENDEDOR=null|VALOR=2|CLIENTE=null|CCUSTO=null|CAIXA=null|VEND=null|TERMINAL=null|CUSTO=null|PET=null"),
        S("CODIGO=000004|DATA=2026-03-09|HISTORICO=NF:4711 OBS:FORNECEDOR A|ENTRADA=1.5|SAIDA=null|NFISCAL=4711|PEDIDO=null|VENDEDOR=null|VALOR=0.45|CLIENTE=null|CCUSTO=null|CAIXA=null|VEND=null|TERMINAL=null|CUSTO=null|PET=null"),
    });
    expectProducts({
        S("CODIGO=000001|DATASAIDA=null|DATAENTRADA=2026-03-10|MEDIO=2.625|CUSTO=5|VALOR=1.1|CONTABIL=6.1|VALIDADE=null"),
        S("CODIGO=000002|DATASAIDA=null|DATAENTRADA=2026-03-10|MEDIO=4.25|CUSTO=4.25|VALOR=9.9|CONTABIL=null|VALIDADE=null"),
        S("CODIGO=000004|DATASAIDA=null|DATAENTRADA=2026-03-10|MEDIO=0.45|CUSTO=0.45|VALOR=3|CONTABIL=null|VALIDADE=null"),
    });
}
