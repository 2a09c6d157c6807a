#pragma once
// Two stations at work at once (their databases: twoStationDatabases in TestStation.h).
#include "TestStation.h"

#include <functional>
#include <vector>

// Runs both on threads of their own, started at the same moment; returns when both end.
void atOnce(const std::function<void()>& one, const std::function<void()>& two);
