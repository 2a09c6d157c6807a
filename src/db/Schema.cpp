#include "db/Schema.h"

#include <cstring>
#include <initializer_list>

namespace schema {

namespace {

// DDL types. DECIMAL columns get three decimals: quantities from scale labels
// carry three, and every number written into SQL text has three. Amounts and
// quantities that older databases hold as FLOAT are exact here (AMT, QTY: money to
// the cent, quantities to the gram), and so is the markup percentage the stock
// windows keep (two places, as the percentage reader takes it); FLT stays for
// loyalty points. Unit costs keep six places (unitCost), where older databases kept three.
constexpr const char* INT = "INTEGER";
constexpr const char* FLT = kFloatType;
constexpr const char* DEC = "NUMERIC(15,3)";
constexpr const char* DAT = "DATE";
constexpr const char* TIM = "TIME";

Column c(const char* name, const char* type, const char* olderType = nullptr)
{
    return Column{name, type, false, olderType};
}

// An amount or a quantity that older databases hold as FLOAT.
Column amount(const char* name)
{
    return Column{name, kAmountType, false, FLT};
}

Column quantity(const char* name)
{
    return Column{name, kQuantityType, false, FLT};
}

Column unitCost(const char* name)
{
    return Column{name, kUnitCostType, false, DEC};
}

Column id()
{
    return Column{"ID", INT, true, nullptr};
}

Table installed(const char* name, std::initializer_list<Column> cols)
{
    return Table{name, Origin::Installed, cols, 0, nullptr, nullptr,
                 TriggerKind::None, nullptr, nullptr};
}

// An installed table whose INSERTs may leave ID null: the trigger draws `gen`
// only then, so writers that draw the generator inside the INSERT keep their value.
Table fillTrigger(Table t, const char* triggerName, const char* gen)
{
    t.trigger = TriggerKind::FillWhenNull;
    t.triggerName = triggerName;
    t.triggerGenerator = gen;
    return t;
}

// A table the program creates itself when it is missing; its CREATE holds the
// first `createColumns` columns, and its generator is created with it.
Table created(const char* name, Origin origin, int createColumns,
              std::initializer_list<Column> cols)
{
    return Table{name, origin, cols, createColumns, nullptr, name,
                 TriggerKind::None, nullptr, nullptr};
}

Table replaceTrigger(Table t, const char* triggerName, const char* gen)
{
    t.trigger = TriggerKind::AlwaysReplace;
    t.triggerName = triggerName;
    t.triggerGenerator = gen;
    return t;
}

std::vector<Table> buildTables()
{
    std::vector<Table> v;
    v.reserve(53);

    // ---- Core services ------------------------------------------------------
    v.push_back(installed("EMPRESA", {
        c("EMPRESA", "VARCHAR(40)"), c("ENDERECO", "VARCHAR(40)"), c("CIDADE", "VARCHAR(20)"),
        c("ESTADO", "VARCHAR(2)"), c("CNPJ", "VARCHAR(20)"), c("IESTADUAL", "VARCHAR(20)"),
        c("NUMERADOR", INT), c("FISCAL", "VARCHAR(1)"), c("CHAVE", "VARCHAR(240)"),
        c("DATAFATURA", DAT), c("VENDA", INT),
        c("SCL1", INT), c("SCL2", INT), c("SCL3", INT), c("SCL4", INT), c("SCL5", INT),
        c("SCC1", INT), c("SCC2", INT), c("SCC3", INT), c("SCC4", INT), c("SCC5", INT),
        c("CANHOTO", "VARCHAR(1)"), c("IMPSIMPLES", "VARCHAR(1)"), c("FAX", "VARCHAR(20)"),
        c("PIZ1", "VARCHAR(12)"), c("PIZ2", "VARCHAR(12)"), c("PIZ3", "VARCHAR(12)"),
        c("PIZ4", "VARCHAR(12)"), c("PIZ5", "VARCHAR(12)"), c("PIZ6", "VARCHAR(12)"),
        c("CARDAPIO", INT), c("IP", "VARCHAR(30)"), c("WIFI", "VARCHAR(20)"),
        c("SENHA", "VARCHAR(20)"), c("USARBALANCA", "VARCHAR(1)"), c("CONFIGBALANCA", INT),
        c("TITULO", "VARCHAR(12)"), amount("CONTABIL"),
    }));

    v.push_back(installed("MILTREX", {
        id(), c("NOME", "VARCHAR(15)"), c("SENHA", "VARCHAR(100)", "VARCHAR(10)"), c("MASTER", "VARCHAR(1)"),
        c("RECEBER", "VARCHAR(1)"), c("ESTOQUE", "VARCHAR(1)"), c("PAGAR", "VARCHAR(1)"),
        c("SISTEMA", INT),
    }));

    v.push_back(installed("HISTORICO", {
        id(), c("HORA", "VARCHAR(20)"), c("OPERADOR", "VARCHAR(20)"), c("ACAO", "VARCHAR(30)"),
    }));

    v.push_back(fillTrigger(installed("CLIENTES", {
        id(), c("CODIGO", INT), c("NOME", "VARCHAR(40)"), c("ENDERECO", "VARCHAR(50)"),
        c("CIDADE", "VARCHAR(20)"), c("ESTADO", "VARCHAR(2)"), c("CEP", "VARCHAR(9)"),
        c("FONE", "VARCHAR(18)"), c("FAX", "VARCHAR(18)"), c("VEDEDOR", INT),
        c("SIMBAHIA", "VARCHAR(1)"), c("ULTFATURA", DAT), c("LIMITE", DEC),
        c("CENDERECO", "VARCHAR(50)"), c("CCIDADE", "VARCHAR(20)"), c("CESTADO", "VARCHAR(2)"),
        c("CCEP", "VARCHAR(9)"), c("CNPJ", "VARCHAR(18)"), c("ESTADUAL", "VARCHAR(18)"),
        c("CCNPJ", "VARCHAR(18)"), c("CESTADUAL", "VARCHAR(18)"), c("OPERADOR", "VARCHAR(20)"),
        c("CONSUMO", "VARCHAR(1)"), c("BLOQUEIO", "VARCHAR(1)"), c("OBS", "VARCHAR(60)"),
        c("REF", "VARCHAR(50)"), c("NUMPEDIDO", INT), c("CAPITAL", DEC), c("FUNDACAO", DAT),
        c("FILIAIS", INT), c("CANCELADO", INT), c("TROCA", INT), c("NASC", DAT),
        c("DEPEN1", "VARCHAR(40)"), c("DEPEN2", "VARCHAR(40)"), c("DEPEN3", "VARCHAR(40)"),
        c("DEPEN4", "VARCHAR(40)"), c("DEPEN5", "VARCHAR(40)"), c("RG", "VARCHAR(14)"),
        c("EMAIL", "VARCHAR(40)"), c("CPF", "VARCHAR(14)"), c("PAGINA", "VARCHAR(40)"),
        c("CONTATO", "VARCHAR(40)"), c("CASAMENTO", DAT), c("DDD", INT), c("FIDELIDADE", FLT),
    }), "CLIENTES_BI", "CLIENTE"));

    // The staff register inserts every new row with ID 1; the trigger gives each
    // row its own ID so that deleting by ID removes only that row.
    v.push_back(replaceTrigger(installed("VENDEDOR", {
        id(), c("CODIGO", INT), c("NOME", "VARCHAR(30)"), c("ENDERECO", "VARCHAR(30)"),
        c("CIDADE", "VARCHAR(20)"), c("ESTADO", "VARCHAR(2)"), c("CNPJ", "VARCHAR(20)"),
        c("ESTADUAL", "VARCHAR(20)"), c("CEP", "VARCHAR(100)", "VARCHAR(10)"), c("VALOR", DEC),
        c("FONE", "VARCHAR(14)"), c("AFASTA", DAT), c("ADMISSAO", DAT), c("CARGO", "VARCHAR(12)"),
        c("ATENDE", "VARCHAR(1)"),
    }), "VENDEDOR_BI", "VENDEDOR_ID"));

    v.push_back(installed("FORMAPAGA", {
        id(), c("NOME", "VARCHAR(20)"), amount("VALOR"), amount("VALOR1"), amount("VALOR2"),
        c("BX", "VARCHAR(1)"), c("CD", INT), c("TEF", "VARCHAR(1)"), c("DAV", "VARCHAR(1)"),
    }));

    v.push_back(installed("COMPLEMENTO", {
        id(), c("NOME", "VARCHAR(30)", "VARCHAR(20)"), c("GRUPO", INT), amount("VALOR"),
        c("CODIGO", INT),
    }));

    v.push_back(created("CENTROCUSTO", Origin::UpgradeStep6, 4, {
        id(), c("NOME", "VARCHAR(30)"), c("TIPO", INT), c("CODIGO", INT),
    }));

    // The list of cost centres the outflow-per-cost-centre report offers.
    v.push_back(created("GENERO", Origin::UpgradeStep6, 3, {
        id(), c("CODIGO", INT), c("GENERO", "VARCHAR(30)"),
    }));

    v.push_back(created("ACOMBALCAO", Origin::UpgradeStep2, 5, {
        id(), c("PRODUTO", "VARCHAR(40)"), c("CODIGO", "VARCHAR(16)"), c("IDMESA", INT),
        quantity("QUANT"),
    }));

    v.push_back(installed("GERAID", {id()}));

    // Only emptied by the data reset.
    v.push_back(installed("COUVER", {id()}));
    v.push_back(installed("RECFIC", {id()}));
    v.push_back(installed("PAGFIC", {id()}));
    v.push_back(installed("TIPBAIXA", {id()}));

    // ---- Sales screen -------------------------------------------------------
    v.push_back(fillTrigger(installed("CABMESA", {
        id(), c("VENDEDOR", INT), c("CLIENTE", INT), c("VALOR", DEC), c("STATUS", INT),
        c("DELIVERY", DEC), c("DATA", DAT), c("HORA", TIM), c("OBS", "VARCHAR(20)"),
        c("TAXA", "VARCHAR(1)"), c("COUVER", "VARCHAR(1)"), c("HORA2", TIM),
        c("COMPLEMENTO", "VARCHAR(30)"), c("REMOTO", INT), c("COMANDA", "VARCHAR(6)"),
        c("GUIA", INT), c("EDELY", "VARCHAR(1)"), c("DELYENTREGA", INT), amount("DELYTAXA"),
        c("CLIMESA", INT), c("FECHADO", TIM), c("FPANTI", INT), c("PAGAMENTOANTI", "VARCHAR(20)"),
        c("MESA", "VARCHAR(30)", "VARCHAR(10)"), c("EDELIVERY", "VARCHAR(1)"),
        c("OBSDELI", "VARCHAR(40)"), c("PAGADELIVARY", "VARCHAR(20)"), amount("VALORDELIVERY"),
    }), "CABMESA_BI", "CABMESA"));

    v.push_back(fillTrigger(installed("MESA", {
        id(), c("CODIGO", "VARCHAR(30)"), c("QUANT", DEC), c("VALOR", DEC),
        c("COZINHA", "VARCHAR(1)"), c("TEXTO", "VARCHAR(39)"), c("VEND", INT),
        c("COMPL", "VARCHAR(30)"), c("COMPLEMENTO", "VARCHAR(30)"), c("IDMESA", INT),
        c("NOMEP", "VARCHAR(120)", "VARCHAR(40)"), c("MESA", "VARCHAR(30)", "VARCHAR(10)"),
        c("IMPRESSORA", "VARCHAR(1)"),
    }), "MESA_BI", "MESA"));

    v.push_back(installed("ACOMPMESA", {
        id(), c("CODIGO", "VARCHAR(14)"), c("QUANT", DEC), c("COD", INT), c("IDMESA", INT),
        c("PRODUTOS2", "VARCHAR(38)"), c("PRODUTO", "VARCHAR(35)", "VARCHAR(30)"),
    }));

    v.push_back(replaceTrigger(created("COZINHA2", Origin::UpgradeStep6, 9, {
        id(), c("HORA", "VARCHAR(20)"), c("MESA", "VARCHAR(15)"), c("GARCOM", "VARCHAR(10)"),
        quantity("QUANT"), c("PRODUTO", "VARCHAR(120)", "VARCHAR(38)"), c("COMPL", "VARCHAR(38)"),
        c("OK", "VARCHAR(1)"), c("CAIXA", INT), c("IDMESA", INT), c("GRUPO", INT),
        c("IMPRESSORA", "VARCHAR(1)"),
    }), "COZINHA2_BI0", "COZINHA2"));

    // ---- Bill closing and cash shift ---------------------------------------
    v.push_back(fillTrigger(installed("FATURA", {
        id(), c("NOTA", INT), c("DATA", DAT), c("CLIENTE", "VARCHAR(30)", "VARCHAR(25)"),
        c("VALOR", DEC), c("VENDEDOR", INT), c("CODCLIENTE", INT), c("COMANDA", INT),
        c("CAIXA", INT), c("TERMINAL", INT), c("GUIA", INT), c("BALCAO", INT),
        c("DELYENTREGA", INT), amount("DELYTAXA"), amount("FRETE"), c("HORA", "VARCHAR(20)"),
        c("TIPO", INT), c("DELIVERY", "VARCHAR(1)"),
    }), "FATURA_BI", "FATURA"));

    v.push_back(fillTrigger(installed("SERVICO", {
        id(), c("DATA", DAT), c("TIPO", INT), c("CAIXA", INT), c("VALOR", DEC),
        c("CODIGO", INT), c("CONTROLE", INT), c("TERMINAL", INT),
    }), "SERVICO_BI", "OUTROS"));

    v.push_back(installed("LOG", {
        c("HORA", "VARCHAR(20)"), c("OPERADOR", "VARCHAR(20)"), c("MOTIVO", "VARCHAR(60)"),
        c("CAIXA", INT), c("ACAO", "VARCHAR(60)"),
    }));

    v.push_back(installed("RESERVA", {
        id(), c("MESA", "VARCHAR(14)"), c("CLIENTE", "VARCHAR(30)"), c("DATA", DAT),
    }));

    v.push_back(fillTrigger(installed("CONTCAIXA", {
        id(), c("CAIXA", INT), c("NUMEDADOR", INT), c("FECHATEMPO", "VARCHAR(1)"),
    }), "CONTCAIXA_BI", "CONTCAIXA_ID"));

    v.push_back(installed("CONTDATA", {
        id(), c("CAIXA", INT), c("DATA", DAT), c("ABERTURA", DEC), c("NUMERADOR", INT),
        c("OPERADOR", "VARCHAR(20)"),
    }));

    v.push_back(installed("SANGRIA", {
        id(), c("CAIXA", INT), amount("VALOR"), c("DC", "VARCHAR(1)"),
        c("HISTORICO", "VARCHAR(25)"), c("TERMINAL", INT),
    }));

    // ---- Delivery -----------------------------------------------------------
    v.push_back(installed("DELIVERE", {
        id(), c("CODIGO", INT), c("DATA", DAT), c("HORA", "VARCHAR(8)"), c("VALOR", DEC),
        c("MOTOBOY", DEC), c("CLIENTE", "VARCHAR(40)"), c("FONE", "VARCHAR(20)"),
        c("STATUS", "VARCHAR(15)"), c("ENTREGA", INT), amount("TROCO"),
        c("PAGAMENTO", "VARCHAR(40)"),
    }));

    {
        Table t = replaceTrigger(created("DELIITEM", Origin::UpgradeStep4, 7, {
            id(), c("PEDIDO", "VARCHAR(14)"), c("CODIGO", "VARCHAR(16)"),
            c("NOME", "VARCHAR(160)", "VARCHAR(40)"), c("OBS", "VARCHAR(40)"), quantity("QUANT"),
            amount("VALOR"), c("BUSCA", "VARCHAR(50)"), c("IMPRESSORA", "VARCHAR(1)"),
        }), "DELIITEM", "DELIITEM");
        t.primaryKey = "ID";
        v.push_back(std::move(t));
    }

    {
        Table t = replaceTrigger(created("ACOMPDELI", Origin::UpgradeStep4, 5, {
            id(), c("PRODUTO", "VARCHAR(40)"), c("CODIGO", "VARCHAR(16)"), c("IDMESA", INT),
            quantity("QUANT"), c("COD", INT), c("PRODUTOS2", "VARCHAR(38)"), amount("VALOR"),
        }), "ACOMPDELI", "ACOMPDELI");
        t.primaryKey = "ID";
        v.push_back(std::move(t));
    }

    v.push_back(created("DELIPED", Origin::UpgradeStep6, 11, {
        id(), c("VENDEDOR", INT), c("MESA", "VARCHAR(10)"), c("NOME", "VARCHAR(30)"),
        c("VALOR", "NUMERIC(12,2)"), c("STATUS", "VARCHAR(20)"), c("TAXA", INT),
        c("PAGAMENTO", INT), c("DATA", DAT), c("HORA", TIM), c("OBS", "VARCHAR(220)"),
        amount("RECEBIDO"), amount("RECEBIDO2"), c("FP1", INT), c("FP2", INT),
        amount("RECEBIDO3"), c("FP3", INT),
    }));

    v.push_back(installed("DELICAD", {
        id(), c("CODIGO", INT), c("NOME", "VARCHAR(40)"), c("ENDERECO", "VARCHAR(40)"),
        c("CIDADE", "VARCHAR(20)"), c("ESTADO", "VARCHAR(2)"), c("FONE", "VARCHAR(15)"),
    }));

    v.push_back(installed("ENTREGA", {
        id(), c("BAIRRO", "VARCHAR(20)"), amount("TAXA"),
    }));

    // Deliveries settled with the delivery man (the settlement window): created
    // whole by the start-up upgrade when missing, with its generator; the delivery
    // man's code a plain integer and the money exact from the start.
    {
        Table t{"DELIFIC", Origin::Added,
                {id(), c("CODIGO", INT), c("DATA", DAT), c("VALORENTREGA", schema::kAmountType),
                 c("COMISSAO", schema::kAmountType)},
                0, "ID", "DELIFIC", TriggerKind::None, nullptr, nullptr};
        v.push_back(std::move(t));
    }

    // ---- Products, stock and purchasing ------------------------------------
    v.push_back(installed("PRODUTOS", {
        id(), c("CODIGO", "VARCHAR(14)"), c("NOME", "VARCHAR(40)"), c("PESO", DEC),
        c("CUBAGEM", DEC), c("IPI", DEC), c("CLAS", "VARCHAR(4)"), c("CLASSE", INT),
        c("VALOR", DEC), c("UNIDADE", "VARCHAR(2)"), c("ESTGERAL", DEC), unitCost("CUSTO"),
        unitCost("MEDIO"), c("FORNECEDOR", INT), c("MINIMO", DEC), c("COMPOSICAO", "VARCHAR(1)"),
        c("IMPFISCAL", "VARCHAR(4)"), c("TIPO", "VARCHAR(1)"), c("LOCACAO", "VARCHAR(5)"),
        c("MEMO", "VARCHAR(60)"), c("VALIDADE", DAT), c("ESTOQUE", DEC), c("ENTRADA", DEC),
        c("SAIDA", DEC), c("CONTROLE", DEC), amount("VFAMILIA"), amount("VGRANDE"),
        amount("VPEQUENA"), c("NCM", "VARCHAR(8)"), c("CFOP", "VARCHAR(4)"),
        c("CEST", "VARCHAR(8)"), c("CODBARRA", "VARCHAR(16)"), c("JUNTAR", "VARCHAR(1)"),
        c("ATIVO", "VARCHAR(1)"), amount("CONTABIL"), c("DATAENTRADA", DAT),
        c("DATASAIDA", DAT), c("DESCRICAO", "VARCHAR(80)"),
    }));

    v.push_back(installed("TIPOS", {
        id(), c("CODIGO", INT), c("NOME", "VARCHAR(30)"), c("QUANT", DEC), c("VALOR", DEC),
        c("ATIVO", "VARCHAR(1)"),
    }));

    v.push_back(installed("KITPROD", {
        id(), c("CODIGO", "VARCHAR(10)"), c("CODPROD", "VARCHAR(14)"), c("QUANT", DEC),
        c("NOME", "VARCHAR(20)"), c("NOMEP", "VARCHAR(20)"),
    }));

    v.push_back(installed("KITMASTER", {
        id(), c("CODIGO", "VARCHAR(10)"), c("NOME", "VARCHAR(30)"), c("VALOT", DEC),
        c("IMPFISCAL", "VARCHAR(4)"), c("COMPL1", "VARCHAR(20)"), c("COMPL2", "VARCHAR(20)"),
        c("CLASSE", INT),
    }));

    v.push_back(installed("ACOMPANHA", {
        id(), c("CODIGO", "VARCHAR(14)"), c("QUANT", DEC),
        c("PRODUTO", "VARCHAR(120)", "VARCHAR(40)"),
    }));

    v.push_back(installed("MOEDA", {
        c("MOEDA", INT), c("LOCAL", "VARCHAR(20)"),
    }));

    v.push_back(installed("COMPRAS", {
        id(), c("CODIGO", INT), c("FORNE", INT), c("DATA", DAT), c("ENTREGA", DAT),
        c("PRAZO", "VARCHAR(15)"), c("OBS", "VARCHAR(60)"),
    }));

    v.push_back(installed("COMPPED", {
        id(), c("CODPED", INT), c("CODIGO", "VARCHAR(14)"), c("QUANT", DEC), c("CUSTO", DEC),
        c("IPI", INT), c("ICM", INT),
    }));

    v.push_back(fillTrigger(installed("FORNECEDOR", {
        id(), c("CODIGO", INT), c("NOME", "VARCHAR(40)"), c("ENDERECO", "VARCHAR(40)"),
        c("CIDADE", "VARCHAR(20)"), c("ESTADO", "VARCHAR(2)"), c("CEP", "VARCHAR(9)"),
        c("FONE", "VARCHAR(18)"), c("FAX", "VARCHAR(18)"), c("ESTADUAL", "VARCHAR(18)"),
        c("OPERADOR", "VARCHAR(20)"), c("CNPJ", "VARCHAR(20)"), c("EMAIL", "VARCHAR(40)"),
        c("PAGINA", "VARCHAR(40)"), c("CONTATO", "VARCHAR(40)"),
    }), "FORNECEDOR_BI", "FORNECEDOR_ID"));

    v.push_back(fillTrigger(installed("ESTFIC", {
        id(), c("CODIGO", "VARCHAR(14)"), c("DATA", DAT),
        c("HISTORICO", "VARCHAR(120)", "VARCHAR(40)"), c("ENTRADA", DEC), c("SAIDA", DEC),
        c("NFISCAL", INT), c("PEDIDO", INT), c("VENDEDOR", INT), unitCost("VALOR"),
        c("CLIENTE", INT), c("CCUSTO", INT), c("CAIXA", INT), c("VEND", INT),
        c("TERMINAL", INT), amount("CUSTO"), c("PET", "VARCHAR(10)"),
    }), "ESTFIC_BI", "ESTFIC"));

    // Totals kept beside the stock ledger (db/LedgerTotals.h), created whole by the
    // start-up upgrade when missing and filled from the ledger's rows: per product
    // and month (MES = year × 100 + month, 0 for rows without a date), per product and
    // year, per product,
    // and the lines the ledger's trigger appends until they are folded into them.
    {
        const char* const sum = "NUMERIC(18,3)";
        const char* const value = "NUMERIC(18,6)";
        v.push_back(Table{"ESTMES", Origin::Added,
                          {Column{"CODIGO", "VARCHAR(14)", true, nullptr}, Column{"MES", INT, true, nullptr},
                           c("ENTRADA", sum), c("SAIDA", sum), c("LINHAS", INT), c("VENDAS", INT),
                           c("VALORSAIDA", value), c("PRIMEIRO", DAT)},
                          0, "CODIGO, MES", nullptr, TriggerKind::None, nullptr, nullptr});
        // the same per product and calendar year (ANO = MES / 100): a year's reports read 12 times fewer rows
        v.push_back(Table{"ESTANO", Origin::Added,
                          {Column{"CODIGO", "VARCHAR(14)", true, nullptr}, Column{"ANO", INT, true, nullptr},
                           c("ENTRADA", sum), c("SAIDA", sum), c("LINHAS", INT), c("VENDAS", INT),
                           c("VALORSAIDA", value), c("PRIMEIRO", DAT)},
                          0, "CODIGO, ANO", nullptr, TriggerKind::None, nullptr, nullptr});
        v.push_back(Table{"ESTAGORA", Origin::Added,
                          {Column{"CODIGO", "VARCHAR(14)", true, nullptr}, c("ENTRADA", sum), c("SAIDA", sum),
                           c("LINHAS", INT)},
                          0, "CODIGO", nullptr, TriggerKind::None, nullptr, nullptr});
        v.push_back(Table{"ESTMESNOVO", Origin::Added,
                          {c("CODIGO", "VARCHAR(14)"), c("MES", INT), c("ENTRADA", sum), c("SAIDA", sum),
                           c("LINHAS", INT), c("VENDAS", INT), c("VALORSAIDA", value), c("PRIMEIRO", DAT),
                           c("RETIRADA", "SMALLINT")},
                          0, nullptr, nullptr, TriggerKind::None, nullptr, nullptr});
    }

    // ---- Finance ------------------------------------------------------------
    v.push_back(fillTrigger(installed("RECARQ", {
        id(), c("DUPLICATA", "VARCHAR(15)"), c("CODIGO", INT), c("EMISSAO", DAT),
        c("VENCIMENTO", DAT), c("BAIXA", DAT), c("VALOR", DEC), c("JUROS", DEC), c("TIPO", INT),
        c("IMPRESSO", "VARCHAR(1)"), c("NOME", "VARCHAR(30)"), c("NFISCAL", INT),
        c("TOTAL", DEC), c("BANCO", "VARCHAR(10)"), c("VENDEDOR", INT), c("CAIXA", INT),
        c("CAIXABAIXA", INT), c("VALOR1", DEC), c("VALOR2", DEC), c("VALOR3", DEC),
        c("TERMINAL", INT), c("GUIA", INT), c("HORA", "VARCHAR(20)"),
    }), "RECARQ_BI", "RECARQ"));

    v.push_back(installed("PAGARQ", {
        id(), c("DUPLICATA", "VARCHAR(15)"), c("CODIGO", INT), c("EMISSAO", DAT),
        c("VENCIMENTO", DAT), c("BAIXA", DAT), c("VALOR", DEC), c("JUROS", DEC), c("TIPO", INT),
        c("IMPRESSO", "VARCHAR(1)"), c("NOME", "VARCHAR(30)"), c("NFISCAL", INT),
        c("TOTAL", DEC), c("BANCO", "VARCHAR(10)"),
    }));

    v.push_back(fillTrigger(installed("DESPLOJA", {
        id(), c("DATA", DAT), c("HISTORICO", "VARCHAR(40)"), c("VALOR", DEC), c("CAIXA", INT),
        c("CODIGO", INT), c("TERMINAL", INT), c("CCUSTO", INT),
    }), "DESPLOJA_BI", "DESPESAS"));

    // The account book's amounts are exact.
    v.push_back(created("CAIXA", Origin::UpgradeStep6, 7, {
        id(), c("DATA", DAT), c("HISTORICO", "VARCHAR(30)"), amount("DEBITO"),
        amount("CREDITO"), c("DESP", INT), c("CONTA", INT),
    }));

    v.push_back(created("CONTA", Origin::UpgradeStep6, 3, {
        id(), c("CONTA", INT), c("NOME", "VARCHAR(20)"),
    }));

    v.push_back(created("DESPESA", Origin::UpgradeStep6, 4, {
        id(), c("CODIGO", INT), c("NOME", "VARCHAR(20)"), amount("VALOR"),
    }));

    v.push_back(fillTrigger(installed("VALES", {
        id(), c("CODIGO", INT), c("DATA", DAT), c("HISTORICO", "VARCHAR(40)"),
        c("DEBITO", DEC), c("CREDITO", DEC),
    }), "VALES_BI", "VALES_ID"));

    v.push_back(created("EXCLUIDOS", Origin::UpgradeStep6, 5, {
        id(), c("DATA", DAT), amount("VALOR"), c("CUPOM", "VARCHAR(30)"),
        c("USUARIO", "VARCHAR(20)"),
    }));

    // ---- The data layer's own --------------------------------------------
    // The action journal: the key of every committed action, kept a few days, that
    // tells a station whose commit reply was lost whether its action was written.
    {
        Table t{"DIARIOACOES", Origin::Added,
                {Column{"CHAVE", "VARCHAR(32)", true, nullptr}, c("DATA", DAT)},
                0, "CHAVE", nullptr, TriggerKind::None, nullptr, nullptr};
        v.push_back(std::move(t));
    }
    // The log of products and tabs deleted, which its viewer shows newest first.
    v.push_back(created("EXCLUSAO", Origin::UpgradeStep6, 9, {
        id(), c("HORA", "TIMESTAMP"), c("OPERADOR", "VARCHAR(20)"), c("MESA", "VARCHAR(30)"),
        c("CODIGO", "VARCHAR(14)"), c("PRODUTO", "VARCHAR(40)"), c("QUANT", DEC), c("VALOR", kAmountType),
        c("TERMINAL", INT),
    }));

    return v;
}

std::vector<Generator> buildGenerators()
{
    const char* const names[] = {
        "ACOMBALCAO", "ACOMPANHA", "ACOMPDELI", "ACOMPMESA", "BORDA", "CABMESA", "CAIXA",
        "CENTROCUSTO", "CLIENTE", "COMPRAS", "CONTA", "CONTCAIXA", "COZINHA2", "DELICAD",
        "DELIFIC", "DELIITEM", "DELIPED", "DELIVERE", "DESPESA", "DESPESAS", "ENTREGA", "ESTFIC",
        "EXCLUIDOS", "EXCLUSAO", "FATURA", "FORMAPAGA", "GENERO", "HISTORICO", "KITPROD", "MESA",
        "OUTROS", "PAGARQ", "PRODUTOS", "RECARQ", "RESERVA", "SANGRIA", "SENHA", "TIPBAIXA",
        // behind the insert triggers of tables without a generator of their own
        "CONTCAIXA_ID", "VENDEDOR_ID", "FORNECEDOR_ID", "VALES_ID",
    };
    std::vector<Generator> v;
    for (const char* name : names) {
        // A generator created together with its table shares that table's origin.
        Origin origin = Origin::Installed;
        for (const Table& t : tables()) {
            if (t.origin != Origin::Installed && t.generator && std::strcmp(t.generator, name) == 0) {
                origin = t.origin;
                break;
            }
        }
        v.push_back(Generator{name, origin});
    }
    return v;
}

QString tableSql(const Table& t, int columnCount, bool older)
{
    QStringList lines;
    for (int i = 0; i < columnCount; ++i) {
        const Column& col = t.columns[size_t(i)];
        const char* type = (older && col.olderType) ? col.olderType : col.type;
        lines << QStringLiteral("  %1 %2%3").arg(QLatin1String(col.name), QLatin1String(type),
                                                 col.notNull ? QStringLiteral(" NOT NULL") : QString());
    }
    if (keyInCreate(t))
        lines << QStringLiteral("  PRIMARY KEY (%1)").arg(QLatin1String(t.primaryKey));
    return QStringLiteral("CREATE TABLE %1 (\n%2\n)").arg(QLatin1String(t.name), lines.join(QStringLiteral(",\n")));
}

} // namespace

const std::vector<Table>& tables()
{
    static const std::vector<Table> all = buildTables();
    return all;
}

const std::vector<Generator>& generators()
{
    static const std::vector<Generator> all = buildGenerators();
    return all;
}

const Table* findTable(QStringView name)
{
    for (const Table& t : tables()) {
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

const Column* findColumn(const Table& t, QStringView column)
{
    for (const Column& col : t.columns) {
        if (column.compare(QLatin1String(col.name), Qt::CaseInsensitive) == 0)
            return &col;
    }
    return nullptr;
}

QString createTableSql(const Table& t)
{
    return tableSql(t, int(t.columns.size()), false);
}

QString upgradeCreateTableSql(const Table& t)
{
    int n = t.upgradeCreateColumns;
    if (n <= 0 || n > int(t.columns.size()))
        n = int(t.columns.size());
    return tableSql(t, n, true);
}

const std::vector<Index>& indexes()
{
    static const std::vector<Index> all = {
        // tabs and their items, kitchen rows
        {"IX_CABMESA_MESA", "CABMESA", "MESA"},
        // one open tab per key: two stations opening one table share its tab; a
        // database that already holds two tabs under one key gets it when they are gone
        {"UX_CABMESA_MESA", "CABMESA", "MESA", true},
        {"IX_CABMESA_ID", "CABMESA", "ID"},
        {"IX_MESA_MESA", "MESA", "MESA"},
        {"IX_MESA_IDMESA", "MESA", "IDMESA"},
        {"IX_MESA_ID", "MESA", "ID"},
        {"IX_ACOMPMESA_IDMESA", "ACOMPMESA", "IDMESA"},
        {"IX_COZINHA2_MESA", "COZINHA2", "MESA"},
        {"IX_COZINHA2_IDMESA", "COZINHA2", "IDMESA"},
        {"IX_COZINHA2_ID", "COZINHA2", "ID"},
        // registers
        {"IX_PRODUTOS_CODIGO", "PRODUTOS", "CODIGO"},
        {"IX_PRODUTOS_NOME", "PRODUTOS", "NOME"},
        {"IX_PRODUTOS_CODBARRA", "PRODUTOS", "CODBARRA"},
        // one product (or kit) per code, one delivery man per code: a register's new
        // record is only inserted (NewRecord); a database that already holds two rows
        // under one code gets the key when they are gone
        {"UX_PRODUTOS_CODIGO", "PRODUTOS", "CODIGO", true},
        {"UX_DELICAD_CODIGO", "DELICAD", "CODIGO", true},
        {"IX_KITPROD_CODIGO", "KITPROD", "CODIGO"},
        {"IX_KITMASTER_CODIGO", "KITMASTER", "CODIGO"},
        {"IX_CLIENTES_CODIGO", "CLIENTES", "CODIGO"},
        {"IX_CLIENTES_NOME", "CLIENTES", "NOME"},
        {"IX_CLIENTES_FONE", "CLIENTES", "FONE"},
        {"IX_FORNECEDOR_CODIGO", "FORNECEDOR", "CODIGO"},
        {"IX_FORNECEDOR_NOME", "FORNECEDOR", "NOME"},
        {"IX_VENDEDOR_CODIGO", "VENDEDOR", "CODIGO"},
        // stock ledger, sales, payments
        {"IX_ESTFIC_CODIGO_DATA", "ESTFIC", "CODIGO, DATA"},
        {"IX_ESTFIC_DATA", "ESTFIC", "DATA"},
        // purchase orders and their items, by order number
        {"IX_COMPRAS_CODIGO", "COMPRAS", "CODIGO"},
        {"IX_COMPPED_CODPED", "COMPPED", "CODPED"},
        {"IX_TIPOS_CODIGO", "TIPOS", "CODIGO"},
        {"IX_FATURA_NOTA", "FATURA", "NOTA"},
        {"IX_FATURA_DATA", "FATURA", "DATA"},
        {"IX_FATURA_CAIXA", "FATURA", "CAIXA"},
        {"IX_RECARQ_DUPLICATA", "RECARQ", "DUPLICATA"},
        {"IX_RECARQ_VENCIMENTO", "RECARQ", "VENCIMENTO"},
        {"IX_PAGARQ_DUPLICATA", "PAGARQ", "DUPLICATA"},
        {"IX_PAGARQ_VENCIMENTO", "PAGARQ", "VENCIMENTO"},
        {"IX_SERVICO_CAIXA", "SERVICO", "CAIXA"},
        // the cash-shift back office: a shift's rows, a sale's rows, a customer's account
        {"IX_ESTFIC_CAIXA", "ESTFIC", "CAIXA"},
        {"IX_ESTFIC_NFISCAL", "ESTFIC", "NFISCAL"},
        {"IX_ESTFIC_PEDIDO", "ESTFIC", "PEDIDO"},
        {"IX_RECARQ_CAIXA", "RECARQ", "CAIXA"},
        {"IX_RECARQ_CAIXABAIXA", "RECARQ", "CAIXABAIXA"},
        {"IX_RECARQ_NFISCAL", "RECARQ", "NFISCAL"},
        {"IX_RECARQ_CODIGO", "RECARQ", "CODIGO"},
        {"IX_SERVICO_CONTROLE", "SERVICO", "CONTROLE"},
        {"IX_DESPLOJA_CAIXA", "DESPLOJA", "CAIXA"},
        // payables (one title per number), the account book, staff vouchers
        {"UX_PAGARQ_DUPLICATA", "PAGARQ", "DUPLICATA", true},
        {"IX_PAGARQ_BAIXA", "PAGARQ", "BAIXA"},
        {"IX_PAGARQ_EMISSAO", "PAGARQ", "EMISSAO"},
        {"IX_CAIXA_CONTA_DATA", "CAIXA", "CONTA, DATA"},
        {"IX_CAIXA_DATA", "CAIXA", "DATA"},
        {"IX_VALES_CODIGO", "VALES", "CODIGO"},
        // the sales reports and the ledger edit: a ledger row by its identity
        {"IX_ESTFIC_ID", "ESTFIC", "ID"},
        // delivery
        {"IX_DELIVERE_FONE", "DELIVERE", "FONE"},
        // one desk order per telephone: two stations starting an order for one
        // number share it (rows of a tab's delivery data have no FONE)
        {"UX_DELIVERE_FONE", "DELIVERE", "FONE", true},
        {"IX_DELIITEM_PEDIDO", "DELIITEM", "PEDIDO"},
        {"IX_ACOMPDELI_IDMESA", "ACOMPDELI", "IDMESA"},
        // the totals kept beside the stock ledger: a span of months, the newest month,
        // a product's lines waiting to be folded
        {"IX_ESTMES_MES", "ESTMES", "MES"},
        {"IX_ESTMES_MES_DESC", "ESTMES", "MES", false, true},
        {"IX_ESTANO_ANO", "ESTANO", "ANO"},
        {"IX_ESTMESNOVO_CODIGO", "ESTMESNOVO", "CODIGO"},
    };
    return all;
}

const std::vector<Trigger>& triggers()
{
    // What a ledger row adds to its product and month; a deleted row and the old
    // side of a changed one add their negative, and mark the month's first exit to
    // be read again from its rows. A change of other columns adds nothing.
    const auto line = [](const QString& row, const QString& sign, const QString& first, const QString& removed) {
        const auto col = [&](const char* c) { return row + QLatin1Char('.') + QLatin1String(c); };
        return QStringLiteral("    INSERT INTO ESTMESNOVO (CODIGO, MES, ENTRADA, SAIDA, LINHAS, VENDAS, VALORSAIDA, "
                              "PRIMEIRO, RETIRADA)\n    VALUES (")
               + col("CODIGO") + QStringLiteral(", COALESCE(EXTRACT(YEAR FROM ") + col("DATA")
               + QStringLiteral(") * 100 + EXTRACT(MONTH FROM ") + col("DATA") + QStringLiteral("), 0),\n            ")
               + sign + QStringLiteral("COALESCE(") + col("ENTRADA") + QStringLiteral(", 0), ") + sign
               + QStringLiteral("COALESCE(") + col("SAIDA") + QStringLiteral(", 0), ") + sign + QStringLiteral("1, IIF(")
               + col("SAIDA") + QStringLiteral(" <> 0, ") + sign + QStringLiteral("1, 0),\n            ") + sign
               + QStringLiteral("COALESCE(") + col("SAIDA") + QStringLiteral(" * ") + col("VALOR")
               + QStringLiteral(", 0), ") + first + QStringLiteral(", ") + removed + QStringLiteral(");\n");
    };
    static const std::vector<Trigger> all = {
        {"ESTFIC_TOTAIS", "ESTFIC",
         QStringLiteral("CREATE TRIGGER ESTFIC_TOTAIS FOR ESTFIC\n"
                        "ACTIVE AFTER INSERT OR UPDATE OR DELETE POSITION 10\n"
                        "AS\n"
                        "BEGIN\n"
                        "  IF (UPDATING) THEN\n"
                        "    IF (NEW.CODIGO IS NOT DISTINCT FROM OLD.CODIGO AND NEW.DATA IS NOT DISTINCT FROM OLD.DATA\n"
                        "        AND NEW.ENTRADA IS NOT DISTINCT FROM OLD.ENTRADA AND NEW.SAIDA IS NOT DISTINCT FROM OLD.SAIDA\n"
                        "        AND NEW.VALOR IS NOT DISTINCT FROM OLD.VALOR) THEN\n"
                        "      EXIT;\n"
                        "  IF ((UPDATING OR DELETING) AND OLD.CODIGO IS NOT NULL) THEN\n")
             + line(QStringLiteral("OLD"), QStringLiteral("-"), QStringLiteral("NULL"),
                        QStringLiteral("IIF(OLD.SAIDA <> 0, 1, 0)"))
             + QStringLiteral("  IF ((INSERTING OR UPDATING) AND NEW.CODIGO IS NOT NULL) THEN\n")
             + line(QStringLiteral("NEW"), QString(), QStringLiteral("IIF(NEW.SAIDA <> 0, NEW.DATA, NULL)"),
                        QStringLiteral("0"))
             + QStringLiteral("END")},
    };
    return all;
}

QString createIndexSql(const Index& i)
{
    return QStringLiteral("CREATE %1%2INDEX %3 ON %4 (%5)")
        .arg(i.unique ? QStringLiteral("UNIQUE ") : QString(), i.descending ? QStringLiteral("DESCENDING ") : QString(),
             QLatin1String(i.name), QLatin1String(i.table), QLatin1String(i.columns));
}

bool keyInCreate(const Table& t)
{
    return t.primaryKey && t.origin == Origin::Added;
}

QString addPrimaryKeySql(const Table& t)
{
    return QStringLiteral("ALTER TABLE %1 ADD PRIMARY KEY (%2)").arg(QLatin1String(t.name), QLatin1String(t.primaryKey));
}

bool isExactNumber(const Column& c)
{
    return std::strcmp(c.type, kAmountType) == 0 || std::strcmp(c.type, kQuantityType) == 0;
}

bool isFinerUnitCost(const Column& c)
{
    return std::strcmp(c.type, kUnitCostType) == 0 && c.olderType && std::strcmp(c.olderType, DEC) == 0;
}

QString createTriggerSql(const Table& t)
{
    if (t.trigger == TriggerKind::None || !t.triggerName || !t.triggerGenerator)
        return QString();
    const QString body = t.trigger == TriggerKind::FillWhenNull
        ? QStringLiteral("  IF (NEW.ID IS NULL) THEN NEW.ID = GEN_ID(%1,1);\n")
        : QStringLiteral("  NEW.ID = GEN_ID(%1,1);\n");
    return QStringLiteral("CREATE TRIGGER %1 FOR %2\n"
                          "ACTIVE BEFORE INSERT POSITION 0\n"
                          "AS\n"
                          "BEGIN\n")
               .arg(QLatin1String(t.triggerName), QLatin1String(t.name))
        + body.arg(QLatin1String(t.triggerGenerator))
        + QStringLiteral("END");
}

} // namespace schema
