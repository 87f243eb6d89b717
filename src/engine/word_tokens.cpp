#include "engine/word_tokens.h"

namespace cantiva::engine {

std::size_t CountTokens(std::string_view text) {
    std::size_t count = 0;
    ForEachToken(text, [&count](const WordToken&) { ++count; });
    return count;
}

std::vector<WordToken> CreateWordList(std::string_view text) {
    std::vector<WordToken> tokens;
    ForEachToken(text, [&tokens](const WordToken& t) { tokens.push_back(t); });
    return tokens;
}

} // namespace cantiva::engine
