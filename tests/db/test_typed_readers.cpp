// What the one readers of dates, whole numbers, amounts and texts refuse, shown on
// the windows' own classes and a real database: an impossible date is refused
// before anything is written (never booked as today), a hexadecimal invoice number
// is no invoice number, an amount whose sums the program cannot add is refused and a
// sum read back past its range is an error (never a negative balance), searches are
// cut to what their column can match, pasted tabs and line ends are not stored, and
// an account needs a name.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "StockSeeds.h"
#include "TestStation.h"
#include "db/DbError.h"
#include "finance/AccountBook.h"
#include "exchange/CsvExport.h"
#include "finance/StaffVouchers.h"
#include "registers/CompanyStore.h"
#include "registers/LookupStore.h"
#include "registers/TouchMenu.h"
#include "registers/UnitEmpresa.h"
#include "registers/UnitVendedor.h"
#include "stock/EntryInvoice.h"
#include "stock/StockMovement.h"
#include "stock/StockWindows.h"
#include "menu/TableQrCard.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* utf8) { return QString::fromUtf8(utf8); }

const QDate kToday(2026, 3, 10);

// The dates a clerk types that are no dates.
const char* const kImpossibleDates[] = {"31/02/26", "29/02/25", "15/13/26", "00/03/26", "12/03/2_", "ontem"};

struct TypedReadersTest : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    TLogon& l() { return st.logon(); }
    int count(const char* sql) { return st.count(S(sql)); }
};

} // namespace

TEST_F(TypedReadersTest, TheStockMovementRefusesADateThatIsNoDateAndABlankOneIsToday)
{
    seeds::addProduct(l(), S("000001"), S("CERVEJA LATA"), D("8"), D("4"));
    movement::Typed t;
    t.code = S("1");
    t.history = S("COMPRA AVULSA");
    t.kind = S("1");
    t.quantity = S("10");
    t.cost = S("6");
    for (const char* typed : kImpossibleDates) {
        SCOPED_TRACE(typed);
        t.date = S(typed);
        QString field;
        try {
            movement::StockMovement(l()).confirm(t, kToday);
            ADD_FAILURE() << "booked";
        } catch (const stock::FieldError& e) {
            EXPECT_EQ(e.message(), movement::text::badDate);
            field = e.field();
        }
        EXPECT_EQ(field, movement::field::date);
        EXPECT_EQ(count("select count(*) from ESTFIC"), 0);
        EXPECT_EQ(seeds::productColumn(l(), S("000001"), "CUSTO"), D("4"));
    }
    // an exit is refused the same way
    t.kind = S("0");
    t.date = S("31/02/26");
    EXPECT_THROW(movement::StockMovement(l()).confirm(t, kToday), stock::FieldError);
    EXPECT_EQ(count("select count(*) from ESTFIC"), 0);

    // the masked field left empty: today, as the window always did; a date: that date
    t.kind = S("1");
    t.date = S("  /  /  ");
    ASSERT_TRUE(movement::StockMovement(l()).confirm(t, kToday));
    t.date = S("28/02/26");
    ASSERT_TRUE(movement::StockMovement(l()).confirm(t, kToday));
    RowSet rows = l().run(S("select DATA from ESTFIC order by ID"));
    ASSERT_EQ(rows.size(), 2);
    rows.next();
    EXPECT_EQ(rows.date(u"DATA"), kToday);
    rows.next();
    EXPECT_EQ(rows.date(u"DATA"), QDate(2026, 2, 28));
}

TEST_F(TypedReadersTest, TheEntryInvoiceRefusesADateThatIsNoDateAndANumberThatIsNoWholeNumber)
{
    seeds::addProduct(l(), S("000001"), S("CERVEJA LATA"), D("8"), D("4"));
    invoice::EntryInvoice inv(l());
    inv.addTyped({S("1"), S("24"), S("3,50"), QString(), QString()});
    for (const char* typed : kImpossibleDates) {
        SCOPED_TRACE(typed);
        QString field;
        try {
            inv.process({S("1234"), S(typed), S("PEDIDO 9")}, kToday);
            ADD_FAILURE() << "processed";
        } catch (const stock::FieldError& e) {
            EXPECT_EQ(e.message(), invoice::text::fillError);
            field = e.field();
        }
        EXPECT_EQ(field, invoice::field::date);
        EXPECT_EQ(inv.items().size(), 1u);   // the typed items stay
    }
    // "0x10" is no invoice 16, "$1F" no invoice 31
    for (const char* number : {"0x10", "$1F", "+16", "-16", "１６", "16.0"}) {
        SCOPED_TRACE(number);
        try {
            inv.process({S(number), S("09/03/26"), QString()}, kToday);
            ADD_FAILURE() << "processed";
        } catch (const stock::FieldError& e) {
            EXPECT_EQ(e.field(), invoice::field::number);
        }
    }
    EXPECT_EQ(count("select count(*) from ESTFIC"), 0);
    inv.process({S(" 16 "), S("09/03/26"), QString()}, kToday);
    EXPECT_EQ(count("select count(*) from ESTFIC where NFISCAL = 16 and DATA = '2026-03-09'"), 1);
}

