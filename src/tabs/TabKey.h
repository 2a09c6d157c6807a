#pragma once
// The key of a table or tab (CABMESA.MESA) as the boxes that name one read it.
#include <QString>

// A table or tab number as the payment windows read it: a whole number becomes six digits ("000012"),
// anything else is only trimmed, and an empty one is "0".
QString paymentTabKey(const QString& typed);
// A key the CABMESA table can hold (at most 30 characters the database's
// character set has); any other key names no tab.
bool storableTabKey(const QString& tab);
// Delivery tabs are numbered above 1000000.
bool isDeliveryTab(const QString& tab);

namespace tabs {

// "12" → "000012"; a text that is not a whole number is only trimmed ("A12").
QString normalizeTabCode(const QString& text);

// The refusal of an action on a tab that is not open.
inline QString tabNotFound() { return QStringLiteral("|     Comanda não Localizada      |"); }

} // namespace tabs
