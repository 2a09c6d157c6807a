#pragma once
// Two stations on one database at once: the test station's own file and, when a
// test server runs, a database on it; both stations start their work together.
#include "TestStation.h"

#include <functional>
#include <vector>

// The databases a two-station test runs on: the station's file, and a new
// installation's database on the test server when there is one.
std::vector<QString> twoStationDatabases(TestStation& st, const QString& serverName);
// Runs both on threads of their own, started at the same moment; returns when both end.
void atOnce(const std::function<void()>& one, const std::function<void()>& two);
