// The delivery registers and the customer's data on a real database: areas found
// by their whole name, fees that are not amounts refused, the next delivery man's
// code, texts cut to what the register keeps, the customer's reference cut to 39.
#include "SeedValues.h"
#include "TabServiceSeeds.h"
#include "TestStation.h"
#include "delivery/DeliveryCustomer.h"
#include "delivery/DeliveryRegisters.h"
#include "delivery/DeliveryText.h"
#include "registers/RegisterCommon.h"

#include <gtest/gtest.h>

using seeds::D;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
qint64 count(TLogon& l, const QString& sql, const Params& p = {}) { return integerOf(l.scalar(sql, p)); }

QString refusal(const std::function<void()>& work)
{
    try {
        work();
    } catch (const EntryError& e) {
        return e.message();
    }
    return QString();
}
} // namespace

TEST(DeliveryAreas, SavingFindsTheWholeNameAndRefusesWhatIsNoFee)
{
    TestStation st;
    TLogon& l = st.logon();
    DeliveryAreas areas(l);
    EXPECT_TRUE(areas.list().empty());
    const QString twenty = S("JARDIM DAS PALMEIRAS");   // 20 characters
    ASSERT_EQ(twenty.size(), 20);
    const qint64 id = areas.save(twenty, S("5,50"));
    areas.save(S("CENTRO"), S("3"));
    // the same whole name changes its fee
    EXPECT_EQ(areas.save(twenty, S("7,25")), id);
    std::vector<DeliveryArea> list = areas.list();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].bairro, S("CENTRO"));
    EXPECT_EQ(list[1].bairro, twenty);
    EXPECT_EQ(list[1].taxa, D("7,25"));

    const struct { const char* name; const char* fee; QString message; } refused[] = {
        {"JARDIM DAS PALMEIRAS2", "1", deliverytext::areas::longName},
        {"", "1", deliverytext::areas::noName},
        {"   ", "1", deliverytext::areas::noName},
        {"CENTRO", "abc", deliverytext::areas::badFee},
        {"CENTRO", "", deliverytext::areas::badFee},
        {"CENTRO", "-2", deliverytext::areas::badFee},
        {"CENTRO", "1e20", deliverytext::areas::badFee},
        {"CENTRO", "1'; delete from entrega; --", deliverytext::areas::badFee},
    };
    for (const auto& r : refused)
        EXPECT_EQ(refusal([&] { areas.save(S(r.name), S(r.fee)); }), r.message) << r.name << " " << r.fee;
    EXPECT_THROW(areas.save(S("'; delete from entrega; --"), S("1")), EntryError);   // 26 characters
    EXPECT_THROW(areas.save(S("😀"), S("1")), DbError);
    list = areas.list();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].taxa, D("3"));

    areas.remove(list[0].id);
    EXPECT_EQ(count(l, S("select count(*) from ENTREGA")), 1);
}

TEST(DeliveryMen, TheNextCodeAndTextsCutToTheRegister)
{
    TestStation st;
    TLogon& l = st.logon();
    DeliveryMen men(l);
    EXPECT_EQ(men.nextCode(), 1);
    l.run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 7, 'PEDRO')"));
    EXPECT_EQ(men.nextCode(), 8);
    const QString name45 = S("JOAO BATISTA DOS SANTOS FERREIRA DA SILVA NE");
    ASSERT_TRUE(men.save(S("000008"), name45 + S("T"), S("RUA DAS FLORES, 1000, APARTAMENTO 12, BLOCO B"),
                         S("SAO JOSE DOS CAMPOS SP"), S("SPX"), S("(12) 99999-88887")));
    RowSet r = l.run(S("select ID, NOME, ENDERECO, CIDADE, ESTADO, FONE from DELICAD where CODIGO = 8"));
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.text(u"NOME"), name45.left(39));
    EXPECT_EQ(r.text(u"ENDERECO").size(), 39);
    EXPECT_EQ(r.text(u"CIDADE"), S("SAO JOSE DOS CAMPOS"));
    EXPECT_EQ(r.text(u"ESTADO"), S("SP"));
    EXPECT_EQ(r.text(u"FONE"), S("(12) 99999-888"));
    EXPECT_GT(r.integer(u"ID"), 0);
    // the same code updates that row
    ASSERT_TRUE(men.save(S("8"), S("JOAO"), S(""), S(""), S(""), S("")));
    EXPECT_EQ(count(l, S("select count(*) from DELICAD where CODIGO = 8")), 1);
    EXPECT_EQ(l.scalar(S("select NOME from DELICAD where CODIGO = 8")).toString(), S("JOAO"));
    // codes that are not a whole number above 0 save nothing
    for (const char* code : {"0", "", "abc", "-3", "1e3", "99999999999", "'; delete from delicad; --"})
        EXPECT_FALSE(men.save(S(code), S("X"), S(""), S(""), S(""), S(""))) << code;
    EXPECT_EQ(count(l, S("select count(*) from DELICAD")), 2);
    const std::vector<DeliveryMan> byName = men.list(DeliveryMen::Order::ByName);
    ASSERT_EQ(byName.size(), 2u);
    EXPECT_EQ(byName[0].nome, S("JOAO"));
    EXPECT_EQ(men.list().front().codigo, 7);
}

TEST(DeliveryCustomers, TheReferenceIsCutTo39AndAnUnknownCodeChangesNothing)
{
    TestStation st;
    TLogon& l = st.logon();
    seeds::customer(l, 33334444, S("MARIA"));
    DeliveryCustomers customers(l);
    DeliveryCustomerData d = *customers.read(33334444);
    d.nome = S("MARIA DAS DORES");
    d.endereco = S("RUA A, 10");
    d.bairro = S("CENTRO");
    d.cidade = S("SANTOS");
    d.estado = S("SPX");
    d.ref = QString(60, QLatin1Char('R'));
    customers.save(d);
    const DeliveryCustomerData back = *customers.read(33334444);
    EXPECT_EQ(back.nome, S("MARIA DAS DORES"));
    EXPECT_EQ(back.bairro, S("CENTRO"));
    EXPECT_EQ(back.estado, S("SP"));
    EXPECT_EQ(back.ref, QString(39, QLatin1Char('R')));
    d.codigo = 1234;
    customers.save(d);
    EXPECT_FALSE(customers.read(1234));
    EXPECT_EQ(count(l, S("select count(*) from CLIENTES where CODIGO = 1234")), 0);
}
