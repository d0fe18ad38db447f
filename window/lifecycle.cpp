// Clean-up hooks and the program's life flags.
#include "window/lifecycle.hpp"

#include <cstddef>

namespace {

// The program registers a single hook; the room is for a few more, and a full list keeps the first.
Hook g_hooks[8];
std::size_t g_hook_count = 0;
bool g_loop_started = false;
bool g_ending = false;

} // namespace

void register_cleanup(Hook hook)
{
    for (std::size_t i = 0; i < g_hook_count; ++i)
        if (g_hooks[i] == hook)
            return;
    if (g_hook_count < sizeof g_hooks / sizeof g_hooks[0])
        g_hooks[g_hook_count++] = hook;
}

void run_cleanup_hooks()
{
    const std::size_t count = g_hook_count;
    g_hook_count = 0;
    for (std::size_t i = 0; i < count; ++i)
        g_hooks[i]();
}

void mark_loop_started()
{
    g_loop_started = true;
}

bool loop_started()
{
    return g_loop_started;
}

void begin_ending()
{
    g_ending = true;
}

bool ending()
{
    return g_ending;
}
