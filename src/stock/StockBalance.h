#pragma once
// "Balança Mensal do Estoque" (TFormBalMen, previewed or printed as TFormBal): the
// stock balance of a period for every group or one. Each product that moved in
// the period (one ledger row dated within it is enough, whatever its quantities
// add up to) is listed with its stock before the first day (every row before it,
// undated ones too), the entries and exits of the period, the stock at its end,
// the unit cost and the stock's value; by group (in code order) and name, with the
// entries, exits and value of each group and the grand total of the values. A kit
// shows its quantities without cost and value, and adds nothing to the totals.
#include "reports/PageReport.h"

#include <QDate>
#include <QString>

class TLogon;

namespace stockbalance {

namespace text {
inline const QString caption = QStringLiteral("Balancete Mensal");
inline const QString heading = QStringLiteral("Balança Mensal do Estoque");
inline const QString groupCaption = QStringLiteral("Grupo / Família");
inline const QString title = QStringLiteral("Controle de Estoque - Balanço");
inline const QString note = QStringLiteral("Esse relatório pode demorar um pouco a sua emissão");
inline const QString periodHint = QStringLiteral("Informar o periodo em que o sistema deva\nGerar o balancete, pode ser de "
                                                 "qualquer\nperiodo");
} // namespace text

// The group list of this window: "000000-Todos", then "000012-BEBIDAS"; the first
// six characters are the group (a text that is no code: all groups).
inline constexpr int kGroupDigits = 6;

class StockBalance {
public:
    explicit StockBalance(TLogon& logon) : m_logon(logon) {}

    // CODIGO, NOME (cut to 25), CLASSE, GRUPO, FORNECEDOR, ANTERIOR, ENTRADA, SAIDA,
    // ATUAL, CUSTO and VALOR (ATUAL × CUSTO to the cent; empty for a kit), and what
    // the group totals add besides VALOR:
    // ENTRADAS, SAIDAS (0 for a kit).
    RowSet rows(int group, const QDate& first, const QDate& last) const;
    static report::Definition report(const RowSet& empresa, const QString& printed);

private:
    TLogon& m_logon;
};

} // namespace stockbalance
