// Advance payments, withdrawals and top-ups, reopening, persons per table and
// reservations on a real database, with their printouts read back from a port.
#include "ReportReading.h"
#include "TabSeeds.h"
#include "tabs/TabKey.h"
#include "SalesSeeds.h"
#include "TestStation.h"
#include "tabs/AdvancePayment.h"
#include "tabs/ItemCancellation.h"
#include "tabs/TabUpkeep.h"
#include "cash/Withdrawal.h"
#include "core/Globals.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

Decimal D(const char* text) { return *Decimal::parseSql(QString::fromLatin1(text)); }

class TabRecords : public ::testing::Test {
protected:
    void SetUp() override
    {
        st.openCashShift(3);
        ctx::company().CompanyName = QStringLiteral("BAR DO ZE");
        ctx::station().CondensedOnCode = QString(QChar(0x12));
    }
    TLogon& db() { return st.logon(); }
    QString closingPrinterToFile() { return seeds::closingPrinterToFile(st); }
    static QByteArray readAll(const QString& file) { return bytesOf(file); }
    TestStation st;
};

QString refusal(const std::function<void()>& f)
{
    try {
        f();
    } catch (const ActionRefused& e) {
        return e.message();
    }
    return QString();
}

TEST_F(TabRecords, AdvancesAddUpOnTheTabAndAreNeverAddedTwice)
{
    seeds::openTab(db(), "000012");
    db().run(QStringLiteral("update FORMAPAGA set VALOR = 99"));
    AdvancePayment a(db());
    const QStringList methods = a.paymentMethods();
    ASSERT_FALSE(methods.isEmpty());
    EXPECT_EQ(*a.paidSoFar("000012"), Decimal());
    EXPECT_FALSE(a.paidSoFar("000404").has_value());

    const AdvanceResult first = a.confirm("000012", "01 DINHEIRO", "10", QDate(2026, 3, 5));
    EXPECT_EQ(first.total, D("10"));
    const AdvanceResult second = a.confirm("000012", "02 CARTAO DE CREDITO MASTER", "15.50", QDate(2026, 3, 5));
    EXPECT_EQ(second.total, D("25.50"));
    RowSet t = db().run(QStringLiteral("select VALOR, PAGAMENTOANTI from CABMESA where MESA = '000012'"));
    t.next();
    EXPECT_EQ(t.decimal(u"VALOR"), D("25.50"));
    EXPECT_EQ(t.text(u"PAGAMENTOANTI"), QStringLiteral("02 CARTAO DE CREDITO"));
    EXPECT_EQ(integerOf(db().scalar(QStringLiteral("select count(*) from FORMAPAGA where VALOR <> 99"))), 0)
        << "the finance report's working column is left alone";
    EXPECT_TRUE(second.receipt.lines.contains(QStringLiteral("Pagamento  02 CARTAO DE CREDITO MASTER")));
    EXPECT_TRUE(second.receipt.lines.contains(QStringLiteral("Valor      15,50")));

    for (const char* bad : {"0", "-5", "abc", "1e20", "", "10' OR '1'='1"})
        EXPECT_EQ(refusal([&] { a.confirm("000012", "01 DINHEIRO", QString::fromLatin1(bad), QDate()); }),
                  AdvancePaymentText::kFillError) << bad;
    EXPECT_EQ(refusal([&] { a.confirm("000404", "01 DINHEIRO", "5", QDate()); }), AdvancePaymentText::kFillError);
    EXPECT_EQ(*a.paidSoFar("000012"), D("25.50"));

    const QString port = closingPrinterToFile();
    AdvancePayment::print(first.receipt);
    EXPECT_TRUE(readAll(port).startsWith("RECIBO PAGTO PACIAL\r\nBAR DO ZE\r\n"));
}

