// Closing a tab with the outside-ERP link on: the sale goes into the ERP's
// database as one document together with the local rows, or into neither; a bill
// the ERP cannot take is refused before anything is written anywhere.
#include "ClosingSeeds.h"
#include "OutsideErpSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "closing/OutsideErpExport.h"
#include "closing/TabClosing.h"
#include "core/Globals.h"

#include <QFile>
#include <gtest/gtest.h>

using erpseeds::Place;
using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
const QString kTab = QStringLiteral("000012");

// Link on (estacao.ini line 1 "SIM"), cash and a card flagged for export, an open
// cash shift and tab 000012 with two products: 2 x 10,50 and 1 x 3,00.
struct ExportStation {
    TestStation st;
    ScriptedDialogs script;
    QString erpPath;

    explicit ExportStation(bool link = true, bool geraId = true, qint64 lastDav = 0)
    {
        st.writeFile(S("estacao.ini"), {S("nil"), link ? S("SIM") : S("NAO")});
        st.openCashShift(4);
        ctx::station().TerminalNumber = S("02");
        erpseeds::addPaymentMethod(st.logon(), 2, S("Cartao"), S("S"), S("S"));
        erpseeds::openTab(st.logon(), kTab);
        erpseeds::addTabItem(st.logon(), kTab, S("123"), S("CERVEJA"), D("2"), D("10,50"));
        erpseeds::addTabItem(st.logon(), kTab, S("42"), S("AGUA"), D("1"), D("3"));
        erpPath = erpseeds::createErpDatabase(Place::Slim, geraId, lastDav);
    }

    // 24,00 due: 4,00 in cash and 20,00 by the card flagged for export.
    ClosingRequest request(const char* card = "20") const
    {
        ClosingRequest r;
        r.tab = kTab;
        r.joinedTabs = {kTab};
        r.persons = 1;
        r.payments = {SalePayment{1, S("Dinheiro"), D("4"), true, false},
                      SalePayment{2, S("Cartao"), D(card), true, true}};
        r.customerName = S("CLIENTE CONSUMIDOR");
        r.tabCaption = kTab + S(" - ");
        r.dueDate = QDate::currentDate();
        return r;
    }

    QStringList erp() { return erpseeds::erpState(*erpseeds::open(erpPath)); }
    QStringList local() { return erpseeds::localState(st.logon()); }
    int tabsOpen() { return st.count(S("select count(*) from CABMESA where MESA = ?"), {kTab}); }
};

} // namespace

TEST(TabClosingExport, AClosedTabIsOneDocumentInTheErpAndTheSaleHere)
{
    ExportStation s(true, false, 9);
    OutsideErpExport erp;
    const ClosingResult r = TabClosing(s.st.logon(), erp).close(s.request());
    erp.closingCommitted(r.dav);

    EXPECT_EQ(r.dav, 10);
    EXPECT_EQ(s.script.messageTexts(), QStringList{S("  DAV N.0010")});
    auto db = erpseeds::open(s.erpPath);
    EXPECT_EQ(erpseeds::rowsOf(*db, S("GERAID")), QStringList{S("0")});
    const QStringList davs = erpseeds::rowsOf(*db, S("DAVS"));
    ASSERT_EQ(davs.size(), 1);
    EXPECT_TRUE(davs[0].startsWith(S("10|10|2|"))) << davs[0].toStdString();
    EXPECT_TRUE(davs[0].contains(S("ORÇAMENTO"))) << davs[0].toStdString();
    EXPECT_TRUE(davs[0].contains(S("À Vista"))) << davs[0].toStdString();
    EXPECT_EQ(erpseeds::rowsOf(*db, S("DAVS_CLIENTE")).size(), 1);
    const QStringList items = erpseeds::rowsOf(*db, S("DAVS_ITENS"), S("1, 2"));
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[0].startsWith(S("10|1|123|2"))) << items[0].toStdString();
    EXPECT_TRUE(items[1].startsWith(S("10|2|42|1"))) << items[1].toStdString();

    // and the sale in the station's own database, the tab gone
    EXPECT_EQ(s.st.count(S("select count(*) from FATURA where NOTA = ? and VALOR = 24"), {r.saleNumber}), 1);
    EXPECT_EQ(s.st.count(S("select count(*) from RECARQ")), 2);
    EXPECT_EQ(s.tabsOpen(), 0);
    EXPECT_EQ(s.st.count(S("select count(*) from MESA")), 0);
}

TEST(TabClosingExport, NoExportWithoutTheLinkOrWithoutAnExportedAmount)
{
    struct Case { bool link; const char* card; const char* cash; } cases[] = {
        {false, "20", "4"},   // link off
        {true, "0", "24"},    // the flagged method took nothing
    };
    for (const Case& c : cases) {
        ExportStation s(c.link);
        const QStringList erpBefore = s.erp();
        ClosingRequest rq = s.request(c.card);
        rq.payments[0].amount = D(c.cash);
        const ClosingResult r = TabClosing(s.st.logon()).close(rq);
        EXPECT_EQ(r.dav, 0) << c.link;
        EXPECT_GT(r.saleNumber, 0);
        EXPECT_EQ(s.erp(), erpBefore) << c.link;
        EXPECT_EQ(s.tabsOpen(), 0);
    }
}

