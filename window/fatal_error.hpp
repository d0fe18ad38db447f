// The fatal-error box: the only failure the user ever sees, after which the process ends.
#pragma once

// Shows the error box with `message`, the location line "first, second" and any `more_lines`, and
// ends the process with exit code -1 when it is closed. Clean-up hooks do not run.
[[noreturn]] void fatal_error(const char* message, int first, int second, const char* more_lines = "");

// The box's whole text, written into `out` of `size` bytes (cut short if it does not fit).
void format_fatal_text(char* out, unsigned size, const char* message, int first, int second, const char* more_lines);

// "分配 <bytes> 字节内存失败!", the size in decimal however large.
void format_storage_message(char* out, unsigned size, unsigned long long bytes);
