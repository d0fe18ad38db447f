// The article composer: joins texts, and fills the fixed article template with three phrases.
#pragma once

#include "article/text.hpp"

#include <cstddef>

// Length in bytes up to the first zero byte; a null text is empty.
std::size_t text_length(const char* text);

// A piece whose length is already known.
struct TextPiece {
    const char* bytes;
    std::size_t length;
};

// Joins measured pieces into one new Text: one storage request of the summed lengths plus the
// terminator, the pieces copied back to back. A total the machine cannot represent is a storage
// failure reported with its true size.
Text join_pieces(const TextPiece* pieces, std::size_t count);

// Joins texts (any may be null) into one new Text, each measured once, nothing between them.
template <std::size_t N>
Text join_texts(const char* const (&texts)[N])
{
    TextPiece pieces[N];
    for (std::size_t i = 0; i < N; ++i)
        pieces[i] = {texts[i], text_length(texts[i])};
    return join_pieces(pieces, N);
}

// The article about `subject` and `event`, with `explanation`: 240 template bytes plus the subject
// six times, the event five times and the explanation once. The phrases are borrowed and may be null.
Text compose_article(const char* subject, const char* event, const char* explanation);
