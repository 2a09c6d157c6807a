// Every rule of the sales ribbon: options, the supervisor prompt, the operator's
// own rights, the refusals, and what the screen shows after the cash window.
#include "KeyboardUse.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowChecks.h"
#include "app/ProgramWindows.h"
#include "cash/UnitAbrFec.h"
#include "core/Globals.h"
#include "sales/SalesMessages.h"
#include "sales/SalesRibbon.h"
#include "sales/ScalePanel.h"
#include "sales/UnitBalcao.h"
#include "shell/RibbonBar.h"
#include "shell/UnitAcessos.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

void promptAnswers(ScriptedDialogs& d, const char* user)
{
    d.onWindow(QStringLiteral("TFormAcessos"), [user](QDialog& w) {
        auto& p = static_cast<TFormAcessos&>(w);
        if (!user) {
            p.cancel();
            return w.result();
        }
        p.setName(QString::fromLatin1(user));
        p.setPassword(QStringLiteral("1"));
        p.confirm();
        return w.result();
    });
}

} // namespace

TEST(SalesRibbon, EachButtonChecksItsRule)
{
    struct Case {
        const char* caption;
        int itemOptions, loginRights;
        const char* master;      // OperatorIsMaster
        const char* promptUser;  // nullptr: the prompt is cancelled
        bool cashOpen;
        const char* tab;
        const char* opens;       // window shown, nullptr: none
        const char* message;     // message shown, nullptr: none
        bool prompted;
    } cases[] = {
        {"Excluir Comanda", 2, 0, "N", nullptr, true, "000001", "TFormExcCom", nullptr, false},
        {"Excluir Comanda", 0, 0, "N", "CHEFE", true, "000001", "TFormExcCom", nullptr, true},
        {"Excluir Comanda", 0, 0, "N", "GARCOM", true, "000001", nullptr, "       Acesso não autorizado         ", true},
        {"Transferência Produtos", 0, 0, "N", "GARCOM", true, "", nullptr, "|    Acesso não autorizado...     |", true},
        {"Troca Cliente  de Mesa", 8, 0, "N", nullptr, true, "", "TFormMudaMesa", nullptr, false},
        {"Reabrir Comanda", 128, 0, "N", "GARCOM", true, "", nullptr, "|      Acesso não autorizado     |", true},
        {"Reabrir Comanda", 0, 0, "N", "CHEFE", true, "", "TFormReabrirCom", nullptr, true},
        {"Reabrir Comanda", 256, 0, "N", nullptr, true, "", "TFormReabrirCom", nullptr, false},
        {"Comissao por venda", 0, 0, "C", nullptr, true, "", "TFormComGar", nullptr, false},
        {"Comissao por venda", 0, 0, "N", nullptr, true, "", nullptr, "     Usuario não autorizado      ", false},
        {"Pagto Antecipado", 0, 0, "N", "GARCOM", true, "", nullptr, nullptr, true},
        {"Pagto Antecipado", 16, 0, "N", nullptr, true, "", "TFormPagaantes", nullptr, false},
        {"Consumo Minimo (ativar/valor)", 0, 0, "N", "CHEFE", true, "", "TFormConsumacao", nullptr, true},
        {"Consumo Minimo (ativar/valor)", 0, 0, "N", "GARCOM", true, "", nullptr, "     Usuario não autorizado      ", true},
        {"Reimprimir Cozinha", 0, 0, "N", nullptr, true, " ", nullptr, "|   Selecione uma Mesa/Comanda.     |", false},
        {"Reimprimir Cozinha", 0, 0, "N", nullptr, true, "000001", "TFormReCozinha", nullptr, false},
        {"Despesas do Caixa", 0, 32, "N", nullptr, false, "", nullptr, "|         Caixa Fechado, Abrir primeiro o caixa      |", false},
        {"Despesas do Caixa", 0, 0, "N", "CHEFE", true, "", "TFormDesp", nullptr, true},
        {"Sangria Reforço de Caixa", 0, 0, "N", "CHEFE", false, "", nullptr, "     Caixa Fechado... abrir caixa primeiro      ", true},
        {"Sangria Reforço de Caixa", 0, 0, "N", nullptr, true, "", nullptr, "       Acesso não autorizado         ", true},
        {"Abrir/Fechar Mov. do Caixa", 0, 0, "N", "GARCOM", true, "", nullptr, "       Acesso não autorizado         ", true},
        {"Visualiza Comandas", 0, 0, "N", "CHEFE", true, "", "TFormVisComFec", nullptr, true},
        {"Pedido Delivery", 0, 0, "N", nullptr, true, "", "TFormPedDelivery", nullptr, false},
        {"Reserva de Mesa", 0, 0, "N", nullptr, true, "", "TFormReserva", nullptr, false},
    };
    for (const Case& c : cases) {
        TestStation st;
        ScriptedDialogs script;
        st.addUser(QStringLiteral("CHEFE"), QStringLiteral("1"), QStringLiteral("S"), 8 | 16 | 32 | 64 | 512 | 4096);
        st.addUser(QStringLiteral("GARCOM"), QStringLiteral("1"), QStringLiteral("N"), 0);
        if (c.cashOpen)
            st.openCashShift(2);
        ctx::sales().ItemOptions = c.itemOptions;
        ctx::op().LoginRights = c.loginRights;
        ctx::op().OperatorIsMaster = QString::fromLatin1(c.master);
        promptAnswers(script, c.promptUser);
        salesribbon::Context context;
        context.logon = &st.logon();
        context.tabNumber = QString::fromLatin1(c.tab);
        const QString caption = QString::fromUtf8(c.caption);
        salesribbon::run(caption, context);
        const std::string name = c.caption;
        EXPECT_EQ(script.windowsShown.contains(QStringLiteral("TFormAcessos")), c.prompted) << name;
        QStringList shown = script.windowsShown;
        shown.removeAll(QStringLiteral("TFormAcessos"));
        EXPECT_EQ(shown, c.opens ? QStringList{QString::fromLatin1(c.opens)} : QStringList()) << name;
        EXPECT_EQ(script.messageTexts(), c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList()) << name;
    }
}

