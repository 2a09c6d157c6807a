#pragma once
// A record a window started as new ("Sim" to a number not found, "&Novo", a new
// kit code) is inserted, never written over: when its key appeared meanwhile
// (another station registered the same number between the look and the
// confirmation) the insert is refused and the window keeps what was typed.
//
// The look is made again inside the action, and the key's column has a unique key
// (Schema: UX_...), so two stations confirming the same new key at the same moment
// do not both get it: the second one's insert waits for the first one's commit and
// is turned away. An older database that still holds two rows under one key has no
// unique key yet (the start-up upgrade adds it once they are gone): there the look
// inside the action is the guard.
//
//   logon.action([&] {
//       if (!newrecord::insert(logon, {"PAGARQ", "DUPLICATA", number}, insertSql, values))
//           throw EntryError(text::numberTaken);
//       ...
//   });
#include "db/UnitLogon.h"

namespace newrecord {

// The key of a new record: its table and column (the program's own names, never
// typed text) and the value typed.
struct Key {
    const char* table;
    const char* column;
    SqlValue value;
};

// True when a row holds the key (read inside the caller's action when it runs in one).
bool taken(TLogon& logon, const Key& key);

// Inserts the new record's row (`insertSql` with `values`) inside the caller's action,
// or in an action of its own: false, with nothing inserted, when a row already holds
// the key, or when another station's row under it was committed while this insert
// waited. Any other failure throws DbError.
[[nodiscard]] bool insert(TLogon& logon, const Key& key, const QString& insertSql, const Params& values);

} // namespace newrecord
