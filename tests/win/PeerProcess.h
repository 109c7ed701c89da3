#pragma once
// A window of another process: the test program's peer, started for as long
// as the object lives.

#include "win/UniqueHandle.h"

#include <windows.h>

namespace quillnote::test {

class PeerProcess {
public:
    // Starts the peer beside the test program and waits for its window.
    PeerProcess();
    ~PeerProcess();
    PeerProcess(const PeerProcess&) = delete;
    PeerProcess& operator=(const PeerProcess&) = delete;

    HWND window() const { return window_; }

private:
    win::UniqueKernelHandle process_;
    HWND window_ = nullptr;
};

} // namespace quillnote::test