TEST_F(TypedReadersTest, AVoucherTheBalanceCannotAddIsRefusedAndASumPastTheRangeIsAnErrorNotANegativeBalance)
{
    seeds::addStaff(l(), 4, S("CARLOS"));
    StaffVouchers vouchers(l());
    EXPECT_THROW(vouchers.record(4, kToday, S("VALE"), false, S("999.999.999.999,99")), EntryError);
    EXPECT_THROW(vouchers.record(4, kToday, S("VALE"), false, S("1000000000")), EntryError);
    EXPECT_EQ(count("select count(*) from VALES"), 0);
    EXPECT_EQ(vouchers.record(4, kToday, S("VALE"), false, S("999999999,99")), D("999999999,99"));
    EXPECT_EQ(vouchers.balance(4), D("999999999,99"));

    // Rows written before the field refused them (an older station, a hand-made
    // correction): ten of them add past what the program computes.
    for (int i = 0; i < 10; ++i)
        l().run(S("insert into VALES (CODIGO, DATA, HISTORICO, DEBITO) values (5, ?, 'VALE', ?)"),
                {kToday, D("999999999999,99")});
    try {
        const Decimal balance = vouchers.balance(5);
        ADD_FAILURE() << "read as " << balance;
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(S("grande demais para ser calculado"))) << e.message().toStdString();
    }
}

TEST_F(TypedReadersTest, SearchesAreCutToWhatTheirColumnCanMatch)
{
    const QString longName = S("DISTRIBUIDORA DE BEBIDAS SAO JOAO DO SUL");   // 40 letters, the whole column
    ASSERT_EQ(longName.size(), 40);
    seeds::addSupplier(l(), 3, longName);
    seeds::addSupplier(l(), 4, S("ATACADO NORTE"));
    LookupStore lookups(l());
    for (const QString& typed : {longName, longName.left(39), longName + S(" LTDA"), longName.left(38)}) {
        SCOPED_TRACE(typed.toStdString());
        const RowSet found = lookups.suppliersNamed(typed);
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(found.row(0).at(found.columns().indexOf(S("CODIGO"))).toLongLong(), 3);
    }

    // the delivery item entry's search, on PRODUTOS.NOME (40)
    const QString product = S("REFRIGERANTE DE GUARANA LATA 350ML GELADO");
    seeds::addProduct(l(), S("000010"), product.left(40), D("6"), D("2"));
    for (const QString& typed : {product.left(40), product.left(39), product}) {
        SCOPED_TRACE(typed.toStdString());
        const std::vector<TouchButton> found = TouchMenu(l()).search(typed, nullptr);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found.front().code, S("000010"));
    }
    EXPECT_TRUE(d.errors.isEmpty());
}

