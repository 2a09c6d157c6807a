// Closing a counter sale on a real database: the rows in their order, the kit and
// the flavours through the one sale writer, the kitchen tickets and the receipt
// read back from port files byte for byte, the kitchen monitor, and a failure in
// the middle that writes nothing and lets the next F7 write exactly one sale.
#include "DeviceBytes.h"
#include "ClosingSeeds.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "closing/TabClosing.h"
#include "core/Globals.h"
#include "db/DbError.h"
#include "platform/Win1252.h"
#include "printing/RawPrinterPort.h"
#include "sales/CounterClosing.h"
#include "sales/CounterEntry.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

class CounterClosingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        st.openCashShift(57);
        ctx::station().TerminalNumber = S("03");
        seeds::addPaymentMethod(l(), 2, S("Cartao"), S("N"));
        seeds::addProduct(l(), S("000001"), S("CERVEJA"), D("10"));
        seeds::addProduct(l(), S("000002"), S("PASTEL"), D("5"));
        seeds::addProduct(l(), S("000012"), S("CALABRESA"), D("30"));
        seeds::addProduct(l(), S("000034"), S("MUSSARELA"), D("28"));
        seeds::addProduct(l(), S("K1"), S("COMBO"), D("20"), Decimal(), true);
        seeds::addKitComponent(l(), S("K1"), S("000001"), D("1"));
        seeds::addKitComponent(l(), S("K1"), S("000002"), D("0,5"));
        sale.setMethods({{1, S("Dinheiro"), S("S"), {}}, {2, S("Cartao"), S("N"), {}}});
    }
    TLogon& l() { return st.logon(); }
    int count(const char* sql) { return st.count(QString::fromUtf8(sql)); }
    int rows()
    {
        return count("select count(*) from FATURA") + count("select count(*) from RECARQ")
            + count("select count(*) from SERVICO") + count("select count(*) from ESTFIC")
            + count("select count(*) from COZINHA2");
    }
    void add(const char* code, const char* name, const char* price, const char* quantity, const char* kitchen = "0")
    {
        CounterItem i;
        i.code = S(code);
        i.name = S(name);
        i.price = D(price);
        i.quantity = D(quantity);
        i.kitchen = S(kitchen);
        sale.insertItem(i);
        if (i.kitchen != QLatin1String("0"))
            sale.addKitchenLine({counterKitchenText(i.quantity, i.name), QString(), i.kitchen, i.code, i.quantity});
    }
    CounterClosingResult close(const char* discount = "0", const char* customer = "1", const char* queue = "0")
    {
        CounterClosingRequest r;
        r.sale = &sale;
        r.discount = S(discount);
        r.customerCode = S(customer);
        r.customerName = S("CLIENTE CONSUMI");
        r.queueNumber = S(queue);
        CounterClosing c(l());
        c.setClock([] { return QDateTime(QDate(2026, 3, 14), QTime(12, 30, 5)); });
        return c.close(r);
    }
    QString dup(const CounterClosingResult& r, const char* prefix)
    {
        return QString::fromLatin1(prefix) + QStringLiteral("%1").arg(r.saleNumber, 6, 10, QLatin1Char('0'));
    }

    TestStation st;
    ScriptedDialogs ui;
    CounterSale sale;
};

} // namespace

TEST_F(CounterClosingTest, TwoMethodsWriteSaleAndPaymentRowsWithoutServiceRow)
{
    add("000001", "CERVEJA", "10", "3");
    add("000002", "PASTEL", "5", "4");
    sale.record(1, D("30"));
    sale.record(2, D("20"));
    const CounterClosingResult r = close();

    EXPECT_EQ(count("select count(*) from SERVICO"), 0);
    RowSet rec = l().run(S("select DUPLICATA, VALOR, BAIXA, CAIXA, TERMINAL, NFISCAL, VENDEDOR, CODIGO from RECARQ "
                           "order by ID"));
    ASSERT_EQ(rec.size(), 2);
    rec.next();
    EXPECT_EQ(rec.text(u"DUPLICATA"), dup(r, "01-"));
    EXPECT_EQ(rec.decimal(u"VALOR"), D("30"));
    EXPECT_FALSE(rec.isNull(u"BAIXA"));
    EXPECT_EQ(rec.integer(u"CAIXA"), 57);
    EXPECT_EQ(rec.integer(u"TERMINAL"), 3);
    EXPECT_EQ(rec.integer(u"VENDEDOR"), 0);
    rec.next();
    EXPECT_EQ(rec.text(u"DUPLICATA"), dup(r, "02-"));
    EXPECT_TRUE(rec.isNull(u"BAIXA"));
    RowSet fat = l().run(S("select NOTA, TIPO, VALOR, BALCAO, CAIXA, VENDEDOR, CLIENTE from FATURA"));
    ASSERT_EQ(fat.size(), 1);
    fat.next();
    EXPECT_EQ(fat.integer(u"NOTA"), r.saleNumber);
    EXPECT_EQ(fat.integer(u"TIPO"), 2);
    EXPECT_EQ(fat.decimal(u"VALOR"), D("50"));
    EXPECT_EQ(fat.integer(u"BALCAO"), 1);
    EXPECT_EQ(fat.integer(u"CAIXA"), 57);
    EXPECT_EQ(count("select count(*) from ESTFIC"), 2);
    EXPECT_EQ(r.date, QDate::currentDate());
}

