#pragma once
// The open cash shift as an action that writes under its number reads it: the
// CONTCAIXA row is held until the action ends, so no station closes the shift
// between the check and the write.
class TLogon;

namespace openshift {

// CONTCAIXA.CAIXA of the first row, held; 0 when the cash is closed or there is
// no row. Must run inside an action.
int held(TLogon& logon);

} // namespace openshift
