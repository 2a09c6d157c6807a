// The label sheets (their geometry file, the rows of labels, the barcodes read back
// by zbarimg) and the mailing labels on a real database.
#include "CodeReading.h"
#include "TestStation.h"
#include "labels/BarcodeLabels.h"
#include "labels/MailingLabels.h"
#include "labels/UnitEtiqBar.h"
#include "platform/StationPaths.h"
#include "reports/ReportRenderer.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }
Decimal D(const char* text) { return *Decimal::parse(QString::fromUtf8(text)); }

void addProduct(TLogon& db, const QString& code, const QString& name, const char* price)
{
    db.run(S("insert into PRODUTOS (ID, CODIGO, NOME, VALOR) values (GEN_ID(PRODUTOS,1), ?, ?, ?)"),
           {code, name, D(price)});
}

// Each row of labels as "code code code code" (blank columns as "-").
QStringList labelRows(const RowSet& rows)
{
    QStringList out;
    for (int r = 0; r < rows.size(); ++r) {
        QStringList codes;
        for (int k = 1; k <= 4; ++k) {
            const QString c = textOf(rows.value(r, QStringLiteral("Cod%1").arg(k)));
            codes << (c.isEmpty() ? S("-") : c);
        }
        out << codes.join(QLatin1Char(' '));
    }
    return out;
}

} // namespace

TEST(LabelSheets, TheGeometryFileItsTwoSetsOfDefaultsAndTheAdjustmentFields)
{
    TestStation st;
    EXPECT_EQ(BarcodeLabels::geometry(), LabelGeometry{});
    EXPECT_EQ(BarcodeLabels::adjustmentFields(), (QStringList{"71", "8", "184", "360", "536", "7"}));

    // As the adjustment window writes it: six lines; lines 6 and 7 then take 22 and 6.
    BarcodeLabels::saveAdjustment({S(" 70 "), S("10"), S("190"), S("370"), S("550"), S("9")});
    EXPECT_EQ(st.readFile(S("c:\\Miltrex\\vavoz\\etiqueta1.INI")), (QStringList{"70", "10", "190", "370", "550", "9"}));
    LabelGeometry g = BarcodeLabels::geometry();
    EXPECT_EQ(g.rowHeight, 70);
    EXPECT_EQ(g.left, (std::array<int, 4>{10, 190, 370, 550}));
    EXPECT_EQ(g.topMargin, 9);
    EXPECT_EQ(g.unused, 22);
    EXPECT_EQ(g.fontSize, 6);

    // A file with fewer lines, or lines that are no whole numbers.
    st.writeFile(S("c:\\Miltrex\\vavoz\\etiqueta1.INI"), {S("80"), S("abc")});
    g = BarcodeLabels::geometry();
    EXPECT_EQ(g.rowHeight, 80);
    EXPECT_EQ(g.left, (std::array<int, 4>{30, 213, 385, 565}));
    EXPECT_EQ(g.topMargin, 11);
    EXPECT_EQ(BarcodeLabels::adjustmentFields(), (QStringList{"80", "abc", "184", "360", "536", "7"}));
}

