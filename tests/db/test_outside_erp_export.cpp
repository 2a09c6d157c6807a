// The export of a paid bill to the outside ERP: the document it writes, read back
// row by row, in every shape of the ERP's database; the bills it refuses before
// anything is written; and the failures that must leave both databases as they were.
#include "OutsideErpSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"

#include "closing/OutsideErpExport.h"
#include "platform/StationPaths.h"

#include <QFile>
#include <functional>
#include <ibase.h>
#include <gtest/gtest.h>

using erpseeds::Place;

namespace {

const QString kTab = QStringLiteral("000012");

Decimal dec(const char* text)
{
    return *Decimal::parseSql(QString::fromLatin1(text));
}

// A station with the link on, a cash method and a method flagged for export, and
// tab 000012 with three items.
struct ErpStation {
    TestStation st;
    ScriptedDialogs script;

    ErpStation()
    {
        st.writeFile(QStringLiteral("estacao.ini"), {QStringLiteral("nil"), QStringLiteral("SIM")});
        erpseeds::addPaymentMethod(st.logon(), 2, QStringLiteral("Cartao"), QStringLiteral("S"), QStringLiteral("S"));
        erpseeds::openTab(st.logon(), kTab);
        erpseeds::addTabItem(st.logon(), kTab, QStringLiteral("123"), QStringLiteral("CERVEJA"), dec("2"), dec("10.5"));
        erpseeds::addTabItem(st.logon(), kTab, QStringLiteral("7"), QStringLiteral("QUEIJO"), dec("0.335"), dec("2.675"));
        erpseeds::addTabItem(st.logon(), kTab, QStringLiteral(" 42 "), QStringLiteral("AGUA"), dec("1"), dec("3"));
    }

    ErpBill bill()
    {
        ErpBill b;
        b.tab = kTab;
        b.customerCode = QStringLiteral("1");
        b.customerName = QStringLiteral("CLIENTE CONSUMIDOR");
        b.amountDue = dec("29.01");
        b.items = OutsideErpExport::tabItems(st.logon(), kTab);
        b.payments = {{1, dec("10")}, {2, dec("19.01")}};
        return b;
    }
};

enum class Fail { Nothing, BeforeExport, AfterExport, AfterCommit, ConflictAfterCommitOnce };

// What the closing does with the export, reduced to its writes: a sale row, then
// the tab deleted, then the export, committed last. `fail` throws where it says.
qint64 closeTab(TLogon& local, OutsideErpExport& erp, const ErpBill& bill, Fail fail = Fail::Nothing)
{
    int runs = 0;
    return local.action([&] {
        ++runs;
        local.run(QStringLiteral("INSERT INTO FATURA (NOTA, TIPO, VALOR, COMANDA, TERMINAL) VALUES (?, 1, ?, 12, 1)"),
                  {qint64(local.GenId(QStringLiteral("BORDA"))), bill.amountDue});
        local.run(QStringLiteral("DELETE FROM CABMESA WHERE MESA = ?"), {bill.tab});
        local.run(QStringLiteral("DELETE FROM MESA WHERE MESA = ?"), {bill.tab});
        if (fail == Fail::BeforeExport)
            throw DbError(QStringLiteral("falha antes da exportação"));
        ErpDocument document = erp.exportBill(local, bill);
        if (fail == Fail::AfterExport)
            throw DbError(QStringLiteral("falha depois da exportação"));
        const qint64 dav = document.commit();
        if (fail == Fail::AfterCommit)
            throw DbError(QStringLiteral("falha na gravação local"));
        // as if the local commit met another station's change: the action runs again whole
        if (fail == Fail::ConflictAfterCommitOnce && runs == 1)
            throw DbError(std::vector<long>{isc_update_conflict}, QStringLiteral("update conflicts with concurrent update"));
        return dav;
    });
}

} // namespace

// ---------------------------------------------------------------------------

