// A record a window started as new is only inserted, with two stations on one
// database (the station's file and the test server): a payable title, a kit code and
// a delivery man that another station registered meanwhile are refused with the
// window's message, nothing is written over the other station's record and what was
// typed stays on screen. And a payable is never saved for a supplier the window
// calls missing.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "delivery/DeliveryRegisters.h"
#include "delivery/DeliveryText.h"
#include "delivery/UnitEntregador.h"
#include "finance/PayablesRegister.h"
#include "finance/UnitCadDupX.h"
#include "stock/KitRegister.h"
#include "stock/UnitKit.h"

#include <QLineEdit>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

int count(TLogon& l, const char* sql) { return int(integerOf(l.scalar(S(sql)))); }

// The message windows answered as a user would, with something another station does
// while the question is on screen.
struct AnswersWhileAsked : ScriptedDialogs {
    std::function<void(const QString& text)> meanwhile;
    QString message(const QString& title, const QString& text, const QString& buttons, const QString& kind) override
    {
        if (meanwhile)
            meanwhile(text);
        return ScriptedDialogs::message(title, text, buttons, kind);
    }
};

} // namespace

TEST(NewRecordWindows, APayableTitleRegisteredMeanwhileIsRefusedAndTheTypedValuesStay)
{
    TestStation st;
    ScriptedDialogs d;
    for (const QString& db : twoStationDatabases(st, S("pagarjanela"))) {
        SCOPED_TRACE(db.toStdString());
        d.messages.clear();
        auto a = attachStation(db, 2), b = attachStation(db, 2);
        seeds::addSupplier(*a, 3, S("ATACADO TRES"));
        seeds::addSupplier(*a, 4, S("DISTRIBUIDORA QUATRO"));

        // Station B: title 1001 is not found, Sim, the values typed.
        TFormCadDupX w(*b);
        d.answerMessages({S("S")});
        w.field(S("Duplicata"))->setText(S("1001"));
        w.numberLeft();
        ASSERT_TRUE(w.newTitleMode());
        w.field(S("Codigo"))->setText(S("4"));
        w.supplierLeft();
        QTest::keyClicks(w.field(S("Emissao")), S("020326"));
        QTest::keyClicks(w.field(S("Valor")), S("230,00"));

        // Meanwhile station A registers 1001 to supplier 3 for 1.500,00.
        ASSERT_TRUE(PayablesRegister(*a).confirm(
            PayableFields{S("1001"), S("3"), S("ATACADO TRES"), S("01/03/26"), S("31/03/26"), S(""), S("1500,00"), S("0")},
            true));

        d.messages.clear();
        QTest::keyClick(w.field(S("Valor")), Qt::Key_F7);
        EXPECT_EQ(d.messageTexts(), QStringList{PayablesText::kNumberTaken});
        const PayableTitle stored = *PayablesRegister(*a).find(S("1001"));
        EXPECT_EQ(stored.valor, D("1500"));
        EXPECT_EQ(stored.codigo, S("3"));
        EXPECT_EQ(stored.nome, S("ATACADO TRES"));
        EXPECT_EQ(count(*a, "select count(*) from PAGARQ"), 1);
        // What B typed is still there, and the title is still a new one.
        EXPECT_EQ(w.field(S("Duplicata"))->text(), S("1001"));
        EXPECT_EQ(w.field(S("Codigo"))->text(), S("4"));
        EXPECT_EQ(w.field(S("Fornecedor"))->text(), S("DISTRIBUIDORA QUATRO"));
        EXPECT_EQ(w.field(S("Emissao"))->text(), S("02/03/26"));
        EXPECT_EQ(w.field(S("Valor"))->text(), S("230,00"));
        EXPECT_TRUE(w.newTitleMode());
        // Another number for it is registered as B typed it.
        w.field(S("Duplicata"))->setText(S("1002"));
        w.confirm();
        EXPECT_EQ(PayablesRegister(*a).find(S("1002"))->valor, D("230"));
        EXPECT_EQ(PayablesRegister(*a).find(S("1001"))->valor, D("1500"));
    }
}