TEST(SalesRibbon, MalformedTabsAreDeletedWithTheirItems)
{
    TestStation st;
    ScriptedDialogs script;
    st.addUser(QStringLiteral("CHEFE"), QStringLiteral("1"), QStringLiteral("S"), 16);
    promptAnswers(script, "CHEFE");
    for (const char* key : {"12", "mesa", "ÁGUA", "000012", "BALCAO"}) {
        st.logon().run(QStringLiteral("insert into cabmesa (mesa) values (?)"), {QString::fromUtf8(key)});
        st.logon().run(QStringLiteral("insert into mesa (mesa, quant, valor) values (?, 1, 1)"), {QString::fromUtf8(key)});
    }
    salesribbon::Context context;
    context.logon = &st.logon();
    const salesribbon::After after = salesribbon::run(QStringLiteral("Excluir mesas c/erros"), context);
    EXPECT_TRUE(after.refreshTabs);
    EXPECT_EQ(script.messageTexts(), QStringList{salesmsg::tablesDeleted});
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from cabmesa")), 2);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from mesa")), 2);
}

TEST(SalesRibbon, OpeningTheCashFromTheScreenShowsItOpen)
{
    TestStation st;
    ScriptedDialogs script;
    registerProgramWindows();
    st.addUser(QStringLiteral("CHEFE"), QStringLiteral("1"), QStringLiteral("S"), 16);
    promptAnswers(script, "CHEFE");
    script.onWindow(QStringLiteral("TFormAbrFec"), [](QDialog& d) {
        auto& w = static_cast<TFormAbrFec&>(d);
        w.prepareOpening();
        w.confirmOpening();
        return int(QDialog::Accepted);
    });
    ctx::op().OperatorName = QStringLiteral("MARIA");
    TFormBalcao screen(st.logon());
    EXPECT_EQ(screen.cashStateText(), salesmsg::cashClosedLabel);
    QToolButton* button = ribbonButton(*screen.ribbon(), QStringLiteral("Abrir/Fechar Mov. do Caixa"));
    ASSERT_TRUE(button);
    button->click();
    EXPECT_EQ(screen.cashStateText(), salesmsg::cashOpenLabel);
    EXPECT_EQ(ctx::sales().CashShiftNumber, 1);
    EXPECT_TRUE(screen.findChild<QPushButton*>(QStringLiteral("paymentButton"))->isEnabled());
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from historico where acao = 'Abriu Caixa' and operador = 'CHEFE'")), 1);
}

