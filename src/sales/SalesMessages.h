#pragma once
// The sales screen's messages, in one place, exactly as the stations know them.
#include "tabs/TabKey.h"

#include <QString>

namespace salesmsg {
inline const QString title = QStringLiteral("ATENÇÃO");
inline const QString cashClosedEnter = QStringLiteral("|       Caixa Fechado...  Favor Abrir primeiro o Caixa.       |");
inline const QString cashClosedOpen = QStringLiteral("  Caixa esta fechado... \n\rAbrir caixa para continuar ");
inline const QString cashClosedConfirm = QStringLiteral(" Caixa Fechado   ");
inline const QString openTabQuestion = QStringLiteral("Mesa não foi aberta, dejesa abrir?");
inline const QString invalidTabName = QStringLiteral("  nome da mesa não é valido. ");
inline const QString tabNotOpened = QStringLiteral("|   Mesa não foi aberta:   |");
inline const QString informWaiterField = QStringLiteral("informar um Garcom");
inline const QString waiterNotFound = QStringLiteral(" Atendente não localizado....   ");
inline const QString informWaiter = QStringLiteral(" Informar um Atendente   ");
inline const QString informProduct = QStringLiteral(" Informar um Produto   ");
inline const QString productNotFoundShort = QStringLiteral("  Produto não Localizado  ");
inline const QString productNotFound = QStringLiteral("               Produto não Localizado          ")
    + QStringLiteral("\r") + QStringLiteral("   se estiver usando uma composição, não esquecer")
    + QStringLiteral("\r") + QStringLiteral(" de colocar antes do codigo o numero * [asterisco] antes do codigo ")
    + QStringLiteral("\r") + QStringLiteral("               que identifica a composição do Kit");
inline const QString tabClosed = QStringLiteral("|           Comanda Fechada           |");
inline const QString tabClosedReopen = QStringLiteral("|           Comanda Fechada           |")
    + QStringLiteral("\r") + QStringLiteral("|   Reabrir para novos lançamentos    |");
inline const QString tabNotFound = tabs::tabNotFound();
inline const QString waiterCodeNotFound = QStringLiteral(" Garcom não Localizado.. ");
inline const QString accessDenied = QStringLiteral("       Acesso não autorizado         ");     // R1
inline const QString accessDenied2 = QStringLiteral("|    Acesso não autorizado...     |");      // R2
inline const QString accessDenied3 = QStringLiteral("|      Acesso não autorizado     |");       // R3
inline const QString userDenied = QStringLiteral("     Usuario não autorizado      ");          // R4
inline const QString preBillFirst = QStringLiteral("   Fechar Primeiro a mesa....    ");
inline const QString functionDenied = QStringLiteral("  Função não autorizada...  ");
inline const QString selectTab = QStringLiteral("|   Selecione uma Mesa/Comanda.     |");
inline const QString cashClosedExpenses = QStringLiteral("|         Caixa Fechado, Abrir primeiro o caixa      |");
inline const QString cashClosedWithdrawal = QStringLiteral("     Caixa Fechado... abrir caixa primeiro      ");
inline const QString tablesDeleted = QStringLiteral(" Mesas Excluidas  ");
inline const QString promptProduct = QStringLiteral("Digite 0 [zero] para pesquisar produto");
inline const QString productName = QStringLiteral("Nome do Produto");
inline const QString cashOpenLabel = QStringLiteral("-- >  Caixa Aberto  <--");
inline const QString cashClosedLabel = QStringLiteral("-- >  Caixa Fechado  <--");
} // namespace salesmsg
