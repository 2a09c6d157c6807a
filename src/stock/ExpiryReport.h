#pragma once
// "Produtos por Validade" (TFormDatValid): the products whose validity date has
// been reached by a chosen day and that still have stock on that day, in product
// code order, as a narrow roll text always shown in the preview ("Mini
// Impressora") or as a page report (TFormDatValidQ, "Normal Papel A4").
//
// The stock shown is the ledger's balance up to the chosen day (rows after it do
// not count); a product whose balance shows as "0,0" with one place is left out
// (0,04 and -0,04 are; 0,05 is not), a negative one is listed. A product without a
// validity date is never listed, nor one whose date reads "30/12/99" (the mark of
// no date the stations have always written). A product without a group prints an
// empty group text; the supplier column shows the supplier's name.
#include "platform/Printout.h"
#include "reports/PageReport.h"

#include <QDate>
#include <QString>

class TLogon;

namespace expiry {

namespace text {
inline const QString caption = QStringLiteral("Relatório de Produto por data de validade");
inline const QString heading = QStringLiteral("Produtos por Validade");
inline const QString dayCaption = QStringLiteral("Data para verificação");
inline const QString kindCaption = QStringLiteral("| Tipo do Relatório |");
inline const QString roll = QStringLiteral("Mini Impressora");
inline const QString page = QStringLiteral("Normal Papel A4");
inline const QString pageTitle = QStringLiteral("Controle de Estoque - Relatório produtos com validade vencida");
inline const QString rollTitle = QStringLiteral("Produtos com validade vencida");
inline const QString rollColumns = QStringLiteral("Codigo/Produto        Validade Estoque");
} // namespace text

class ExpiryReport {
public:
    explicit ExpiryReport(TLogon& logon) : m_logon(logon) {}

    // DUPLICATA (the code), CLASSE (the group as "   7-BEBIDAS", cut to 15; empty
    // without a group), NOME (cut to 25), FORNECEDOR (the supplier's name, cut to
    // 20), UNIDADE, ANTERIOR (the balance up to the day), DATA (the validity date).
    RowSet rows(const QDate& day) const;

    static report::Definition report(const RowSet& empresa, const QString& printed);
    // The roll text, 38 columns, at the station's report font size.
    static Printout roll(const RowSet& rows);

    // True when a validity date stands for none: null, or one that reads "30/12/99".
    static bool noDate(const QDate& validity);

private:
    TLogon& m_logon;
};

} // namespace expiry