TEST_F(TabRecords, AWithdrawalIsRecordedAndItsRecordStartsWithThePitchCode)
{
    Withdrawal w(db());
    EXPECT_EQ(w.openCashShift(), 3);
    WithdrawalRequest r{3, "50,5", "2", QStringLiteral("TROCO DO DIA D'AJUDA MAIS QUE VINTE E CINCO"), "02", "ANA",
                        QDateTime(QDate(2026, 3, 5), QTime(9, 30))};
    const Printout p = w.record(r);
    RowSet s = db().run(QStringLiteral("select CAIXA, TERMINAL, VALOR, DC, HISTORICO from SANGRIA"));
    ASSERT_EQ(s.size(), 1);
    s.next();
    EXPECT_EQ(s.integer(u"CAIXA"), 3);
    EXPECT_EQ(s.integer(u"TERMINAL"), 2);
    EXPECT_EQ(s.decimal(u"VALOR"), D("50.5"));
    EXPECT_EQ(s.text(u"DC"), QStringLiteral("2"));
    EXPECT_EQ(s.text(u"HISTORICO"), QStringLiteral("TROCO DO DIA D'AJUDA MAIS"));
    EXPECT_EQ(p.lines.at(1), QStringLiteral("REGISTRO DE REFORCO"));
    EXPECT_TRUE(p.lines.contains(QStringLiteral(" Valor .:50,50")));
    EXPECT_TRUE(p.lines.contains(QStringLiteral(" Historico.:TROCO DO DIA D'AJUDA MAIS QUE VINTE E CINCO")));

    const QString port = closingPrinterToFile();
    Withdrawal::print(p);
    EXPECT_TRUE(readAll(port).startsWith("\x12MOVIMENTO DO CAIXA\r\nREGISTRO DE REFORCO\r\n"));

    // Money in cents only: "0,004" and "0,001" are no 0,00 withdrawal.
    for (const char* bad : {"0", "-1", "x", "", "1e20", "0,004", "0,001", "0.004", "10,005", "0,00", "-0,5"}) {
        r.amount = QString::fromLatin1(bad);
        EXPECT_EQ(refusal([&] { w.record(r); }), WithdrawalText::kFillError) << bad;
    }
    // A window showing shift 0, or a shift that is not the open one, writes nothing.
    r.amount = "10";
    for (qint64 shown : {0, 2, 4}) {
        r.cashShift = shown;
        EXPECT_EQ(refusal([&] { w.record(r); }), QStringLiteral("     Caixa Fechado... abrir caixa primeiro      ")) << shown;
    }
    r.cashShift = 3;
    r.amount = "10";
    r.description = QString::fromUtf8("CAFÉ \xF0\x9F\x98\x80");
    EXPECT_THROW(w.record(r), DbError) << "text the database cannot hold";
    EXPECT_EQ(integerOf(db().scalar(QStringLiteral("select count(*) from SANGRIA"))), 1);
    EXPECT_EQ(Withdrawal::normalizeKind(" 2 "), QStringLiteral("2"));
    EXPECT_EQ(Withdrawal::normalizeKind("3"), QStringLiteral("1"));
    EXPECT_EQ(Withdrawal::normalizeKind("x"), QStringLiteral("1"));
}

TEST_F(TabRecords, ReopeningSetsThePreBilledTabOpenAgain)
{
    seeds::openTab(db(), "000013");
    db().run(QStringLiteral("update CABMESA set STATUS = 1"));
    EXPECT_EQ(tabs::readTabKey("12,6", tabs::TabKeyRules::reopenBox()), QStringLiteral("000013"));
    EXPECT_EQ(tabs::readTabKey("12", tabs::TabKeyRules::reopenBox()), QStringLiteral("000012"));
    EXPECT_EQ(tabs::readTabKey("A12", tabs::TabKeyRules::reopenBox()), QStringLiteral("A12"));
    TabReopen r(db());
    EXPECT_EQ(r.reopen("000013"), 1);
    EXPECT_EQ(integerOf(db().scalar(QStringLiteral("select STATUS from CABMESA"))), 0);
    EXPECT_EQ(r.reopen("000404"), 0);
}

TEST_F(TabRecords, PersonsPerTableAreRecordedAndTotalled)
{
    seeds::openTab(db(), "000005");
    seeds::openTab(db(), "000006");
    PersonsPerTable p(db());
    EXPECT_EQ(p.totalText(), QStringLiteral("Total de Clientes  0"));
    QString tab = "5", persons = "4";
    ASSERT_TRUE(p.record(tab, persons));
    EXPECT_EQ(tab, QStringLiteral("000005"));
    tab = "6";
    persons = "";
    ASSERT_TRUE(p.record(tab, persons));
    EXPECT_EQ(persons, QStringLiteral("1"));
    EXPECT_EQ(p.totalText(), QStringLiteral("Total de Clientes  5"));
    tab = "";
    persons = "3";
    EXPECT_FALSE(p.record(tab, persons));
    tab = "5";
    persons = "-3";
    ASSERT_TRUE(p.record(tab, persons));
    EXPECT_EQ(persons, QStringLiteral("1"));
    EXPECT_EQ(p.list().size(), 2u);
}

TEST_F(TabRecords, ReservationsAreKeptChangedAndTakenWhenTheTableOpens)
{
    Reservations r(db());
    EXPECT_EQ(r.save("", "05/03/26", "12", QStringLiteral("JOÃO D'ÁVILA")), QString());
    EXPECT_EQ(r.save("", "__/__/__", "13", "X"), TabUpkeepText::kBadDate);
    EXPECT_EQ(r.save("", "31/02/26", "13", "X"), TabUpkeepText::kBadDate);
    auto list = r.list();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].table, QStringLiteral("000012"));
    EXPECT_EQ(list[0].customer, QString::fromUtf8("JOÃO D'ÁVILA"));
    EXPECT_EQ(r.save(QString::number(list[0].id), "06/03/26", "12", "MARIA"), QString());
    list = r.list();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].date, QDate(2026, 3, 6));
    EXPECT_TRUE(r.reservedOn("000012", QDate(2026, 3, 6)));
    EXPECT_FALSE(r.reservedOn("000012", QDate(2026, 3, 5)));
    r.takeReservation("000012", QDate(2026, 3, 6));
    EXPECT_TRUE(r.list().empty());
    r.save("", "07/03/26", "1", "A");
    r.remove(r.list()[0].id);
    EXPECT_TRUE(r.list().empty());
}

} // namespace
