// The start-up upgrade on new and older databases.
#include "OlderDatabase.h"
#include "TestStation.h"
#include "db/Schema.h"
#include "db/SchemaUpgrade.h"
#include "shell/Startup.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Catalogue of the connected database: "TABLE.COLUMN" -> byte length.
std::map<QString, int> columnsOf(TLogon& logon)
{
    std::map<QString, int> cols;
    RowSet q = logon.run(QStringLiteral(
        "SELECT TRIM(r.RDB$RELATION_NAME), TRIM(r.RDB$FIELD_NAME), f.RDB$FIELD_LENGTH FROM RDB$RELATION_FIELDS r "
        "JOIN RDB$FIELDS f ON r.RDB$FIELD_SOURCE = f.RDB$FIELD_NAME WHERE COALESCE(r.RDB$SYSTEM_FLAG,0) = 0"));
    while (q.next())
        cols[q.value(0).toString() + QLatin1Char('.') + q.value(1).toString()] = q.value(2).toInt();
    return cols;
}

// Replaces the station's database by an older one.
void useOlderDatabase(TestStation& st, const QStringList& presentUpgradeTables = {})
{
    st.logon().close();
    QFile::remove(st.databasePath());
    createOlderDatabase(st.databasePath(), presentUpgradeTables);
    ASSERT_TRUE(st.logon().connectTo(st.databasePath())) << st.logon().lastError().toStdString();
}

// A column's type as the catalogue holds it: "16 18,2 @2" (INT64, precision 18,
// two places, third column); empty when there is no such column.
QString typeIn(TLogon& l, const char* table, const char* column)
{
    RowSet r = l.run(QStringLiteral(
        "SELECT f.RDB$FIELD_TYPE, f.RDB$FIELD_SCALE, f.RDB$FIELD_PRECISION, r.RDB$FIELD_POSITION FROM RDB$RELATION_FIELDS r "
        "JOIN RDB$FIELDS f ON r.RDB$FIELD_SOURCE = f.RDB$FIELD_NAME WHERE r.RDB$RELATION_NAME = ? AND r.RDB$FIELD_NAME = ?"),
        {QString::fromLatin1(table), QString::fromLatin1(column)});
    return r.next() ? QStringLiteral("%1 %2,%3 @%4").arg(r.integer(u"RDB$FIELD_TYPE")).arg(r.integer(u"RDB$FIELD_PRECISION"))
                          .arg(-r.integer(u"RDB$FIELD_SCALE")).arg(r.integer(u"RDB$FIELD_POSITION"))
                    : QString();
}

qsizetype indexOf(const QStringList& list, const QString& prefix)
{
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list.at(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    return -1;
}

} // namespace

TEST(SchemaUpgrade, NewDatabaseNeedsNothingAndPaysOneCatalogueRead)
{
    TestStation st;
    const auto before = columnsOf(st.logon());
    SchemaUpgrade u(st.logon());
    u.cleanUp();
    u.run();
    EXPECT_TRUE(u.executed().isEmpty()) << u.executed().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(u.catalogueReads(), 1);
    EXPECT_EQ(columnsOf(st.logon()), before);
}

