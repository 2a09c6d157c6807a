#pragma once
// The delivery data of a tab: delivery man, area and fee, payment, the amount the
// customer pays with and the change, the delivery time and notes. The pre-bill of
// a delivery tab asks them; the window that takes them belongs to the delivery
// desk's area, above this one, so the pre-bill creates it by its class name and
// talks to it through this interface.
#include "core/Decimal.h"

#include <QString>
#include <QStringList>

inline const QString kTabDeliveryWindow = QStringLiteral("TFormDelivere");

class TabDeliveryForm {
public:
    virtual ~TabDeliveryForm() = default;
    // Before it shows: the tab key, the caption the pre-bill shows for the tab
    // (tab + " - " + customer) and the value of the tab's items.
    virtual void setTab(const QString& tab, const QString& caption, const Decimal& orderValue) = 0;
    // Read back whether or not it was confirmed: the five note lines and the
    // delivery control number shown.
    virtual QStringList notes() const = 0;
    virtual QString controlNumber() const = 0;
};