TEST_F(CounterClosingTest, DiscountAndChangeKitAndFlavoursGoThroughTheSaleWriter)
{
    add("*K1", "COMBO", "20", "2");
    add("/12/34/", "MEIA MEIA", "30", "1");
    sale.record(1, D("100"));   // 70 less 5 of discount: 35 of change
    const CounterClosingResult r = close("5");

    RowSet svc = l().run(S("select TIPO, VALOR, CONTROLE from SERVICO"));
    ASSERT_EQ(svc.size(), 1);
    svc.next();
    EXPECT_EQ(svc.integer(u"TIPO"), 6);
    EXPECT_EQ(svc.decimal(u"VALOR"), D("5"));
    EXPECT_EQ(svc.integer(u"CONTROLE"), r.saleNumber);
    RowSet rec = l().run(S("select DUPLICATA, VALOR from RECARQ order by ID"));
    ASSERT_EQ(rec.size(), 2);
    rec.next();
    EXPECT_EQ(rec.decimal(u"VALOR"), D("100"));
    rec.next();
    EXPECT_EQ(rec.text(u"DUPLICATA"), dup(r, "01-"));
    EXPECT_EQ(rec.decimal(u"VALOR"), D("-35"));
    RowSet fat = l().run(S("select VALOR from FATURA"));
    ASSERT_TRUE(fat.next());
    EXPECT_EQ(fat.decimal(u"VALOR"), D("70"));
    // Kit: components A x2, B x1, then the kit's own row; flavours: the item and two halves.
    RowSet est = l().run(S("select CODIGO, SAIDA from ESTFIC order by ID"));
    QStringList got;
    while (est.next())
        got << est.text(u"CODIGO").trimmed() + QLatin1Char('=') + est.decimal(u"SAIDA").toString();
    EXPECT_EQ(got.size(), 6) << got.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(got.contains(S("000001=2"))) << got.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(got.contains(S("000002=1")));
    EXPECT_TRUE(got.contains(S("K1=2")));
    EXPECT_TRUE(got.contains(S("000012=0.5")) || got.contains(S("000012=0,5"))) << got.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(l().scalar(S("select first 1 HISTORICO from ESTFIC where CODIGO = '000012'")).toString(),
              S("#DELIvery MEIA MEIA"));
    EXPECT_EQ(l().scalar(S("select first 1 HISTORICO from ESTFIC where CODIGO = '000001'")).toString(),
              S("Cli: 1   Valor: 20"));
}

// A weighed item makes a total with thousandths of a cent (0,347 kg x 29,90 =
// 10,37530): the purchase is that total rounded to cents once, as the total on
// screen shows it, so paying exactly what is shown gives no change row, and no
// row ever holds less than a cent.
TEST_F(CounterClosingTest, AWeighedItemIsChargedToTheCentAndGivesChangeOnlyFromOneCent)
{
    struct Case { const char* paid; const char* change; } cases[] = {{"10,38", nullptr}, {"10,40", "0,02"}, {"20", "9,62"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.paid);
        sale.clear();
        add("000012", "CALABRESA", "29,90", "0,347");
        EXPECT_EQ(sale.purchase(), D("10,38"));
        EXPECT_EQ(counterBalance(sale.purchase(), D("10,38"), Decimal()).amount, Decimal());
        sale.record(1, D(c.paid));
        const CounterClosingResult r = close();
        RowSet fat = l().run(S("select VALOR from FATURA where NOTA = ?"), {r.saleNumber});
        ASSERT_TRUE(fat.next());
        EXPECT_EQ(fat.decimal(u"VALOR"), D("10,38"));
        RowSet change = l().run(S("select VALOR from RECARQ where NFISCAL = ? and VALOR < 0"), {r.saleNumber});
        if (c.change) {
            ASSERT_TRUE(change.next());
            EXPECT_EQ(change.decimal(u"VALOR"), -D(c.change));
        } else {
            EXPECT_TRUE(change.isEmpty()) << "no change row below a cent";
        }
        EXPECT_EQ(r.change, c.change ? D(c.change) : Decimal());
        EXPECT_EQ(st.count(S("select count(*) from RECARQ where VALOR * 100 <> cast(VALOR * 100 as integer)")), 0);
    }
    // Paying a cent less than shown is refused, as on screen.
    sale.clear();
    add("000012", "CALABRESA", "29,90", "0,347");
    sale.record(1, D("10,37"));
    EXPECT_THROW(close(), ClosingRefused);
}

