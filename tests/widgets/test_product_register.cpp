// The product register on a real database: codes, the first save and its initial
// stock, refusals that keep the user's edits, pictures, delete, hostile input.
#include "WidgetSteps.h"
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowAnswers.h"
#include "registers/ProductRules.h"
#include "registers/PickList.h"
#include "registers/RegisterSql.h"
#include "registers/UnitKitItens.h"
#include "registers/UnitProd.h"
#include "platform/StationPaths.h"
#include "platform/Style.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {


// Types a code and leaves the box, as a user does.
void enterCode(TFormProd& w, const QString& code)
{
    QLineEdit* box = edit(w, "codeEdit");
    box->setText(code);
    w.codeLeft();
}

void typeInto(QWidget& w, const char* name, const QString& text)
{
    QLineEdit* e = edit(w, name);
    e->clear();
    e->setText(text);
    emit e->textEdited(e->text());
}

// The stored value as text; numbers as their exact value ("3.000" reads "3").
QString productValue(TestStation& st, const char* column, const QString& code)
{
    const QVariant v = st.scalar(QStringLiteral("SELECT %1 FROM PRODUTOS WHERE CODIGO = ?").arg(QLatin1String(column)), {code});
    if (v.metaType() == QMetaType::fromType<Decimal>())
        return decimalOf(v).toString();
    return v.toString().trimmed();
}

} // namespace

TEST(ProductRegister, NewCodeIsRegisteredAndTheFirstSaveAsksForTheInitialStock)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addGroup(st.logon(), 3, QStringLiteral("BEBIDAS"));
    TFormProd w(st.logon());
    d.answerMessages({QStringLiteral("S")});
    enterCode(w, QStringLiteral("42"));
    ASSERT_EQ(d.messageTexts(), QStringList{product::text::notFoundRegister});
    EXPECT_EQ(edit(w, "codeEdit")->text(), QStringLiteral("000042"));
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM PRODUTOS WHERE CODIGO = '000042' AND COMPOSICAO = 'N'")), 1);

    typeInto(w, "nameEdit", QStringLiteral("Guaraná lata"));
    typeInto(w, "priceEdit", QStringLiteral("6,50"));
    typeInto(w, "costEdit", QStringLiteral("2.75"));      // a typed point becomes a comma
    EXPECT_EQ(edit(w, "costEdit")->text(), QStringLiteral("2,75"));
    typeInto(w, "kitchenEdit", QStringLiteral("2"));
    typeInto(w, "unitEdit", QStringLiteral("LATA"));
    w.findChild<QCheckBox*>(QStringLiteral("keepApartCheck"))->setChecked(true);
    w.findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
    EXPECT_TRUE(d.errors.isEmpty()) << d.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(productValue(st, "NOME", QStringLiteral("000042")), QStringLiteral("GUARANA LATA"));
    EXPECT_EQ(productValue(st, "UNIDADE", QStringLiteral("000042")), QStringLiteral("LA"));
    EXPECT_EQ(productValue(st, "CLAS", QStringLiteral("000042")), QStringLiteral("2"));
    EXPECT_EQ(productValue(st, "JUNTAR", QStringLiteral("000042")), QStringLiteral("S"));
    EXPECT_EQ(productValue(st, "CUSTO", QStringLiteral("000042")), QStringLiteral("2.75"));
    EXPECT_EQ(productValue(st, "VALOR", QStringLiteral("000042")), QStringLiteral("6.5"));
    ASSERT_TRUE(w.initialStockAsked());
    EXPECT_EQ(edit(w, "initialStockEdit")->text(), QStringLiteral("0"));

    typeInto(w, "initialStockEdit", QStringLiteral("doze"));
    w.confirmInitialStock();
    EXPECT_EQ(d.messageTexts().last(), product::text::initialStockNotNumber);
    EXPECT_TRUE(w.initialStockAsked());
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM ESTFIC")), 0);

    typeInto(w, "initialStockEdit", QStringLiteral("12.5"));
    w.confirmInitialStock();
    EXPECT_FALSE(w.initialStockAsked());
    registers::Rows rows = registers::run(st.logon(), QStringLiteral("SELECT CODIGO, HISTORICO, ENTRADA, DATA FROM ESTFIC"));
    ASSERT_EQ(rows.size(), 1);
    rows.next();
    EXPECT_EQ(rows.text(u"HISTORICO"), QStringLiteral("Estoque Inicial"));
    EXPECT_EQ(rows.decimal(u"ENTRADA"), Decimal::fromThousandths(12500));
    EXPECT_EQ(rows.date(u"DATA"), QDate::currentDate());
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("stockLabel"))->text(), QStringLiteral("12,5"));

    // A second save does not ask again.
    w.save();
    EXPECT_FALSE(w.initialStockAsked());
}

