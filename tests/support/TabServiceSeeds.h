#pragma once
// Rows the tab-service tests need: sizes, sized products, kits, customers,
// tab items with their kitchen state.
#include "core/Decimal.h"

#include <QString>
#include <QStringList>

class TLogon;

namespace seeds {

// MOEDA rows 1 to 5 with their labels.
void sizes(TLogon& logon, const QStringList& labels);
// A product with its five size prices (VFAMILIA, VALOR, VGRANDE, VPEQUENA, PESO).
void sizedProduct(TLogon& logon, const QString& code, const QString& name, const Decimal& familia, const Decimal& valor,
                  const Decimal& grande, const Decimal& pequena, const Decimal& peso, const QString& kitchen = QStringLiteral("1"));
void kit(TLogon& logon, const QString& code, const QString& name, const Decimal& price, const QString& kitchen);
void customer(TLogon& logon, int code, const QString& name);
// A MESA row of a tab with its kitchen state and the kitchen it was ordered with; returns its id.
qint64 tabItem(TLogon& logon, const QString& tab, const QString& code, const QString& name, const Decimal& quantity,
               const Decimal& price, const QString& kitchen, const QStringList& complements = {});

} // namespace seeds
