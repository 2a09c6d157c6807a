#pragma once
// The stock outflow of a period for one cost centre (ESTFIC.CCUSTO), one line per
// product valued at its cost, grouped by product group: what the report
// "Controle de Estoque - Centro de Custo" prints. The cost centres offered are the
// rows of GENERO.
#include "db/UnitLogon.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace outflowtext {
inline const QString attention = QStringLiteral("ATENÇÃO");
inline const QString printHint = QStringLiteral(
    "Imprimir Relatorio\rCaso haja problema com a impressão\rtalves seja necessario configurar a impressora\r"
    "no menu \"Configuração da impressora\"");
inline const QString dateHint = QStringLiteral(
    "Informar o periodo em que o sistema deva\rGerar o balancete, pode ser de qualquer\rperiodo");
inline const QString badPeriod = QStringLiteral("     Período inválido: informe as duas datas (dd/mm/aa)     ");
inline const QString noProduct = QStringLiteral("(produto sem cadastro)");
} // namespace outflowtext

class CostCentreOutflow {
public:
    explicit CostCentreOutflow(TLogon& logon) : m_logon(logon) {}

    // Each GENERO row, in the table's order: "0003  -  COZINHA".
    QStringList costCentres() const;
    static QString costCentreText(qint64 code, const QString& name);
    // The code a list text names: its first four characters when they are not
    // blank, else none (every cost centre).
    static std::optional<qint64> costCentreCode(const QString& text);

    // The lines of the period (both days included) for the cost centre of the list
    // text: CODIGO, NOME, SAIDA (the product's outflows added up), CUSTO (the
    // product's cost; empty when the product has none), TOTAL (outflow times cost, to the cent)
    // and CLASSE (its group). Groups follow one another by code; within a group the
    // products keep the order in which the ledger first met them. A ledger row
    // with no outflow still makes its product's line.
    RowSet lines(const QDate& first, const QDate& last, const QString& costCentreText) const;

private:
    TLogon& m_logon;
};
