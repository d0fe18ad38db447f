// The composer in process: exact articles, pass-through of any bytes, the size law, one storage
// request per call, every text released once, and sizes too large to represent.
#include "article/article.hpp"
#include "tests/seams/test_channel.hpp"

#include <doctest/doctest.h>

#include <cstdint>
#include <string>

namespace {

struct StorageRefused {
    std::uint64_t bytes;
};

TestChannel& storage()
{
    return *open_test_channel(GetCurrentProcessId());
}

// Owns one composed text for the length of a test.
struct Composed {
    Text text;
    std::uint32_t requests;   // storage requests the call made
    std::uint64_t block;      // size of the last request

    template <class Compose>
    explicit Composed(Compose compose)
    {
        const std::uint32_t before = storage().requests;
        text = compose();
        requests = storage().requests - before;
        block = storage().last_request;
    }
    ~Composed() { release_text(text); }
    Composed(const Composed&) = delete;
    Composed& operator=(const Composed&) = delete;

    std::string bytes() const { return std::string(text); }
};

const std::string kIndent = "    ";
const std::string kParagraph1 = "桃子核不能吞下去是怎么回事呢？桃子核相信大家都很熟悉，但是桃子核不能吞下去是怎么回事呢，下面就让小编带大家一起了解吧。";
const std::string kParagraph2 = "桃子核不能吞下去，其实就是桃核太大了，吞下去容易噎着，大家可能会很惊讶桃子核怎么会不能吞下去呢？但事实就是这样，小编也感到非常惊讶。";
const std::string kParagraph3 = "这就是关于桃子核不能吞下去的事情了，大家有什么想法呢，欢迎在评论区告诉小编一起讨论哦！";

// The nine fixed pieces in order, as the article reads with all three phrases empty.
const std::string kTemplateOnly =
    "    是怎么回事呢？相信大家都很熟悉，但是是怎么回事呢，下面就让小编带大家一起了解吧。\r\n"
    "    ，其实就是，大家可能会很惊讶怎么会呢？但事实就是这样，小编也感到非常惊讶。\r\n"
    "    这就是关于的事情了，大家有什么想法呢，欢迎在评论区告诉小编一起讨论哦！";

std::string replace_all(std::string text, char marker, const std::string& with)
{
    for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + with.size()))
        text.replace(at, 1, with);
    return text;
}

} // namespace

[[noreturn]] void storage_exhausted(std::uint64_t bytes)
{
    throw StorageRefused{bytes};
}

TEST_CASE("literals are compiled to GBK")
{
    // Each line must fail if the build falls back to UTF-8 literals.
    CHECK(std::string("，") == "\xA3\xAC");
    CHECK(std::string("？") == "\xA3\xBF");
    CHECK(std::string("。") == "\xA1\xA3");
    CHECK(std::string("！") == "\xA3\xA1");
    CHECK(std::string("桃子核") == "\xCC\xD2\xD7\xD3\xBA\xCB");
    CHECK(kParagraph1.size() == 118);
    CHECK(kParagraph2.size() == 132);
    CHECK(kParagraph3.size() == 86);
    CHECK(kTemplateOnly.size() == 240);
}

TEST_CASE("the example phrases give the 352-byte article in one 353-byte block")
{
    const Composed article([] { return compose_article("桃子核", "不能吞下去", "桃核太大了，吞下去容易噎着"); });
    CHECK(article.bytes() == kIndent + kParagraph1 + "\r\n" + kIndent + kParagraph2 + "\r\n" + kIndent + kParagraph3);
    CHECK(article.bytes().size() == 352);
    CHECK(article.requests == 1);
    CHECK(article.block == 353);
}

TEST_CASE("with every phrase null or empty the article is the 240 template bytes")
{
    struct Case {
        const char* subject;
        const char* event;
        const char* explanation;
    };
    const Case cases[] = {{nullptr, nullptr, nullptr}, {"", "", ""}, {nullptr, "", nullptr}, {"", nullptr, ""}};
    for (const Case& c : cases) {
        const Composed article([&] { return compose_article(c.subject, c.event, c.explanation); });
        CHECK(article.bytes() == kTemplateOnly);
        CHECK(article.requests == 1);
        CHECK(article.block == 241);
    }
}

