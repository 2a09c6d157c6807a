#include "shell/Ribbon.h"
#include "core/Globals.h"
#include "shell/UnitAcessos.h"
#include "core/uMensagem.h"

#include <QStringList>

namespace ribbon {

using R = Rule;
using P = Picture;

const std::vector<Button>& buttons()
{
    static const std::vector<Button> list = {
        {"Principal", "Vendas", "Vendas Comandas", P::Sale, "TFormBalcao", R::Free, 0, "Vendas"},
        {"Principal", "Vendas", "Abrir Mov Caixa", P::CashShift, "TFormAbrFec", R::Prompt, 16, "Abertura e Fechamento do Movimento do Caixa"},
        {"Principal", "Vendas", "Cadastro Produtos", P::Product, "TFormProd", R::Login, 1, "Cadastro de Produtos"},
        {"Principal", "Vendas", "Movimenta Estoque (Ent/Sai)", P::StockMove, "TFormMovEst", R::Login, 2, "Movimenta Estoque"},
        {"Principal", "Vendas", "Cadastro Clientes", P::Customer, "TFormCliente", R::Login, 8, "Cadastro de Clientes"},
        {"Principal", "Vendas", "Imprimir Mov Caixa", P::CashReport, "TFormFecha", R::Prompt, 2, "Fechamento Movimento do Caixa"},
        {"Principal", "Vendas", "Controle de Despesas", P::Expenses, "TFormDesp", R::Login, 32, "Despesas Diarias"},
        {"Principal", "Vendas", "Alterar Lançamento", P::EditEntry, "TFormAltLan", R::PromptSupervisor, 0, "Altera Lançamento"},
        {"Principal", "Vendas", "Cancelar Vendas", P::Cancel, "TFormCancel", R::Prompt, 128, ".: Cancela Vendas :."},
        {"Principal", "Vendas", "Controle Bancario", P::Bank, "TFormBan", R::Prompt, 16384, ".: Controle de Caixa / C.Corrente :."},
        {"Principal", "Sair", "Sair do Sistema", P::Exit, "@exit", R::Free},
        {"Relatórios 1", "Relatorios", "Encerramento do dia", P::CashReport, "TFormFecha", R::Login, 64, "Fechamento Movimento do Caixa"},
        {"Relatórios 1", "Relatorios", "Faturamento por Período", P::PeriodReport, "TFormFecMes", R::Prompt, 64, "Faturamento por Periodo"},
        {"Relatórios 1", "Relatorios", "Saida por cliente", P::Customer, "TFormFicCli", R::Prompt, 64, ".: Movimento de Produto por clientes :."},
        {"Relatórios 1", "Relatorios", "Rel Vendas p/Garcom", P::Waiter, "TFormRelVenGar", R::Free, 0, "Vendas por Garcom"},
        {"Relatórios 1", "Relatorios", "Comissão por vendas", P::Commission, "TFormComGar", R::Supervisor, 0, "Relatorio de Comissão"},
        {"Relatórios 1", "Relatorios", "Venda do Dia", P::DayReport, "TFormVenDia", R::Prompt, 64, "Relatorio de venda por nota"},
        {"Relatórios 1", "Relatorios", "Rel. Taxa de Serviço", P::Commission, "TFormComissao", R::Supervisor, 0, "Relatorio de taxa de serviço"},
        {"Relatórios 1", "Relatorios", "Relatório Couver", P::Report, "TFormRelCou", R::Supervisor, 0, "Relatorio Couver / Show"},
        {"Relatórios 1", "Relatorios", "Rel. Abertura de Caixa", P::CashShift, "TFormListAber", R::Current, 16, ": Listagem Abertura de Caixa :"},
        {"Relatórios 1", "Relatorios", "Relatório Sangria Reforço", P::CashReport, "TFormListSang", R::Current, 16, ":: Listagem de Sangrias / Reforços ::"},
        {"Relatórios 1", "Relatorios", "Relatório Despesas", P::Expenses, "TFormRelDesp", R::Free, 0, ".: Relatório de despesas :."},
        {"Relatórios 1", "Relatorios", "Rel. Produtos Vencidos", P::Warning, "TFormDatValid", R::Free, 0, "Relatório de Produto por data de validade"},
        {"Relatórios 1", "Relatorios", "Cancelamento de Comandas", P::Cancel, "TFormRelCan", R::Free, 0, "Relatório de Cancelamentos de Comandas/ Itens"},
        {"Relatórios 1", "Relatorios", "Tabela de Vendas", P::Report, "TFormVenda", R::Supervisor, 0, "Tabela de Venda"},
        {"Relatórios 1", "Sair", "Sair do Sistema", P::Exit, "@exit", R::Free},
        {"Relatórios 2", "Relatórios", "Rel. Produtos mais vendidos", P::Ranking, "TFormRelSaiABC", R::Free, 0, "Produtos mais Vendidos"},
        {"Relatórios 2", "Relatórios", "Fechamento Analitico (Dia)", P::DayReport, "TFormFecAnalitico", R::Prompt, 16, "Relatório Analitico Diario"},
        {"Relatórios 2", "Relatórios", "Rel. saida p/Fornecedor", P::Supplier, "TFormEstFor", R::Free, 0, "Relatório por Fornecedor"},
        {"Relatórios 2", "Relatórios", "Rel. saida p/Clientes", P::Customer, "TFormBalCli", R::Free, 0, "Balancete por Cliente (Saida)"},
        {"Relatórios 2", "Relatórios", "Kits mais Vendidos", P::Ranking, "TFormKitVend", R::Free, 0, "Kits mais Vendidos"},
        {"Relatórios 2", "Relatórios", "Listagem Clientes", P::Report, "TFormRelCli", R::Free, 0, "Relação de Clientes"},
        {"Relatórios 2", "Relatórios", "Listagem Fornecedor", P::Report, "TFormRelFor", R::Free, 0, "Relacao de Fornecedor"},
        {"Relatórios 2", "Relatórios", "Prod Vendidos Garçom", P::Waiter, "TFormVendGarcom", R::Free, 0, "Produtos vendidos Garcom"},
        {"Relatórios 2", "Relatórios", "Apura Resultado.", P::Result, "TFormApura", R::Supervisor, 0, "Apura Resultado"},
        {"Relatórios 2", "Sair", "Sair Sistema", P::Exit, "@exit", R::Free},
        {"Funcionarios", "Controle Funcionarios", "Cadastro de Profissionais", P::Staff, "TFormVendedor", R::Current, 8, "Cadastro de Profissionais"},
        {"Funcionarios", "Controle Funcionarios", "Controle de vales", P::Commission, "TFormDebCreFunc", R::Prompt, 8, ".: Controle de débito de funcionário :."},
        {"Funcionarios", "Controle Funcionarios", "Ficha de movimento", P::Report, "TFormValeFic", R::Free, 0, ".: Ficha de acompanhamento de débito :."},
        {"Funcionarios", "Sair", "Sair Sistema", P::Exit, "@exit", R::Free},
        {"Cadastros", "Cadastros", "Vendas Comandas", P::Sale, "TFormBalcao", R::Free, 0, "Vendas"},
        {"Cadastros", "Cadastros", "Cadastro produtos", P::Product, "TFormProd", R::Login, 1, "Cadastro de Produtos"},
        {"Cadastros", "Cadastros", "Cadastro da empresa", P::Company, "TFormEmpresa", R::Supervisor, 0, "Cadastro da Empresa"},
        {"Cadastros", "Cadastros", "Cadastro Clientes", P::Customer, "TFormCliente", R::Login, 8, "Cadastro de Clientes"},
        {"Cadastros", "Cadastros", "Cadastro Fornecedor", P::Supplier, "TFormForne", R::Login, 8, ".:  Cadastro de Fornecedor  :."},
        {"Cadastros", "Cadastros", "Manutenção de Senhas", P::Users, "TFormManSen", R::PromptSupervisor, 0, "Manutenção de Senhas"},
        {"Cadastros", "Cadastros", "Centro de Custos Despesas", P::CostCentre, "TFormCentroCusto", R::Free, 0, "Centro de Custos"},
        {"Cadastros", "Cadastros", "Grupo  Categorias", P::Categories, "TFormTipos", R::Supervisor, 0, ".: CATEGORIAS DOS PRODUTOS :."},
        {"Cadastros", "Cadastros", "Complementos Pedidos", P::Complements, "TFormComplemento", R::Supervisor, 0, "Complementos"},
        {"Cadastros", "Cadastros", "Forma de Pagamento", P::PaymentMethod, "TFormFPaga", R::Free, 0, "Forma de Pagamento"},
        {"Cadastros", "Cadastros", "Kits Composição", P::Kit, "TFormKit", R::Free, 0, ".: Composição de Custo :."},
        {"Cadastros", "Cadastros", "Exportar Excel/CSV", P::Export, "TFormExpExcel", R::Free, 0, "Exporta para Excel"},
        {"Cadastros", "Sair", "Sair Sistema", P::Exit, "@exit", R::Free},
        {"Estoque", "Estoque", "Imprimir Estoque", P::Print, "TFormImpRap", R::Login, 2, ".: Estoque Atual - Impressão Rapida :."},
        {"Estoque", "Estoque", "Balancete Mensal", P::PeriodReport, "TFormBalMen", R::Login, 2, "Balancete Mensal"},
        {"Estoque", "Estoque", "Mov Estoque (Ent/Sai)", P::StockMove, "TFormMovEst", R::Login, 2, "Movimenta Estoque"},
        {"Estoque", "Estoque", "Ficha de Movimento", P::Report, "TFormFicMov2", R::Login, 2, "Ficha de Movimento"},
        {"Estoque", "Estoque", "Rel Estoque Minimo", P::Warning, "TFormEstMin", R::Current, 2, "Listagem de Estoque Minimo"},
        {"Estoque", "Estoque", "Listagem dos Produtos", P::Report, "TFormListGeral", R::Free, 0, "Listagem Geral dos Produtos"},
        {"Estoque", "Estoque", "Relatorio de Entrada", P::StockIn, "TFormEntrada", R::Login, 2, "Listagem de Entrada no estoque"},
        {"Estoque", "Estoque", "Relatorio de Saida", P::StockOut, "TFormRelSai", R::Login, 2, "Relatorio de Saida"},
        {"Estoque", "Estoque", "Controle de Compras", P::Purchases, "TFormCompras", R::Login, 2, ".: Controle de Compras :."},
        {"Estoque", "Sair", "Sair Sistema", P::Exit, "@exit", R::Free},
        {"C. Pagar", "Contas a Pagar", "Cadastro Titulos", P::Payables, "TFormCadDupX", R::Prompt, 4, "Arquivo de Duplicatas"},
        {"C. Pagar", "Contas a Pagar", "Titulos Baixados", P::Report, "TFormRelBaixaX", R::Free, 0, "Listagem de Titulos  Baixados"},
        {"C. Pagar", "Contas a Pagar", "Titulos Emitidos", P::Report, "TFormRelEmiX", R::Free, 0, "Listagem de Titulos Emitidos"},
        {"C. Pagar", "Contas a Pagar", "Titulos por Periodo", P::PeriodReport, "TFormRelPeriodoX", R::Free, 0, "Listagem de Titulos por Periodo"},
        {"C. Pagar", "Contas a Pagar", "Titulos p/fornecedor", P::Supplier, "TFormRelPorCliX", R::Free, 0, "Listagem por Fornecedor"},
        {"C. Pagar", "Sair", "Sair Sistema", P::Exit, "@exit", R::Free},
        {"C. Receber", "Contas a Receber", "Controle C. Receber", P::Receivables, "TFormCadDup", R::Prompt, 4, ".: Controle do Contas a Rec - Selecione um Cliente :."},
        {"C. Receber", "Contas a Receber", "Listagem Debitos Clientes", P::Debts, "TFormRelBaixa", R::Current, 4, ".: Listagem de Débito :."},
        {"C. Receber", "Contas a Receber", "Listagem C/C Clientes", P::Customer, "TFormRelEmi", R::Current, 4, ".: Relatório por cliente :."},
        {"C. Receber", "Contas a Receber", "List. vendas c/prod p/clientes", P::Report, "TFormDeb", R::Free, 0, "Relatório por Produtos"},
        {"C. Receber", "Sair", "Sair Sistema", P::Exit, "@exit", R::Free},
        {"Configuração", "Configurações", "Configura Rede (IP Servidor)", P::Network, "TFormSetupRede", R::Free, 0, "Configuração de Rede"},
        {"Configuração", "Configurações", "Configura terminal de Rede", P::Terminal, "@terminal", R::PromptSupervisor},
        {"Configuração", "Configurações", "Altera Imagem Central do Sistema", P::CentralPicture, "@picture", R::Free},
        {"Configuração", "Configurações", "Inicializar Arquivos", P::Reset, "TFormLimpa", R::PromptSupervisor, 0, "Inicializar Arquivos"},
        {"Configuração", "Configurações", "Histórico de Login/Logoff", P::History, "TFormHistQui", R::PromptSupervisor, 0, "Histórico de Login/Logoff"},
        {"Configuração", "Configurações", "Configuraçao do Sistema", P::Settings, "TFormConfSis", R::PromptSupervisor, 0, "Configuração do Sistema"},
        {"Configuração", "Configurações", "Zerar Ponto Fidelidade", P::Loyalty, "@loyalty", R::PromptSupervisor},
        {"Configuração", "Configurações", " Backup Restore", P::Backup, "@backup", R::Free},
        {"Configuração", "Configurações", "Importa Dav", P::Import, "TFormImporta", R::Supervisor, 0, "Importador "},
        {"Configuração", "Sair", "Sair do Sistema", P::Exit, "@exit", R::Free},
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
