// The program's text storage: the C heap, with exhaustion handed to storage_exhausted.
#include "article/text.hpp"

#include <cstdint>
#include <cstdlib>

Text obtain_text(std::uint64_t bytes)
{
    if (bytes > SIZE_MAX)
        storage_exhausted(bytes);
    Text text = static_cast<Text>(std::malloc(static_cast<std::size_t>(bytes)));
    if (!text)
        storage_exhausted(bytes);
    return text;
}

void release_text(Text text)
{
    std::free(text);
}
