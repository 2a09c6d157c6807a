#pragma once
// One running copy per station: an exclusive lock on a file in the station root.
// The kernel drops the lock when the holder dies, so a copy that crashed never
// blocks the next start (the same as an abandoned mutex on the old platform).

#include <QString>

class InstanceLock {
public:
    explicit InstanceLock(const QString& name);   // "InstanciaIniciadaSabrel22"
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock (kept until it ends or the object goes).
    bool tryAcquire();

private:
    QString m_file;
    int m_fd = -1;
};
