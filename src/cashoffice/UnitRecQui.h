#pragma once
// "COMPROVANTE DE DESPESAS": the one-page voucher of an expense, Letter,
// portrait: the company block with today's date, then "Caixa", "Data",
// "Historico" and "Valor" as the caller gives them, and the manager's signature.
#include "db/UnitLogon.h"
#include "reports/PageReport.h"

#include <QDate>

struct ExpenseVoucher {
    QString caixa, data, historico, valor;
};

class TFormRecQui {
public:
    // Reads the company row ("Select * from empresa").
    TFormRecQui(TLogon& logon, const ExpenseVoucher& voucher, const QDate& today = QDate::currentDate());

    const report::Definition& definition() const { return m_def; }
    void preview() const;

private:
    report::Definition m_def;
};