TEST(TabClosingExport, FailuresInEitherDatabaseLeaveBothAsTheyWereAndTheTabOpen)
{
    enum class Where { KitOnTheTab, ErpRefusesAnItem, LocalRowFails, NoErpFile };
    struct Case { Where where; const char* message; bool errorBox; } cases[] = {
        {Where::KitOnTheTab, "  produto não cadastro no DAV...   ", false},
        {Where::ErpRefusesAnItem, "  produto não cadastro no DAV...   ", false},
        {Where::LocalRowFails, nullptr, true},
        {Where::NoErpFile, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.where));
        ExportStation s;
        ClosingRequest rq = s.request();
        switch (c.where) {
        case Where::KitOnTheTab:
            erpseeds::addTabItem(s.st.logon(), kTab, S("*7"), S("COMBO"), D("1"), D("0"));
            break;
        case Where::ErpRefusesAnItem:
            erpseeds::open(s.erpPath)->run(S("ALTER TABLE DAVS_ITENS ADD CONSTRAINT SEM_PRODUTO_42 CHECK (IDPRODUTO <> 42)"));
            break;
        case Where::LocalRowFails:
            // the service rows come after the sale row and before the export
            s.st.logon().run(S("alter table SERVICO add constraint CK_TESTE_SERVICO check (VALOR < 0)"));
            rq.servicePercent = D("10");
            rq.payments[0].amount = D("6,40");
            break;
        case Where::NoErpFile:
            QFile::remove(s.erpPath);
            break;
        }
        const QStringList localBefore = s.local();
        const QStringList erpBefore = c.where == Where::NoErpFile ? QStringList() : s.erp();
        const QVariant saleNumberBefore = s.st.scalar(S("select gen_id(BORDA, 0) from rdb$database"));

        OutsideErpExport erp;
        try {
            TabClosing(s.st.logon(), erp).close(rq);
            ADD_FAILURE() << "closed";
        } catch (const std::exception& e) {
            erp.tellFailure(e);
        }
        if (c.message) {
            EXPECT_EQ(s.script.messageTexts(), QStringList{S(c.message)});
        }
        EXPECT_EQ(s.script.errors.size(), c.errorBox ? 1 : 0);
        EXPECT_FALSE(erp.pendingDocument());
        EXPECT_EQ(s.local(), localBefore);
        if (c.where != Where::NoErpFile) {
            EXPECT_EQ(s.erp(), erpBefore);
        }
        EXPECT_EQ(s.tabsOpen(), 1);
        if (c.where == Where::KitOnTheTab) {   // refused before the sale number is drawn
            EXPECT_EQ(s.st.scalar(S("select gen_id(BORDA, 0) from rdb$database")), saleNumberBefore);
        }
    }
}

TEST(TabClosingExport, ALocalCommitFailingAfterTheErpCommitNamesTheDocumentAndClosingAgainUsesIt)
{
    ExportStation s(true, true, 4);
    TLogon& l = s.st.logon();
    // the station's database refuses the commit of any transaction that holds a sale
    l.run(S("CREATE EXCEPTION E_TESTE_COMMIT 'falha ao gravar o fechamento'"));
    l.run(S("CREATE TRIGGER T_TESTE_COMMIT ON TRANSACTION COMMIT AS BEGIN "
            "IF (EXISTS(SELECT 1 FROM FATURA)) THEN EXCEPTION E_TESTE_COMMIT; END"));
    const QStringList localBefore = s.local();

    OutsideErpExport erp;
    try {
        TabClosing(l, erp).close(s.request());
        ADD_FAILURE() << "closed";
    } catch (const std::exception& e) {
        erp.tellFailure(e);
    }
    EXPECT_EQ(s.local(), localBefore);
    EXPECT_EQ(s.tabsOpen(), 1);
    ASSERT_EQ(s.script.errors.size(), 1);
    EXPECT_TRUE(s.script.errors[0].contains(S("DAV N.0005"))) << s.script.errors[0].toStdString();
    EXPECT_EQ(erp.pendingDocument(), std::optional<qint64>(5));

    // once the station's database takes it, the same tab closes on the same document
    l.run(S("DROP TRIGGER T_TESTE_COMMIT"));
    const ClosingResult r = TabClosing(l, erp).close(s.request());
    erp.closingCommitted(r.dav);
    EXPECT_EQ(r.dav, 5);
    auto db = erpseeds::open(s.erpPath);
    EXPECT_EQ(erpseeds::rowsOf(*db, S("DAVS")).size(), 1);
    EXPECT_EQ(erpseeds::rowsOf(*db, S("DAVS_ITENS")).size(), 2);
    EXPECT_EQ(s.st.count(S("select count(*) from FATURA")), 1);
    EXPECT_EQ(s.tabsOpen(), 0);
    EXPECT_EQ(s.script.messageTexts(), QStringList{S("  DAV N.0005")});
}