TEST(OutsideErpExport, WritesTheDocumentRowByRowInEveryShapeOfTheErpDatabase)
{
    struct Case {
        const char* name;
        bool slim, pro, geraId;
    };
    const Case cases[] = {
        {"PRO sem GERAID", false, true, false},
        {"PRO com GERAID", false, true, true},
        {"Slim com GERAID", true, false, true},
        {"Slim e PRO: vale o Slim", true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ErpStation s;
        QString used, other;
        if (c.pro)
            used = erpseeds::createErpDatabase(Place::Pro, c.geraId, 9);
        if (c.slim) {
            other = used;
            used = erpseeds::createErpDatabase(Place::Slim, c.geraId, 9);
        }
        EXPECT_EQ(OutsideErpExport::databaseFile(), used);
        QStringList otherBefore;
        if (!other.isEmpty())
            otherBefore = erpseeds::erpState(*erpseeds::open(other));

        const ErpBill bill = s.bill();
        ASSERT_TRUE(OutsideErpExport::applies(s.st.logon(), bill));
        OutsideErpExport erp;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        const qint64 dav = closeTab(s.st.logon(), erp, bill);
        const QDateTime after = QDateTime::currentDateTime().addSecs(1);
        EXPECT_EQ(dav, 10);
        erp.closingCommitted(dav);
        EXPECT_EQ(s.script.messageTexts(), QStringList{QStringLiteral("  DAV N.0010")});
        EXPECT_EQ(s.script.messages.at(0).title, QStringLiteral("ATENÇÃO"));
        EXPECT_FALSE(erp.pendingDocument());

        // The local closing went through.
        EXPECT_EQ(s.st.count(QStringLiteral("SELECT COUNT(*) FROM FATURA")), 1);
        EXPECT_EQ(s.st.count(QStringLiteral("SELECT COUNT(*) FROM MESA")), 0);

        auto db = erpseeds::open(used);
        RowSet h = db->run(QStringLiteral("SELECT * FROM DAVS"));
        ASSERT_EQ(h.size(), 1);
        h.next();
        EXPECT_EQ(h.integer(u"ID"), 10);
        EXPECT_EQ(h.integer(u"NUMERO"), 10);
        EXPECT_EQ(h.integer(u"IDSTATUS"), 2);
        // today's date and the time of day to the second
        const QDateTime written(h.date(u"DATA_EMISSAO"), h.value(u"HORA_EMISSAO").toTime());
        EXPECT_TRUE(written >= before && written <= after) << written.toString().toStdString();
        EXPECT_EQ(h.integer(u"IDTIPO"), 0);
        EXPECT_EQ(h.integer(u"VALIDADE"), 30);
        EXPECT_EQ(h.decimal(u"DESCONTO"), Decimal(0));
        EXPECT_EQ(h.text(u"TITULO"), QStringLiteral("ORÇAMENTO"));
        EXPECT_EQ(h.text(u"FORMA_PAG"), QStringLiteral("À Vista"));
        for (const char16_t* zero : {u"STATUS_IFOOD", u"ENTREGA", u"NOVO", u"MOV_ESTOQUE", u"MOV_FINANCEIRO",
                                     u"MOV_ESTOQUE_AUTO", u"FRETE", u"ID_SINCRONIZADOR", u"PERCENTUAL_DESCONTO"}) {
            EXPECT_FALSE(h.isNull(zero)) << QString::fromUtf16(zero).toStdString();
            EXPECT_EQ(h.decimal(zero), Decimal(0)) << QString::fromUtf16(zero).toStdString();
        }

        EXPECT_EQ(erpseeds::rowsOf(*db, QStringLiteral("DAVS_CLIENTE")), QStringList{QStringLiteral("10")});

        struct Item { qint64 item, product; const char *qt, *price; };
        const Item expected[] = {{1, 123, "2", "10.5"}, {2, 7, "0.34", "2.68"}, {3, 42, "1", "3"}};
        RowSet items = db->run(QStringLiteral("SELECT * FROM DAVS_ITENS ORDER BY ITEM"));
        ASSERT_EQ(items.size(), 3);
        for (const Item& e : expected) {
            items.next();
            SCOPED_TRACE(e.item);
            EXPECT_EQ(items.integer(u"IDDAV"), 10);
            EXPECT_EQ(items.integer(u"ITEM"), e.item);
            EXPECT_EQ(items.integer(u"IDPRODUTO"), e.product);
            // rounded to two places exactly, half away from zero: 0.335 → 0.34, 2.675 → 2.68
            EXPECT_EQ(items.decimal(u"QT"), dec(e.qt));
            EXPECT_EQ(items.text(u"UN"), QStringLiteral("UN"));
            EXPECT_EQ(items.decimal(u"VAL_UNITARIO"), dec(e.price));
            for (const char16_t* zero : {u"VAL_DESC", u"VAL_ACRE", u"STATUS", u"TIPO_ITEM", u"IDUSUARIO", u"IMPORTADO"}) {
                EXPECT_FALSE(items.isNull(zero));
                EXPECT_EQ(items.decimal(zero), Decimal(0));
            }
            // day and minute, as the ERP's item rows have always been stamped
            const QDateTime stamp = items.value(u"DATA_EMISSAO").toDateTime();
            EXPECT_EQ(stamp.time().second(), 0);
            EXPECT_TRUE(stamp >= before.addSecs(-60) && stamp <= after);
        }

        // GERAID: one row 0, whether it was there or the export made it.
        EXPECT_EQ(erpseeds::rowsOf(*db, QStringLiteral("GERAID")), QStringList{QStringLiteral("0")});

        if (!other.isEmpty()) {
            EXPECT_EQ(erpseeds::erpState(*erpseeds::open(other)), otherBefore);
        }
    }
}

TEST(OutsideErpExport, SecondBillGetsTheNextDocumentAndItsOwnItemNumbers)
{
    ErpStation s;
    const QString path = erpseeds::createErpDatabase(Place::Pro, false);
    OutsideErpExport erp;
    const ErpBill first = s.bill();
    EXPECT_EQ(closeTab(s.st.logon(), erp, first), 1);
    erp.closingCommitted(1);

    erpseeds::openTab(s.st.logon(), kTab);
    erpseeds::addTabItem(s.st.logon(), kTab, QStringLiteral("5"), QStringLiteral("PAO"), dec("3"), dec("1.25"));
    ErpBill second = s.bill();
    EXPECT_EQ(closeTab(s.st.logon(), erp, second), 2);
    erp.closingCommitted(2);

    auto db = erpseeds::open(path);
    EXPECT_EQ(erpseeds::rowsOf(*db, QStringLiteral("DAVS_CLIENTE")), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(integerOf(db->scalar(QStringLiteral("SELECT COUNT(*) FROM DAVS_ITENS WHERE IDDAV = 2"))), 1);
    EXPECT_EQ(integerOf(db->scalar(QStringLiteral("SELECT ITEM FROM DAVS_ITENS WHERE IDDAV = 2"))), 1);
    EXPECT_EQ(erpseeds::rowsOf(*db, QStringLiteral("GERAID")), QStringList{QStringLiteral("0")});
    EXPECT_EQ(s.script.messageTexts(), (QStringList{QStringLiteral("  DAV N.0001"), QStringLiteral("  DAV N.0002")}));
}

TEST(OutsideErpExport, AProductCodeGoesAsSixDigitsToAnErpThatKeepsItAsText)
{
    ErpStation s;
    const QString path = erpseeds::createErpDatabase(Place::Slim, true, 0, true);
    OutsideErpExport erp;
    closeTab(s.st.logon(), erp, s.bill());
    auto db = erpseeds::open(path);
    RowSet items = db->run(QStringLiteral("SELECT IDPRODUTO FROM DAVS_ITENS ORDER BY ITEM"));
    QStringList codes;
    while (items.next())
        codes << items.text(u"IDPRODUTO");
    EXPECT_EQ(codes, (QStringList{QStringLiteral("000123"), QStringLiteral("000007"), QStringLiteral("000042")}));
}

TEST(OutsideErpExport, AppliesOnlyWithTheLinkOnAndAPaidMethodFlaggedForExport)
{
    struct Case {
        const char* name;
        QStringList estacao;   // estacao.ini; empty: no file
        std::vector<ErpBillPayment> payments;
        bool applies;
    };
    // Method 1 "Dinheiro" (DAV "N", the installation's), 2 flagged "S", 3 flagged "s", 4 with no flag.
    const std::vector<Case> cases = {
        {"link SIM, método DAV", {"nil", "SIM"}, {{1, dec("10")}, {2, dec("5")}}, true},
        {"link com brancos", {"nil", " SIM  "}, {{2, dec("5")}}, true},
        {"sem arquivo", {}, {{2, dec("5")}}, false},
        {"sem linha 1", {"nil"}, {{2, dec("5")}}, false},
        {"link NAO", {"nil", "NAO"}, {{2, dec("5")}}, false},
        {"link sim minúsculo", {"nil", "sim"}, {{2, dec("5")}}, false},
        {"só métodos sem DAV", {"nil", "SIM"}, {{1, dec("10")}, {3, dec("4")}, {4, dec("4")}}, false},
        {"DAV com valor 0", {"nil", "SIM"}, {{1, dec("10")}, {2, dec("0")}}, false},
        {"DAV com valor que lê 0,00", {"nil", "SIM"}, {{1, dec("10")}, {2, dec("0.004")}}, false},
        {"DAV com valor que lê 0,01", {"nil", "SIM"}, {{1, dec("10")}, {2, dec("0.005")}}, true},
        {"método que não existe", {"nil", "SIM"}, {{99, dec("10")}}, false},
        {"nenhum pagamento", {"nil", "SIM"}, {}, false},
    };
    TestStation st;
    erpseeds::addPaymentMethod(st.logon(), 2, QStringLiteral("Cartao"), QStringLiteral("S"), QStringLiteral("S"));
    erpseeds::addPaymentMethod(st.logon(), 3, QStringLiteral("Vale"), QStringLiteral("S"), QStringLiteral("s"));
    erpseeds::addPaymentMethod(st.logon(), 4, QStringLiteral("Cheque"), QStringLiteral("N"), QString());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(station::path(u"estacao.ini"));
        if (!c.estacao.isEmpty())
            st.writeFile(QStringLiteral("estacao.ini"), c.estacao);
        ErpBill bill;
        bill.payments = c.payments;
        EXPECT_EQ(OutsideErpExport::applies(st.logon(), bill), c.applies);
    }
}

TEST(OutsideErpExport, ItemsTheErpCannotKnowRefuseTheClosingBeforeAnythingIsWritten)
{
    // Hostile and unexportable codes; each one sits between two good items.
    const QStringList codes = {
        QStringLiteral("*12"),            // a kit
        QStringLiteral("/1/2/"),          // a multi-flavour item
        QStringLiteral("12abc"),
        QStringLiteral("' or 1=1 --"),
        QStringLiteral("1; DROP TABLE DAVS"),
        QString(),
        QStringLiteral("   "),
        QStringLiteral("1e20"),
        QStringLiteral("-5"),
        QStringLiteral("12.5"),
        QStringLiteral("99999999999"),    // no integer holds it
        QStringLiteral("$1F"),            // hexadecimal is no product code
        QStringLiteral("0x10"),
        QString::fromUtf8("\xF0\x9F\x98\x80"),   // an emoji
        QString::fromUtf8("\xD9\xA3"),           // a digit of another script
    };
    for (const QString& code : codes) {
        SCOPED_TRACE(code.toStdString());
        ErpStation s;
        const QString path = erpseeds::createErpDatabase(Place::Pro, false);
        ErpBill bill = s.bill();
        bill.items.insert(bill.items.begin() + 1, ErpBillItem{code, dec("1"), dec("5")});
        const QStringList localBefore = erpseeds::localState(s.st.logon());
        const QStringList erpBefore = erpseeds::erpState(*erpseeds::open(path));

        EXPECT_THROW(OutsideErpExport::checkItems(bill), ErpExportRefused);
        OutsideErpExport erp;
        try {
            closeTab(s.st.logon(), erp, bill);
            ADD_FAILURE() << "closed";
        } catch (const ErpExportRefused& e) {
            EXPECT_EQ(e.message(), QStringLiteral("  produto não cadastro no DAV...   "));
            erp.tellFailure(e);
        }
        EXPECT_EQ(s.script.messageTexts(), QStringList{QStringLiteral("  produto não cadastro no DAV...   ")});
        EXPECT_TRUE(s.script.errors.isEmpty());
        EXPECT_EQ(erpseeds::localState(s.st.logon()), localBefore);
        // not even GERAID: the ERP is not touched
        EXPECT_EQ(erpseeds::erpState(*erpseeds::open(path)), erpBefore);
    }
}

TEST(OutsideErpExport, NoErpDatabaseOrOneThatCannotBeOpenedEndsTheClosingWithTheErrorBox)
{
    struct Case {
        const char* name;
        std::function<void()> prepare;
        QString expectedPart;
    };
    const std::vector<Case> cases = {
        {"nenhum arquivo", [] {}, QStringLiteral("Banco de dados do ERP GDOOR não encontrado")},
        {"arquivo que não é banco", [] {
             QFile f(station::pathForWriting(OutsideErpExport::kSlimDatabase));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write("isto nao e um banco de dados firebird");
         }, QStringLiteral("ERP GDOOR (")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ErpStation s;
        c.prepare();
        const QStringList localBefore = erpseeds::localState(s.st.logon());
        OutsideErpExport erp;
        try {
            closeTab(s.st.logon(), erp, s.bill());
            ADD_FAILURE() << "closed";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains(c.expectedPart)) << e.message().toStdString();
            erp.tellFailure(e);
        }
        ASSERT_EQ(s.script.errors.size(), 1);
        EXPECT_TRUE(s.script.errors.at(0).contains(c.expectedPart));
        EXPECT_TRUE(s.script.messages.empty());
        EXPECT_EQ(erpseeds::localState(s.st.logon()), localBefore);
    }
}

TEST(OutsideErpExport, AnItemTheErpRefusesInTheMiddleLeavesBothDatabasesAsBefore)
{
    for (const bool geraId : {true, false}) {
        SCOPED_TRACE(geraId ? "com GERAID" : "sem GERAID");
        ErpStation s;
        const QString path = erpseeds::createErpDatabase(Place::Pro, geraId);
        {
            auto db = erpseeds::open(path);
            // The ERP takes no product 7: the second of three items.
            db->run(QStringLiteral("ALTER TABLE DAVS_ITENS ADD CONSTRAINT SEM_PRODUTO_7 CHECK (IDPRODUTO <> 7)"));
        }
        const QStringList localBefore = erpseeds::localState(s.st.logon());
        const QStringList erpBefore = erpseeds::erpState(*erpseeds::open(path));

        OutsideErpExport erp;
        try {
            closeTab(s.st.logon(), erp, s.bill());
            ADD_FAILURE() << "closed";
        } catch (const ErpExportRefused& e) {
            erp.tellFailure(e);
        }
        EXPECT_EQ(s.script.messageTexts(), QStringList{QStringLiteral("  produto não cadastro no DAV...   ")});
        EXPECT_FALSE(erp.pendingDocument());
        EXPECT_EQ(erpseeds::localState(s.st.logon()), localBefore);
        auto db = erpseeds::open(path);
        if (geraId) {
            EXPECT_EQ(erpseeds::erpState(*db), erpBefore);
        } else {
            // GERAID is DDL with a transaction of its own: it stays, made once; no document row does.
            for (const char* t : {"DAVS", "DAVS_CLIENTE", "DAVS_ITENS"})
                EXPECT_TRUE(erpseeds::rowsOf(*db, QString::fromLatin1(t)).isEmpty()) << t;
            EXPECT_EQ(erpseeds::rowsOf(*db, QStringLiteral("GERAID")), QStringList{QStringLiteral("0")});
        }
    }
}

TEST(OutsideErpExport, ALocalFailureAfterTheExportLeavesBothDatabasesAsBefore)
{
    for (const Fail fail : {Fail::BeforeExport, Fail::AfterExport}) {
        for (const bool geraId : {true, false}) {
            SCOPED_TRACE(fail == Fail::BeforeExport ? "antes" : "depois");
            SCOPED_TRACE(geraId ? "com GERAID" : "sem GERAID");
            ErpStation s;
            const QString path = erpseeds::createErpDatabase(Place::Pro, geraId);
            const QStringList localBefore = erpseeds::localState(s.st.logon());
            const QStringList erpBefore = erpseeds::erpState(*erpseeds::open(path));
            OutsideErpExport erp;
            EXPECT_THROW(closeTab(s.st.logon(), erp, s.bill(), fail), DbError);
            EXPECT_FALSE(erp.pendingDocument());
            EXPECT_EQ(erpseeds::localState(s.st.logon()), localBefore);
            EXPECT_EQ(erpseeds::erpState(*erpseeds::open(path)), erpBefore);

            // The same closing, tried again, goes through once.
            const qint64 dav = closeTab(s.st.logon(), erp, s.bill());
            erp.closingCommitted(dav);
            auto db = erpseeds::open(path);
            EXPECT_EQ(erpseeds::rowsOf(*db, QStringLiteral("DAVS")).size(), 1);
            EXPECT_EQ(erpseeds::rowsOf(*db, QStringLiteral("DAVS_ITENS")).size(), 3);
        }
    }
}

TEST(OutsideErpExport, ALocalCommitThatFailsAfterTheErpCommitNamesTheDocumentAndARetryReusesIt)
{
    ErpStation s;
    const QString path = erpseeds::createErpDatabase(Place::Pro, true, 9);
    const QStringList localBefore = erpseeds::localState(s.st.logon());
    const ErpBill bill = s.bill();
    OutsideErpExport erp;
    try {
        closeTab(s.st.logon(), erp, bill, Fail::AfterCommit);
        ADD_FAILURE() << "closed";
    } catch (const DbError& e) {
        erp.tellFailure(e);
    }
    // The local closing is undone; the ERP keeps document 10, and the error says so.
    EXPECT_EQ(erpseeds::localState(s.st.logon()), localBefore);
    EXPECT_EQ(erp.pendingDocument(), std::optional<qint64>(10));
    ASSERT_EQ(s.script.errors.size(), 1);
    EXPECT_TRUE(s.script.errors.at(0).startsWith(QStringLiteral("falha na gravação local\n\n")));
    EXPECT_TRUE(s.script.errors.at(0).contains(QStringLiteral("O DAV N.0010 já foi gravado no ERP GDOOR")));
    EXPECT_TRUE(s.script.errors.at(0).contains(QStringLiteral("exclua o DAV N.0010 no ERP")));
    EXPECT_EQ(erpseeds::rowsOf(*erpseeds::open(path), QStringLiteral("DAVS")).size(), 1);

    // Closing the same tab with the same items again (paid another way) writes the
    // local rows and no second document.
    ErpBill again = bill;
    again.payments = {{2, bill.amountDue}};
    const qint64 dav = closeTab(s.st.logon(), erp, again);
    EXPECT_EQ(dav, 10);
    erp.closingCommitted(dav);
    EXPECT_FALSE(erp.pendingDocument());
    EXPECT_EQ(s.st.count(QStringLiteral("SELECT COUNT(*) FROM FATURA")), 1);
    auto db = erpseeds::open(path);
    EXPECT_EQ(erpseeds::rowsOf(*db, QStringLiteral("DAVS")).size(), 1);
    EXPECT_EQ(erpseeds::rowsOf(*db, QStringLiteral("DAVS_ITENS")).size(), 3);
    EXPECT_EQ(s.script.messageTexts(), QStringList{QStringLiteral("  DAV N.0010")});

    // Other items after that are a new document.
    erpseeds::openTab(s.st.logon(), kTab);
    erpseeds::addTabItem(s.st.logon(), kTab, QStringLiteral("5"), QStringLiteral("PAO"), dec("3"), dec("1.25"));
    EXPECT_EQ(closeTab(s.st.logon(), erp, s.bill()), 11);
}

TEST(OutsideErpExport, AClosingRunAgainAfterTheErpCommitWritesOneDocument)
{
    ErpStation s;
    const QString path = erpseeds::createErpDatabase(Place::Pro, true);
    OutsideErpExport erp;
    const qint64 dav = closeTab(s.st.logon(), erp, s.bill(), Fail::ConflictAfterCommitOnce);
    EXPECT_EQ(dav, 1);
    erp.closingCommitted(dav);
    EXPECT_EQ(s.st.count(QStringLiteral("SELECT COUNT(*) FROM FATURA")), 1);
    auto db = erpseeds::open(path);
    EXPECT_EQ(erpseeds::rowsOf(*db, QStringLiteral("DAVS")).size(), 1);
    EXPECT_EQ(erpseeds::rowsOf(*db, QStringLiteral("DAVS_ITENS")).size(), 3);
}

TEST(OutsideErpExport, RunsOnlyInsideTheClosingsOwnAction)
{
    ErpStation s;
    erpseeds::createErpDatabase(Place::Pro, true);
    OutsideErpExport erp;
    EXPECT_THROW(erp.exportBill(s.st.logon(), s.bill()), std::logic_error);
}

TEST(OutsideErpExport, TheTabsItemsComeInTheOrderTheyWereEntered)
{
    ErpStation s;
    const std::vector<ErpBillItem> items = OutsideErpExport::tabItems(s.st.logon(), QStringLiteral(" 000012 "));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], (ErpBillItem{QStringLiteral("123"), dec("2"), dec("10.5")}));
    EXPECT_EQ(items[1], (ErpBillItem{QStringLiteral("7"), dec("0.335"), dec("2.675")}));
    EXPECT_EQ(items[2], (ErpBillItem{QStringLiteral(" 42 "), dec("1"), dec("3")}));
    EXPECT_TRUE(OutsideErpExport::tabItems(s.st.logon(), QStringLiteral("000099")).empty());
}

TEST(OutsideErpExport, DocumentNumberMessage)
{
    EXPECT_EQ(erpText::davNumber(10), QStringLiteral("  DAV N.0010"));
    EXPECT_EQ(erpText::davNumber(1), QStringLiteral("  DAV N.0001"));
    EXPECT_EQ(erpText::davNumber(123456), QStringLiteral("  DAV N.123456"));
    ScriptedDialogs script;
    OutsideErpExport erp;
    erp.closingCommitted(0);   // no export: nothing shown
    EXPECT_TRUE(script.messages.empty());
}
