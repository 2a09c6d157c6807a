#pragma once
// While it lives, the process may write no more than a few bytes to any file, as on
// a full disk: a write past them fails (SIGXFSZ ignored, so the write returns an error).
#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

class FullDisk {
public:
    explicit FullDisk(rlim_t bytes)
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        EXPECT_EQ(::sigaction(SIGXFSZ, &ignore, &m_previous), 0);
        EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &m_saved), 0);
        rlimit small = m_saved;
        small.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        ::sigaction(SIGXFSZ, &m_previous, nullptr);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    struct sigaction m_previous {};
    rlimit m_saved {};
};
