#pragma once
// Amounts in seeds written the way a user types them: seeds::D("12,50").
#include "core/Decimal.h"
#include <QString>

namespace seeds {
inline Decimal D(const char* text)
{
    return *Decimal::parse(QString::fromUtf8(text));
}
}
