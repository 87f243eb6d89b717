#pragma once

#include "text/divided_run.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace cantiva::engine {

using SeparatorKind = text::Separator;

struct WordToken {
    std::string_view text; // the token's characters, its separator included
    SeparatorKind separator = SeparatorKind::Space;
    std::size_t start = 0; // offset of text in the text
};

// Calls onToken(const WordToken&) for every token of `text` in order. A line feed right after a
// carriage return belongs to no token; any other line feed ends a line-break token.
template <class OnToken> void ForEachToken(std::string_view text, OnToken&& onToken) {
    if (text.empty())
        return;
    std::size_t tokenStart = 0;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        char b = text[i];
        SeparatorKind kind{};
        bool separator = true;
        switch (b) {
        case ' ':
            kind = SeparatorKind::Space;
            break;
        case '-':
            kind = SeparatorKind::Hyphen;
            break;
        case '\r':
            kind = SeparatorKind::LineBreak;
            break;
        case '\xA0':
            kind = SeparatorKind::NoBreakSpace;
            break;
        case '\n':
            if (i > 0 && text[i - 1] == '\r') {
                tokenStart = i + 1;
                separator = false;
            } else {
                kind = SeparatorKind::LineBreak;
            }
            break;
        default:
            separator = false;
        }
        if (separator) {
            onToken(WordToken{text.substr(tokenStart, i + 1 - tokenStart), kind, tokenStart});
            tokenStart = i + 1;
        }
        if (i + 1 == n)
            onToken(WordToken{text.substr(tokenStart), SeparatorKind::Space, tokenStart});
    }
}

std::size_t CountTokens(std::string_view text);

} // namespace cantiva::engine