TEST(LabelSheets, RowsOfLabelsByLabelsPerRowAndCopies)
{
    TestStation st;
    st.logon().run(S("delete from PRODUTOS"));
    for (int i = 1; i <= 6; ++i)
        addProduct(st.logon(), QStringLiteral("00000%1").arg(i), QStringLiteral("PRODUTO %1").arg(i), "4,5");
    addProduct(st.logon(), S("000100"), S("FORA DA FAIXA"), "1");
    EXPECT_EQ(BarcodeLabels::codeRange(st.logon()), std::make_pair(S("000001"), S("000100")));

    LabelOptions o;
    o.firstCode = S("000001");
    o.lastCode = S("000005");
    o.perRow = 2;
    EXPECT_EQ(labelRows(BarcodeLabels::rows(st.logon(), o)),
              (QStringList{"000001 000002 - -", "000003 000004 - -", "000005 000005 - -"}));
    o.lastCode = S("000006");
    o.perRow = 4;
    EXPECT_EQ(labelRows(BarcodeLabels::rows(st.logon(), o)),
              (QStringList{"000001 000002 000003 000004", "000005 000006 000006 000006"}));
    // "04 de cada" with three a row: four labels of each, the last row only as far as they go.
    o.lastCode = S("000002");
    o.perRow = 3;
    o.copiesChoice = 1;
    EXPECT_EQ(labelRows(BarcodeLabels::rows(st.logon(), o)),
              (QStringList{"000001 000001 000001 -", "000001 - - -", "000002 000002 000002 -", "000002 - - -"}));
    o.copiesChoice = 2;   // "08 de cada", four a row
    o.perRow = 4;
    EXPECT_EQ(BarcodeLabels::rows(st.logon(), o).size(), 4);

    // Names cut to 25, the price "0,00" or nothing.
    st.logon().run(S("update PRODUTOS set NOME = ? where CODIGO = '000001'"), {S("NOME DE PRODUTO COM MAIS DE 25 LETRAS")});
    o.copiesChoice = 0;
    o.lastCode = S("000001");
    RowSet one = BarcodeLabels::rows(st.logon(), o);
    EXPECT_EQ(textOf(one.value(0, u"Nom1")), S("NOME DE PRODUTO COM MAIS "));
    EXPECT_EQ(textOf(one.value(0, u"Cus1")), S("4,50"));
    o.withoutPrice = true;
    EXPECT_EQ(textOf(BarcodeLabels::rows(st.logon(), o).value(0, u"Cus1")), S(""));

    // A range with no product, and hostile ranges: no rows, nothing else; a
    // character no code can hold is the database's plain refusal.
    struct Range { const char* first; const char* last; int rows; };
    const Range ranges[] = {
        {"999999", "999999", 0},
        {"'; delete from produtos --", "999999", 2},   // a quote sorts before the digits: all seven
        {"ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ", "999999", 0},
        {"000002", "000001", 0},
    };
    for (const Range& r : ranges) {
        o.firstCode = S(r.first);
        o.lastCode = S(r.last);
        EXPECT_EQ(BarcodeLabels::rows(st.logon(), o).size(), r.rows) << r.first;
    }
    o.firstCode = S("🍺");
    try {
        BarcodeLabels::rows(st.logon(), o);
        ADD_FAILURE() << "an emoji was compared";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.isCharacterSetError()) << e.message().toStdString();
    }
    EXPECT_EQ(st.count(S("select count(*) from PRODUTOS")), 7);
}

TEST(LabelSheets, BarcodesReadBackAsTheirCodes)
{
    TestStation st;
    st.logon().run(S("delete from PRODUTOS"));
    addProduct(st.logon(), S("7891234567895"), S("EAN VALIDO"), "5");
    addProduct(st.logon(), S("000123"), S("CODIGO CURTO"), "7,25");
    addProduct(st.logon(), S("7891234567890"), S("DIGITO ERRADO"), "1");
    addProduct(st.logon(), S("78912345678AB"), S("TREZE COM LETRAS"), "1");
    EXPECT_FALSE(BarcodeLabels::barcodeOf(S("7891234567895")).isNull());
    EXPECT_TRUE(BarcodeLabels::barcodeOf(S("")).isNull());

    LabelOptions o;
    o.firstCode = S("000000");
    o.lastCode = S("999999999999999");
    o.company = S("RESTAURANTE DO PORTO LTDA");
    o.perRow = 1;
    const RowSet rows = BarcodeLabels::rows(st.logon(), o);
    ASSERT_EQ(rows.size(), 4);
    LabelGeometry g;
    g.rowHeight = 110;   // one label a row, well apart, so each code reads alone
    const TFormEtiqBar sheet(o, g);
    const report::Layout layout(sheet.definition(), rows);
    ASSERT_EQ(layout.pageCount(), 1);
    const QImage page = report::pageImage(layout, 0, 12.0);
    EXPECT_EQ(zbarCodes(page), (QStringList{S("CODE-39:000123"), S("CODE-39:7891234567890"),
                                            S("CODE-39:78912345678AB"), S("EAN-13:7891234567895")}));
    EXPECT_EQ(layout.itemText(sheet.definition().detail.items.at(0), layout.page(0).first), S("RESTAURANTE DO PORTO"));
}

