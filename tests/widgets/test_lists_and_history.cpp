// The customer and supplier lists and the login history: opened from the ribbon
// behind their rules, read back from their PDF (order, headings, page numbers), an
// empty register or history giving the headers alone.
#include "LoginFixtures.h"
#include "PreviewCapture.h"
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "ShiftReportSeeds.h"
#include "TestStation.h"
#include "WindowChecks.h"
#include "app/ProgramWindows.h"
#include "db/Historico.h"
#include "salesreports/LoginHistory.h"
#include "salesreports/UnitHistQui.h"
#include "salesreports/UnitRelCli.h"
#include "salesreports/UnitRelFor.h"
#include "platform/Style.h"
#include "shell/Ribbon.h"
#include "shell/UnitPrincipal.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

struct ListsAndHistory : ::testing::Test {
    TestStation st;
    ScriptedDialogs d;
    PreviewCapture shown{d};
    void SetUp() override
    {
        seeds::setCompany(st, S("BAR DO ZE"), S("RUA A, 10"), S("RECIFE"), S("PE"), S("12.345.678/0001-90"));
    }
    TLogon& l() { return st.logon(); }
    // The report a TFormHistQui shows, read back from its PDF.
    QStringList history(const QString& answer)
    {
        d.answerMessages({answer});
        TFormHistQui w(l());
        const QString pdf = QDir::temp().filePath(S("historico-%1.pdf").arg(QCoreApplication::applicationPid()));
        EXPECT_TRUE(writeBytes(pdf, report::pdfDocument(w.layout())));
        QStringList lines;
        for (const QStringList& page : pdfPagesText(pdf))
            lines << page;
        QFile::remove(pdf);
        return lines;
    }
};

} // namespace

TEST_F(ListsAndHistory, TheRibbonOpensTheListsForEveryUserAndTheHistoryForASupervisor)
{
    registerProgramWindows();
    st.addUser(S("CAIXA"), S("9"), S("N"), 0xFFFF);   // every right, but no supervisor
    answerLogin(d, S("CAIXA"), S("9"));
    TPrincipal w(l());
    ASSERT_TRUE(w.FormCreate());
    EXPECT_TRUE(opensItself<TFormRelCli>(d, w, "Relatórios 2", "Listagem Clientes", "TFormRelCli"));
    EXPECT_TRUE(opensItself<TFormRelFor>(d, w, "Relatórios 2", "Listagem Fornecedor", "TFormRelFor"));

    // The history asks for a supervisor; another user is refused.
    d.messages.clear();
    answerSupervisorPrompt(d, S("CAIXA"), S("9"));
    w.clickButton(S("Configuração"), S("Histórico de Login/Logoff"));
    EXPECT_EQ(d.messageTexts(), QStringList{ribbon::refusal});
    EXPECT_FALSE(d.windowsShown.contains(S("TFormHistQui")));
    d.messages.clear();
    answerSupervisorPrompt(d, S("SUPERVISOR"), S("1234"));
    d.answerMessages({S("S")});
    EXPECT_TRUE(opensItself<TFormHistQui>(d, w, "Configuração", "Histórico de Login/Logoff", "TFormHistQui"));
    EXPECT_EQ(d.messageTexts(), QStringList{loginhistory::text::question});
}

TEST_F(ListsAndHistory, TheCustomerAndSupplierListsByName)
{
    seeds::addCustomer(l(), 12, S("ZULMIRA D'ÁVILA"), S("RUA DAS FLORES, 7"), S("(81) 3333-4444"), S("123.456.789-00"));
    seeds::addCustomer(l(), 3, S("ANTONIO"), S("AV. BOA VIAGEM, 100"), S("(81) 99999-0000"), QString());
    l().run(S("update CLIENTES set CIDADE = 'RECIFE', ESTADO = 'PE', CEP = '50000-000', ESTADUAL = '1234567', "
              "FAX = '(81) 3333-4445' where CODIGO = 12"));
    seeds::addSupplier(l(), 7, S("DISTRIBUIDORA SUL"), S("98.765.432/0001-10"));
    seeds::addSupplier(l(), 2, S("ATACADO NORTE"), S("11.222.333/0001-44"));

    TFormRelCli customers(l());
    EXPECT_EQ(customers.windowTitle(), S("Relação de Clientes"));
    customers.show();
    customers.print();
    EXPECT_FALSE(customers.isVisible());
    ASSERT_EQ(shown.reports.size(), 1u);
    const QStringList lines = shown.lastReport();
    const QString today = QDate::currentDate().toString(S("dd/MM/yy"));
    EXPECT_EQ(lines, (QStringList{
        S("EMPRESA BAR DO ZE Página 1 de 1"),
        S("DATA %1").arg(today),
        S("Listegem de Clientes"),
        S("CODIGO NOME DO CLIENTE ENDEREÇO"),
        S("CIDADE ESTADO CEP CPF/CNPJ RG/I.ESTADUAL"),
        S("TELEFONE FAX"),
        S("3 ANTONIO AV. BOA VIAGEM, 100"),
        S("(81) 99999-0000"),
        S("1 CLIENTE CONSUMIDOR"),
        S("12 ZULMIRA D'ÁVILA RUA DAS FLORES, 7"),
        S("RECIFE PE 50000-000 123.456.789-00 1234567"),
        S("(81) 3333-4444 (81) 3333-4445"),
    })) << lines.join('\n').toStdString();

    TFormRelFor suppliers(l());
    EXPECT_EQ(suppliers.windowTitle(), S("Relacao de Fornecedor"));
    suppliers.print();
    const QStringList supplierLines = shown.lastReport();
    EXPECT_EQ(supplierLines.mid(2, 3), (QStringList{S("Listegem de Fornecedores"), S("CODIGO NOME DO FORNECEDOR ENDEREÇO"),
                                                   S("CIDADE ESTADO CEP CNPJ I.ESTADUAL")}))
        << supplierLines.join('\n').toStdString();
    const auto at = [&](const char* start) {
        return std::find_if(supplierLines.begin(), supplierLines.end(),
                            [&](const QString& l) { return l.startsWith(S(start)); }) - supplierLines.begin();
    };
    EXPECT_LT(at("2 ATACADO NORTE"), at("7 DISTRIBUIDORA SUL"));
    EXPECT_TRUE(supplierLines.join(QLatin1Char('\n')).contains(S("98.765.432/0001-10")));
}

