#include "OlderDatabase.h"
#include "db/NewDatabase.h"
#include "db/Schema.h"
#include "db/SchemaUpgrade.h"
#include "db/UnitLogon.h"

#include <set>

void createOlderDatabase(const QString& path, const QStringList& presentUpgradeTables)
{
    std::set<QString> added;
    for (const auto& a : SchemaUpgrade::addedColumns())
        added.insert(QString::fromLatin1(a.table) + QLatin1Char('.') + QString::fromLatin1(a.column));

    newdb::createDatabaseFile(path);
    TLogon logon;
    if (!logon.connectTo(path))
        throw DbError(logon.lastError());

    for (const schema::Generator& g : schema::generators()) {
        if (g.origin == schema::Origin::Installed)
            logon.run(QStringLiteral("CREATE GENERATOR %1").arg(QString::fromLatin1(g.name)));
    }
    for (const schema::Table& t : schema::tables()) {
        const QString name = QString::fromLatin1(t.name);
        if (t.origin == schema::Origin::Installed) {
            QStringList cols;
            for (const schema::Column& c : t.columns) {
                if (added.count(name + QLatin1Char('.') + QString::fromLatin1(c.name)))
                    continue;
                cols << QStringLiteral("%1 %2%3").arg(QString::fromLatin1(c.name),
                                                     QString::fromLatin1(c.olderType ? c.olderType : c.type),
                                                     c.notNull ? QStringLiteral(" NOT NULL") : QString());
            }
            logon.run(QStringLiteral("CREATE TABLE %1 (%2)").arg(name, cols.join(QStringLiteral(", "))));
            const QString trigger = schema::createTriggerSql(t);
            if (!trigger.isEmpty())
                logon.run(trigger);
        } else if (presentUpgradeTables.contains(name)) {
            logon.run(schema::upgradeCreateTableSql(t));
            if (t.generator)
                logon.run(QStringLiteral("CREATE GENERATOR %1").arg(QString::fromLatin1(t.generator)));
        }
    }
    logon.run(QStringLiteral("INSERT INTO GERAID (ID) VALUES (0)"));
    logon.close();
}
