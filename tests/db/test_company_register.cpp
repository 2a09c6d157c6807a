// The company register: tax and contact data, and the header the next printouts use.
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "db/DbError.h"
#include "registers/UnitEmpresa.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
struct CompanyRegisterTest : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    QString column(const char* col)
    {
        return st.scalar(QStringLiteral("select %1 from EMPRESA").arg(QLatin1String(col))).toString();
    }
};
}

TEST_F(CompanyRegisterTest, ReturnStoresThePhoneAndTheHeaderPrintsIt)
{
    st.setCompanyName(QStringLiteral("CANTINA"));
    TFormEmpresa w(st.logon());
    w.phoneField()->setText(QStringLiteral("(11) 5555-1234"));
    w.cnpjField()->setText(QStringLiteral("12.345.678/0001-90"));
    ASSERT_TRUE(w.returnToMenu());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(column("FAX"), QStringLiteral("(11) 5555-1234"));
    EXPECT_EQ(ctx::company().CompanyPhone, QStringLiteral("(11) 5555-1234"));
    EXPECT_EQ(ctx::company().CompanyCnpj, QStringLiteral("12.345.678/0001-90"));
    EXPECT_EQ(ctx::company().CompanyName, QStringLiteral("CANTINA"));
}

TEST_F(CompanyRegisterTest, ClosingAnyOtherWayStoresNothing)
{
    {
        TFormEmpresa w(st.logon());
        w.cnpjField()->setText(QStringLiteral("99"));
        w.reject();
    }
    EXPECT_EQ(column("CNPJ"), QString());
    EXPECT_EQ(ctx::company().CompanyCnpj, QString());
}

TEST_F(CompanyRegisterTest, HostileValuesAreStoredAsTypedOrRefusedWithNothingChanged)
{
    struct Case { const char* label; QString value; bool stored; };
    const Case cases[] = {
        {"apostrophes and quotes", QStringLiteral("D'AGUA \"LTDA\""), true},
        {"sql fragment", QStringLiteral("'; DROP TABLE X;--"), true},
        {"over-long text is cut by the field", QStringLiteral("123456789012345678901234567890"), true},
        {"characters the database cannot store", QStringLiteral("IE \U0001F600"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs script;
        const QString before = column("IESTADUAL");
        const QString phoneBefore = ctx::company().CompanyPhone;
        TFormEmpresa w(st.logon());
        w.stateRegistrationField()->setText(c.value);
        w.phoneField()->setText(QStringLiteral("NOVO"));
        EXPECT_EQ(w.returnToMenu(), c.stored);
        if (c.stored) {
            EXPECT_EQ(column("IESTADUAL"), c.value.left(20));
        } else {
            EXPECT_EQ(script.errors, QStringList{characterSetMessage()});
            EXPECT_EQ(column("IESTADUAL"), before);
            EXPECT_EQ(ctx::company().CompanyPhone, phoneBefore);
            EXPECT_NE(w.result(), QDialog::Accepted);
            EXPECT_EQ(w.stateRegistrationField()->text(), c.value);
        }
    }
}
