// The main window: start-up, login, single-purpose stations, the ribbon's rules
// and small jobs, and the exit record.
#include "LoginFixtures.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowAnswers.h"
#include "WindowChecks.h"
#include "core/Globals.h"
#include "shell/Ribbon.h"
#include "shell/UnSenha.h"
#include "shell/UnitAcessos.h"
#include "app/Program.h"
#include "shell/UnitPrincipal.h"
#include "platform/InstanceLock.h"

#include <QFile>
#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {


int historico(TestStation& st, const char* acao)
{
    return st.count(QStringLiteral("SELECT COUNT(*) FROM HISTORICO WHERE ACAO = ?"), {QString::fromLatin1(acao)});
}

} // namespace

TEST(MainWindow, StartsLogsInAndRecordsTheExit)
{
    TestStation st;
    ScriptedDialogs d;
    st.setCompanyName(QStringLiteral("CANTINA"));
    answerLogin(d, QStringLiteral("supervisor"), QStringLiteral("1234"));
    TPrincipal w(st.logon());
    ASSERT_TRUE(w.FormCreate()) << d.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(w.activeTab(), QStringLiteral("Cadastros"));
    EXPECT_EQ(ctx::station().TerminalNumber, QStringLiteral("01"));
    EXPECT_EQ(ctx::station().CancelQueryConstant, QStringLiteral("NIl"));
    EXPECT_EQ(ctx::station().CondensedOnCode, QString(QChar(0x12)));
    EXPECT_EQ(ctx::op().OperatorName, QStringLiteral("SUPERVISOR"));
    EXPECT_EQ(w.statusText(), QStringLiteral("Usuário:"));
    EXPECT_EQ(w.FormShow(), TPrincipal::ShowOutcome::Stay);
    EXPECT_EQ(w.statusText(), QStringLiteral("|   CANTINA   |   Operador: SUPERVISOR   | "));
    EXPECT_TRUE(w.close());
    EXPECT_EQ(historico(st, "Entrou Programa"), 1);
    EXPECT_EQ(historico(st, "Saiu Programa"), 1);
}

TEST(MainWindow, NobodyLoggedInEndsWithoutRecords)
{
    TestStation st;
    ScriptedDialogs d;
    d.onWindow(QStringLiteral("TFormProtecao"), [](QDialog& w) {
        static_cast<TFormProtecao&>(w).leave();
        return w.result();
    });
    TPrincipal w(st.logon());
    EXPECT_FALSE(w.FormCreate());
    EXPECT_TRUE(w.close());
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM HISTORICO")), 0);
}

TEST(MainWindow, NoDatabaseEndsBeforeTheLogin)
{
    TestStation st(false);
    ScriptedDialogs d;
    TPrincipal w(st.logon());
    EXPECT_FALSE(w.FormCreate());
    EXPECT_EQ(d.errors.size(), 1);
    EXPECT_FALSE(d.windowsShown.contains(QStringLiteral("TFormProtecao")));
}

TEST(MainWindow, SinglePurposeStations)
{
    struct Case { const char* master; int rights; const char* window; };
    const Case cases[] = {
        {"N", 32768, "TFormPedDelivery"},
        {"N", 256, "TFormBalcao"},
        {"N", 256 + 32768, "TFormPedDelivery"},
        {"S", 256 + 32768, nullptr},
    };
    for (const Case& c : cases) {
        TestStation st;
        ScriptedDialogs d;
        st.addUser(QStringLiteral("CAIXA"), QStringLiteral("1"), QString::fromLatin1(c.master), c.rights);
        answerLogin(d, QStringLiteral("CAIXA"), QStringLiteral("1"));
        TPrincipal w(st.logon());
        ASSERT_TRUE(w.FormCreate());
        const auto outcome = w.FormShow();
        EXPECT_TRUE(w.close());
        if (c.window) {
            EXPECT_EQ(outcome, TPrincipal::ShowOutcome::EndProgram) << c.rights;
            EXPECT_EQ(d.windowsShown.last(), QString::fromLatin1(c.window));
            EXPECT_EQ(historico(st, "Saiu Programa"), 0);
        } else {
            EXPECT_EQ(outcome, TPrincipal::ShowOutcome::Stay);
            EXPECT_EQ(historico(st, "Saiu Programa"), 1);
        }
    }
}