TEST(ProductRegister, BadCodesAreRefusedWithTheirMessages)
{
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000007"), QStringLiteral("AGUA"), Decimal(3));
    TFormProd w(st.logon());
    enterCode(w, QStringLiteral("PRATO1"));
    enterCode(w, QStringLiteral("0"));
    d.answerMessages({QStringLiteral("N")});
    enterCode(w, QStringLiteral("PRA"));
    EXPECT_EQ(d.messageTexts(), (QStringList{product::text::reservedWord, product::text::codeRefused,
                                             product::text::notFoundRegister}));
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM PRODUTOS")), 1);
    enterCode(w, QStringLiteral("7"));
    EXPECT_EQ(w.shownCode(), QStringLiteral("000007"));
    EXPECT_EQ(edit(w, "nameEdit")->text(), QStringLiteral("AGUA"));
}

TEST(ProductRegister, NewProposesTheNextCodeOrNothing)
{
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000041"), QStringLiteral("A"), Decimal(1));
    {
        TFormProd w(st.logon());
        w.newProduct();
        EXPECT_EQ(edit(w, "codeEdit")->text(), QStringLiteral("000042"));
    }
    st.addProduct(QStringLiteral("ABC"), QStringLiteral("B"), Decimal(1));
    TFormProd w(st.logon());
    w.newProduct();
    EXPECT_EQ(edit(w, "codeEdit")->text(), QString());
}

TEST(ProductRegister, ACostWithMorePlacesShowsAndSavesWhole)
{
    // An entry invoice keeps a unit cost to the places it needs (1.000 x 0,99 with
    // 7 % IPI: 1,0593). Opening the product and saving its name keeps that cost.
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000001"), QStringLiteral("CERVEJA"), Decimal(5));
    registers::run(st.logon(), QStringLiteral("UPDATE PRODUTOS SET CUSTO = 1.0593 WHERE CODIGO = '000001'"));
    st.addProduct(QStringLiteral("000002"), QStringLiteral("AGUA"), Decimal(3));
    registers::run(st.logon(), QStringLiteral("UPDATE PRODUTOS SET CUSTO = 2.5 WHERE CODIGO = '000002'"));
    TFormProd w(st.logon());
    enterCode(w, QStringLiteral("1"));
    EXPECT_EQ(edit(w, "costEdit")->text(), QStringLiteral("1,0593"));
    typeInto(w, "nameEdit", QStringLiteral("CERVEJA LATA"));
    w.save();
    EXPECT_TRUE(d.errors.isEmpty()) << d.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(productValue(st, "NOME", QStringLiteral("000001")), QStringLiteral("CERVEJA LATA"));
    EXPECT_EQ(productValue(st, "CUSTO", QStringLiteral("000001")), QStringLiteral("1.0593"));
    enterCode(w, QStringLiteral("2"));
    EXPECT_EQ(edit(w, "costEdit")->text(), QStringLiteral("2,50"));
}

TEST(ProductRegister, ARefusedSaveShowsTheDatabaseMessageAndKeepsTheEdits)
{
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000001"), QStringLiteral("AGUA"), Decimal(3));
    TFormProd w(st.logon());
    enterCode(w, QStringLiteral("1"));
    typeInto(w, "nameEdit", QStringLiteral("AGUA COM GAS"));
    typeInto(w, "sizeLabelEdit1", QStringLiteral("Broto 😀"));   // the database cannot store it
    w.save();
    EXPECT_EQ(d.messageTexts(), QStringList{characterSetMessage()});
    EXPECT_EQ(edit(w, "nameEdit")->text(), QStringLiteral("AGUA COM GAS"));
    // One action: neither the product nor any label was written.
    EXPECT_EQ(productValue(st, "NOME", QStringLiteral("000001")), QStringLiteral("AGUA"));
    EXPECT_FALSE(w.initialStockAsked());
}

