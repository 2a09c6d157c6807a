#pragma once
// The cash-shift picker ".: Ver Caixas :." (TFormVerCaixa, in the registers), opened
// by class name. It leaves the chosen shift number in its label Label1; this reads
// it (the window's property "Label1", or its QLabel named "Label1") after the
// window closes. "" when the picker is not there or chose nothing.
#include <QString>

QString pickCashShift();