TEST(MailingLabels, FiltersByBirthMonthOrCodeAndTheSettingsFile)
{
    TestStation st;
    TLogon& db = st.logon();
    db.run(S("delete from CLIENTES"));
    auto customer = [&](int code, const QString& name, QVariant birth) {
        db.run(S("insert into CLIENTES (ID, CODIGO, NOME, ENDERECO, CIDADE, ESTADO, CEP, NASC) "
                 "values (?, ?, ?, 'RUA DAS FLORES, 1234, APARTAMENTO 56', 'SÃO JOSÉ DOS CAMPOS', 'SP', '12200-000', ?)"),
               {code, code, name, birth});
    };
    customer(1, S("ZÉLIA NATAL"), QDate(1970, 12, 25));
    customer(2, S("ANA DEZEMBRO"), QDate(1990, 12, 1));
    customer(3, S("BRUNO MARÇO"), QDate(1985, 3, 7));
    customer(4, S("SEM NASCIMENTO"), QVariant());
    customer(5, S("   "), QDate(1980, 12, 2));

    auto names = [](const RowSet& rows) {
        QStringList n;
        for (int r = 0; r < rows.size(); ++r)
            n << textOf(rows.value(r, u"Nome"));
        return n;
    };
    EXPECT_EQ(names(MailingLabels::labels(db, MailingLabels::Filter::All, 0)),
              (QStringList{S("ANA DEZEMBRO"), S("BRUNO MARÇO"), S("SEM NASCIMENTO"), S("ZÉLIA NATAL")}));
    EXPECT_EQ(names(MailingLabels::labels(db, MailingLabels::Filter::BirthMonth, 12)),
              (QStringList{S("ANA DEZEMBRO"), S("ZÉLIA NATAL")}));
    EXPECT_EQ(names(MailingLabels::labels(db, MailingLabels::Filter::Code, 3)), QStringList{S("BRUNO MARÇO")});
    EXPECT_TRUE(MailingLabels::labels(db, MailingLabels::Filter::Code, 999).isEmpty());
    EXPECT_TRUE(MailingLabels::labels(db, MailingLabels::Filter::BirthMonth, 0).isEmpty());
    const RowSet one = MailingLabels::labels(db, MailingLabels::Filter::Code, 1);
    EXPECT_EQ(textOf(one.value(0, u"Historico")), S("RUA DAS FLORES, 1234, APA"));
    EXPECT_EQ(textOf(one.value(0, u"Classe")), S("SÃO JOSÉ DOS CA"));
    EXPECT_EQ(textOf(one.value(0, u"Unidade")), S("SP"));
    EXPECT_EQ(textOf(one.value(0, u"Duplicata")), S("12200-000"));

    // The file: as typed, and read back line by line with the defaults for what is missing.
    EXPECT_EQ(MailingLabels::settings().height, S("95"));
    MailingLabels::saveSettings(S(" abc "), S("12"));
    EXPECT_EQ(st.readFile(S("c:\\Miltrex\\Velro\\etiqueta3.INI")), (QStringList{"abc", "12"}));
    EXPECT_EQ(MailingLabels::settings().height, S("abc"));
    EXPECT_EQ(MailingLabels::settings().margin, S("12"));
    st.writeFile(S("c:\\Miltrex\\Velro\\etiqueta3.INI"), {S("80")});
    EXPECT_EQ(MailingLabels::settings().height, S("80"));
    EXPECT_EQ(MailingLabels::settings().margin, S("7"));
}
