#pragma once
// What the delivery benchmarks share: the sale catalogue with one kit and the
// desk's delivery man 1 ("ENTREGADOR 1") and area 1 ("CENTRO", fee 5), and the
// receipts written to a port file.
#include "BenchCatalogue.h"
#include "db/UnitLogon.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

#include <QDir>
#include <QFile>
#include <QStringList>

inline void seedDeliveryDesk(TLogon& logon)
{
    seedSaleCatalogue(logon, 1);
    logon.action([&] {
        logon.run(QStringLiteral("insert into DELICAD (ID, CODIGO, NOME) values (1, 1, 'ENTREGADOR 1')"));
        logon.run(QStringLiteral("insert into ENTREGA (ID, BAIRRO, TAXA) values (1, 'CENTRO', 5)"));
    });
}

// setup.INI says "Informa porta" on line `setupLine`, the first `ports` lines of
// portas.INI name LPT5, and LPT5 is cupom.txt in the station root, emptied.
inline void receiptsOnPortFile(const QString& root, int setupLine, int ports)
{
    const QString port = QDir(root).filePath(QStringLiteral("cupom.txt"));
    QFile(port).open(QIODevice::WriteOnly | QIODevice::Truncate);
    QStringList setup;
    for (int i = 0; i < 23; ++i)
        setup << (i == setupLine ? QStringLiteral("Informa porta") : QString());
    LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\setup.INI"), setup);
    LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\portas.INI"), QStringList(ports, QStringLiteral("LPT5")));
    LineFile::save(station::pathForWriting(u"c:\\Miltrex\\vavoz\\dispositivos.INI"), {QStringLiteral("LPT5=") + port});
}
