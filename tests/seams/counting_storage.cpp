// The text storage of test builds: the C heap, with every request and release counted in the
// process's test channel, double or foreign releases caught, and chosen requests refused.
#include "article/text.hpp"
#include "tests/seams/test_channel.hpp"

#include <cstdlib>
#include <set>

namespace {

TestChannel& channel()
{
    static TestChannel* const shared = open_test_channel(GetCurrentProcessId());
    if (!shared)
        std::abort();
    return *shared;
}

std::set<const void*>& live_texts()
{
    static std::set<const void*> live;
    return live;
}

} // namespace

Text obtain_text(std::uint64_t bytes)
{
    TestChannel& counts = channel();
    counts.last_request = bytes;
    if (++counts.requests == counts.refuse_request || bytes > SIZE_MAX)
        storage_exhausted(bytes);
    Text text = static_cast<Text>(std::malloc(static_cast<std::size_t>(bytes)));
    if (!text)
        storage_exhausted(bytes);
    live_texts().insert(text);
    return text;
}

void release_text(Text text)
{
    if (!text)
        return;
    if (live_texts().erase(text) == 0) {
        ++channel().bad_releases;
        return;
    }
    ++channel().releases;
    std::free(text);
}
