#include "shell/Ribbon.h"
#include "core/Globals.h"
#include "shell/UnitAcessos.h"
#include "core/uMensagem.h"

#include <QStringList>

namespace ribbon {

using R = Rule;

const std::vector<Button>& buttons()
{
    static const std::vector<Button> list = {
        {"Principal", "Vendas", "Vendas Comandas", "TFormBalcao", R::Free, 0, "Vendas"},
        {"Principal", "Vendas", "Abrir Mov Caixa", "TFormAbrFec", R::Prompt, 16, "Abertura e Fechamento do Movimento do Caixa"},
        {"Principal", "Vendas", "Cadastro Produtos", "TFormProd", R::Login, 1, "Cadastro de Produtos"},
        {"Principal", "Vendas", "Movimenta Estoque (Ent/Sai)", "TFormMovEst", R::Login, 2, "Movimenta Estoque"},
        {"Principal", "Vendas", "Cadastro Clientes", "TFormCliente", R::Login, 8, "Cadastro de Clientes"},
        {"Principal", "Vendas", "Imprimir Mov Caixa", "TFormFecha", R::Prompt, 2, "Fechamento Movimento do Caixa"},
        {"Principal", "Vendas", "Controle de Despesas", "TFormDesp", R::Login, 32, "Despesas Diarias"},
        {"Principal", "Vendas", "Alterar Lançamento", "TFormAltLan", R::PromptSupervisor, 0, "Altera Lançamento"},
        {"Principal", "Vendas", "Cancelar Vendas", "TFormCancel", R::Prompt, 128, ".: Cancela Vendas :."},
        {"Principal", "Vendas", "Controle Bancario", "TFormBan", R::Prompt, 16384, ".: Controle de Caixa / C.Corrente :."},
        {"Principal", "Sair", "Sair do Sistema", "@exit", R::Free},
        {"Relatórios 1", "Relatorios", "Encerramento do dia", "TFormFecha", R::Login, 64, "Fechamento Movimento do Caixa"},
        {"Relatórios 1", "Relatorios", "Faturamento por Período", "TFormFecMes", R::Prompt, 64, "Faturamento por Periodo"},
        {"Relatórios 1", "Relatorios", "Saida por cliente", "TFormFicCli", R::Prompt, 64, ".: Movimento de Produto por clientes :."},
        {"Relatórios 1", "Relatorios", "Rel Vendas p/Garcom", "TFormRelVenGar", R::Free, 0, "Vendas por Garcom"},
        {"Relatórios 1", "Relatorios", "Comissão por vendas", "TFormComGar", R::Supervisor, 0, "Relatorio de Comissão"},
        {"Relatórios 1", "Relatorios", "Venda do Dia", "TFormVenDia", R::Prompt, 64, "Relatorio de venda por nota"},
        {"Relatórios 1", "Relatorios", "Rel. Taxa de Serviço", "TFormComissao", R::Supervisor, 0, "Relatorio de taxa de serviço"},
        {"Relatórios 1", "Relatorios", "Relatório Couver", "TFormRelCou", R::Supervisor, 0, "Relatorio Couver / Show"},
        {"Relatórios 1", "Relatorios", "Rel. Abertura de Caixa", "TFormListAber", R::Current, 16, ": Listagem Abertura de Caixa :"},
        {"Relatórios 1", "Relatorios", "Relatório Sangria Reforço", "TFormListSang", R::Current, 16, ":: Listagem de Sangrias / Reforços ::"},
        {"Relatórios 1", "Relatorios", "Relatório Despesas", "TFormRelDesp", R::Free, 0, ".: Relatório de despesas :."},
        {"Relatórios 1", "Relatorios", "Rel. Produtos Vencidos", "TFormDatValid", R::Free, 0, "Relatório de Produto por data de validade"},
        {"Relatórios 1", "Relatorios", "Cancelamento de Comandas", "TFormRelCan", R::Free, 0, "Relatório de Cancelamentos de Comandas/ Itens"},
        {"Relatórios 1", "Relatorios", "Tabela de Vendas", "TFormVenda", R::Supervisor, 0, "Tabela de Venda"},
        {"Relatórios 1", "Sair", "Sair do Sistema", "@exit", R::Free},
        {"Relatórios 2", "Relatórios", "Rel. Produtos mais vendidos", "TFormRelSaiABC", R::Free, 0, "Produtos mais Vendidos"},
        {"Relatórios 2", "Relatórios", "Fechamento Analitico (Dia)", "TFormFecAnalitico", R::Prompt, 16, "Relatório Analitico Diario"},
        {"Relatórios 2", "Relatórios", "Rel. saida p/Fornecedor", "TFormEstFor", R::Free, 0, "Relatório por Fornecedor"},
        {"Relatórios 2", "Relatórios", "Rel. saida p/Clientes", "TFormBalCli", R::Free, 0, "Balancete por Cliente (Saida)"},
        {"Relatórios 2", "Relatórios", "Kits mais Vendidos", "TFormKitVend", R::Free, 0, "Kits mais Vendidos"},
        {"Relatórios 2", "Relatórios", "Listagem Clientes", "TFormRelCli", R::Free, 0, "Relação de Clientes"},
        {"Relatórios 2", "Relatórios", "Listagem Fornecedor", "TFormRelFor", R::Free, 0, "Relacao de Fornecedor"},
        {"Relatórios 2", "Relatórios", "Prod Vendidos Garçom", "TFormVendGarcom", R::Free, 0, "Produtos vendidos Garcom"},
        {"Relatórios 2", "Relatórios", "Apura Resultado.", "TFormApura", R::Supervisor, 0, "Apura Resultado"},
        {"Relatórios 2", "Sair", "Sair Sistema", "@exit", R::Free},
        {"Funcionarios", "Controle Funcionarios", "Cadastro de Profissionais", "TFormVendedor", R::Current, 8, "Cadastro de Profissionais"},
        {"Funcionarios", "Controle Funcionarios", "Controle de vales", "TFormDebCreFunc", R::Prompt, 8, ".: Controle de débito de funcionário :."},
        {"Funcionarios", "Controle Funcionarios", "Ficha de movimento", "TFormValeFic", R::Free, 0, ".: Ficha de acompanhamento de débito :."},
        {"Funcionarios", "Sair", "Sair Sistema", "@exit", R::Free},
        {"Cadastros", "Cadastros", "Vendas Comandas", "TFormBalcao", R::Free, 0, "Vendas"},
        {"Cadastros", "Cadastros", "Cadastro produtos", "TFormProd", R::Login, 1, "Cadastro de Produtos"},
        {"Cadastros", "Cadastros", "Cadastro da empresa", "TFormEmpresa", R::Supervisor, 0, "Cadastro da Empresa"},
        {"Cadastros", "Cadastros", "Cadastro Clientes", "TFormCliente", R::Login, 8, "Cadastro de Clientes"},
        {"Cadastros", "Cadastros", "Cadastro Fornecedor", "TFormForne", R::Login, 8, ".:  Cadastro de Fornecedor  :."},
        {"Cadastros", "Cadastros", "Manutenção de Senhas", "TFormManSen", R::PromptSupervisor, 0, "Manutenção de Senhas"},
        {"Cadastros", "Cadastros", "Centro de Custos Despesas", "TFormCentroCusto", R::Free, 0, "Centro de Custos"},
        {"Cadastros", "Cadastros", "Grupo  Categorias", "TFormTipos", R::Supervisor, 0, ".: CATEGORIAS DOS PRODUTOS :."},
        {"Cadastros", "Cadastros", "Complementos Pedidos", "TFormComplemento", R::Supervisor, 0, "Complementos"},
        {"Cadastros", "Cadastros", "Forma de Pagamento", "TFormFPaga", R::Free, 0, "Forma de Pagamento"},
        {"Cadastros", "Cadastros", "Kits Composição", "TFormKit", R::Free, 0, ".: Composição de Custo :."},
        {"Cadastros", "Cadastros", "Exportar Excel/CSV", "TFormExpExcel", R::Free, 0, "Exporta para Excel"},
        {"Cadastros", "Sair", "Sair Sistema", "@exit", R::Free},
        {"Estoque", "Estoque", "Imprimir Estoque", "TFormImpRap", R::Login, 2, ".: Estoque Atual - Impressão Rapida :."},
        {"Estoque", "Estoque", "Balancete Mensal", "TFormBalMen", R::Login, 2, "Balancete Mensal"},
        {"Estoque", "Estoque", "Mov Estoque (Ent/Sai)", "TFormMovEst", R::Login, 2, "Movimenta Estoque"},
        {"Estoque", "Estoque", "Ficha de Movimento", "TFormFicMov2", R::Login, 2, "Ficha de Movimento"},
        {"Estoque", "Estoque", "Rel Estoque Minimo", "TFormEstMin", R::Current, 2, "Listagem de Estoque Minimo"},
        {"Estoque", "Estoque", "Listagem dos Produtos", "TFormListGeral", R::Free, 0, "Listagem Geral dos Produtos"},
        {"Estoque", "Estoque", "Relatorio de Entrada", "TFormEntrada", R::Login, 2, "Listagem de Entrada no estoque"},
        {"Estoque", "Estoque", "Relatorio de Saida", "TFormRelSai", R::Login, 2, "Relatorio de Saida"},
        {"Estoque", "Estoque", "Controle de Compras", "TFormCompras", R::Login, 2, ".: Controle de Compras :."},
        {"Estoque", "Sair", "Sair Sistema", "@exit", R::Free},
        {"C. Pagar", "Contas a Pagar", "Cadastro Titulos", "TFormCadDupX", R::Prompt, 4, "Arquivo de Duplicatas"},
        {"C. Pagar", "Contas a Pagar", "Titulos Baixados", "TFormRelBaixaX", R::Free, 0, "Listagem de Titulos  Baixados"},
        {"C. Pagar", "Contas a Pagar", "Titulos Emitidos", "TFormRelEmiX", R::Free, 0, "Listagem de Titulos Emitidos"},
        {"C. Pagar", "Contas a Pagar", "Titulos por Periodo", "TFormRelPeriodoX", R::Free, 0, "Listagem de Titulos por Periodo"},
        {"C. Pagar", "Contas a Pagar", "Titulos p/fornecedor", "TFormRelPorCliX", R::Free, 0, "Listagem por Fornecedor"},
        {"C. Pagar", "Sair", "Sair Sistema", "@exit", R::Free},
        {"C. Receber", "Contas a Receber", "Controle C. Receber", "TFormCadDup", R::Prompt, 4, ".: Controle do Contas a Rec - Selecione um Cliente :."},
        {"C. Receber", "Contas a Receber", "Listagem Debitos Clientes", "TFormRelBaixa", R::Current, 4, ".: Listagem de Débito :."},
        {"C. Receber", "Contas a Receber", "Listagem C/C Clientes", "TFormRelEmi", R::Current, 4, ".: Relatório por cliente :."},
        {"C. Receber", "Contas a Receber", "List. vendas c/prod p/clientes", "TFormDeb", R::Free, 0, "Relatório por Produtos"},
        {"C. Receber", "Sair", "Sair Sistema", "@exit", R::Free},
        {"Configuração", "Configurações", "Configura Rede (IP Servidor)", "TFormSetupRede", R::Free, 0, "Configuração de Rede"},
        {"Configuração", "Configurações", "Configura terminal de Rede", "@terminal", R::PromptSupervisor},
        {"Configuração", "Configurações", "Altera Imagem Central do Sistema", "@picture", R::Free},
        {"Configuração", "Configurações", "Inicializar Arquivos", "TFormLimpa", R::PromptSupervisor, 0, "Inicializar Arquivos"},
        {"Configuração", "Configurações", "Histórico de Login/Logoff", "TFormHistQui", R::PromptSupervisor, 0, "Histórico de Login/Logoff"},
        {"Configuração", "Configurações", "Configuraçao do Sistema", "TFormConfSis", R::PromptSupervisor, 0, "Configuração do Sistema"},
        {"Configuração", "Configurações", "Zerar Ponto Fidelidade", "@loyalty", R::PromptSupervisor},
        {"Configuração", "Configurações", " Backup Restore", "@backup", R::Free},
        {"Configuração", "Configurações", "Importa Dav", "TFormImporta", R::Supervisor, 0, "Importador "},
        {"Configuração", "Sair", "Sair do Sistema", "@exit", R::Free},
    };
    return list;
}

QStringList tabs()
{
    QStringList t;
    for (const Button& b : buttons()) {
        const QString tab = QString::fromUtf8(b.tab);
        if (!t.contains(tab))
            t << tab;
    }
    return t;
}

bool allowed(TLogon& logon, Rule rule, int bit)
{
    ctx::Operator& o = ctx::op();
    switch (rule) {
    case Rule::Free:
        return true;
    case Rule::Login:
        if (RightsBitSet(o.LoginRights, bit) == QLatin1String("S"))
            return true;
        askSupervisor(logon);
        return RightsBitSet(o.CurrentRights, bit) == QLatin1String("S");
    case Rule::Current:
        return RightsBitSet(o.CurrentRights, bit) == QLatin1String("S");
    case Rule::Prompt:
        askSupervisor(logon);
        return RightsBitSet(o.CurrentRights, bit) == QLatin1String("S");
    case Rule::Supervisor:
        return o.OperatorIsMaster == QLatin1String("S");
    case Rule::PromptSupervisor:
        o.AuthoriserIsMaster = QStringLiteral("N");
        askSupervisor(logon);
        return o.AuthoriserIsMaster == QLatin1String("S");
    }
    return false;
}

} // namespace ribbon
