// Shares a TestChannel between a test build and its driver through a named file mapping.
#include "tests/seams/test_channel.hpp"

#include <cstdio>

TestChannel* open_test_channel(DWORD pid)
{
    char name[64];
    std::snprintf(name, sizeof name, "Local\\glossavo-test-channel-%lu", pid);
    // The mapping and its view are kept for the life of the process: both sides need them until exit.
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(TestChannel), name);
    if (!mapping)
        return nullptr;
    return static_cast<TestChannel*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(TestChannel)));
}