TEST(SchemaUpgrade, OlderDatabaseReachesTheFullSchemaInOneStartInTheStationsOrder)
{
    TestStation st;
    const auto full = columnsOf(st.logon());
    useOlderDatabase(st);
    st.logon().run(QStringLiteral("INSERT INTO PRODUTOS (ID, CODIGO, NOME) VALUES (1, NULL, 'SEM CODIGO')"));
    st.logon().run(QStringLiteral("INSERT INTO PRODUTOS (ID, CODIGO, NOME) VALUES (2, '000001', 'COM CODIGO')"));
    st.logon().run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME) VALUES (NULL, 'SEM CODIGO')"));

    SchemaUpgrade u(st.logon());
    u.cleanUp();
    u.run();
    const QStringList& s = u.executed();

    // Everything the full schema has, every widening at its final width, in one start.
    const auto upgraded = columnsOf(st.logon());
    QStringList missing;
    for (const auto& [column, length] : full) {
        if (!upgraded.count(column))
            missing << column;
        else
            EXPECT_EQ(upgraded.at(column), length) << column.toStdString();
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char(' ')).toStdString();

    // The stations' order: item-key table, widenings, delivery tables with their
    // keys, generators and triggers, added columns, later tables, then what waited.
    const qsizetype acombalcao = indexOf(s, QStringLiteral("CREATE TABLE ACOMBALCAO"));
    const qsizetype firstWidening = indexOf(s, QStringLiteral("ALTER TABLE MESA ALTER NOMEP"));
    const qsizetype lastWidening = indexOf(s, QStringLiteral("ALTER TABLE ESTFIC ALTER HISTORICO"));
    const qsizetype acompdeli = indexOf(s, QStringLiteral("CREATE TABLE ACOMPDELI"));
    const qsizetype deliitem = indexOf(s, QStringLiteral("CREATE TABLE DELIITEM"));
    const qsizetype firstAdd = indexOf(s, QStringLiteral("ALTER TABLE ACOMPMESA ADD COD"));
    const qsizetype centro = indexOf(s, QStringLiteral("CREATE TABLE CENTROCUSTO"));
    const qsizetype cozinha = indexOf(s, QStringLiteral("CREATE TABLE COZINHA2"));
    const qsizetype despesa = indexOf(s, QStringLiteral("CREATE TABLE DESPESA"));
    const qsizetype excluidos = indexOf(s, QStringLiteral("CREATE TABLE EXCLUIDOS"));
    const qsizetype genero = indexOf(s, QStringLiteral("CREATE TABLE GENERO"));
    const qsizetype exclusao = indexOf(s, QStringLiteral("CREATE TABLE EXCLUSAO"));
    const qsizetype cozinhaAdd = indexOf(s, QStringLiteral("ALTER TABLE COZINHA2 ADD IDMESA"));
    const qsizetype cozinhaWide = indexOf(s, QStringLiteral("ALTER TABLE COZINHA2 ALTER PRODUTO TYPE VARCHAR(120)"));
    const qsizetype deliWide = indexOf(s, QStringLiteral("ALTER TABLE DELIITEM ALTER NOME TYPE VARCHAR(160)"));
    for (qsizetype i : {acombalcao, firstWidening, lastWidening, acompdeli, deliitem, firstAdd, centro, cozinha,
                        despesa, excluidos, genero, exclusao, cozinhaAdd, cozinhaWide, deliWide})
        ASSERT_GE(i, 0) << s.join(QLatin1Char('\n')).toStdString();
    EXPECT_LT(acombalcao, firstWidening);
    EXPECT_LT(lastWidening, acompdeli);
    EXPECT_LT(acompdeli, deliitem);
    EXPECT_LT(deliitem, firstAdd);
    EXPECT_LT(firstAdd, centro);
    EXPECT_LT(centro, cozinha);
    EXPECT_LT(cozinha, despesa);
    EXPECT_LT(despesa, excluidos);
    EXPECT_LT(excluidos, genero);
    EXPECT_LT(genero, exclusao);
    EXPECT_LT(despesa, cozinhaWide);
    EXPECT_LT(cozinhaWide, cozinhaAdd);
    EXPECT_EQ(s.at(acompdeli + 1), QStringLiteral("ALTER TABLE ACOMPDELI ADD PRIMARY KEY (ID)"));
    EXPECT_EQ(s.at(acompdeli + 2), QStringLiteral("CREATE GENERATOR ACOMPDELI"));
    EXPECT_TRUE(s.at(acompdeli + 3).startsWith(QLatin1String("CREATE TRIGGER ACOMPDELI FOR ACOMPDELI")));

    // The lookups' indexes come last, every one of them, the later tables' included.
    const qsizetype firstIndex = indexOf(s, QStringLiteral("CREATE INDEX IX_CABMESA_MESA"));
    ASSERT_GE(firstIndex, 0);
    EXPECT_LT(cozinhaAdd, firstIndex);
    for (const schema::Index& i : schema::indexes())
        EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME = ?"),
                           {QString::fromLatin1(i.name)}), 1) << i.name;

    // Null-code rows are gone, the rest stays.
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM PRODUTOS")), 1);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CLIENTES WHERE CODIGO IS NULL")), 0);

    // The triggers the upgrade made replace whatever ID the writer gives.
    st.logon().run(QStringLiteral("INSERT INTO COZINHA2 (ID, MESA) VALUES (999, '000001')"));
    EXPECT_EQ(st.count(QStringLiteral("SELECT ID FROM COZINHA2")), 1);

    // The delivery settlements come whole with their generator, the money exact.
    const qsizetype delific = indexOf(s, QStringLiteral("CREATE TABLE DELIFIC"));
    ASSERT_GE(delific, 0);
    EXPECT_EQ(s.at(delific + 1), QStringLiteral("CREATE GENERATOR DELIFIC"));
    EXPECT_EQ(st.count(QStringLiteral("SELECT f.RDB$FIELD_TYPE * 100 - f.RDB$FIELD_SCALE FROM RDB$RELATION_FIELDS r "
                                      "JOIN RDB$FIELDS f ON r.RDB$FIELD_SOURCE = f.RDB$FIELD_NAME "
                                      "WHERE r.RDB$RELATION_NAME = 'DELIFIC' AND r.RDB$FIELD_NAME = 'COMISSAO'")),
              1602);   // INT64 scaled by two decimals
    st.logon().run(QStringLiteral("INSERT INTO DELIFIC (ID, CODIGO, VALORENTREGA) VALUES (GEN_ID(DELIFIC,1), 3, 150000.01)"));
    EXPECT_EQ(decimalOf(st.logon().scalar(QStringLiteral("SELECT VALORENTREGA FROM DELIFIC"))),
              Decimal::fromCents(15000001));

    // The next start finds nothing to do.
    SchemaUpgrade again(st.logon());
    again.run();
    EXPECT_TRUE(again.executed().isEmpty()) << again.executed().join(QLatin1Char('\n')).toStdString();
}