TEST(ProductRegister, HostileValuesInEveryEntryField)
{
    struct Case { const char* field; QString typed; const char* column; QString stored; bool refused; };
    const QString sql = QStringLiteral("'; DELETE FROM PRODUTOS; --");
    const Case cases[] = {
        {"nameEdit", QStringLiteral("D'AGUA \"GELADA\""), "NOME", QStringLiteral("D.AGUA \"GELADA\""), false},
        {"nameEdit", sql, "NOME", QStringLiteral(".; DELETE FROM PRODUTOS; --"), false},
        {"nameEdit", QString(200, QLatin1Char('N')), "NOME", QString(40, QLatin1Char('N')), false},
        {"nameEdit", QStringLiteral("SUCO 😀"), "NOME", QStringLiteral("AGUA"), true},
        {"unitEdit", sql, "UNIDADE", QStringLiteral("';"), false},          // two characters typed at most
        {"locationEdit", QString(200, QLatin1Char('L')), "LOCACAO", QStringLiteral("LLLLL"), false},
        {"kitFlagEdit", QStringLiteral("😀"), "COMPOSICAO", QString(), true},
        {"priceEdit", QStringLiteral("abc"), "VALOR", QStringLiteral("3"), false},
        {"priceEdit", QStringLiteral("99999999999999"), "VALOR", QStringLiteral("3"), true},
        {"priceEdit", QStringLiteral("1e20"), "VALOR", QStringLiteral("3"), false},   // no exponents: as "abc"
        {"priceEdit", QStringLiteral("-4"), "VALOR", QStringLiteral("3"), true},
        {"costEdit", sql, "CUSTO", QString(), false},
        {"minimumEdit", QStringLiteral("-1"), "MINIMO", QString(), true},
        {"promotionEdit", QStringLiteral("99999999999999"), "CUBAGEM", QString(), true},
        {"kitchenEdit", QStringLiteral("9"), "CLAS", QStringLiteral("0"), true},
        {"kitchenEdit", QStringLiteral("x"), "CLAS", QStringLiteral("0"), false},
        {"sizePriceEdit5", QStringLiteral("-2"), "PESO", QString(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = " + c.typed.toStdString());
        TestStation st;
        ScriptedDialogs d;
        st.addProduct(QStringLiteral("000001"), QStringLiteral("AGUA"), Decimal(3));
        st.addProduct(QStringLiteral("000002"), QStringLiteral("OUTRO"), Decimal(5));
        TFormProd w(st.logon());
        enterCode(w, QStringLiteral("1"));
        typeInto(w, c.field, c.typed);
        w.save();
        EXPECT_EQ(!d.errors.isEmpty() || !d.messages.empty(), c.refused) << d.errors.join(QLatin1Char('|')).toStdString();
        if (c.refused) {   // the user's edit stays in the field
            EXPECT_EQ(edit(w, c.field)->text(), c.typed.left(edit(w, c.field)->maxLength()));
        }
        EXPECT_EQ(productValue(st, c.column, QStringLiteral("000001")), c.stored);
        EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM PRODUTOS")), 2);
        EXPECT_EQ(productValue(st, "NOME", QStringLiteral("000002")), QStringLiteral("OUTRO"));
    }
}

TEST(ProductRegister, HostileCodesNeverReachTheTable)
{
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000001"), QStringLiteral("AGUA"), Decimal(3));
    TFormProd w(st.logon());
    for (const QString& code : {QStringLiteral("'; DELETE FROM PRODUTOS; --"), QStringLiteral("\"X\""),
                                QStringLiteral("😀"), QString(200, QLatin1Char('9')), QStringLiteral("-5")}) {
        d.answerMessages({QStringLiteral("N")});
        enterCode(w, code);
    }
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM PRODUTOS")), 1);
}

TEST(ProductRegister, PictureIsReplacedOnlyByOneThatLoaded)
{
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000005"), QStringLiteral("PIZZA"), Decimal(30));
    TFormProd w(st.logon());
    enterCode(w, QStringLiteral("5"));
    const QString target = station::path(u"c:\\Miltrex\\vavoz\\imagens\\000005.jpg");

    struct Case { QSize size; const char* format; QSize stored; };
    const Case cases[] = {{{800, 600}, "JPG", {62, 47}}, {{470, 470}, "PNG", {47, 47}}, {{30, 20}, "PNG", {30, 47}}};
    for (const Case& c : cases) {
        QImage picture(c.size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QString file = st.root() + QStringLiteral("/escolhida.") + QString::fromLatin1(c.format).toLower();
        ASSERT_TRUE(picture.save(file, c.format));
        d.answerFileDialog(file);
        w.changePicture();
        EXPECT_EQ(QImage(target).size(), c.stored);
    }
    // A file that is no picture leaves the one there in place.
    const QString broken = st.root() + QStringLiteral("/quebrada.png");
    ASSERT_NO_FATAL_FAILURE(answerWithBrokenPicture(d, broken));
    w.changePicture();
    EXPECT_EQ(d.errors.size(), 1);
    EXPECT_EQ(QImage(target).size(), QSize(30, 47));
}

TEST(ProductRegister, DeleteTakesTheStockRowsAndLeaveDropsEmptyCodes)
{
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000001"), QStringLiteral("AGUA"), Decimal(3));
    st.addProduct(QStringLiteral("000002"), QStringLiteral("BOLO"), Decimal(3));
    registers::run(st.logon(), QStringLiteral("INSERT INTO PRODUTOS (ID, CODIGO, NOME) VALUES (GEN_ID(PRODUTOS,1), '', 'SEM CODIGO')"));
    registers::run(st.logon(), QStringLiteral("INSERT INTO ESTFIC (CODIGO, ENTRADA) VALUES ('000001', 5)"));
    TFormProd w(st.logon());
    enterCode(w, QStringLiteral("1"));
    d.answerMessages({QStringLiteral("S")});
    w.removeProduct();
    EXPECT_EQ(d.messageTexts().last(), product::text::confirmDelete);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM PRODUTOS WHERE CODIGO = '000001'")), 0);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM ESTFIC")), 0);
    w.leave();
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM PRODUTOS")), 1);
}