TEST_F(CounterClosingTest, RefusalsComeBeforeAnyOutputAndWriteNothing)
{
    add("000001", "CERVEJA", "10", "5", "1");
    sale.record(1, D("40"));
    const QString port = seeds::portToFile(st, S("LPT9"), S("k1.txt"));
    seeds::setup(st, {{13, S("Informa porta")}});
    st.writeFile(S("c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT1"), S("LPT1"), S("LPT9")});
    try {
        close();
        ADD_FAILURE() << "underpaid sale closed";
    } catch (const ClosingRefused& e) {
        EXPECT_EQ(e.message(), S("   Valor Informado a menor   "));
    }
    EXPECT_EQ(rows(), 0);
    QFile f(port);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().isEmpty());

    // The cash closed meanwhile by another station.
    l().run(S("update CONTCAIXA set CAIXA = 0"));
    sale.record(1, D("50"));
    EXPECT_THROW(close(), ClosingRefused);
    EXPECT_EQ(rows(), 0);
}

TEST_F(CounterClosingTest, AFailureInTheMiddleWritesNothingAndTheNextCloseWritesOneSale)
{
    add("000001", "CERVEJA", "10", "2", "1");
    sale.record(1, D("20"));
    seeds::setup(st, {{13, S("Monitor Cozinha")}});
    l().run(S("alter table FATURA add constraint CK_TEST_FATURA check (VALOR < 0)"));
    EXPECT_THROW(close(), DbError);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(sale.items().size(), 1u);   // the sale is still there to close

    l().run(S("alter table FATURA drop constraint CK_TEST_FATURA"));
    const CounterClosingResult r = close();
    EXPECT_EQ(count("select count(*) from FATURA"), 1);
    EXPECT_EQ(count("select count(*) from RECARQ"), 1);
    EXPECT_EQ(count("select count(*) from ESTFIC"), 1);
    RowSet k = l().run(S("select MESA, GARCOM, CAIXA, PRODUTO, QUANT from COZINHA2"));
    ASSERT_EQ(k.size(), 1);
    k.next();
    EXPECT_EQ(k.text(u"MESA"), S("Balcao"));
    EXPECT_EQ(k.text(u"GARCOM"), S("0"));
    EXPECT_EQ(k.integer(u"CAIXA"), 57);
    EXPECT_EQ(k.text(u"PRODUTO"), S("CERVEJA"));
    EXPECT_EQ(r.monitorRows, 1);
    EXPECT_TRUE(r.kitchenJobs.empty());
}

TEST_F(CounterClosingTest, KitchenTicketsPerKitchenAndTheReceiptOnPortsByteForByte)
{
    add("000001", "CERVEJA", "10", "2", "1");
    add("000002", "PASTEL", "5", "1", "3");
    add("000012", "CALABRESA", "30", "1", "1");
    sale.record(1, D("60"));
    const QString dir = st.root();
    st.writeFile(S("c:\\Miltrex\\vavoz\\dispositivos.INI"),
                 {S("LPT5=") + QDir(dir).filePath(S("receipt.txt")), S("LPT6=") + QDir(dir).filePath(S("k1.txt")),
                  S("LPT7=") + QDir(dir).filePath(S("k3.txt"))});
    for (const char* f : {"receipt.txt", "k1.txt", "k3.txt"}) {
        QFile file(QDir(dir).filePath(S(f)));
        file.open(QIODevice::WriteOnly);
    }
    ClosePrinterPort();
    seeds::setup(st, {{6, S("S")}, {9, S("1")}, {13, S("Informa porta")}, {15, S("Informa porta")},
                      {18, S("Informa porta")}, {10, S("VOLTE SEMPRE")}});
    st.writeFile(S("c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT1"), S("LPT5"), S("LPT6"), S("LPT1"), S("LPT7")});

    const CounterClosingResult r = close("0", "1", "7");
    ASSERT_EQ(r.kitchenJobs.size(), 2u);
    CounterClosing::print(r);
    ClosePrinterPort();

    auto read = [&](const char* name) {
        QFile f(QDir(dir).filePath(S(name)));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    auto bytes = [](const Printout& p) { return deviceBytes(p.lines); };
    const QByteArray k1 = read("k1.txt");
    EXPECT_EQ(k1, bytes(r.kitchenJobs[0].text));
    EXPECT_TRUE(k1.contains("2 CERVEJA")) << k1.toStdString();
    EXPECT_TRUE(k1.contains("1 CALABRESA"));
    EXPECT_FALSE(k1.contains("PASTEL"));
    EXPECT_TRUE(k1.contains("BALCAO - SENHA.:7"));
    const QByteArray k3 = read("k3.txt");
    EXPECT_EQ(k3, bytes(r.kitchenJobs[1].text));
    EXPECT_TRUE(k3.contains("PASTEL"));
    const QByteArray receipt = read("receipt.txt");
    EXPECT_EQ(receipt, bytes(r.receipt));
    EXPECT_TRUE(receipt.contains(" Cupom:" + QByteArray::number(r.saleNumber).rightJustified(6, '0') + "   Senha..:7"));
    EXPECT_TRUE(receipt.contains("VOLTE SEMPRE"));
}

