#include "db/DbError.h"

namespace {
bool isTransliteration(const QString& text)
{
    return text.contains(QLatin1String("transliterate"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("Malformed string"), Qt::CaseInsensitive);
}
}

std::string DbError::describe(const QSqlError& error)
{
    const QString all = error.databaseText() + QLatin1Char(' ') + error.driverText();
    if (isTransliteration(all))
        return characterSetMessage().toStdString();
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return text.toStdString();
}

DbError::DbError(const QSqlError& error, const QString& sql)
    : std::runtime_error(describe(error))
    , m_sql(sql)
    , m_native(error.nativeErrorCode())
    , m_raw(error.databaseText() + QLatin1Char(' ') + error.driverText())
{
}

DbError::DbError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

bool DbError::isCharacterSetError() const
{
    return isTransliteration(m_raw);
}