TEST(ProductRegister, AccompanimentsAndThePizzaOption)
{
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000003"), QStringLiteral("LANCHE"), Decimal(9));
    TFormProd w(st.logon());
    enterCode(w, QStringLiteral("3"));
    for (const QString& t : {QStringLiteral("  queijo  "), QStringLiteral("   "), QStringLiteral("ovo 😀"),
                             QStringLiteral("'; DELETE FROM ACOMPANHA; --")}) {
        edit(w, "accompanimentEdit")->setText(t);
        w.addAccompaniment();
    }
    EXPECT_EQ(d.messageTexts(), QStringList{characterSetMessage()});
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM ACOMPANHA WHERE CODIGO = '000003'")), 2);
    auto* list = w.findChild<PickList*>(QStringLiteral("accompanimentList"));
    ASSERT_EQ(list->count(), 2);
    list->setCurrentRowIndex(0);
    w.removeAccompaniment();
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM ACOMPANHA")), 1);

    auto* pizza = w.findChild<QCheckBox*>(QStringLiteral("pizzaOptionCheck"));
    pizza->click();
    const bool on = pizza->isChecked();
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT VENDA FROM EMPRESA")).toInt(), on ? 0 : 1);
    EXPECT_EQ(w.findChild<QGroupBox*>(QStringLiteral("sizeTable"))->isHidden(), !on);
}

TEST(KitWindow, ComponentsCostAndRefusals)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addProduct(st.logon(), QStringLiteral("000010"), QStringLiteral("COMBO"), Decimal(20), Decimal(), true);
    seeds::addProduct(st.logon(), QStringLiteral("000011"), QStringLiteral("OUTRO COMBO"), Decimal(20), Decimal(), true);
    seeds::addProduct(st.logon(), QStringLiteral("000001"), QStringLiteral("PAO"), Decimal(2), Decimal::fromCents(150));
    seeds::addProduct(st.logon(), QStringLiteral("000007"), QStringLiteral("CARNE"), Decimal(9), Decimal(4));
    TFormKitItens w(st.logon());
    w.setKit(QStringLiteral("000010"), QStringLiteral("COMBO"), QStringLiteral("20,00"));

    auto add = [&](const QString& code, const QString& qty) {
        w.newComponent();
        edit(w, "componentCodeEdit")->setText(code);
        w.componentLeft();
        edit(w, "quantityEdit")->setText(qty);
        w.confirm();
    };
    add(QStringLiteral("1"), QStringLiteral("2"));
    add(QStringLiteral("7"), QStringLiteral("1"));
    EXPECT_EQ(w.costText(), QStringLiteral("7,00"));
    add(QStringLiteral("99"), QStringLiteral("1"));       // unknown
    add(QStringLiteral("11"), QStringLiteral("1"));       // a kit
    add(QStringLiteral("1"), QStringLiteral("-3"));       // negative
    add(QStringLiteral("1"), QStringLiteral("99999999999999"));   // too large
    add(QString(), QStringLiteral("1"));                  // nothing
    add(QStringLiteral("7"), QStringLiteral("abc"));      // not a number: quantity 0
    EXPECT_EQ(d.messageTexts(), (QStringList{kit::text::notFound, kit::text::kitAsComponent,
                                             kit::text::badQuantity, kit::text::badQuantity}));
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM KITPROD WHERE CODIGO = '000010'")), 3);
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM KITPROD WHERE QUANT = 0")), 1);
    EXPECT_EQ(w.costText(), QStringLiteral("7,00"));

    // A deleted component shows no name and counts nothing.
    registers::run(st.logon(), QStringLiteral("DELETE FROM PRODUTOS WHERE CODIGO = '000007'"));
    w.setKit(QStringLiteral("000010"), QStringLiteral("COMBO"), QStringLiteral("20,00"));
    EXPECT_EQ(w.costText(), QStringLiteral("3,00"));
}