TEST_F(CounterClosingTest, ACustomerCodeThatIsNotANumberIsTheWalkInCustomer)
{
    add("000001", "CERVEJA", "10", "1");
    sale.record(1, D("10"));
    close("0", "12'; delete from FATURA; --");
    EXPECT_EQ(l().scalar(S("select CODIGO from RECARQ")).toInt(), 1);
    EXPECT_EQ(l().scalar(S("select CLIENTE from ESTFIC")).toInt(), 1);
}

TEST_F(CounterClosingTest, CodeHandlingFindsProductsKitsScaleLabelsAndRefusesHostileCodes)
{
    l().run(S("insert into KITMASTER (ID, CODIGO, NOME, VALOT, IMPFISCAL) values (1, '77', 'PRATO FEITO', 18.5, '2')"));
    CounterEntry e(l());
    const CounterCode p = e.handle(S("12"));
    EXPECT_EQ(p.kind, CounterCode::Kind::Found);
    EXPECT_EQ(p.code, S("000012"));
    EXPECT_EQ(p.price, S("30,00"));
    const CounterCode k = e.handle(S("*77"));
    EXPECT_EQ(k.code, S("*77"));
    EXPECT_EQ(k.price, S("18,50"));
    EXPECT_EQ(k.kitchen, S("2"));
    EXPECT_EQ(e.handle(S("*78")).messages, QStringList{countermsg::kitNotFound()});
    const CounterCode scale = e.handle(S("2001299150009"));   // 150,00 of product 000012 at 30,00
    EXPECT_EQ(scale.code, S("000012"));
    EXPECT_EQ(scale.quantity, S("   5,000"));
    const CounterCode flavours = e.handle(S("/12/34/"));
    EXPECT_EQ(flavours.kind, CounterCode::Kind::Found);
    EXPECT_EQ(flavours.price, S("30,00"));
    EXPECT_EQ(e.handle(S("0")).kind, CounterCode::Kind::Search);
    EXPECT_EQ(e.handle(S("/")).kind, CounterCode::Kind::FlavourDialog);
    for (const char* hostile : {"'", "' or '1'='1", "1; delete from PRODUTOS", "ABC", "1e20", "-5",
                                "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX", "😀", "/😀/'/"}) {
        const CounterCode c = e.handle(S(hostile));
        EXPECT_EQ(c.kind, CounterCode::Kind::NotFound) << hostile;
        EXPECT_FALSE(c.messages.isEmpty()) << hostile;
    }
    EXPECT_EQ(st.count(S("select count(*) from PRODUTOS")), 5);
}

TEST_F(CounterClosingTest, KitchenFivePrintsOnBothKitchenPrintersAndZeroPrintsNothing)
{
    add("000001", "CERVEJA", "10", "1", "5");
    add("000002", "PASTEL", "5", "1", "1");
    sale.record(1, D("15"));
    const QString dir = st.root();
    st.writeFile(S("c:\\Miltrex\\vavoz\\dispositivos.INI"),
                 {S("LPT6=") + QDir(dir).filePath(S("k1.txt")), S("LPT7=") + QDir(dir).filePath(S("k2.txt"))});
    for (const char* f : {"k1.txt", "k2.txt"}) {
        QFile file(QDir(dir).filePath(S(f)));
        file.open(QIODevice::WriteOnly);
    }
    ClosePrinterPort();
    seeds::setup(st, {{13, S("0")}, {14, S("Informa porta")}});
    st.writeFile(S("c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT1"), S("LPT1"), S("LPT6"), S("LPT7")});
    const CounterClosingResult r = close();
    CounterClosing::print(r);
    ClosePrinterPort();
    QFile k1(QDir(dir).filePath(S("k1.txt"))), k2(QDir(dir).filePath(S("k2.txt")));
    k1.open(QIODevice::ReadOnly);
    k2.open(QIODevice::ReadOnly);
    EXPECT_TRUE(k1.readAll().isEmpty());   // kitchen 1 set to "0": nothing, for kitchens 1 and 5
    const QByteArray second = k2.readAll();
    EXPECT_TRUE(second.contains("1 CERVEJA"));   // kitchen 5's second copy
    EXPECT_FALSE(second.contains("PASTEL"));
}
