#pragma once
// The shift and catalogue the closing benchmarks sell from: cash shift 3 open
// today, a second payment method (02 "Cartao"), twenty products 000001..000020,
// two pizza flavours (000101, 000102) and `kits` kits (K1, K2, ...) of three of the
// products each. In one action.
#include "db/UnitLogon.h"

inline void seedSaleCatalogue(TLogon& logon, int kits)
{
    logon.action([&] {
        logon.run(QStringLiteral("update CONTCAIXA set CAIXA = 3"));   // the installation's one row
        logon.run(QStringLiteral("insert into CONTDATA (ID, CAIXA, DATA, ABERTURA) values (1, 3, CURRENT_DATE, 0)"));
        logon.run(QStringLiteral("insert into FORMAPAGA (ID, NOME, BX, CD, DAV) values (2, 'Cartao', 'S', 2, 'N')"));
        for (int i = 1; i <= 20; ++i)
            logon.run(QStringLiteral("insert into PRODUTOS (ID, CODIGO, NOME, VALOR, CUSTO, COMPOSICAO) "
                                     "values (?, ?, ?, 7.5, 3, 'N')"),
                      {i, QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')), QStringLiteral("PRODUTO %1").arg(i)});
        logon.run(QStringLiteral("insert into PRODUTOS (ID, CODIGO, NOME, VALOR, COMPOSICAO) "
                                 "values (101, '000101', 'MUSSARELA', 40, 'N')"));
        logon.run(QStringLiteral("insert into PRODUTOS (ID, CODIGO, NOME, VALOR, COMPOSICAO) "
                                 "values (102, '000102', 'CALABRESA', 50, 'N')"));
        int id = 1;
        for (int k = 1; k <= kits; ++k) {
            const QString kit = QStringLiteral("K%1").arg(k);
            logon.run(QStringLiteral("insert into PRODUTOS (ID, CODIGO, NOME, VALOR, COMPOSICAO) values (?, ?, ?, ?, 'S')"),
                      {200 + k, kit, QStringLiteral("COMBO %1").arg(k), 20 + 5 * k});
            for (int c = 1; c <= 3; ++c)
                logon.run(QStringLiteral("insert into KITPROD (ID, CODIGO, CODPROD, QUANT) values (?, ?, ?, 1)"),
                          {id++, kit, QStringLiteral("%1").arg(c, 6, 10, QLatin1Char('0'))});
        }
    });
}
