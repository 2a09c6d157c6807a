#pragma once
// Must run before the first Firebird call of the process: a lock folder of this
// user's own (the shared /tmp/firebird belongs to whoever made it first) and the
// locale that lets database paths hold accented letters.
void prepareFirebirdEnvironment();
