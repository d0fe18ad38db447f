// The fatal-error box and the program's answer to exhausted text storage.
#include "window/fatal_error.hpp"

#include "article/text.hpp"
#include "window/lifecycle.hpp"
#include "system_text/system_text.hpp"

#include <windows.h>

namespace {

// Appends to a fixed buffer, always zero-terminated, cutting short what does not fit.
class Writer {
public:
    Writer(char* out, unsigned size) : out_(out), size_(size) { out_[0] = '\0'; }

    Writer& text(const char* text)
    {
        while (*text && used_ + 1 < size_)
            out_[used_++] = *text++;
        out_[used_] = '\0';
        return *this;
    }

    Writer& number(unsigned long long value)
    {
        char digits[24];
        char* first = digits + sizeof digits;
        *--first = '\0';
        do
            *--first = static_cast<char>('0' + value % 10);
        while (value /= 10);
        return text(first);
    }

    Writer& number(int value)
    {
        // Through unsigned arithmetic, so that the most negative value is spelt too.
        if (value < 0)
            text("-");
        return number(value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value));
    }

private:
    char* out_;
    unsigned size_;
    unsigned used_ = 0;
};

} // namespace

void format_fatal_text(char* out, unsigned size, const char* message, int first, int second, const char* more_lines)
{
    Writer(out, size)
        .text("运行时出错!\r\n")
        .text("\r\n错误信息：").text(message).text("\r\n")
        .text("\r\n").number(first).text(", ").number(second)
        .text(more_lines)
        .text("\r\n");
}

void format_storage_message(char* out, unsigned size, unsigned long long bytes)
{
    Writer(out, size).text("分配 ").number(bytes).text(" 字节内存失败!");
}

void fatal_error(const char* message, int first, int second, const char* more_lines)
{
    begin_ending();
    char text[512];
    format_fatal_text(text, sizeof text, message, first, second, more_lines);
    show_error_box(text, "错误");
    ExitProcess(static_cast<UINT>(-1));
}

void storage_exhausted(std::uint64_t bytes)
{
    char message[64];
    format_storage_message(message, sizeof message, bytes);
    fatal_error(message, 0, 0);
}