TEST(KitWindow, TheLookupFillsTheComponent)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addProduct(st.logon(), QStringLiteral("000010"), QStringLiteral("COMBO"), Decimal(20), Decimal(), true);
    seeds::addProduct(st.logon(), QStringLiteral("000001"), QStringLiteral("PAO"), Decimal(2), Decimal(1));
    TFormKitItens w(st.logon());
    w.setKit(QStringLiteral("000010"), QStringLiteral("COMBO"), QStringLiteral("20,00"));
    w.newComponent();
    d.onWindow(QStringLiteral("TFormLcPro"), [](QDialog& lookup) {
        QTest::keyClicks(lookup.findChild<QLineEdit*>(QStringLiteral("searchEdit")), QStringLiteral("PA"));
        return int(QDialog::Accepted);
    });
    w.lookUp();
    EXPECT_EQ(edit(w, "componentCodeEdit")->text(), QStringLiteral("000001"));
    EXPECT_EQ(edit(w, "componentNameEdit")->text(), QStringLiteral("PAO"));
}

TEST(ProductRegister, InitialStockRefusesWhatIsNoQuantity)
{
    const QStringList hostile{QStringLiteral("doze"), QStringLiteral("-5"), QStringLiteral("1e20"),
                              QStringLiteral("'; DELETE FROM ESTFIC; --"), QStringLiteral("😀"), QString()};
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000001"), QStringLiteral("AGUA"), Decimal(3));
    TFormProd w(st.logon());
    enterCode(w, QStringLiteral("1"));
    w.save();
    ASSERT_TRUE(w.initialStockAsked());
    for (const QString& t : hostile) {
        edit(w, "initialStockEdit")->setText(t);
        w.confirmInitialStock();
        EXPECT_TRUE(w.initialStockAsked()) << t.toStdString();
    }
    EXPECT_EQ(d.messageTexts(), QStringList(qsizetype(hostile.size()), product::text::initialStockNotNumber));
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM ESTFIC")), 0);
}

TEST(ProductRegister, SizeLabelsRepeatTheLastAndSaveOnlyTheRowsThatExist)
{
    TestStation st;
    ScriptedDialogs d;
    registers::run(st.logon(), QStringLiteral("DELETE FROM MOEDA"));
    registers::run(st.logon(), QStringLiteral("INSERT INTO MOEDA (MOEDA, LOCAL) VALUES (1, 'BROTO')"));
    registers::run(st.logon(), QStringLiteral("INSERT INTO MOEDA (MOEDA, LOCAL) VALUES (2, 'MEDIA')"));
    st.addProduct(QStringLiteral("000001"), QStringLiteral("PIZZA"), Decimal(30));
    TFormProd w(st.logon());
    EXPECT_EQ(edit(w, "sizeLabelEdit5")->text(), QStringLiteral("MEDIA"));
    enterCode(w, QStringLiteral("1"));
    typeInto(w, "sizeLabelEdit1", QStringLiteral("PEQUENA"));
    typeInto(w, "sizePriceEdit1", QStringLiteral("25,00"));
    typeInto(w, "sizePriceEdit2", QStringLiteral("32,00"));     // row 2 is the sale price
    EXPECT_EQ(edit(w, "priceEdit")->text(), QStringLiteral("32,00"));
    w.save();
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM MOEDA")), 2);
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT LOCAL FROM MOEDA WHERE MOEDA = 1")).toString(), QStringLiteral("PEQUENA"));
    EXPECT_EQ(productValue(st, "VFAMILIA", QStringLiteral("000001")), QStringLiteral("25"));
    EXPECT_EQ(productValue(st, "VALOR", QStringLiteral("000001")), QStringLiteral("32"));
}

