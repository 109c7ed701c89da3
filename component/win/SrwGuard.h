#pragma once
// Holds a slim reader/writer lock for the guard's lifetime, exclusively or
// shared.

#include <windows.h>

namespace quillnote::win {

class ExclusiveGuard {
public:
    explicit ExclusiveGuard(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~ExclusiveGuard() { ReleaseSRWLockExclusive(&lock_); }
    ExclusiveGuard(const ExclusiveGuard&) = delete;
    ExclusiveGuard& operator=(const ExclusiveGuard&) = delete;

private:
    SRWLOCK& lock_;
};

class SharedGuard {
public:
    explicit SharedGuard(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockShared(&lock_); }
    ~SharedGuard() { ReleaseSRWLockShared(&lock_); }
    SharedGuard(const SharedGuard&) = delete;
    SharedGuard& operator=(const SharedGuard&) = delete;

private:
    SRWLOCK& lock_;
};

} // namespace quillnote::win
