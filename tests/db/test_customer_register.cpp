// The customer register: codes typed over a customer or a new row, saving,
// deleting, the walk-in customer, and the photo.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "platform/StationPaths.h"
#include "registers/CustomerRegister.h"
#include "registers/RegisterCommon.h"
#include "registers/UnitCliente.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

Customer withCode(CustomerRegister& reg, const QString& code)
{
    Customer c = reg.shown();
    c.values[QStringLiteral("CODIGO")] = code;
    return c;
}

struct Fixture : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    void SetUp() override
    {
        for (int code = 2; code <= 41; ++code)
            seeds::addCustomer(st.logon(), code, QStringLiteral("CLIENTE %1").arg(code));
    }
    int customers(int code) { return st.count(QStringLiteral("select count(*) from CLIENTES where CODIGO = ?"), {code}); }
};

using CustomerRegisterTest = Fixture;

} // namespace

TEST_F(CustomerRegisterTest, NewProposesTheLastCodePlusOneAndSavesWithItsOwnId)
{
    CustomerRegister reg(st.logon());
    reg.open();
    EXPECT_EQ(reg.shown().value("CODIGO"), QStringLiteral("1"));
    reg.beginNew();
    EXPECT_EQ(reg.mode(), CustomerRegister::Mode::Insert);
    EXPECT_EQ(reg.shown().value("CODIGO"), QStringLiteral("42"));

    d.answerMessages({QStringLiteral("S")});
    Customer typed = reg.shown();
    typed.values[QStringLiteral("NOME")] = QStringLiteral("D'ÁVILA BAR");
    EXPECT_EQ(reg.codeLeft(QStringLiteral("42"), typed), QStringLiteral("000042"));
    EXPECT_EQ(d.messageTexts(), QStringList{customerText::notFoundRegister});
    typed = reg.shown();
    typed.values[QStringLiteral("LIMITE")] = QStringLiteral("1500,50");
    typed.values[QStringLiteral("NASC")] = QStringLiteral("05/03/1980");
    reg.save(typed);
    EXPECT_EQ(customers(42), 1);
    EXPECT_EQ(st.scalar(QStringLiteral("select NOME from CLIENTES where CODIGO = 42")).toString(), QStringLiteral("D'ÁVILA BAR"));
    EXPECT_EQ(registers::amountFrom(st.scalar(QStringLiteral("select LIMITE from CLIENTES where CODIGO = 42"))),
              Decimal::fromThousandths(1500500));
    EXPECT_EQ(reg.shown().value("NASC"), QStringLiteral("05/03/1980"));
    EXPECT_EQ(reg.mode(), CustomerRegister::Mode::Browse);
}

TEST_F(CustomerRegisterTest, ANewRowTypedWithAnExistingCodeMovesToThatCustomer)
{
    CustomerRegister reg(st.logon());
    reg.open();
    reg.beginNew();
    EXPECT_EQ(reg.codeLeft(QStringLiteral("7"), reg.shown()), QStringLiteral("000007"));
    EXPECT_TRUE(d.messages.empty());
    EXPECT_EQ(reg.shown().value("NOME"), QStringLiteral("CLIENTE 7"));
    reg.save(reg.shown());
    EXPECT_EQ(customers(7), 1);
}

TEST_F(CustomerRegisterTest, ANewRowRefusedDropsItAndShowsTheFirstCustomer)
{
    CustomerRegister reg(st.logon());
    reg.open();
    reg.beginNew();
    d.answerMessages({QStringLiteral("N")});
    reg.codeLeft(QStringLiteral("500"), reg.shown());
    EXPECT_EQ(reg.shown().value("CODIGO"), QStringLiteral("1"));
    EXPECT_EQ(reg.mode(), CustomerRegister::Mode::Browse);
    EXPECT_EQ(customers(500), 0);
}

TEST_F(CustomerRegisterTest, TypingACodeOverAShownCustomerMovesOrRenumbers)
{
    CustomerRegister reg(st.logon());
    reg.open();
    ASSERT_TRUE(reg.moveToCode(3));
    reg.codeLeft(QStringLiteral("7"), reg.shown());
    EXPECT_EQ(reg.shown().value("NOME"), QStringLiteral("CLIENTE 7"));

    ASSERT_TRUE(reg.moveToCode(3));
    reg.codeLeft(QStringLiteral("77"), reg.shown());
    EXPECT_EQ(reg.shown().value("NOME"), QStringLiteral("CLIENTE 3"));
    EXPECT_EQ(reg.mode(), CustomerRegister::Mode::Edit);
    reg.save(withCode(reg, QStringLiteral("77")));
    EXPECT_EQ(customers(3), 0);
    EXPECT_EQ(customers(77), 1);
}