TEST(MainWindow, ExitThatCannotBeRecordedStillLetsTheUserLeave)
{
    TestStation st;
    ScriptedDialogs d;
    answerLogin(d, QStringLiteral("SUPERVISOR"), QStringLiteral("1234"));
    TPrincipal w(st.logon());
    ASSERT_TRUE(w.FormCreate());
    st.logon().close();                     // the server went away
    d.answerMessages({QStringLiteral("N")});
    EXPECT_FALSE(w.FormClose());            // "Não": the window stays
    EXPECT_EQ(d.errors.size(), 1);
    d.answerMessages({QStringLiteral("S")});
    EXPECT_TRUE(w.FormClose());             // "Sim": leaves all the same
}

TEST(Ribbon, RulesRefuseOrOpen)
{
    TestStation st;
    ScriptedDialogs d;
    st.addUser(QStringLiteral("GARCOM"), QStringLiteral("1"), QStringLiteral("N"), 8);
    st.addUser(QStringLiteral("CHEFE"), QStringLiteral("2"), QStringLiteral("S"), 1);
    st.addUser(QStringLiteral("ESTOQUISTA"), QStringLiteral("3"), QStringLiteral("N"), 2);
    answerLogin(d, QStringLiteral("GARCOM"), QStringLiteral("1"));
    TPrincipal w(st.logon());
    ASSERT_TRUE(w.FormCreate());
    const QString refusal = ribbon::refusal;

    // Supervisor rule: no prompt, refused.
    w.clickButton(QStringLiteral("Cadastros"), QStringLiteral("Cadastro da empresa"));
    EXPECT_EQ(d.messageTexts().last(), refusal);
    EXPECT_FALSE(d.windowsShown.contains(QStringLiteral("TFormAcessos")));

    // Login rule: the operator's own bit opens at once.
    w.clickButton(QStringLiteral("Cadastros"), QStringLiteral("Cadastro Clientes"));
    EXPECT_EQ(d.windowsShown.last(), QStringLiteral("TFormCliente"));

    // Login rule without the bit: a supervisor whose mask lacks it is refused too.
    answerSupervisorPrompt(d, QStringLiteral("CHEFE"), QStringLiteral("2"));
    w.clickButton(QStringLiteral("Estoque"), QStringLiteral("Mov Estoque (Ent/Sai)"));
    EXPECT_EQ(d.windowsShown.last(), QStringLiteral("TFormAcessos"));
    EXPECT_EQ(d.messageTexts().last(), refusal);

    // ...and a user with the bit opens it.
    answerSupervisorPrompt(d, QStringLiteral("ESTOQUISTA"), QStringLiteral("3"));
    w.clickButton(QStringLiteral("Estoque"), QStringLiteral("Mov Estoque (Ent/Sai)"));
    EXPECT_EQ(d.windowsShown.last(), QStringLiteral("TFormMovEst"));

    // Current rule follows the last authorisation: ESTOQUISTA (bit 2) confirmed last.
    w.clickButton(QStringLiteral("Estoque"), QStringLiteral("Rel Estoque Minimo"));
    EXPECT_EQ(d.windowsShown.last(), QStringLiteral("TFormEstMin"));
    // A cancelled prompt leaves no rights: the operator's own bit 8 no longer counts.
    d.onWindow(QStringLiteral("TFormAcessos"), [](QDialog& p) { static_cast<TFormAcessos&>(p).cancel(); return 0; });
    w.clickButton(QStringLiteral("Principal"), QStringLiteral("Abrir Mov Caixa"));
    const int before = d.messages.size();
    w.clickButton(QStringLiteral("Funcionarios"), QStringLiteral("Cadastro de Profissionais"));
    EXPECT_EQ(d.messages.size(), before + 1);
    EXPECT_EQ(d.messageTexts().last(), refusal);

    // Prompt supervisor: always asks, even a supervisor operator.
    answerSupervisorPrompt(d, QStringLiteral("CHEFE"), QStringLiteral("2"));
    w.clickButton(QStringLiteral("Cadastros"), QStringLiteral("Manutenção de Senhas"));
    EXPECT_EQ(d.windowsShown.last(), QStringLiteral("TFormManSen"));
}

