#include "engine/word_tokens.h"

namespace cantiva::engine {

std::size_t CountTokens(std::string_view text) {
    std::size_t count = 0;
    ForEachToken(text, [&count](const WordToken&) { ++count; });
    return count;
}

} // namespace cantiva::engine
