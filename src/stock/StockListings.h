#pragma once
// The ledger rows of a period, one product after the other (by code):
//
//   the entries listing (TFormEntrada, previewed as TFormEntQui): the rows with an
//   entry (ENTRADA not 0) and a code, of every supplier invoice or of one, with
//   their unit values and value totals per product and overall;
//   the exits listing (TFormRelSai, as TFormSaiQui): the rows with an exit (SAIDA
//   not 0; an empty code is listed, under an empty product), of every sale or of
//   one, of every product or of one, with quantity totals.
//
// An invoice or sale number that is no whole number stands for all of them.
#include "reports/PageReport.h"

#include <QDate>
#include <QString>

class TLogon;

namespace stocklistings {

namespace text {
inline const QString entriesCaption = QStringLiteral("Listagem de Entrada no estoque");
inline const QString entriesHeading = QStringLiteral("Listagem de Entrada no Estoque");
inline const QString entriesTitle = QStringLiteral("Controle de Estoque - Relatorio de Entradas");
inline const QString exitsCaption = QStringLiteral("Relatorio de Saida");
inline const QString exitsHeading = QStringLiteral("Relatório de Saida do Estoque");
inline const QString exitsLabel = QStringLiteral("Movimento de Saida");
inline const QString exitsTitle = QStringLiteral("Controle de Estoque - Relatorio de Saidas");
inline const QString numberCaption = QStringLiteral("Nota Fiscal N");
inline const QString numberNote = QStringLiteral("(p/todas nf, não informar)");
inline const QString productCaption = QStringLiteral("Cod Produto");
inline const QString productNote = QStringLiteral("(p/todos Cod, não informar)");
inline const QString invoiceLine = QStringLiteral("Nota fiscal n.");
} // namespace text

struct EntriesRequest {
    QDate first, last;
    QString invoice;   // as typed: blank, "0" or no whole number: every invoice
};

struct ExitsRequest {
    QDate first, last;
    QString sale;      // as typed: blank, "0" or no whole number: every sale
    QString product;   // as typed, trimmed: blank, every product
};

class StockListings {
public:
    explicit StockListings(TLogon& logon) : m_logon(logon) {}

    // CODIGO, DATA, NOME (cut to 25; empty when no product has the code), NFISCAL,
    // ENTRADA, VALOR, TOTAL (ENTRADA × VALOR to the cent, as printed and added).
    RowSet entries(const EntriesRequest& request) const;
    // CODIGO, DATA, NOME, HISTORICO (cut to 30), SAIDA.
    RowSet exits(const ExitsRequest& request) const;

    // The number a listing is filtered by: 0 (all) when blank or no whole number.
    static qint64 numberOf(const QString& typed);

    // The period goes after "PERIODO DE"; the entries name the invoice asked for.
    static report::Definition entriesReport(const RowSet& empresa, const QDate& first, const QDate& last,
                                            qint64 invoice);
    static report::Definition exitsReport(const RowSet& empresa, const QDate& first, const QDate& last);

private:
    TLogon& m_logon;
};

} // namespace stocklistings