TEST(ProductRegister, SearchByNameShowsTheFirstOfThatNameAndCompositionOpensTheKit)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addProduct(st.logon(), QStringLiteral("000009"), QStringLiteral("COMBO"), Decimal(20), Decimal(), true);
    seeds::addProduct(st.logon(), QStringLiteral("000004"), QStringLiteral("COMBO"), Decimal(20), Decimal(), true);
    seeds::addProduct(st.logon(), QStringLiteral("000001"), QStringLiteral("AGUA"), Decimal(2));
    TFormProd w(st.logon());
    EXPECT_EQ(w.shownCode(), QStringLiteral("000001"));          // first by name
    EXPECT_FALSE(w.findChild<QPushButton*>(QStringLiteral("compositionButton"))->isEnabled());
    w.searchByName();
    QTest::keyClicks(edit(w, "searchEdit"), QStringLiteral("comb"));
    auto* results = w.findChild<PickList*>(QStringLiteral("searchList"));
    ASSERT_EQ(results->count(), 2);
    results->setCurrentRowIndex(1);
    QTest::keyClick(results, Qt::Key_Return);
    EXPECT_EQ(w.shownCode(), QStringLiteral("000004"));
    EXPECT_TRUE(w.findChild<QGroupBox*>(QStringLiteral("searchBox"))->isHidden());

    QStringList labels;
    d.onWindow(QStringLiteral("TFormKitItens"), [&](QDialog& kit) {
        for (const char* l : {"Label1", "Label2", "Label3"})
            labels << kit.findChild<QLabel*>(QString::fromLatin1(l))->text();
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(w.findChild<QPushButton*>(QStringLiteral("compositionButton"))->isEnabled());
    w.findChild<QPushButton*>(QStringLiteral("compositionButton"))->click();
    EXPECT_EQ(labels, (QStringList{QStringLiteral("000004"), QStringLiteral("COMBO"), QStringLiteral("20,00")}));
}

TEST(KitWindow, HostileCodesAndARefusedInsert)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addProduct(st.logon(), QStringLiteral("000001"), QStringLiteral("PAO"), Decimal(2), Decimal(1));
    seeds::addProduct(st.logon(), QStringLiteral("ABCDEFGHIJKL"), QStringLiteral("KIT LONGO"), Decimal(9), Decimal(), true);
    TFormKitItens w(st.logon());
    w.setKit(QStringLiteral("000010"), QStringLiteral("COMBO"), QStringLiteral("20,00"));
    for (const QString& code : {QStringLiteral("'; DELETE FROM KITPROD; --"), QStringLiteral("😀"), QStringLiteral("\"1\""),
                                QString(200, QLatin1Char('1'))}) {
        w.newComponent();
        edit(w, "componentCodeEdit")->setText(code);
        w.componentLeft();
        edit(w, "quantityEdit")->setText(QStringLiteral("1"));
        w.confirm();
    }
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM KITPROD")), 0);
    EXPECT_EQ(d.messageTexts(), QStringList(4, kit::text::notFound)) << d.messageTexts().join(QLatin1Char('|')).toStdString();

    // A kit code longer than KITPROD holds: the database's refusal is shown, nothing written.
    w.setKit(QStringLiteral("ABCDEFGHIJKL"), QStringLiteral("KIT LONGO"), QStringLiteral("9,00"));
    w.newComponent();
    edit(w, "componentCodeEdit")->setText(QStringLiteral("1"));
    w.componentLeft();
    w.confirm();
    EXPECT_EQ(d.errors.size(), 1) << d.errors.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM KITPROD")), 0);
}

TEST(ProductRegister, SavingACodeThatIsNoProductWritesNothingAndAsksNothing)
{
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000001"), QStringLiteral("AGUA"), Decimal(3));
    TFormProd w(st.logon());
    d.answerMessages({QStringLiteral("N")});
    enterCode(w, QStringLiteral("77"));          // not registered, and the user said Não
    typeInto(w, "nameEdit", QStringLiteral("OUTRO"));
    w.save();
    EXPECT_EQ(d.messageTexts().last(), product::text::nothingSaved);
    EXPECT_FALSE(w.initialStockAsked());
    EXPECT_EQ(productValue(st, "NOME", QStringLiteral("000001")), QStringLiteral("AGUA"));
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM ESTFIC")), 0);
}

