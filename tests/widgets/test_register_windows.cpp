// The ribbon opens the registers themselves, and the supervisor's password
// changes as the README advises.
#include "LoginFixtures.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowChecks.h"
#include "app/ProgramWindows.h"
#include "registers/UnitCentroCusto.h"
#include "registers/UnitCliente.h"
#include "registers/UnitEmpresa.h"
#include "registers/UnitFPaga.h"
#include "registers/UnitLimpa.h"
#include "registers/UnitManSen.h"
#include "registers/UnitSetuprede.h"
#include "registers/UnitVendedor.h"
#include "shell/Credentials.h"
#include "shell/UnitPrincipal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

TEST(RegisterWindows, TheRibbonOpensEachRegisterItself)
{
    TestStation st;
    ScriptedDialogs d;
    registerProgramWindows();
    TPrincipal w(st.logon());
    ASSERT_TRUE(madeBySupervisor(d, w));
    EXPECT_TRUE(opensItself<TFormCliente>(d, w, "Cadastros", "Cadastro Clientes", "TFormCliente"));
    EXPECT_TRUE(opensItself<TFormEmpresa>(d, w, "Cadastros", "Cadastro da empresa", "TFormEmpresa"));
    EXPECT_TRUE(opensItself<TFormManSen>(d, w, "Cadastros", "Manutenção de Senhas", "TFormManSen"));
    EXPECT_TRUE(opensItself<TFormCentroCusto>(d, w, "Cadastros", "Centro de Custos Despesas", "TFormCentroCusto"));
    EXPECT_TRUE(opensItself<TFormFPaga>(d, w, "Cadastros", "Forma de Pagamento", "TFormFPaga"));
    EXPECT_TRUE(opensItself<TFormVendedor>(d, w, "Funcionarios", "Cadastro de Profissionais", "TFormVendedor"));
    EXPECT_TRUE(opensItself<TFormSetupRede>(d, w, "Configuração", "Configura Rede (IP Servidor)", "TFormSetupRede"));
    EXPECT_TRUE(opensItself<TFormLimpa>(d, w, "Configuração", "Inicializar Arquivos", "TFormLimpa"));
}

TEST(RegisterWindows, TheSupervisorChangesHisPasswordFromTheRibbon)
{
    TestStation st;
    ScriptedDialogs d;
    registerProgramWindows();
    answerLogin(d, QStringLiteral("SUPERVISOR"), QStringLiteral("1234"));
    answerSupervisorPrompt(d, QStringLiteral("SUPERVISOR"), QStringLiteral("1234"));
    d.onWindow(QStringLiteral("TFormManSen"), [](QDialog& window) {
        auto& users = static_cast<TFormManSen&>(window);
        users.passwordField()->setText(QStringLiteral("NOVA"));
        users.confirmUser();
        users.returnToMenu();
        return window.result();
    });
    TPrincipal w(st.logon());
    ASSERT_TRUE(w.FormCreate());
    w.clickButton(QStringLiteral("Cadastros"), QStringLiteral("Manutenção de Senhas"));
    EXPECT_EQ(d.windowsShown.last(), QStringLiteral("TFormManSen"));

    LoginSession next(st.logon());
    EXPECT_EQ(next.confirm(QStringLiteral("SUPERVISOR"), QStringLiteral("1234")), LoginSession::Outcome::Wrong);
    EXPECT_EQ(next.confirm(QStringLiteral("supervisor"), QStringLiteral("nova")), LoginSession::Outcome::Accepted);
}

TEST(RegisterWindows, ListsFollowTheKeyboard)
{
    TestStation st;
    ScriptedDialogs d;
    st.logon().run(QStringLiteral("insert into FORMAPAGA (ID, CD, NOME, BX, DAV) values (GEN_ID(FORMAPAGA,1), 2, 'CHEQUE', 'N', 'N')"));
    st.addUser(QStringLiteral("ANA"), QStringLiteral("55"), QStringLiteral("N"), 8);

    TFormFPaga methods(st.logon());
    auto* methodList = methods.findChild<QTableWidget*>(QStringLiteral("methodList"));
    QTest::keyClick(methodList, Qt::Key_Down);
    EXPECT_EQ(methods.nameField()->text(), QStringLiteral("CHEQUE"));

    TFormManSen users(st.logon());
    auto* picker = users.findChild<QComboBox*>(QStringLiteral("userPicker"));
    picker->setCurrentIndex(1);
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_TRUE(users.passwordField()->text().isEmpty());   // a stored password is never shown
    EXPECT_TRUE(users.rightsBox(8)->isChecked());
    EXPECT_FALSE(users.rightsBox(1)->isChecked());
}
