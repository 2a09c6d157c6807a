// The rules of the CSV export and the product import that need no database.
#include "exchange/CsvExport.h"
#include "exchange/ProductImport.h"
#include "reports/FieldText.h"

#include <gtest/gtest.h>

namespace {
QString S(const char* text) { return QString::fromUtf8(text); }
Decimal D(const char* text) { return *Decimal::parse(QString::fromUtf8(text)); }
}

TEST(CsvRules, EveryValueFollowedByASemicolonAndQuotedOnlyWhenItMustBe)
{
    struct Case { std::vector<const char*> values; const char* line; };
    const Case cases[] = {
        {{"CODIGO", "NOME"}, "CODIGO;NOME;"},
        {{"000001", "", "12,5"}, "000001;;12,5;"},
        {{"PÃO; MANTEIGA"}, "\"PÃO; MANTEIGA\";"},
        {{"COPO 12\" GRANDE"}, "\"COPO 12\"\" GRANDE\";"},
        {{"DUAS\r\nLINHAS"}, "\"DUAS\r\nLINHAS\";"},
        {{"SÓ\nLF"}, "\"SÓ\nLF\";"},
        {{"D'ÁGUA"}, "D'ÁGUA;"},
        {{"  BLANKS  "}, "  BLANKS  ;"},
    };
    for (const Case& c : cases) {
        QStringList values;
        for (const char* v : c.values)
            values << S(v);
        EXPECT_EQ(CsvExport::line(values), S(c.line));
    }
}

TEST(CsvRules, ValuesInTheirStandardTextForm)
{
    EXPECT_EQ(finance::fieldText(QVariant()), QString());
    EXPECT_EQ(finance::fieldText(QVariant(qlonglong(42))), S("42"));
    EXPECT_EQ(finance::fieldText(QVariant::fromValue(D("12,500"))), S("12,5"));
    EXPECT_EQ(finance::fieldText(QVariant::fromValue(D("12"))), S("12"));
    EXPECT_EQ(finance::fieldText(QVariant::fromValue(D("1234567,89"))), S("1234567,89"));
    EXPECT_EQ(finance::fieldText(QVariant::fromValue(D("-0,05"))), S("-0,05"));
    EXPECT_EQ(finance::fieldText(QVariant(QDate(2024, 3, 5))), S("05/03/24"));
    EXPECT_EQ(finance::fieldText(QVariant(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)))), S("05/03/24 14:07:09"));
    EXPECT_EQ(finance::fieldText(QVariant(S("texto"))), S("texto"));
}

TEST(ProductImportRules, EachOutsideRowAsTheImportWritesIt)
{
    struct Case {
        QVariant code, description, unit, price, cost;
        const char* wantCode; const char* wantName; const char* wantUnit; const char* wantPrice; const char* wantCost;
    };
    const QString name45 = S("PRODUTO COM UM NOME QUE TEM QUARENTA E CINCO!");
    ASSERT_EQ(name45.size(), 45);
    const Case cases[] = {
        {qlonglong(7), S("COCA"), S("UNID"), QVariant::fromValue(D("12,3456")), QVariant::fromValue(D("5,004")),
         "000007", "COCA", "UN", "12,35", "5"},
        {qlonglong(1234567), S("X"), S("KG"), QVariant::fromValue(D("1")), QVariant(),
         "1234567", "X", "KG", "1", "0"},
        {S("42"), name45, S("L"), QVariant::fromValue(D("0,005")), QVariant::fromValue(D("0,004")),
         "000042", "PRODUTO COM UM NOME QUE TEM QUARENTA E ", "L", "0,01", "0"},
        {QVariant::fromValue(D("8")), S("COPO D'ÁGUA"), QVariant(), QVariant(), QVariant(),
         "000008", "COPO D'ÁGUA", "", "0", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wantCode);
        const ImportedProduct p = ProductImport::productOf(c.code, c.description, c.unit, c.price, c.cost);
        EXPECT_EQ(p.code, S(c.wantCode));
        EXPECT_EQ(p.name, S(c.wantName));
        EXPECT_EQ(p.unit, S(c.wantUnit));
        EXPECT_EQ(p.price, D(c.wantPrice));
        EXPECT_EQ(p.cost, D(c.wantCost));
    }
    EXPECT_EQ(ProductImport::productOf(qlonglong(1), name45, {}, {}, {}).name.size(), 39);
}

TEST(ProductImportRules, ACodeThatIsNoWholeNumberOrTooLongOrATextTheDatabaseCannotHoldRefuses)
{
    const QVariant bad[] = {QVariant(), QVariant(S("")), QVariant(S("12A")), QVariant(S("1,5")),
                            QVariant::fromValue(D("7,5")), QVariant(S("'; drop table produtos --")),
                            QVariant(S("1e20")), QVariant(S("123456789012345678901"))};
    for (const QVariant& code : bad)
        EXPECT_THROW(ProductImport::productOf(code, S("X"), S("UN"), {}, {}), ImportRefused) << code.toString().toStdString();
    EXPECT_THROW(ProductImport::productOf(qlonglong(123456789012345LL), S("X"), S("UN"), {}, {}), ImportRefused);
    EXPECT_EQ(ProductImport::productOf(qlonglong(12345678901234LL), S("X"), S("UN"), {}, {}).code, S("12345678901234"));
    EXPECT_EQ(ProductImport::productOf(qlonglong(-5), S("X"), S("UN"), {}, {}).code, S("-000005"));
    EXPECT_THROW(ProductImport::productOf(qlonglong(1), S("COPO 🍺"), S("UN"), {}, {}), ImportRefused);
}
