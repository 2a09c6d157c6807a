#include "registers/SystemOptions.h"
#include "registers/RegisterSql.h"
#include "core/uMensagem.h"

namespace options {

const std::vector<Box>& boxes()
{
    static const std::vector<Box> b = {
        {5, 1, "waiterPasswordCheck", QStringLiteral(" Solicitar senha garcom")},
        {5, 2, "reprintPreBillCheck", QStringLiteral(" Imprimir comanda conferencia ja fecheda")},
        {5, 4, "changePriceCheck", QStringLiteral(" Alterar preço de venda na comanda")},
        {5, 8, "startOnCounterCheck", QStringLiteral(" Iniciar modulo de venda em (Venda direta balcão)")},
        {5, 16, "payWithoutPreBillCheck", QStringLiteral(" Finalizar venda sem precisar imprimir conferência")},
        {5, 32, "oneWaiterPerTabCheck", QStringLiteral(" Manter o um garcom  por comanda")},
        {5, 64, "defaultWaiterCheck", QStringLiteral(" Deixar default \"1\" para garcom na comanda")},
        {5, 128, "cnpjOnReceiptCheck", QStringLiteral(" Colocar CNPJ no cupom não fiscal")},
        {5, 256, "productCodeOnReceiptCheck", QStringLiteral(" Incluir codigo produto no cupom venda")},
        {5, 512, "companyAddressCheck", QStringLiteral(" Incluir Endereco da empresa")},
        {5, 1024, "askCpfCheck", QStringLiteral(" Solicitar CPF na impressao da  nota")},
        {5, 2048, "alwaysJoinCheck", QStringLiteral(" Forçar JUNTAR itensna comanda")},
        {5, 4096, "noBillSplitCheck", QStringLiteral(" Não dividir conta por clientes na mesa")},
        {4, 1, "deleteItemFreeCheck", QStringLiteral(" Excluir Produtos")},
        {4, 2, "deleteTabFreeCheck", QStringLiteral(" Excluir Comandas")},
        {4, 4, "transferItemsFreeCheck", QStringLiteral(" Transferir produtos mesa")},
        {4, 8, "changeTableFreeCheck", QStringLiteral(" Troca de mesa")},
        {4, 16, "advancePaymentFreeCheck", QStringLiteral(" Pagamento Antecipado")},
        {4, 32, "lockChargesCheck", QStringLiteral(" Não permitir alterar (couver/TX Servico no pagamento)")},
        {4, 64, "highestFlavourPriceCheck", QStringLiteral(" Pizza (meio a meio) manter o valor maior")},
        {4, 128, "reopenTabsCheck", QStringLiteral("Reabrir Comandas")},
        {4, 256, "reopenTabFreeCheck", QStringLiteral("Excluir item Delivery")},
        {4, 512, "hideUnitPriceCheck", QStringLiteral("Não mostrar na comanda valor unitario")},
    };
    return b;
}

QString titleToSave(const QString& typed)
{
    const QString t = TrimText(typed).toUpper();
    return t.isEmpty() ? QStringLiteral("MESA") : t;
}

Words wordsFrom(const std::vector<bool>& ticked, const QString& title)
{
    Words w;
    const auto& b = boxes();
    for (size_t i = 0; i < b.size() && i < ticked.size(); ++i) {
        if (!ticked[i])
            continue;
        (b[i].word == 5 ? w.scc5 : w.scc4) += b[i].bit;
    }
    w.title = titleToSave(title);
    return w;
}

Words Store::load()
{
    Words w;
    registers::Rows r = registers::run(m_logon, QStringLiteral("select * from empresa"));
    if (!r.next())
        return w;
    w.scc5 = int(r.integer(u"SCC5"));
    w.scc4 = int(r.integer(u"SCC4"));
    w.title = titleToSave(r.text(u"TITULO"));
    return w;
}

void Store::save(const Words& words)
{
    registers::run(m_logon, QStringLiteral("update empresa set titulo = ?, scc5 = ?, scc4 = ?"),
             {words.title, words.scc5, words.scc4});
}

} // namespace options
