// Compose throughput: compose_article against one memcpy of an article of the same size into a
// fresh block, for phrases (subject, event and explanation alike) of 1 KB, 1 MB and 10 MB.
#include "article/article.hpp"
#include "bench/bench.hpp"

#include <cstdlib>
#include <cstring>
#include <string>

[[noreturn]] void storage_exhausted(std::uint64_t bytes)
{
    std::fprintf(stderr, "no storage for %llu bytes\n", static_cast<unsigned long long>(bytes));
    std::exit(1);
}

int main()
{
    struct Size {
        const char* name;
        std::size_t bytes;
        int rounds;
        bool has_goal;
    };
    const Size sizes[] = {{"1 KB", 1 << 10, 51, false}, {"1 MB", 1 << 20, 61, true}, {"10 MB", 10 << 20, 15, true}};
    for (const Size& size : sizes) {
        const std::string subject(size.bytes, 's'), event(size.bytes, 'e'), explanation(size.bytes, 'x');
        Text sample = compose_article(subject.c_str(), event.c_str(), explanation.c_str());
        const std::size_t article = std::strlen(sample);
        volatile char sink = 0;
        // Small articles are timed in batches, so that a sample is long beside the clock's tick.
        const std::size_t batch = article < (4u << 20) ? (4u << 20) / article : 1;
        const auto [compose_batch, copy_batch] = alternate(
            size.rounds,
            [&] {
                for (std::size_t i = 0; i < batch; ++i) {
                    Text text = compose_article(subject.c_str(), event.c_str(), explanation.c_str());
                    sink = text[article / 2];
                    release_text(text);
                }
            },
            [&] {
                for (std::size_t i = 0; i < batch; ++i) {
                    char* block = static_cast<char*>(std::malloc(article + 1));
                    std::memcpy(block, sample, article + 1);
                    sink = block[article / 2];
                    std::free(block);
                }
            });
        const double compose = compose_batch / static_cast<double>(batch);
        const double copy = copy_batch / static_cast<double>(batch);
        release_text(sample);
        const double speed = copy / compose;  // compose's speed as a share of memcpy's
        char figure[64], ours[64], reference[64], ratio[32];
        std::snprintf(figure, sizeof figure, "compose throughput, %s phrases (%zu-byte article)", size.name, article);
        std::snprintf(ours, sizeof ours, "%.0f MB/s", article / compose);
        std::snprintf(reference, sizeof reference, "%.0f MB/s (memcpy)", article / copy);
        std::snprintf(ratio, sizeof ratio, "%.2f", speed);
        report(figure, ours, reference, ratio, size.has_goal ? ">= 0.90" : "-", !size.has_goal || speed >= 0.90);
    }
}