TEST_CASE("phrases pass through byte for byte")
{
    // Control bytes never occur in GBK text, so they mark the slots: six subjects, five events and
    // one explanation in the template's own order.
    const Composed marked([] { return compose_article("\x01", "\x02", "\x03"); });
    const std::string slots = marked.bytes();
    REQUIRE(slots.size() == 252);
    CHECK(slots.substr(0, 6) == "    \x01\x02");
    CHECK(slots.find("\x02\x02") == std::string::npos);

    struct Case {
        const char* name;
        std::string subject, event, explanation;
    };
    // Long phrases of varied bytes, each longer than the stretches the composer copies at a time.
    std::string long_subject, long_event, long_explanation;
    for (std::size_t i = 0; i < 700001; ++i)
        long_subject += static_cast<char>(0x20 + i % 91);
    for (std::size_t i = 0; i < 262145; ++i)
        long_event += static_cast<char>(0x81 + i % 120);
    for (std::size_t i = 0; i < 524287; ++i)
        long_explanation += static_cast<char>(0x30 + i % 13);
    const Case cases[] = {
        {"long phrases", long_subject, long_event, long_explanation},
        {"CR LF is copied and splits its paragraph", "桃子\r\n核", "不能\r\n", "\r\n"},
        {"leading and trailing blanks stay", "  桃子核 ", " 不能吞下去  ", "   "},
        {"bytes that are not GBK are neither repaired nor rejected", "\x81", "\xFF\xFE\x80", "\xA3"},
        {"ASCII and tabs", "peach\tpit", "can't be swallowed", "it is too big"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        const Composed article([&] { return compose_article(c.subject.c_str(), c.event.c_str(), c.explanation.c_str()); });
        const std::string expected =
            replace_all(replace_all(replace_all(slots, '\x01', c.subject), '\x02', c.event), '\x03', c.explanation);
        CHECK(article.bytes() == expected);
        CHECK(article.block == expected.size() + 1);
    }
}

TEST_CASE("the article grows by six, five and one bytes per byte of subject, event and explanation")
{
    struct Case {
        std::size_t subject, event, explanation;
    };
    const Case cases[] = {
        {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {7, 13, 29}, {4096, 1, 0}, {0, 65536, 3}, {1000000, 0, 0}, {333333, 444444, 555555},
    };
    for (const Case& c : cases) {
        CAPTURE(c.subject);
        CAPTURE(c.event);
        CAPTURE(c.explanation);
        const std::string subject(c.subject, 's'), event(c.event, 'e'), explanation(c.explanation, 'x');
        const Composed article([&] { return compose_article(subject.c_str(), event.c_str(), explanation.c_str()); });
        const std::uint64_t length = 240 + 6 * c.subject + 5 * c.event + c.explanation;
        CHECK(text_length(article.text) == length);
        CHECK(article.block == length + 1);
        CHECK(article.requests == 1);
    }
}

TEST_CASE("join_texts copies its pieces into one fresh block")
{
    SUBCASE("one piece gives a fresh copy")
    {
        static const char piece[] = "桃子核";
        const char* const pieces[] = {piece};
        const Composed copy([&] { return join_texts(pieces); });
        CHECK(copy.text != piece);
        CHECK(copy.bytes() == piece);
        CHECK(copy.block == 7);
    }
    SUBCASE("a null piece gives the empty text")
    {
        const char* const pieces[] = {nullptr};
        const Composed empty([&] { return join_texts(pieces); });
        CHECK(empty.text[0] == '\0');
        CHECK(empty.block == 1);
        CHECK(empty.requests == 1);
    }
    SUBCASE("nothing is placed between pieces")
    {
        const char* const pieces[] = {"a ", nullptr, "", "\r\n", " b"};
        const Composed joined([&] { return join_texts(pieces); });
        CHECK(joined.bytes() == "a \r\n b");
        CHECK(joined.block == 7);
    }
}

TEST_CASE("every composed text goes back to the storage exactly once")
{
    const TestChannel before = storage();
    for (int i = 0; i < 100; ++i)
        release_text(compose_article("桃子核", i % 2 ? nullptr : "不能吞下去", ""));
    release_text(nullptr);
    CHECK(storage().requests - before.requests == 100);
    CHECK(storage().releases - before.releases == 100);
    CHECK(storage().bad_releases == before.bad_releases);

    // The counting storage itself must notice a second release.
    Text twice = compose_article(nullptr, nullptr, nullptr);
    release_text(twice);
    release_text(twice);
    CHECK(storage().bad_releases - before.bad_releases == 1);
}

TEST_CASE("a total too large to represent is refused with its true size, never wrapped")
{
    // 4096 pieces of 1 MiB: 2^32 bytes plus the terminator, one past what 32 bits can hold.
    const std::string mebibyte(1 << 20, 'm');
    static const char* list[4096];
    for (const char*& piece : list)
        piece = mebibyte.c_str();

    const std::uint32_t before = storage().requests;
    try {
        release_text(join_texts(list));
        FAIL("the storage handed out a block for 4294967297 bytes");
    } catch (const StorageRefused& refused) {
        CHECK(refused.bytes == 4294967297ULL);
    }
    CHECK(storage().requests - before == 1);
    CHECK(storage().last_request == 4294967297ULL);
}
