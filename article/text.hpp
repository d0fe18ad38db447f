// Text: the program's zero-terminated GBK byte strings, and the one storage every Text comes from.
#pragma once

#include <cstddef>
#include <cstdint>

// A Text is owned by whoever obtained it and goes back to the storage exactly once.
using Text = char*;

// Obtains a block of `bytes` bytes for a new Text. Never returns null: when the block cannot be had,
// storage_exhausted is called and does not return. The size is 64-bit so that a request larger than
// this machine can address is still reported with its true value.
Text obtain_text(std::uint64_t bytes);

// Gives a Text back to the storage; null is ignored.
void release_text(Text text);

// What the program does when storage cannot be had. Defined by the program that links the storage
// (the fatal-error box) or by a test.
[[noreturn]] void storage_exhausted(std::uint64_t bytes);
