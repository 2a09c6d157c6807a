#pragma once
// An older installation's database, as stations in the field still have them:
// the installed tables without the columns the start-up upgrade adds, text
// columns at their older widths, and none of the tables the upgrade creates
// except those named in `presentUpgradeTables` (in their first, reduced form).
#include <QString>
#include <QStringList>

void createOlderDatabase(const QString& path, const QStringList& presentUpgradeTables = {});
