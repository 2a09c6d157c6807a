#pragma once
// The delivery windows' own texts, in one place: messages, captions and the
// fixed texts their lists and labels show.
#include "core/ActionRefused.h"
#include <QString>

namespace deliverytext {

inline const QString attention = QStringLiteral("ATENÇÃO");
inline const QString askDelete = QStringLiteral("Deseja Excluir Este Registro ?");

// The desk.
namespace desk {
inline const QString title = QStringLiteral("Pedido de Delivery");
inline const QString cashClosed = QStringLiteral("|       Caixa Fechado...  Favor Abrir primeiro o Caixa.       |");
inline const QString badPhone = QStringLiteral(" Informe o telefone sem DDD,somente numeros  ");
inline const QString orderGone = QStringLiteral("|      Pedido não Localizado...      |");
inline const QString chooseMan = QStringLiteral("Selecione um Entregador");
inline const QString chooseArea = QStringLiteral("Selecione Local Entrega");
inline const QString feeLine = QStringLiteral("Taxa de Entrega");
// The desk's ribbon.
inline const QString ribbonTab = QStringLiteral("Delivery");
inline const QString ribbonGroup = QStringLiteral("Delivery");
inline const QString menButton = QStringLiteral("Cadastro de Entregador");
inline const QString areasButton = QStringLiteral("Cadastro Taxas Entregas");
inline const QString commissionButton = QStringLiteral("Comissão Entregadores");
inline const QString salesButton = QStringLiteral("Relação Venda Delivery");
inline const QString leaveButton = QStringLiteral("Sair do Delivery");
} // namespace desk

// The payment panel of the delivery note and of the invoicing.
namespace panel {
inline const QString windowCaption = QStringLiteral("Venda Rapida");
inline const QString invoiceHeader = QStringLiteral("VENDA RÁPIDA");
inline const QString noteHeader = QStringLiteral("CUPOM PARA ENTREGA");
inline const QString missing = QStringLiteral("Faltando informar valores");
inline const QString changeAboveCash = QStringLiteral("Valor informado para Dinheiro inferior ao troco");
inline const QString invalidAmount = QStringLiteral("  Valor Invalido  ");
inline const QString printQuestion = QStringLiteral("Deseja Imprimir cupom?");
inline const QString alreadyInvoiced = QStringLiteral("|      Pedido já Faturado...      |");
inline const QString orderChanged =
    QStringLiteral("|   Pedido alterado em outra estação: confira e fature novamente   |");
} // namespace panel

// The delivery reports and the settlement window.
namespace reports {
inline const QString openError = QStringLiteral(" Erro ao abrir o arquivo  ");
inline const QString shortageQuestion = QStringLiteral("Confirma se houve falta de valores na prestação de contas?");
inline const QString printHint = QStringLiteral("Imprimir Relatorio\rCaso haja problema com a impressão\r"
                                                "talves seja necessario configurar a impressora\r"
                                                "no menu \"Configuração da impressora\"");
inline const QString cashCaption = QStringLiteral("Caixa de Numero.:");
} // namespace reports

// The item entry.
namespace items {
inline const QString productNotFound = QStringLiteral("        Produto Nao Localizado          ");
inline const QString noQuantity = QStringLiteral("|  Informar uma quantidade         |");
inline const QString fillError = QStringLiteral("|        Erro no preenchimento....         |");
} // namespace items

// The delivery areas.
namespace areas {
inline const QString noName = QStringLiteral("|     Informe o nome do bairro     |");
inline const QString longName = QStringLiteral("|   Nome do bairro com mais de 20 letras   |");
inline const QString badFee = QStringLiteral("|   Taxa de entrega invalida: informe um valor   |");
} // namespace areas

// The delivery men's register.
namespace men {
// "&Novo" and a code another station registered meanwhile: nothing is written.
inline const QString codeTaken = QStringLiteral("         Codigo Ja Existe, escolha outro..       ");
} // namespace men

// The delivery data of a tab.
namespace tab {
inline const QString counterPickUp = QStringLiteral("Retira Balcao   ");
inline const QString underpaid = QStringLiteral(" Valor inferior ao pedido   ");
inline const QString fillError = QStringLiteral("|       Houve erro no preenchimento       |");
} // namespace tab

// The single-screen delivery order.
namespace single {
inline const QString windowCaption = QStringLiteral("FormCadPedDeli");
inline const QString header = QStringLiteral("Pedido de Delivery  N.");
inline const QString newOrderNumber = QStringLiteral("0000");
inline const QString cashClosed = QStringLiteral(" Caixa Fechado   ");
inline const QString informProduct = QStringLiteral(" Informar um Produto   ");
inline const QString denied = QStringLiteral("       Acesso não autorizado         ");
inline const QString underpaid = QStringLiteral("     Valor informado inferior a conta   ");
inline const QString noArea = QStringLiteral(" Obrigatorio escolher uma taxa de entrega  \n\r"
                                             " se o custo for Zero, cadastre uma taxa com esse custo ");
inline const QString noMan = QStringLiteral(" Obrigatorio escolher um entregador \n\r"
                                            " se não tem entregador, cadastre um como Retirada Loja  ");
inline const QString badPrice = QStringLiteral("|     Valor do produto não é valido     |");
inline const QString badDdd = QStringLiteral("|     DDD invalido: informe somente numeros     |");
inline const QString unknownMethod = QStringLiteral("|   Forma de pagamento não cadastrada   |");
inline const QString totalCaption = QStringLiteral("Total (Pedido/Taxa)");
inline const QString paymentPanel = QStringLiteral("Informar Valor a Receber para Calcular troco");
inline const QString change = QStringLiteral("Troco");
inline const QString missing = QStringLiteral("Falta");
// STATUS of the order.
inline const QString ordered = QStringLiteral("PEDIDO");
inline const QString preparing = QStringLiteral("MONTANDO");
inline const QString outForDelivery = QStringLiteral("SAIU P/ENTREGA");
} // namespace single

} // namespace deliverytext

#include <stdexcept>

// An action of the delivery windows refused with one of the texts above; nothing
// was written.
class DeliveryRefused : public ActionRefused {
public:
    using ActionRefused::ActionRefused;
};
