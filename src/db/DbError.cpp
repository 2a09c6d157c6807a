#include "db/DbError.h"

#include <ibase.h>

#include <algorithm>

namespace {
constexpr long kCharacterSet[] = {isc_transliteration_failed, isc_malformed_string};
constexpr long kConflict[] = {isc_update_conflict, isc_deadlock, isc_lock_conflict, isc_lock_timeout};
constexpr long kConnection[] = {isc_network_error, isc_net_read_err, isc_net_write_err, isc_lost_db_connection,
                                isc_conn_lost, isc_att_shutdown, isc_shutdown, isc_net_server_shutdown,
                                isc_bad_db_handle};

// A row another station deleted while this one waited to change it: Firebird says
// "cannot update erased record" under its catch-all code. Run again, the action
// finds the row gone.
bool erasedWhileWaiting(const std::vector<long>& codes, const QString& text)
{
    return std::find(codes.begin(), codes.end(), isc_random) != codes.end()
        && text.contains(QLatin1String("erased record"));
}

template <size_t N>
bool anyOf(const std::vector<long>& codes, const long (&set)[N])
{
    return std::any_of(codes.begin(), codes.end(),
                       [&](long c) { return std::find(std::begin(set), std::end(set), c) != std::end(set); });
}
} // namespace

DbError::DbError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

DbError::DbError(std::vector<long> codes, const QString& databaseText, const QString& sql)
    : std::runtime_error(describe(codes, databaseText))
    , m_codes(std::move(codes))
    , m_databaseText(databaseText)
    , m_sql(sql)
{
}

DbError::DbError(const QString& message, std::vector<long> codes)
    : std::runtime_error(message.toStdString())
    , m_codes(std::move(codes))
{
}

DbError DbError::connectionLost(const QString& message)
{
    return DbError(message, {isc_network_error});
}

std::string DbError::describe(const std::vector<long>& codes, const QString& databaseText)
{
    if (anyOf(codes, kCharacterSet))
        return characterSetMessage().toStdString();
    if (anyOf(codes, kConnection))
        return connectionLostMessage().toStdString();
    if (anyOf(codes, kConflict) || erasedWhileWaiting(codes, databaseText))
        return conflictMessage().toStdString();
    return databaseText.trimmed().toStdString();
}

bool DbError::hasCode(long code) const
{
    return std::find(m_codes.begin(), m_codes.end(), code) != m_codes.end();
}

bool DbError::isCharacterSetError() const { return anyOf(m_codes, kCharacterSet); }
bool DbError::isConflict() const
{
    return anyOf(m_codes, kConflict) || erasedWhileWaiting(m_codes, m_databaseText);
}
bool DbError::isConnectionLost() const { return anyOf(m_codes, kConnection); }
bool DbError::isDuplicateKey() const { return hasCode(isc_unique_key_violation) || hasCode(isc_no_dup); }
bool DbError::isUnknownTable() const { return hasCode(isc_dsql_relation_err); }
