#pragma once
// Moving or joining up to five tabs into one ("Troca Cliente de Mesa"): every
// source's items and kitchen-monitor rows take the destination's number, the
// destination gets the sum of the advances and the last source's waiter, and the
// sources' CABMESA rows go; all in one action, the voucher composed inside.
#include "platform/Printout.h"

#include <QString>
#include <QStringList>
#include <vector>

class TLogon;

namespace TableMoveText {
inline const QString kNotFound = QStringLiteral("|     Não não localizada...     |");
inline const QString kSameAsDestination = QStringLiteral("|  Mesa de Origem e Destinos com noms iguais    |");
inline const QString kOpenQuestion = QStringLiteral("Mesa não foi aberta, dejesa abrir?");
inline const QString kNotOpened = QStringLiteral("|     Não localizada...     |");
inline const QString kNoDestination = QStringLiteral("Mesa destino não informada ");
inline const QString kPrintQuestion = QStringLiteral("Deseja imprimir comprovante ?");
QString repeatedSource(const QString& tab);   // a source typed twice is moved once
QString sourceIsDestination(const QString& tab);
}

struct TableMoveResult {
    bool moved = false;          // false: the destination has no tab (nothing written)
    QStringList skipped;         // messages for sources left out
    Printout voucher;
};

class TableMove {
public:
    explicit TableMove(TLogon& logon) : m_logon(logon) {}

    // The sources that will be left out and why (equal to the destination, or to
    // an earlier source), in box order; the move skips the same ones.
    static QStringList skippedSources(const QStringList& sources, const QString& destination);

    // "Confirmar". sources: the five boxes in order (normalised; blanks skipped).
    TableMoveResult move(const QStringList& sources, const QString& destination, const QString& reason);

    static Printout composeVoucher(const QStringList& sources, const QString& destination, const QString& reason);

private:
    TLogon& m_logon;
};
