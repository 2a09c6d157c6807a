#include "ConnectionRelay.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {

constexpr int kReplyWaitMs = 5000;   // how long a cut waits for the server's reply

bool sendAll(int fd, const char* data, ssize_t size)
{
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

int connectTo(const QByteArray& host, int port)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found) != 0 || !found)
        return -1;
    const int fd = ::socket(found->ai_family, found->ai_socktype | SOCK_CLOEXEC, found->ai_protocol);
    if (fd >= 0 && ::connect(fd, found->ai_addr, found->ai_addrlen) != 0) {
        ::close(fd);
        ::freeaddrinfo(found);
        return -1;
    }
    ::freeaddrinfo(found);
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

} // namespace

ConnectionRelay::ConnectionRelay(const QString& serverHost, int serverPort)
    : m_serverHost(serverHost.toLatin1())
    , m_serverPort(serverPort)
{
    m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    if (m_listen < 0 || ::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0
        || ::listen(m_listen, 16) != 0 || ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len) != 0
        || ::pipe2(m_wake, O_CLOEXEC) != 0)
        throw std::runtime_error("relay: no port on 127.0.0.1");
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this] { loop(); });
}

ConnectionRelay::~ConnectionRelay()
{
    m_stop = true;
    const char c = 0;
    (void)!::write(m_wake[1], &c, 1);
    m_thread.join();
    for (Pair& p : m_pairs)
        closePair(p);
    ::close(m_listen);
    ::close(m_wake[0]);
    ::close(m_wake[1]);
}

QString ConnectionRelay::databaseName(const QString& serverPath) const
{
    return QStringLiteral("127.0.0.1/%1:%2").arg(m_port).arg(serverPath);
}

void ConnectionRelay::arm(Cut how)
{
    m_armed = 1 + int(how);
}

void ConnectionRelay::closePair(Pair& p)
{
    if (p.station >= 0)
        ::close(p.station);
    if (p.server >= 0)
        ::close(p.server);
    p.station = p.server = -1;
}

void ConnectionRelay::accept()
{
    const int station = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
    if (station < 0)
        return;
    const int server = connectTo(m_serverHost, m_serverPort);
    if (server < 0) {
        ::close(station);
        return;
    }
    const int one = 1;
    ::setsockopt(station, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    m_pairs.push_back({station, server});
}

bool ConnectionRelay::pass(int from, int to)
{
    char buffer[65536];
    const ssize_t n = ::recv(from, buffer, sizeof buffer, 0);
    if (n <= 0)
        return n < 0 && errno == EINTR;
    return sendAll(to, buffer, n);
}

void ConnectionRelay::cut(Pair& p, Cut how)
{
    char buffer[65536];
    const ssize_t n = ::recv(p.station, buffer, sizeof buffer, 0);
    if (how == Cut::ReplyLost && n > 0 && sendAll(p.server, buffer, n)) {
        // The request reached the server: its reply proves it was handled, and is dropped.
        pollfd w{p.server, POLLIN, 0};
        if (::poll(&w, 1, kReplyWaitMs) > 0)
            (void)!::recv(p.server, buffer, sizeof buffer, 0);
    }
    closePair(p);
    ++m_cuts;
}

void ConnectionRelay::loop()
{
    while (!m_stop) {
        std::vector<pollfd> fds{{m_wake[0], POLLIN, 0}, {m_listen, POLLIN, 0}};
        for (const Pair& p : m_pairs) {
            fds.push_back({p.station, POLLIN, 0});
            fds.push_back({p.server, POLLIN, 0});
        }
        if (::poll(fds.data(), nfds_t(fds.size()), -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents)
            return;
        if (fds[1].revents & POLLIN)
            accept();
        for (size_t i = 0; i < m_pairs.size() && 2 + 2 * i + 1 < fds.size(); ++i) {
            Pair& p = m_pairs[i];
            const short fromStation = fds[2 + 2 * i].revents;
            const short fromServer = fds[2 + 2 * i + 1].revents;
            bool open = true;
            if (fromStation) {
                const int armed = m_armed.exchange(0);
                if (armed) {
                    cut(p, Cut(armed - 1));
                    open = false;
                } else {
                    open = pass(p.station, p.server);
                }
            }
            if (open && fromServer)
                open = pass(p.server, p.station);
            if (!open)
                closePair(p);
        }
        std::erase_if(m_pairs, [](const Pair& p) { return p.station < 0; });
    }
}
