#pragma once
// "Mesas abertas e fechadas no caixa" and "Rel. Mesas Abertas": what was sold in
// the closed sales of the open cash shift and what stands on the open tabs,
// aggregated per product and unit price, composed for the preview.

#include "core/Decimal.h"
#include "platform/Printout.h"

#include <QString>
#include <QStringList>
#include <vector>

class TLogon;

// One line of the aggregation, keyed by product code and unit price.
struct PositionLine {
    QString index;   // code, a blank, the price as "00000000000.000"
    QString nome;
    Decimal valor, quant;
};

// The aggregation list: a new key goes in front of the line the list stands on
// (the one handled just before); the first key starts the list.
class PositionList {
public:
    void add(const QString& code, const QString& name, const Decimal& price, const Decimal& quantity);
    const std::vector<PositionLine>& lines() const { return m_lines; }
    void clear() { m_lines.clear(); m_current = 0; }

private:
    std::vector<PositionLine> m_lines;
    size_t m_current = 0;
};

// Name padded and cut so that name, two blanks and "qxprice=   total" fill 36 columns.
QString FormatReportItemLine(const QString& name, const QString& quantity, const QString& unitPrice, const QString& total);

class TableReports {
public:
    explicit TableReports(TLogon& logon) : m_logon(logon) {}
    // cashLabel: the screen's "Caixa N. 0000008  14/03/26".
    Printout openAndClosed(int cashShift, const QString& companyName, const QString& cashLabel);
    Printout openOnly(const QString& companyName, const QString& cashLabel);

private:
    QStringList header(const QString& companyName, const QString& cashLabel);
    // The section's lines, its "------------" and total lines; adds the total to `total`.
    QStringList section(const PositionList& list, Decimal* total);
    PositionList closedSales(int cashShift);
    PositionList openTabs();

    TLogon& m_logon;
};

namespace reportmsg {
inline const QString cashClosed = QStringLiteral("|         Caixa Fechado, Abrir primeiro o caixa      |");
}
