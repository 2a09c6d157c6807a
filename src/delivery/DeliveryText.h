#pragma once
// The delivery windows' own texts, in one place: messages, captions and the
// fixed texts their lists and labels show.
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
inline const QString notReady = QStringLiteral("Esta função ainda não está disponível nesta versão.");
// The desk's ribbon.
inline const QString ribbonTab = QStringLiteral("Delivery");
inline const QString ribbonGroup = QStringLiteral("Delivery");
inline const QString menButton = QStringLiteral("Cadastro de Entregador");
inline const QString areasButton = QStringLiteral("Cadastro Taxas Entregas");
inline const QString commissionButton = QStringLiteral("Comissão Entregadores");
inline const QString salesButton = QStringLiteral("Relação Venda Delivery");
inline const QString leaveButton = QStringLiteral("Sair do Delivery");
} // namespace desk

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

// The delivery data of a tab.
namespace tab {
inline const QString counterPickUp = QStringLiteral("Retira Balcao   ");
inline const QString underpaid = QStringLiteral(" Valor inferior ao pedido   ");
inline const QString fillError = QStringLiteral("|       Houve erro no preenchimento       |");
} // namespace tab

} // namespace deliverytext

#include <stdexcept>

// An action of the delivery windows refused with one of the texts above; nothing
// was written.
class DeliveryRefused : public std::runtime_error {
public:
    explicit DeliveryRefused(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