// The buttons the screen answers itself are told apart by what they open, not by
// their captions: none of them ends in the placeholder of a window that does not
// exist. "Configura Balança" shows the scale settings.
TEST(SalesRibbon, ButtonsTheScreenAnswersOpenNoPlaceholder)
{
    TestStation st;
    ScriptedDialogs script;
    st.addUser(QStringLiteral("CHEFE"), QStringLiteral("1"), QStringLiteral("S"), 0xFFFF);
    promptAnswers(script, "CHEFE");
    st.openCashShift(1);
    ctx::op().OperatorName = QStringLiteral("CHEFE");
    ctx::op().OperatorIsMaster = QStringLiteral("S");
    TFormBalcao screen(st.logon());
    screen.show();
    for (const salesribbon::Button& b : salesribbon::buttons()) {
        const QString opens = QString::fromLatin1(b.opens);
        if (!opens.startsWith(QLatin1Char('@')) || opens == QLatin1String("@close"))
            continue;
        QToolButton* button = ribbonButton(*screen.ribbon(), QString::fromUtf8(b.caption));
        ASSERT_TRUE(button) << b.caption;
        script.windowsShown.clear();
        button->setEnabled(true);
        button->click();
        for (const QString& shown : script.windowsShown)
            EXPECT_FALSE(shown.startsWith(QLatin1Char('@'))) << b.caption << ": " << shown.toStdString();
    }

    auto* scale = screen.findChild<ScalePanel*>();
    ASSERT_TRUE(scale);
    scale->hide();
    script.windowsShown.clear();
    ribbonButton(*screen.ribbon(), QStringLiteral("Configura Balança"))->click();
    EXPECT_TRUE(scale->isVisible());
    EXPECT_TRUE(script.windowsShown.isEmpty()) << script.windowsShown.join(',').toStdString();
}

// "Numeração Pedido Cozinha": the panel over the sales screen, with its two notes,
// shows the station's next kitchen order number; Enter goes from the number to
// "Fechar", and "Fechar" keeps what was typed (a text that is no number as 1). Esc
// leaves the number as it was.
TEST(SalesRibbon, TheKitchenOrderNumberIsSetOnItsPanel)
{
    TestStation st;
    ScriptedDialogs script;
    st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\pedido.INI"), {QStringLiteral("41")});
    const auto number = [&] { return st.readFile(QStringLiteral("c:\\Miltrex\\vavoz\\pedido.INI")); };
    struct Case {
        const char* typed;
        std::vector<Qt::Key> keys;
        const char* kept;
    } cases[] = {
        {"25", {Qt::Key_Return, Qt::Key_Return}, "25"},
        {"abc", {Qt::Key_Return, Qt::Key_Return}, "1"},
        {"0", {Qt::Key_Return, Qt::Key_Return}, "1"},
        {"90", {Qt::Key_Escape}, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        QStringList shownTexts;
        QString proposed, focusAfterEnter;
        script.onWindow(QStringLiteral("KitchenNumberPanel"), [&](QDialog& panel) {
            panel.show();
            QApplication::setActiveWindow(&panel);
            if (!QTest::qWaitForWindowActive(&panel))
                ADD_FAILURE() << "the panel is not active";
            for (QLabel* l : panel.findChildren<QLabel*>())
                shownTexts << l->text();
            proposed = panel.findChild<QLineEdit*>(QStringLiteral("numberEdit"))->text();
            keyboard::selectAllAndType(QString::fromUtf8(c.typed));
            for (Qt::Key k : c.keys) {
                keyboard::press(k);
                if (focusAfterEnter.isEmpty())
                    focusAfterEnter = keyboard::focusedName();
            }
            return panel.result();
        });
        const QString before = number().value(0);
        salesribbon::Context context;
        context.logon = &st.logon();
        salesribbon::run(QStringLiteral("Numeração Pedido Cozinha"), context);
        EXPECT_EQ(script.windowsShown.last(), QStringLiteral("KitchenNumberPanel"));
        EXPECT_EQ(proposed, before);
        for (const char* text : {"Pedido na cozinha", "Numeração do pedido na cozinha",
                                 "Voce pode inicializar essa numeração diaria ou quando desejar",
                                 "Proximo Numero de Pedido"})
            EXPECT_TRUE(shownTexts.contains(QString::fromUtf8(text))) << text;
        if (c.keys.front() == Qt::Key_Return) {
            EXPECT_EQ(focusAfterEnter, QStringLiteral("closeButton"));
        }
        EXPECT_EQ(number(), QStringList{QString::fromUtf8(c.kept)});
    }
}
