// The LilyPond and gabc conversions over arbitrary divided text (as UTF-8, the way both front
// ends hand it over): no crash, and the frame each format needs.
#include "fuzz_check.h"
#include "notation/gabc_score.h"
#include "notation/lilypond_lyrics.h"
#include "text/utf8_codec.h"

using namespace cantiva;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view bytes = fuzz::AsText(data + 1, size - 1);
    const std::string text =
        text::IsValidUtf8(bytes) ? std::string(bytes) : text::Cp1251ToUtf8(bytes);
    if ((data[0] & 1) != 0) {
        const std::string lyrics = notation::LilyPondLyrics(text);
        FUZZ_CHECK(lyrics.starts_with("\\lyricmode {\n") && lyrics.ends_with("}\n"));
    } else {
        const std::string gabc = notation::GabcScore(text);
        FUZZ_CHECK(gabc.starts_with("name:") && gabc.find("\n%%\n") != std::string::npos);
    }
    return 0;
}