TEST(NewRecordWindows, APayableIsNeverSavedForASupplierTheWindowCallsMissing)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addSupplier(st.logon(), 7, S("FORNECEDOR SETE"));
    const char* const hostile[] = {"-1", "0", "99", "ABC", "1e3", "7,5", "99999999999", "' or 1=1 --", " -1 "};
    for (const char* code : hostile) {
        SCOPED_TRACE(code);
        d.messages.clear();
        TFormCadDupX w(st.logon());
        d.answerMessages({S("S")});
        w.field(S("Duplicata"))->setText(S("NF-1"));
        w.numberLeft();
        w.field(S("Codigo"))->setText(S(code));
        w.supplierLeft();
        EXPECT_EQ(d.messageTexts().value(1), PayablesText::kSupplierMissing);
        w.field(S("Valor"))->setText(S("10,00"));
        d.messages.clear();
        QTest::keyClick(w.field(S("Valor")), Qt::Key_F7);
        EXPECT_EQ(d.messageTexts(), QStringList{PayablesText::kSupplierMissing});
        EXPECT_EQ(st.count(S("select count(*) from PAGARQ")), 0);
        EXPECT_EQ(w.field(S("Codigo"))->text().compare(S(code), Qt::CaseInsensitive), 0);
        EXPECT_EQ(w.field(S("Valor"))->text(), S("10,00"));
    }
    // The supplier registered is saved; a blank code is a title without supplier.
    for (const auto& [number, code, stored] : {std::tuple{"NF-7", " 7 ", "7"}, std::tuple{"NF-0", "", "0"}}) {
        TFormCadDupX w(st.logon());
        d.answerMessages({S("S")});
        w.field(S("Duplicata"))->setText(S(number));
        w.numberLeft();
        w.field(S("Codigo"))->setText(S(code));
        w.field(S("Valor"))->setText(S("10,00"));
        w.confirm();
        ASSERT_TRUE(PayablesRegister(st.logon()).find(S(number))) << number;
        EXPECT_EQ(PayablesRegister(st.logon()).find(S(number))->codigo, S(stored));
    }
}

TEST(NewRecordWindows, AKitCodeTakenWhileSimWasAskedIsRefusedAndTheEntryStaysOpen)
{
    TestStation st;
    AnswersWhileAsked d;
    for (const QString& db : twoStationDatabases(st, S("kitjanela"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db, 2), b = attachStation(db, 2);
        TFormKit w(*b);
        w.newKit();
        w.field(S("newCode"))->setText(S("5"));
        // While B is asked "Produto nao Localizado, Cadastra?", A creates kit 000005.
        d.meanwhile = [&](const QString& text) {
            if (text == kits::text::askCreate)
                kits::KitRegister(*a).create(S("000005"));
        };
        d.messages.clear();
        d.answerMessages({S("S")});
        EXPECT_FALSE(w.newCodeLeft());
        d.meanwhile = nullptr;
        EXPECT_EQ(d.messageTexts(), (QStringList{kits::text::askCreate, kits::text::codeTaken}));
        EXPECT_EQ(count(*a, "select count(*) from PRODUTOS where CODIGO = '000005'"), 1);
        EXPECT_TRUE(w.field(S("newCode"))->isVisibleTo(&w));
        EXPECT_EQ(w.field(S("newCode"))->text(), S("000005"));
        // Another code goes in.
        w.field(S("newCode"))->setText(S("6"));
        d.answerMessages({S("S")});
        EXPECT_TRUE(w.newCodeLeft());
        EXPECT_EQ(count(*a, "select count(*) from PRODUTOS where CODIGO = '000006' and COMPOSICAO = 'S'"), 1);
    }
}

TEST(NewRecordWindows, ADeliveryManCodeTakenMeanwhileIsRefusedAndTheTypedValuesStay)
{
    TestStation st;
    ScriptedDialogs d;
    for (const QString& db : twoStationDatabases(st, S("entregadorjanela"))) {
        SCOPED_TRACE(db.toStdString());
        d.messages.clear();
        auto a = attachStation(db, 2), b = attachStation(db, 2);
        a->run(S("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 7, 'PEDRO')"));
        // Both stations press "&Novo" and get code 8; A saves first.
        TFormEntregador wa(*a), wb(*b);
        wa.newMan();
        wb.newMan();
        ASSERT_EQ(wb.field(TFormEntregador::Code)->text(), S("000008"));
        wa.field(TFormEntregador::Name)->setText(S("JOAO"));
        ASSERT_TRUE(wa.saveMan());
        QTest::keyClicks(wb.field(TFormEntregador::Name), S("maria"));
        wb.field(TFormEntregador::Phone)->setText(S("9999-0000"));
        EXPECT_FALSE(wb.saveMan());
        EXPECT_EQ(d.messageTexts(), QStringList{deliverytext::men::codeTaken});
        EXPECT_EQ(a->scalar(S("select NOME from DELICAD where CODIGO = 8")).toString(), S("JOAO"));
        EXPECT_EQ(count(*a, "select count(*) from DELICAD where CODIGO = 8"), 1);
        EXPECT_EQ(wb.field(TFormEntregador::Code)->text(), S("000008"));
        EXPECT_EQ(wb.field(TFormEntregador::Name)->text(), S("MARIA"));
        EXPECT_EQ(wb.field(TFormEntregador::Phone)->text(), S("9999-0000"));
        // Under the next code she is saved as typed.
        wb.field(TFormEntregador::Code)->setText(S("000009"));
        EXPECT_TRUE(wb.saveMan());
        EXPECT_EQ(a->scalar(S("select NOME from DELICAD where CODIGO = 9")).toString(), S("MARIA"));
        // A delivery man shown and edited is written as always.
        wa.field(TFormEntregador::Name)->setText(S("JOAO PAULO"));
        EXPECT_TRUE(wa.saveMan());
        EXPECT_EQ(a->scalar(S("select NOME from DELICAD where CODIGO = 8")).toString(), S("JOAO PAULO"));
    }
}