TEST(ProductRegister, MovingInTheListKeepsWhatWasTyped)
{
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000001"), QStringLiteral("AGUA"), Decimal(3));
    st.addProduct(QStringLiteral("000002"), QStringLiteral("BOLO"), Decimal(3));
    TFormProd w(st.logon());
    w.show();
    enterCode(w, QStringLiteral("1"));
    typeInto(w, "nameEdit", QStringLiteral("AGUA MINERAL"));
    auto* list = w.findChild<PickList*>(QStringLiteral("productList"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(w.shownCode(), QStringLiteral("000002"));
    EXPECT_EQ(productValue(st, "NOME", QStringLiteral("000001")), QStringLiteral("AGUA MINERAL"));
}

TEST(ProductRegister, ASaveAnotherStationHoldsUpShowsTheDatabaseMessageAndKeepsTheEdits)
{
    TestStation st;
    ScriptedDialogs d;
    st.addProduct(QStringLiteral("000001"), QStringLiteral("AGUA"), Decimal(3));
    st.logon().setLockTimeout(1);
    TFormProd w(st.logon());
    enterCode(w, QStringLiteral("1"));
    typeInto(w, "nameEdit", QStringLiteral("AGUA TONICA"));
    typeInto(w, "priceEdit", QStringLiteral("4,50"));

    TLogon otherStation;
    ASSERT_TRUE(otherStation.connectTo(st.databasePath())) << otherStation.lastError().toStdString();
    otherStation.action([&] {
        otherStation.run(QStringLiteral("UPDATE PRODUTOS SET CUSTO = 1 WHERE CODIGO = '000001'"));
        w.save();   // waits for the row the other station holds, then gives up
    });
    ASSERT_EQ(d.errors.size(), 1);
    EXPECT_FALSE(d.errors.first().isEmpty());
    EXPECT_EQ(edit(w, "nameEdit")->text(), QStringLiteral("AGUA TONICA"));
    EXPECT_EQ(edit(w, "priceEdit")->text(), QStringLiteral("4,50"));
    EXPECT_FALSE(w.initialStockAsked());
    EXPECT_EQ(productValue(st, "NOME", QStringLiteral("000001")), QStringLiteral("AGUA"));
    // Saved again once the other station let go.
    w.save();
    EXPECT_EQ(productValue(st, "NOME", QStringLiteral("000001")), QStringLiteral("AGUA TONICA"));
}

// The component's name shows whole, from its beginning, on a window as it opens:
// a product name of 30 letters fits the field.
TEST(KitWindow, TheComponentsNameShowsWhole)
{
    const QString sheet = qApp->styleSheet();
    applyProgramStyle(*qApp);
    {
        TestStation st;
        ScriptedDialogs d;
        seeds::addProduct(st.logon(), QStringLiteral("000010"), QStringLiteral("COMBO"), Decimal(20), Decimal(), true);
        seeds::addProduct(st.logon(), QStringLiteral("000001"), QStringLiteral("PICANHA KG"), Decimal(90), Decimal(60));
        seeds::addProduct(st.logon(), QStringLiteral("000002"), QStringLiteral("FILE MIGNON AO MOLHO MADEIRA G"), Decimal(90), Decimal(60));
        TFormKitItens w(st.logon());
        w.setKit(QStringLiteral("000010"), QStringLiteral("COMBO"), QStringLiteral("20,00"));
        w.show();
        QCoreApplication::processEvents();
        QLineEdit* name = edit(w, "componentNameEdit");
        for (const char* code : {"1", "2"}) {
            w.newComponent();
            edit(w, "componentCodeEdit")->setText(QString::fromLatin1(code));
            ASSERT_TRUE(w.componentLeft());
            EXPECT_EQ(name->cursorPosition(), 0);
            const int textRoom = name->width() - 2 * 6;   // the frame and the text margins
            EXPECT_LE(name->fontMetrics().horizontalAdvance(name->text()), textRoom) << name->text().toStdString();
        }
        EXPECT_LE(w.width(), 1366);
    }
    qApp->setStyleSheet(sheet);
}
