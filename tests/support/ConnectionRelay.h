#pragma once
// A TCP relay on 127.0.0.1 between stations and a Firebird server that cuts a
// connection at the moment a test chooses, as a network does when a cable is pulled
// or a switch restarts. A station attaches to databaseName(path) instead of the
// server's own address; the relay passes every byte both ways until it is armed.
//
//   ConnectionRelay relay;
//   TLogon station;  station.connectTo(relay.databaseName(path));
//   station.setBeforeCommit([&] { relay.arm(ConnectionRelay::Cut::ReplyLost); });
#include <QByteArray>
#include <QString>

#include <atomic>
#include <thread>
#include <vector>

class ConnectionRelay {
public:
    enum class Cut {
        RequestLost,   // the next bytes a station sends never reach the server; both sides are closed
        ReplyLost,     // they reach the server; its reply is read and dropped, then both sides are closed
    };

    // Relays to the server at host:port (the test server by default).
    explicit ConnectionRelay(const QString& serverHost = QStringLiteral("127.0.0.1"), int serverPort = 3050);
    ~ConnectionRelay();
    ConnectionRelay(const ConnectionRelay&) = delete;
    ConnectionRelay& operator=(const ConnectionRelay&) = delete;

    int port() const { return m_port; }
    // The database name that reaches serverPath through the relay.
    QString databaseName(const QString& serverPath) const;

    // The cut happens on the next bytes a station sends, once.
    void arm(Cut how);
    // Connections cut so far.
    int cuts() const { return m_cuts; }

private:
    struct Pair {
        int station = -1;
        int server = -1;
    };
    void loop();
    void accept();
    bool pass(int from, int to);                 // false when either side closed
    void cut(Pair& p, Cut how);
    static void closePair(Pair& p);

    QByteArray m_serverHost;
    int m_serverPort = 0;
    int m_listen = -1;
    int m_port = 0;
    int m_wake[2] = {-1, -1};
    std::vector<Pair> m_pairs;
    std::atomic<int> m_armed{0};                 // 0: not armed; else 1 + Cut
    std::atomic<int> m_cuts{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
