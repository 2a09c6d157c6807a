#include "StationPair.h"

#include <atomic>
#include <thread>

std::vector<QString> twoStationDatabases(TestStation& st, const QString& serverName)
{
    std::vector<QString> databases{st.databasePath()};
    if (!TestServer::address().isEmpty())
        databases.push_back(TestServer::address() + QLatin1Char(':') + TestServer::createDatabase(serverName));
    return databases;
}

void atOnce(const std::function<void()>& one, const std::function<void()>& two)
{
    std::atomic<bool> go{false};
    auto wait = [&go] {
        while (!go)
            std::this_thread::yield();
    };
    std::thread a([&] { wait(); one(); }), b([&] { wait(); two(); });
    go = true;
    a.join();
    b.join();
}