TEST_F(ListsAndHistory, AnEmptyRegisterGivesTheHeadersAlone)
{
    l().run(S("delete from CLIENTES"));
    TFormRelCli w(l());
    w.print();
    ASSERT_EQ(shown.reports.size(), 1u);
    EXPECT_EQ(shown.lastReport().size(), 6);
    EXPECT_EQ(shown.lastReport().last(), S("TELEFONE FAX"));
}

TEST_F(ListsAndHistory, TheHistoryNewestFirstByIdTheLastFiftyOrEveryRow)
{
    l().run(S("delete from HISTORICO"));
    // An empty history prints its headers alone.
    const QStringList empty = history(S("S"));
    EXPECT_EQ(empty.mid(0, 6), (QStringList{S("RELATÓRIO DE LOGS Página 1 de 1"), S("EMPRESA BAR DO ZE"),
                                            S("ENDEREÇO RUA A, 10"), S("CIDADE RECIFE"), S("ESTADO PE"),
                                            S("CNPJ 12.345.678/0001-90")}));
    EXPECT_TRUE(empty.value(6).startsWith(S("DATA ")));
    EXPECT_EQ(empty.mid(7), QStringList{S("DATA HORA OPERADOR ACÃO")});
    // Rows written out of the order of their times: the order is by ID.
    const QDateTime start(QDate(2026, 3, 10), QTime(8, 0));
    for (int i = 0; i < 60; ++i)
        writeHistorico(l(), i % 2 ? S("MARIA") : S("JOAO"), i % 3 ? S("Entrou Programa") : S("Abriu Caixa"),
                       start.addSecs(i % 2 ? -60 * i : 60 * i));
    const QStringList summary = history(S("S"));
    QStringList rows;
    for (const QString& line : summary)
        if (line.startsWith(S("10/03/26")))
            rows << line;
    EXPECT_EQ(rows.size(), 50) << summary.join('\n').toStdString();
    EXPECT_EQ(rows.first(), S("10/03/26 07:01:00 MARIA Entrou Programa"));   // the 60th row
    EXPECT_EQ(rows.last(), S("10/03/26 08:10:00 JOAO Entrou Programa"));     // the 11th
    EXPECT_TRUE(summary.contains(S("DATA HORA OPERADOR ACÃO")));

    const QStringList all = history(S("N"));
    int every = 0;
    for (const QString& line : all)
        every += line.startsWith(S("10/03/26")) ? 1 : 0;
    EXPECT_EQ(every, 60);
    EXPECT_TRUE(all.contains(S("10/03/26 08:00:00 JOAO Abriu Caixa")));
    EXPECT_TRUE(all.contains(S("RELATÓRIO DE LOGS Página 2 de 2"))) << all.join('\n').toStdString();
}

TEST_F(ListsAndHistory, TheWindowsFitA1366By768Screen)
{
    const QString sheet = qApp->styleSheet();
    applyProgramStyle(*qApp);
    TFormRelCli customers(l());
    showsWhole(customers, QSize(1366, 768), S("TFormRelCli"));
    TFormRelFor suppliers(l());
    showsWhole(suppliers, QSize(1366, 768), S("TFormRelFor"));
    d.answerMessages({S("S")});
    TFormHistQui history(l());
    EXPECT_TRUE(history.windowState() & Qt::WindowMaximized);
    qApp->setStyleSheet(sheet);
}