TEST(SchemaUpgrade, WiderColumnsStayAndMissingOnesAreLeftAlone)
{
    TestStation st;
    useOlderDatabase(st, {QStringLiteral("DELIPED")});
    st.logon().run(QStringLiteral("ALTER TABLE FATURA ALTER CLIENTE TYPE VARCHAR(50)"));
    startup::bringDatabaseUpToDate(st.logon());
    const auto cols = columnsOf(st.logon());
    EXPECT_EQ(cols.at(QStringLiteral("FATURA.CLIENTE")), 50);
    EXPECT_EQ(cols.at(QStringLiteral("DELIPED.FP3")), 4);     // an existing upgrade table gets its columns
}

TEST(SchemaUpgrade, LosingACreateRaceToAnotherStationGoesOn)
{
    TestStation st;
    useOlderDatabase(st);
    // This station reads the catalogue; another one, starting at the same moment,
    // upgrades the database before this one acts on what it read.
    SchemaUpgrade mine(st.logon());
    mine.readCatalogue();
    {
        TLogon other;
        ASSERT_TRUE(other.connectTo(st.databasePath()));
        SchemaUpgrade theirs(other);
        theirs.run();
    }
    EXPECT_NO_THROW(mine.applySteps());
    // The amounts the other made exact are not converted a second time.
    EXPECT_EQ(indexOf(mine.executed(), QStringLiteral("ALTER TABLE SANGRIA DROP VALOR")), -1)
        << mine.executed().join(QLatin1Char('\n')).toStdString();
    SchemaUpgrade check(st.logon());
    check.run();
    EXPECT_TRUE(check.executed().isEmpty());
}

TEST(SchemaUpgrade, OnDemandTableIsCreatedOnce)
{
    TestStation st;
    st.logon().run(QStringLiteral("DROP TABLE EXCLUIDOS"));
    EXPECT_TRUE(SchemaUpgrade::ensureOnDemandTable(st.logon(), QStringLiteral("EXCLUIDOS")));
    EXPECT_TRUE(SchemaUpgrade::ensureOnDemandTable(st.logon(), QStringLiteral("EXCLUIDOS")));
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM EXCLUIDOS")), 0);
}