TEST_F(TypedReadersTest, PastedTabsAndLineEndsAreNotStored)
{
    // the company's CNPJ, IE and FAX head every receipt
    TFormEmpresa company(l());
    company.cnpjField()->setText(S("12.345.678/0001-90\n"));
    company.stateRegistrationField()->setText(S("\t123.456.789"));
    company.phoneField()->setText(S("(11) 5555-1234\r\n"));
    ASSERT_TRUE(company.returnToMenu());
    const CompanyRow row = CompanyStore(l()).load();
    EXPECT_EQ(row.cnpj, S("12.345.678/0001-90"));
    EXPECT_EQ(row.iestadual, S("123.456.789"));
    EXPECT_EQ(row.fax, S("(11) 5555-1234"));
    EXPECT_EQ(CompanyStore(l()).receiptCompany().phone, S("(11) 5555-1234"));

    // every text of the staff register
    TFormVendedor staff(l());
    staff.newStaff();
    d.answerMessages({S("S")});
    staff.leaveCode();
    staff.field("NOME")->setText(S("JOAO\tGARCOM\n"));
    staff.field("ENDERECO")->setText(S("RUA A\r\nNUMERO 5"));
    staff.field("FONE")->setText(S("\t9999-0000\n"));
    staff.field("CNPJ")->setText(S("123.456.789-00\n"));
    ASSERT_TRUE(staff.confirmStaff());
    RowSet v = l().run(S("select NOME, ENDERECO, FONE, CNPJ from VENDEDOR where CODIGO = 1"));
    ASSERT_TRUE(v.next());
    EXPECT_EQ(v.text(u"NOME"), S("JOAO GARCOM"));
    EXPECT_EQ(v.text(u"ENDERECO"), S("RUA A  NUMERO 5"));
    EXPECT_EQ(v.text(u"FONE"), S("9999-0000"));
    EXPECT_EQ(v.text(u"CNPJ"), S("123.456.789-00"));

    // the QR card's address and network
    TableQrCard card(l());
    card.save({S("192.168.0.10\n"), S("\tBAR WIFI"), S("segredo123\r\n")});
    const WifiCard stored = card.stored();
    EXPECT_EQ(stored.ip, S("192.168.0.10"));
    EXPECT_EQ(stored.network, S("BAR WIFI"));
    EXPECT_EQ(stored.password, S("segredo123"));
}

TEST_F(TypedReadersTest, AnAccountWithABlankNameIsRefused)
{
    AccountBook book(l());
    for (const char* blank : {" ", "", "\t", "  \n "}) {
        SCOPED_TRACE(blank);
        EXPECT_THROW(book.saveAccounts({{0, 1, S(blank)}}), EntryError);
    }
    EXPECT_EQ(count("select count(*) from CONTA"), 0);
    book.saveAccounts({{0, 1, S(" CAIXA\t")}});
    const std::vector<BookAccount> all = book.accounts();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all.front().name, S("CAIXA"));
    // renamed to blanks: refused, the name stays
    EXPECT_THROW(book.saveAccounts({{all.front().id, 1, S("   ")}}), EntryError);
    EXPECT_EQ(book.accounts().front().name, S("CAIXA"));
}

TEST_F(TypedReadersTest, TheCsvExportWritesAFormulaAsTextAndKeepsNumbersNumbers)
{
    l().run(S("delete from CLIENTES"));
    l().run(S("insert into CLIENTES (ID, CODIGO, NOME, CIDADE, FONE) values (1, 1, ?, ?, ?)"),
            {S("=cmd|' /C calc'!A0"), S("@SUM(1+1)"), S("+55 11 5555-0000")});
    l().run(S("insert into CLIENTES (ID, CODIGO, NOME, CIDADE) values (2, 2, ?, ?)"),
            {S("=HYPERLINK(\"http://x.example\";\"ver\")"), S("-2+3+cmd|' /C x'!A0")});
    const CsvExport::Written customers = CsvExport(l()).write(CsvExport::List::Customers);
    EXPECT_EQ(customers.lines, (QStringList{
        S("CODIGO;NOME;CIDADE;ESTADO;CEP;FONE;FAX;VEDEDOR;NASC;RG;CPF;"),
        S("1;'=cmd|' /C calc'!A0;'@SUM(1+1);;;'+55 11 5555-0000;;;;;;"),
        S("2;\"'=HYPERLINK(\"\"http://x.example\"\";\"\"ver\"\")\";'-2+3+cmd|' /C x'!A0;;;;;;;;;")}));

    // a product whose cost went negative stays a number the spreadsheet adds up
    seeds::addProduct(l(), S("000001"), S("-DESCONTO"), D("-2,5"), D("-1,25"));
    const CsvExport::Written products = CsvExport(l()).write(CsvExport::List::Products);
    ASSERT_EQ(products.lines.size(), 2);
    EXPECT_TRUE(products.lines.at(1).startsWith(S("000001;'-DESCONTO;-2,5;"))) << products.lines.at(1).toStdString();
    EXPECT_TRUE(products.lines.at(1).contains(S(";-1,25;"))) << products.lines.at(1).toStdString();
}
