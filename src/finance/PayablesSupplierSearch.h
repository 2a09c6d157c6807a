#pragma once
// The supplier search of the payables windows: the stock area's "Busca"
// (TFormBuscaForne) when the program has it, else the registers' supplier lookup.
#include <QString>

class TLogon;

namespace payables {
// The code of the supplier chosen, when it names a supplier; an empty text otherwise.
QString chooseSupplierCode(TLogon& logon);
}
