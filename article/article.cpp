// The article template and its composition: 21 pieces, nine fixed and twelve filled with the phrases.
#include "article/article.hpp"

#include <cstdint>
#include <cstring>
#include <iterator>

namespace {

enum class Slot : unsigned char { literal, subject, event, explanation };

struct TemplatePiece {
    Slot slot;
    TextPiece literal;
};

template <std::size_t N>
constexpr TemplatePiece literal(const char (&bytes)[N])
{
    return {Slot::literal, {bytes, N - 1}};
}

constexpr TemplatePiece kSubject{Slot::subject, {}};
constexpr TemplatePiece kEvent{Slot::event, {}};
constexpr TemplatePiece kExplanation{Slot::explanation, {}};

constexpr TemplatePiece kArticleTemplate[] = {
    literal("    "), kSubject, kEvent,
    literal("是怎么回事呢？"), kSubject,
    literal("相信大家都很熟悉，但是"), kSubject, kEvent,
    literal("是怎么回事呢，下面就让小编带大家一起了解吧。\r\n    "), kSubject, kEvent,
    literal("，其实就是"), kExplanation,
    literal("，大家可能会很惊讶"), kSubject,
    literal("怎么会"), kEvent,
    literal("呢？但事实就是这样，小编也感到非常惊讶。\r\n    这就是关于"), kSubject, kEvent,
    literal("的事情了，大家有什么想法呢，欢迎在评论区告诉小编一起讨论哦！"),
};
constexpr std::size_t kTemplatePieces = std::size(kArticleTemplate);
static_assert(kTemplatePieces == 21);

constexpr std::size_t literal_bytes()
{
    std::size_t total = 0;
    for (const TemplatePiece& piece : kArticleTemplate)
        total += piece.literal.length;
    return total;
}
// Holds only when the literals are compiled to GBK (two bytes per Chinese character).
static_assert(literal_bytes() == 240, "the article template must be compiled as GBK");

// A 64-bit total cannot overflow for pieces that fit in a 32-bit address space; on wider machines
// it saturates, and the storage refuses that size like any other it cannot provide.
std::uint64_t add_saturating(std::uint64_t total, std::size_t length)
{
    return length > UINT64_MAX - total ? UINT64_MAX : total + length;
}

} // namespace

std::size_t text_length(const char* text)
{
    if (!text)
        return 0;
    // A word at a time, as the C library's own does but several times faster than the one the
    // program gets under Windows: a word holds a zero byte exactly when the test below is
    // non-zero. Words are read aligned, so none reaches into a page past the terminator's.
    const char* end = text;
    for (; reinterpret_cast<std::uintptr_t>(end) % sizeof(std::uint32_t); ++end)
        if (*end == '\0')
            return static_cast<std::size_t>(end - text);
    for (;; end += sizeof(std::uint32_t)) {
        std::uint32_t word;
        std::memcpy(&word, end, sizeof word);
        if ((word - 0x01010101u) & ~word & 0x80808080u)
            break;
    }
    while (*end != '\0')
        ++end;
    return static_cast<std::size_t>(end - text);
}

Text join_pieces(const TextPiece* pieces, std::size_t count)
{
    std::uint64_t total = 1; // the terminator
    std::size_t longest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        total = add_saturating(total, pieces[i].length);
        longest = pieces[i].length > longest ? pieces[i].length : longest;
    }

    Text text = obtain_text(total);
    // The pieces are copied a stretch at a time, all pieces in step: a phrase that fills several
    // slots is then read from memory once and written from the cache to each of its places.
    constexpr std::size_t kStretch = 256 * 1024;
    for (std::size_t from = 0; from < longest; from += kStretch) {
        char* place = text;
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t length = pieces[i].length;
            if (from < length)
                std::memcpy(place + from, pieces[i].bytes + from, length - from < kStretch ? length - from : kStretch);
            place += length;
        }
    }
    text[total - 1] = '\0';
    return text;
}

Text compose_article(const char* subject, const char* event, const char* explanation)
{
    // Each phrase is measured once, however many slots it fills.
    const TextPiece phrases[] = {
        {},
        {subject, text_length(subject)},
        {event, text_length(event)},
        {explanation, text_length(explanation)},
    };
    TextPiece pieces[kTemplatePieces];
    for (std::size_t i = 0; i < kTemplatePieces; ++i) {
        const TemplatePiece& piece = kArticleTemplate[i];
        pieces[i] = piece.slot == Slot::literal ? piece.literal
                                                : phrases[static_cast<std::size_t>(piece.slot)];
    }
    return join_pieces(pieces, kTemplatePieces);
}