TEST(SchemaUpgrade, AmountsAndQuantitiesHeldAsFloatBecomeExactRoundedOnce)
{
    TestStation st;
    // The stations' own upgrade created CAIXA and DELIITEM with FLOAT columns, and
    // added DELIVERE.TROCO as FLOAT.
    useOlderDatabase(st, {QStringLiteral("CAIXA"), QStringLiteral("DELIITEM")});
    TLogon& l = st.logon();
    l.run(QStringLiteral("ALTER TABLE DELIVERE ADD TROCO FLOAT"));
    struct Case { const char* written; const char* exact; };
    const Case amounts[] = {
        {"1234.56", "1234.56"}, {"0.1", "0.1"}, {"131071.99", "131071.99"}, {"-35", "-35"},
        {"2.675", "2.68"},       // written with three decimals: the decimal it stands for, rounded once
        {"-10.005", "-10.01"},
        // FLOAT holds cents exactly only below 131,072: this one was stored as 150000.015625,
        // which 150000.02 stands for as well; it is rounded from what was stored
        {"150000.01", "150000.02"},
    };
    int id = 0;
    for (const Case& c : amounts) {
        ++id;
        const Decimal v = *Decimal::parseSql(QString::fromLatin1(c.written));
        l.run(QStringLiteral("INSERT INTO SANGRIA (ID, CAIXA, VALOR, DC, HISTORICO, TERMINAL) VALUES (?, 1, ?, '1', 'S', 2)"), {id, v});
        l.run(QStringLiteral("INSERT INTO CAIXA (ID, DEBITO, CREDITO) VALUES (?, ?, ?)"), {id, v, -v});
        l.run(QStringLiteral("INSERT INTO DELIVERE (ID, TROCO) VALUES (?, ?)"), {id, v});
    }
    l.run(QStringLiteral("INSERT INTO SANGRIA (ID, CAIXA) VALUES (99, 1)"));   // no amount at all
    l.run(QStringLiteral("INSERT INTO DELIITEM (ID, QUANT, VALOR) VALUES (1, ?, ?)"),
          {*Decimal::parseSql(u"0.347"), *Decimal::parseSql(u"29.9")});
    l.run(QStringLiteral("UPDATE PRODUTOS SET VGRANDE = 1"));

    SchemaUpgrade u(l);
    u.run();

    // The columns are exact, in their places.
    const auto typeOf = [&](const char* table, const char* column) { return typeIn(l, table, column); };
    EXPECT_EQ(typeOf("SANGRIA", "VALOR"), QStringLiteral("16 18,2 @2"));
    EXPECT_EQ(typeOf("CAIXA", "DEBITO"), QStringLiteral("16 18,2 @3"));
    EXPECT_EQ(typeOf("CAIXA", "CREDITO"), QStringLiteral("16 18,2 @4"));
    EXPECT_EQ(typeOf("DELIITEM", "QUANT"), QStringLiteral("16 15,3 @5"));
    EXPECT_TRUE(typeOf("DELIVERE", "TROCO").startsWith(QLatin1String("16 18,2")));
    EXPECT_TRUE(typeOf("PRODUTOS", "VGRANDE").startsWith(QLatin1String("16 18,2")));
    EXPECT_TRUE(typeOf("CLIENTES", "FIDELIDADE").startsWith(QLatin1String("10 ")));   // points stay FLOAT
    EXPECT_TRUE(typeOf("SANGRIA", "VALOR_EXATO").isEmpty());

    // Every value rounded once to the cent, the rest of each row as it was.
    id = 0;
    for (const Case& c : amounts) {
        ++id;
        SCOPED_TRACE(c.written);
        const Decimal exact = *Decimal::parseSql(QString::fromLatin1(c.exact));
        RowSet s = l.run(QStringLiteral("SELECT CAIXA, VALOR, DC, HISTORICO, TERMINAL FROM SANGRIA WHERE ID = ?"), {id});
        ASSERT_TRUE(s.next());
        EXPECT_EQ(s.decimal(u"VALOR"), exact);
        EXPECT_EQ(s.text(u"HISTORICO"), QStringLiteral("S"));
        EXPECT_EQ(s.integer(u"TERMINAL"), 2);
        EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT DEBITO FROM CAIXA WHERE ID = ?"), {id})), exact);
        EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT CREDITO FROM CAIXA WHERE ID = ?"), {id})), -exact);
        EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT TROCO FROM DELIVERE WHERE ID = ?"), {id})), exact);
    }
    EXPECT_TRUE(l.scalar(QStringLiteral("SELECT VALOR FROM SANGRIA WHERE ID = 99")).isNull());
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT QUANT FROM DELIITEM"))), *Decimal::parseSql(u"0.347"));
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT VALOR FROM DELIITEM"))), *Decimal::parseSql(u"29.9"));

    // From now on an amount reads back as written.
    l.run(QStringLiteral("UPDATE SANGRIA SET VALOR = ? WHERE ID = 7"), {*Decimal::parseSql(u"150000.01")});
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT VALOR FROM SANGRIA WHERE ID = 7"))), *Decimal::parseSql(u"150000.01"));

    // The next start finds nothing to do.
    SchemaUpgrade again(l);
    again.run();
    EXPECT_TRUE(again.executed().isEmpty()) << again.executed().join(QLatin1Char('\n')).toStdString();
}

