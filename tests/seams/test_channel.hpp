// A block of shared memory through which a test watches and steers a test build of the program:
// its text storage requests and releases, and which requests or windows the system should refuse.
#pragma once

#include <windows.h>

#include <cstdint>

struct TestChannel {
    // Text storage, kept by the counting storage.
    std::uint32_t requests;        // obtain_text calls, refused ones included
    std::uint32_t releases;        // non-null release_text calls of live texts
    std::uint32_t bad_releases;    // releases of a text that is not live (double or foreign)
    std::uint32_t refuse_request;  // refuse the request with this number (1-based); 0: none
    std::uint64_t last_request;    // size of the latest request
    // Window creation, watched by the refusing hook.
    char refuse_window_class[32];  // the system refuses the first window of this class; "": none
};

// The channel of the process `pid`, created on first use, zero-filled when new; null if the system
// cannot make it. Test builds name it after their own process id; a driver opens the one of its child.
TestChannel* open_test_channel(DWORD pid);