TEST_F(CustomerRegisterTest, ASaveTheDatabaseRefusesKeepsTheEditsAndSaysSo)
{
    TFormCliente w(st.logon());
    ASSERT_TRUE(w.customers().moveToCode(5));
    // another station took code 6 meanwhile and this one types it as a new code
    w.field("CODIGO")->setText(QStringLiteral("6"));
    w.field("NOME")->setText(QStringLiteral("NOVO NOME"));
    st.logon().run(QStringLiteral("update CLIENTES set CODIGO = 600 where CODIGO = 6"));
    st.logon().run(QStringLiteral("insert into CLIENTES (CODIGO, NOME) values (6, 'OUTRO')"));
    EXPECT_FALSE(w.saveCustomer());
    EXPECT_EQ(d.messageTexts(), QStringList{customerText::codeTaken});
    EXPECT_EQ(w.field("NOME")->text(), QStringLiteral("NOVO NOME"));
    EXPECT_EQ(st.scalar(QStringLiteral("select NOME from CLIENTES where CODIGO = 5")).toString(), QStringLiteral("CLIENTE 5"));
}

TEST_F(CustomerRegisterTest, DeletingTheWalkInCustomerIsRefusedOthersAfterTheQuestion)
{
    CustomerRegister reg(st.logon());
    reg.open();
    EXPECT_FALSE(reg.remove());
    EXPECT_EQ(d.messageTexts(), QStringList{customerText::walkInNoDelete});
    EXPECT_EQ(customers(1), 1);

    reg.moveToCode(9);
    d.answerMessages({QStringLiteral("N"), QStringLiteral("S")});
    EXPECT_FALSE(reg.remove());
    EXPECT_EQ(customers(9), 1);
    EXPECT_TRUE(reg.remove());
    EXPECT_EQ(customers(9), 0);
    EXPECT_EQ(d.messageTexts().mid(1), (QStringList{customerText::askDelete, customerText::askDelete}));
}

TEST_F(CustomerRegisterTest, ClosingLeavesTheShownCodeForTheCaller)
{
    {
        TFormCliente w(st.logon());
        w.customers().moveToCode(41);
        w.reject();
    }
    EXPECT_EQ(ctx::lookup().LookupCode, QStringLiteral("41"));
}

TEST_F(CustomerRegisterTest, SearchMovesToTheChosenCustomerThroughTheLookup)
{
    d.onWindow(QStringLiteral("TFormBusca"), [](QDialog& w) {
        ctx::lookup().LookupCode = QStringLiteral("12");
        return int(QDialog::Accepted);
    });
    TFormCliente w(st.logon());
    w.search();
    EXPECT_EQ(d.windowsShown, QStringList{QStringLiteral("TFormBusca")});
    EXPECT_EQ(w.field("NOME")->text(), QStringLiteral("CLIENTE 12"));
}

TEST(CustomerPhoto, ScalesIntoTheBoxAsTheStationsAlwaysHave)
{
    EXPECT_EQ(CustomerRegister::photoSize(QSize(1000, 2000)), QSize(125, 237));
    EXPECT_EQ(CustomerRegister::photoSize(QSize(386, 474)), QSize(193, 237));
    EXPECT_EQ(CustomerRegister::photoSize(QSize(386, 300)), QSize(193, 150));
    EXPECT_TRUE(CustomerRegister::photoSize(QSize(96, 300)).isEmpty());
}

TEST_F(CustomerRegisterTest, APhotoIsStoredScaledAndShownAgain)
{
    QImage picture(1000, 2000, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString source = st.root() + QStringLiteral("/foto.png");
    ASSERT_TRUE(picture.save(source));
    CustomerRegister reg(st.logon());
    reg.open();
    reg.moveToCode(12);
    reg.setPhoto(source);
    const QImage stored(station::path(CustomerRegister::storedPhotoName(QStringLiteral("12"))));
    EXPECT_EQ(stored.size(), QSize(125, 237));
    EXPECT_EQ(reg.photo().size(), QSize(125, 237));

    QImage tiny(50, 50, QImage::Format_RGB32);
    tiny.fill(Qt::blue);
    ASSERT_TRUE(tiny.save(source));
    EXPECT_THROW(reg.setPhoto(source), EntryError);
    EXPECT_EQ(QImage(station::path(CustomerRegister::storedPhotoName(QStringLiteral("12")))).size(), QSize(125, 237));
}
