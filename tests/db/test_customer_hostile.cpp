// The customer register's fields against hostile values: stored as typed, or
// refused with a message, with no row added or changed.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "db/DbError.h"
#include "registers/UnitCliente.h"

#include <QLineEdit>
#include <gtest/gtest.h>

TEST(CustomerHostile, EveryFieldStoresWhatWasTypedOrRefusesItWithNothingChanged)
{
    TestStation st;
    seeds::addCustomer(st.logon(), 2, QStringLiteral("BAR DO ZE"));
    struct Case { const char* label; const char* column; QString value; bool stored; QString message; bool error; };
    const Case cases[] = {
        {"apostrophes and quotes in the name", "NOME", QStringLiteral("D'ÁVILA \"O REI\""), true, {}, false},
        {"sql fragment in the address", "ENDERECO", QStringLiteral("RUA A'); DELETE FROM CLIENTES;--"), true, {}, false},
        {"over-long name is cut by the field", "NOME", QString(60, u'X'), true, {}, false},
        {"lower-case e-mail kept", "EMAIL", QStringLiteral("ze@bar.com.br"), true, {}, false},
        {"letters in the credit limit", "LIMITE", QStringLiteral("MIL"), false, QStringLiteral("Limite Crédido: valor invalido"), false},
        {"1e20 in the credit limit", "LIMITE", QStringLiteral("1e20"), false, QStringLiteral("Limite Crédido: valor invalido"), false},
        {"1e20 in the points", "FIDELIDADE", QStringLiteral("1e20"), false, QStringLiteral("Pontos Fidelidade: valor invalido"), false},
        {"impossible birth date", "NASC", QStringLiteral("31/02/1990"), false, QStringLiteral("Fund/Nasc.: data invalida"), false},
        {"letters as a code", "CODIGO", QStringLiteral("ABC"), false, customerText::invalidCode, false},
        {"code 0", "CODIGO", QStringLiteral("0"), false, customerText::invalidCode, false},
        {"negative code", "CODIGO", QStringLiteral("-5"), false, customerText::invalidCode, false},
        {"code too big for the column", "CODIGO", QStringLiteral("99999999999"), false, customerText::invalidCode, false},
        {"characters the database cannot store", "CIDADE", QStringLiteral("SÃO PAULO \U0001F600"), false, characterSetMessage(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs d;
        const int before = st.count(QStringLiteral("select count(*) from CLIENTES"));
        TFormCliente w(st.logon());
        w.step(CustomerRegister::Step::Last);   // customer 2, the last one listed
        ASSERT_EQ(w.field("CODIGO")->text(), QStringLiteral("2"));
        const QString nameBefore = st.scalar(QStringLiteral("select NOME from CLIENTES where CODIGO = 2")).toString();
        w.field(c.column)->setText(c.value);
        EXPECT_EQ(w.saveCustomer(), c.stored);
        EXPECT_EQ(st.count(QStringLiteral("select count(*) from CLIENTES")), before);
        if (c.stored) {
            const QString stored = st.scalar(QStringLiteral("select %1 from CLIENTES where CODIGO = 2").arg(QLatin1String(c.column))).toString();
            EXPECT_EQ(stored, c.value.left(w.field(c.column)->maxLength()));
        } else {
            EXPECT_EQ(c.error ? d.errors : d.messageTexts(), QStringList{c.message});
            EXPECT_EQ(w.field(c.column)->text(), c.value);
            EXPECT_EQ(st.scalar(QStringLiteral("select NOME from CLIENTES where CODIGO = 2")).toString(), nameBefore);
            EXPECT_EQ(st.count(QStringLiteral("select count(*) from CLIENTES where CODIGO = 2")), 1);
        }
    }
}