// The unit costs an older database keeps with three places take six in place (an
// order's 0,99 with IPI 7 % is 1,0593), their values as they were; the markup
// percentage the stations added as FLOAT becomes exact.
TEST(SchemaUpgrade, UnitCostsTakeSixPlacesAndTheMarkupPercentageBecomesExact)
{
    TestStation st;
    useOlderDatabase(st);
    TLogon& l = st.logon();
    l.run(QStringLiteral("ALTER TABLE EMPRESA ADD CONTABIL FLOAT"));
    l.run(QStringLiteral("INSERT INTO EMPRESA (EMPRESA, CONTABIL) VALUES ('BAR DO ZE', 12.5)"));
    l.run(QStringLiteral("INSERT INTO PRODUTOS (ID, CODIGO, NOME, CUSTO, MEDIO, VALOR) VALUES (1, '000001', 'CERVEJA', ?, ?, ?)"),
          {*Decimal::parseSql(u"1.059"), *Decimal::parseSql(u"123456789012.345"), *Decimal::parseSql(u"8.5")});
    l.run(QStringLiteral("INSERT INTO ESTFIC (ID, CODIGO, ENTRADA, VALOR) VALUES (1, '000001', 1000, ?)"),
          {*Decimal::parseSql(u"2.725")});
    const QString custoBefore = typeIn(l, "PRODUTOS", "CUSTO");
    EXPECT_TRUE(custoBefore.startsWith(QLatin1String("16 15,3"))) << custoBefore.toStdString();

    SchemaUpgrade u(l);
    u.run();
    for (const auto& [table, column] : {std::pair{"PRODUTOS", "CUSTO"}, {"PRODUTOS", "MEDIO"}, {"ESTFIC", "VALOR"}}) {
        SCOPED_TRACE(std::string(table) + "." + column);
        EXPECT_TRUE(u.executed().contains(QStringLiteral("ALTER TABLE %1 ALTER %2 TYPE NUMERIC(18,6)")
                                              .arg(QLatin1String(table), QLatin1String(column))));
        EXPECT_TRUE(typeIn(l, table, column).startsWith(QLatin1String("16 18,6")));
    }
    EXPECT_EQ(typeIn(l, "PRODUTOS", "CUSTO").section(u'@', 1), custoBefore.section(u'@', 1));   // in its place
    EXPECT_TRUE(typeIn(l, "PRODUTOS", "VALOR").startsWith(QLatin1String("16 15,3")));          // a price keeps its three
    EXPECT_TRUE(typeIn(l, "EMPRESA", "CONTABIL").startsWith(QLatin1String("16 18,2")));
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT CUSTO FROM PRODUTOS"))), *Decimal::parseSql(u"1.059"));
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT MEDIO FROM PRODUTOS"))), *Decimal::parseSql(u"123456789012.345"));
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT VALOR FROM ESTFIC"))), *Decimal::parseSql(u"2.725"));
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT CONTABIL FROM EMPRESA"))), *Decimal::parseSql(u"12.5"));

    // From now on a unit cost reads back with its places.
    l.run(QStringLiteral("UPDATE PRODUTOS SET CUSTO = ?"), {*Decimal::parseSql(u"1.0593")});
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT CUSTO FROM PRODUTOS"))), *Decimal::parseSql(u"1.0593"));

    SchemaUpgrade again(l);
    again.run();
    EXPECT_TRUE(again.executed().isEmpty()) << again.executed().join(QLatin1Char('\n')).toStdString();
}

TEST(SchemaUpgrade, AConversionCutShortFinishesAtTheNextStart)
{
    // A start ended after the exact copy of a column was added: the next one copies,
    // drops and renames, and no value is lost.
    TestStation st;
    useOlderDatabase(st);
    TLogon& l = st.logon();
    l.run(QStringLiteral("INSERT INTO SANGRIA (ID, VALOR) VALUES (1, ?)"), {*Decimal::parseSql(u"12.34")});
    l.run(QStringLiteral("ALTER TABLE SANGRIA ADD VALOR_EXATO NUMERIC(18,2)"));
    SchemaUpgrade u(l);
    u.run();
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT VALOR FROM SANGRIA"))), *Decimal::parseSql(u"12.34"));
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = 'SANGRIA' "
                                      "AND RDB$FIELD_NAME = 'VALOR_EXATO'")), 0);
    // A copy a station that lost the race left beside the exact column goes too.
    l.run(QStringLiteral("ALTER TABLE SANGRIA ADD VALOR_EXATO NUMERIC(18,2)"));
    SchemaUpgrade next(l);
    next.run();
    EXPECT_EQ(next.executed(), QStringList{QStringLiteral("ALTER TABLE SANGRIA DROP VALOR_EXATO")});
    EXPECT_EQ(decimalOf(l.scalar(QStringLiteral("SELECT VALOR FROM SANGRIA"))), *Decimal::parseSql(u"12.34"));
}
