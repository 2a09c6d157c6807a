#pragma once
// What the stock and product reports share: the group a report is asked for, the
// products of that group as one statement, the group's name beside each product,
// the rows a report prints built in memory, and the texts the report windows show.
//
// Each report reads its products in one statement and the ledger's sums for every
// code in one grouped statement (StockLedger), then joins them here: the number of
// statements does not grow with the number of products.
#include "core/Decimal.h"
#include "db/RowSet.h"
#include "reports/PageReport.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TLogon;

namespace stockreports {

namespace text {
inline const QString title = QStringLiteral("ATENÇÃO");
inline const QString badGroup = QStringLiteral("     Grupo / Família invalido: escolha um grupo da lista     ");
inline const QString backwards = QStringLiteral(" Data final menor que data inicial  ");
inline const QString badDay = QStringLiteral("     Data invalida: informe a data (dd/mm/aa)     ");
inline const QString printFailed = QStringLiteral("    Erro ao tentar imprimir     ");
inline const QString printHint = QStringLiteral("Imprimir Relatorio\nCaso haja problema com a impressão\n"
                                                "talves seja necessario configurar a impressora\n"
                                                "no menu \"Configuração da impressora\"");
inline const QString allGroupsCaption = QStringLiteral("GRUPO / FAMÍLIA : Todos");
} // namespace text

// The group a report is asked for: the code its list item starts with (`digits`
// characters, "0000 - Todos" giving 0, all groups); nullopt when the text does not
// start with a code.
std::optional<int> groupOf(const QString& item, int digits = 4);
// The same where a text that is no code stands for all groups.
int groupOrAll(const QString& item, int digits);

// A group's name beside each product, as a column of a products statement: the name
// of the TIPOS row of the product's CLASSE (its first by ID), empty when none.
QString groupNameColumn(const QString& as = QStringLiteral("GRUPO"));

// The caption of a group of products: `caption`, the group's code (CLASSE) and,
// with `named`, its name (GRUPO), in bold across the band.
report::Item groupHeading(const QString& caption, double width, bool named = true);

// "select <columns> from produtos p where <condition> [and p.classe = ?] order by
// <order>": the products of one group, or of all (group 0), that meet the condition
// (none: every product).
RowSet products(TLogon& logon, const QString& columns, int group, const QString& order,
                const QString& condition = QString());

// Rows a report prints, built one by one.
class Rows {
public:
    explicit Rows(QStringList columns) : m_columns(std::move(columns)) {}
    void add(QVariantList row) { m_rows.push_back(std::move(row)); }
    int size() const { return int(m_rows.size()); }
    RowSet take() { return RowSet(m_columns, std::move(m_rows)); }

private:
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
};

inline QVariant number(const Decimal& d) { return QVariant::fromValue(d); }

// The date and time a report prints beside "DATA" (dd/mm/yy hh:mm:ss).
QString printedAt(const QDateTime& when = QDateTime::currentDateTime());
// A period as the reports print it: "dd/mm/yy a dd/mm/yy".
QString periodText(const QDate& first, const QDate& last, const QString& between = QStringLiteral(" a "));

} // namespace stockreports