TEST(Ribbon, SmallJobsOfTheConfigurationTab)
{
    TestStation st;
    ScriptedDialogs d;
    TPrincipal w(st.logon());
    ASSERT_TRUE(madeBySupervisor(d, w));

    d.answerInputBox(QStringLiteral("7"));
    w.clickButton(QStringLiteral("Configuração"), QStringLiteral("Configura terminal de Rede"));
    EXPECT_EQ(st.readFile(QStringLiteral("terminal.ini")), QStringList{QStringLiteral("07")});
    EXPECT_EQ(ctx::station().TerminalNumber, QStringLiteral("07"));

    st.logon().run(QStringLiteral("UPDATE CLIENTES SET FIDELIDADE = 40"));
    w.clickButton(QStringLiteral("Configuração"), QStringLiteral("Zerar Ponto Fidelidade"));
    EXPECT_EQ(st.count(QStringLiteral("SELECT SUM(FIDELIDADE) FROM CLIENTES")), 0);
    EXPECT_EQ(d.messageTexts().last(), QStringLiteral("     Arquivo Inicializado com Exito!     "));

    w.clickButton(QStringLiteral("Configuração"), QStringLiteral(" Backup Restore"));
    EXPECT_EQ(d.messageTexts().last(), QStringLiteral("Utilize o Aplicativo instalado\r\njunto com o programa\r\n"
                                                      "para fazer o Backup e restauração\r\nda base de dados"));

    // An unreadable picture shows the error and leaves templogo.ini as it was.
    st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\templogo.ini"), {QStringLiteral("antigo.png")});
    const QString broken = st.root() + QStringLiteral("/quebrada.png");
    ASSERT_NO_FATAL_FAILURE(answerWithBrokenPicture(d, broken));
    w.clickButton(QStringLiteral("Configuração"), QStringLiteral("Altera Imagem Central do Sistema"));
    EXPECT_EQ(d.errors.size(), 1);
    EXPECT_EQ(st.readFile(QStringLiteral("c:\\Miltrex\\vavoz\\templogo.ini")), QStringList{QStringLiteral("antigo.png")});

    const QString good = st.root() + QStringLiteral("/logo.png");
    QImage(40, 20, QImage::Format_RGB32).save(good);
    d.answerFileDialog(good);
    w.clickButton(QStringLiteral("Configuração"), QStringLiteral("Altera Imagem Central do Sistema"));
    EXPECT_EQ(st.readFile(QStringLiteral("c:\\Miltrex\\vavoz\\templogo.ini")), QStringList{good});
}

TEST(Program, SecondCopyOnTheStationIsRefusedAndTheFirstUndisturbed)
{
    TestStation st(false);
    ScriptedDialogs d;
    InstanceLock first(QStringLiteral("InstanciaIniciadaSabrel22"));
    ASSERT_TRUE(first.tryAcquire());
    EXPECT_EQ(runProgram(*qApp), 0);
    EXPECT_EQ(d.messageTexts(), QStringList{QStringLiteral("Ja existe uma copia do programa em execução.")});
    EXPECT_TRUE(d.windowsShown.isEmpty());   // no data module, no login
    EXPECT_TRUE(first.tryAcquire());
}
