#include "sales/SalesRibbon.h"

#include "cash/CashShift.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "tabs/TabMaintenanceMenu.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "sales/ItemConfirmation.h"
#include "sales/KitchenNumberPanel.h"
#include "sales/SalesMessages.h"
#include "sales/TabOpening.h"
#include "shell/RibbonBar.h"
#include "shell/UnitAcessos.h"
#include "shell/WindowRegistry.h"

#include <QToolButton>
#include <cstring>
#include <stdexcept>

namespace salesribbon {

namespace {
using P = ribbon::Picture;
using R = Rule;

bool has(int mask, int bit) { return RightsBitSet(mask, bit) == QLatin1String("S"); }

const char* R1 = "       Acesso não autorizado         ";
const char* R4 = "     Usuario não autorizado      ";
} // namespace

const std::vector<Button>& buttons()
{
    static const std::vector<Button> list = {
        {"Comandas", "Vendas", "Pedido Delivery", P::Delivery, "TFormPedDelivery", R::Free, 0, 0, nullptr, "Pedido Delivery"},
        {"Comandas", "Vendas", "Pesquisa Produtos", P::Search, "@productSearch", R::Free, 0, 0, nullptr, nullptr, true},
        {"Comandas", "Vendas", "Atualiza Tablet", P::Refresh, "@refresh", R::Free, 0, 0, nullptr, nullptr, true},
        {"Comandas", "Vendas", "Excluir Comanda", P::Cancel, "@cancelTab", R::Free, 512, 2, nullptr, "Excluir Comanda", true},
        {"Comandas", "Vendas", "Reimprimir Cozinha", P::Print, "TFormReCozinha", R::TabNumber, 0, 0, nullptr, "Reimprimir Cozinha"},
        {"Comandas", "Vendas", "Transferência Produtos", P::Transfer, "@itemTransfer", R::Free, 4096, 4, nullptr, "Mudança de Mesa", true},
        {"Comandas", "Vendas", "Troca Cliente  de Mesa", P::Transfer, "@tableMove", R::Free, 4096, 8, nullptr, ": Troca de Mesa :", true},
        {"Comandas", "Vendas", "Reabrir Comanda", P::Reopen, "@reopenTab", R::Free, 0, 256, nullptr, "Reabrir Comanda", true},
        {"Comandas", "Vendas", "Qtd Pessoas na mesa", P::Persons, "@persons", R::Free, 0, 0, nullptr, ": Numero de Clientes por mesa :", true},
        {"Comandas", "Vendas", "Pagto Antecipado", P::PaymentMethod, "@advancePayment", R::Free, 32, 16, nullptr, ".: Pagamento Parcial :. ", true},
        {"Comandas", "Vendas", "F3 - Teclado Virtual", P::Keyboard, "@keyboard", R::Free},
        {"Comandas", "Controle", "Retornar", P::Exit, "@close", R::Free},
        {"Caixa", "Relatorios", "Abrir/Fechar Mov. do Caixa", P::CashShift, "TFormAbrFec", R::Prompt, 16, 0, R1, "Abertura e Fechamento do Movimento do Caixa"},
        {"Caixa", "Relatorios", "Imprimir Mov. Caixa", P::CashReport, "TFormFecha", R::Prompt, 64, 0, R1, "Fechamento Movimento do Caixa"},
        {"Caixa", "Relatorios", "Fec.Tipo Pagamento", P::DayReport, "TFormFecDiaPag", R::Prompt, 16, 0, R1, "Fechamento por Tipo de Pagamento"},
        {"Caixa", "Relatorios", "Despesas do Caixa", P::Expenses, "@expenses", R::LoginElsePrompt, 32, 0, R1, "Despesas do Caixa"},
        {"Caixa", "Relatorios", "Sangria Reforço de Caixa", P::StockMove, "@withdrawal", R::Free, 32, 0, nullptr, "Sangria e Reforço"},
        {"Caixa", "Relatorios", "Reimprimir comanda finalizada", P::Print, "TFormReCupom", R::Free, 0, 0, nullptr, "Reimprimir comanda finalizada"},
        {"Caixa", "Relatorios", "Relatório Cancelamentos", P::Cancel, "TFormRelCan", R::Free, 0, 0, nullptr, "Relatório de Cancelamentos de Comandas/ Itens"},
        {"Caixa", "Relatorios", "Comissao por venda", P::Commission, "TFormComGar", R::OperatorSupervisor, 0, 0, R4, "Relatorio de Comissão"},
        {"Caixa", "Relatorios", "Cadastro de Clientes", P::Customer, "TFormCliente", R::LoginElsePrompt, 8, 0, R1, "Cadastro de Clientes"},
        {"Caixa", "Relatorios", "Pesquisa Cliente", P::Search, "TFormBusca", R::Free, 0, 0, nullptr, "Pesquisa Cliente"},
        {"Caixa", "Relatorios", "Ponto Fidelidade", P::Loyalty, "TFormFidelidade", R::Prompt, 16, 0, R1, "Ponto Fidelidade"},
        {"Caixa", "Relatorios", "Reserva de Mesa", P::Reservation, "@reservations", R::Free, 0, 0, nullptr, ".; Reserva de Mesas :."},
        {"Caixa", "Sair", "Sair do Sistema", P::Exit, "@close", R::Free},
        {"Cardapio", "", "Grupo  Cardapio", P::Categories, "TFormCardGrupo", R::Free, 0, 0, nullptr, "Grupo Cardapio"},
        {"Cardapio", "", "Produtos Cardapio", P::Menu, "TFormCardapio", R::Free, 0, 0, nullptr, "Produtos Cardapio"},
        {"Cardapio", "", "Configuração", P::Settings, "TFormCardConfig", R::Free, 0, 0, nullptr, "Configuração Cardapio"},
        {"Cardapio", "", "Gerar QrCode", P::QrCode, "TFormCardQrCode", R::Free, 0, 0, nullptr, "Gerar QrCode"},
        {"Configuração", "Relatórios", "Configura Impr. Comanda", P::Settings, "TFormSetCom", R::Free, 0, 0, nullptr, "Setup da na comanda"},
        {"Configuração", "Relatórios", "Visualiza Comandas", P::Preview, "TFormVisComFec", R::Prompt, 16, 0, R1, ".: Visualiza Comandas ja fechadas :."},
        {"Configuração", "Relatórios", "Mesas abertas e fechadas no caixa", P::Report, "RelMesasAbertasFechadas", R::Prompt, 16, 0, R4, "Mesas abertas e fechadas no caixa"},
        {"Configuração", "Relatórios", "Rel. Mesas Abertas", P::Report, "RelMesasAbertas", R::Free, 0, 0, nullptr, "Rel. Mesas Abertas"},
        {"Configuração", "Relatórios", "Consumo Minimo (ativar/valor)", P::Result, "TFormConsumacao", R::AuthoriserSupervisor, 0, 0, R4, ":: Consumação Minima ::"},
        {"Configuração", "Relatórios", "Numeração Pedido Cozinha", P::Numbering, "@orderNumber", R::Free},
        {"Configuração", "Relatórios", "Excluir mesas c/erros", P::Reset, "@badTabs", R::Prompt, 16, 0, nullptr},
        {"Configuração", "Relatórios", "Configura Balança", P::Scale, "@scale", R::Free, 0, 0, nullptr, "Configura Balança"},
        {"Configuração", "Relatórios", "Pre Conta de fechamento (S/N)", P::Settings, "TFormFechasim", R::Free, 0, 0, nullptr, "Força fechamento"},
        {"Configuração", "", "Sair Sistema", P::Exit, "@close", R::Free},
    };
    return list;
}

QStringList tabs()
{
    QStringList t;
    for (const Button& b : buttons())
        if (!t.contains(QString::fromUtf8(b.tab)))
            t << QString::fromUtf8(b.tab);
    return t;
}

bool opens(const Button& b, const char* what)
{
    return std::strcmp(b.opens, what) == 0;
}

const Button& buttonOpening(const char* what)
{
    for (const Button& b : buttons())
        if (opens(b, what))
            return b;
    throw std::logic_error(std::string("no sales ribbon button opens ") + what);
}

void build(RibbonBar& bar, const std::function<void(const Button&)>& clicked)
{
    for (const Button& b : buttons()) {
        QToolButton* button = bar.addButton(QString::fromUtf8(b.tab), QString::fromUtf8(b.group),
                                            QString::fromUtf8(b.caption), b.picture);
        button->setProperty("tabButton", b.tabButton);
        const Button* def = &b;
        QObject::connect(button, &QToolButton::clicked, button, [clicked, def] { clicked(*def); });
    }
}

void enableTabButtons(RibbonBar& bar, bool enabled)
{
    for (int t = 0; t < bar.count(); ++t)
        for (QToolButton* b : bar.buttons(t))
            if (b->property("tabButton").toBool())
                b->setEnabled(enabled);
}

QString normalTabKeyForm(const QString& key)
{
    QString k = TrimText(StripAccents(key).toUpper());
    if (key.size() < 6)
        if (const std::optional<int> n = TextToInt(key))
            k = FormatFloat(u"000000", Decimal(*n));
    return k;
}

namespace {

bool allowed(const Button& b, const Context& c)
{
    ctx::Operator& op = ctx::op();
    auto prompt = [&] {
        op.CurrentRights = 0;
        op.AuthoriserIsMaster = QStringLiteral("N");
        askSupervisor(*c.logon);
    };
    switch (b.rule) {
    case R::Free:
        return true;
    case R::TabNumber:
        if (TrimText(c.tabNumber).isEmpty()) {
            ShowMessageWindow(salesmsg::title, salesmsg::selectTab);
            return false;
        }
        return true;
    case R::Prompt:
        prompt();
        return has(op.CurrentRights, b.bit);
    case R::OptionElsePrompt:
        if (has(ctx::sales().ItemOptions, b.option))
            return true;
        prompt();
        return has(op.CurrentRights, b.bit);
    case R::LoginElsePrompt:
        if (has(op.LoginRights, b.bit))
            return true;
        prompt();
        return has(op.CurrentRights, b.bit);
    case R::OperatorSupervisor:
        return op.OperatorIsMaster == QLatin1String("S") || op.OperatorIsMaster == QLatin1String("C");
    case R::AuthoriserSupervisor:
        prompt();
        return op.AuthoriserIsMaster == QLatin1String("S");
    case R::OptionElseSupervisor:
        if (has(ctx::sales().ItemOptions, b.option))
            return true;
        prompt();
        return op.AuthoriserIsMaster == QLatin1String("S") || op.AuthoriserIsMaster == QLatin1String("C");
    }
    return false;
}

int cashNumber(TLogon& logon)
{
    return CashShift(logon).openNumber();
}

// The tab-upkeep buttons: closing/TabMaintenanceMenu applies each one's rights
// rule (ItemOptions bit, else the supervisor prompt) and opens its window with the
// table field. Gives false for a caption that is none of them.
bool runTabUpkeep(const QString& opens, const Context& c, After& after)
{
    TLogon& logon = *c.logon;
    const int options = ctx::sales().ItemOptions;
    bool shown = false;
    if (opens == QLatin1String("@cancelTab")) {
        shown = tabmenu::cancelTab(logon, options, c.tabNumber);
        after.clearTab = shown;
        after.refreshTabs = shown;
    } else if (opens == QLatin1String("@itemTransfer")) {
        shown = tabmenu::itemTransfer(logon, options, c.tabNumber);
        after.refreshTabs = shown;
        after.focusTab = true;
    } else if (opens == QLatin1String("@tableMove")) {
        shown = tabmenu::tableMove(logon, options, c.tabNumber);
        after.refreshTabs = shown;
    } else if (opens == QLatin1String("@reopenTab")) {
        shown = tabmenu::reopenTab(logon, options, c.tabNumber);
        after.refreshTabs = shown;
    } else if (opens == QLatin1String("@persons")) {
        shown = tabmenu::persons(logon);
        after.refreshTabs = shown;
    } else if (opens == QLatin1String("@advancePayment")) {
        shown = tabmenu::advancePayment(logon, options, c.tabNumber);
        after.refreshTabs = shown;
        after.takeUpTab = shown;
    } else if (opens == QLatin1String("@withdrawal")) {
        shown = tabmenu::withdrawal(logon);
        ctx::sales().CashShiftNumber = cashNumber(logon);
    } else if (opens == QLatin1String("@reservations")) {
        shown = tabmenu::reservations(logon);
    } else {
        return false;
    }
    after.ran = shown;
    return true;
}

} // namespace

After run(const QString& caption, const Context& c)
{
    for (const Button& b : buttons())
        if (caption == QString::fromUtf8(b.caption))
            return run(b, c);
    return After();
}

After run(const Button& b, const Context& c)
{
    After after;
    const Button* button = &b;
    const QString caption = QString::fromUtf8(b.caption);
    if (!allowed(*button, c)) {
        if (button->refusal)
            ShowMessageWindow(salesmsg::title, QString::fromUtf8(button->refusal));
        return after;
    }
    after.ran = true;
    const QString opens = QString::fromUtf8(button->opens);
    const QString title = button->title ? QString::fromUtf8(button->title) : caption;
    try {
        if (opens == QLatin1String("@close")) {
            after.closeScreen = true;
        } else if (opens == QLatin1String("@keyboard")) {
            after.toggleKeyboard = true;
        } else if (opens == QLatin1String("@productSearch")) {
            ctx::lookup().ProductLookupCode.clear();
            ctx::lookup().LookupCode.clear();
            windows::open(QStringLiteral("TFormLcPro"), QStringLiteral("Pesquisa Produtos"));
            after.productCode = true;
        } else if (opens == QLatin1String("@refresh")) {
            TabOpening(*c.logon).dropKeylessTabs();
            after.refreshTabs = true;
        } else if (opens == QLatin1String("@expenses")) {
            if (cashNumber(*c.logon) == 0)
                ShowMessageWindow(salesmsg::title, salesmsg::cashClosedExpenses);
            else
                windows::open(QStringLiteral("TFormDesp"), title);
        } else if (opens.startsWith(QLatin1String("@")) && runTabUpkeep(opens, c, after)) {
            // a tab-upkeep action: its own rights rule, window and messages
        } else if (opens == QLatin1String("@orderNumber")) {
            KitchenNumberPanel panel;
            dialogs().exec(panel);
        } else if (opens == QLatin1String("@badTabs")) {
            c.logon->action([&] {
                RowSet rs = c.logon->run(QStringLiteral("select id, mesa from cabmesa"));
                while (rs.next()) {
                    const QString mesa = rs.text(u"MESA");
                    if (normalTabKeyForm(mesa) == mesa)
                        continue;
                    c.logon->run(QStringLiteral("delete from cabmesa where id = ?"), {rs.integer(u"ID")});
                    c.logon->run(QStringLiteral("delete from mesa where mesa = ?"), {mesa});
                }
            });
            ShowMessageWindow(salesmsg::title, salesmsg::tablesDeleted);
            after.refreshTabs = true;
        } else if (opens == QLatin1String("TFormFecha")) {
            // The cash report takes the authorising user's supervisor flag as its
            // lock: a flag other than "S" and "N" keeps it on the open shift.
            const QString flag = ctx::op().AuthoriserIsMaster;
            windows::open(opens, title, [flag](QDialog& w) { w.setProperty("lockFlag", flag); });
        } else {
            windows::open(opens, title);
            if (opens == QLatin1String("TFormAbrFec"))
                after.reloadCash = true;
            if (button->tabButton || opens == QLatin1String("TFormCliente"))
                after.refreshTabs = true;
        }
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    return after;
}

} // namespace salesribbon
