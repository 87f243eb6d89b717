// Compressed and plain MusicXML scores as a file holds them, hostile ones included: reading
// either ends in a ScoreError or gives a score that is written as well-formed UTF-8 and reads
// back the same, plain or compressed.
#include "fuzz_check.h"
#include "notation/score_container.h"
#include "text/utf8_codec.h"

using namespace cantiva;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    try {
        const notation::ScoreContainer score(bytes);
        const std::string plain = score.bytes(notation::ScoreForm::Plain);
        FUZZ_CHECK(text::IsValidUtf8(plain));
        const std::string compressed = score.bytes(notation::ScoreForm::Compressed);
        FUZZ_CHECK(notation::ScoreContainer(plain).bytes(notation::ScoreForm::Plain) == plain);
        FUZZ_CHECK(notation::ScoreContainer(compressed).bytes(notation::ScoreForm::Plain) == plain);
    } catch (const notation::ScoreError&) {
        // a score that cannot be used, told as such
    }
    return 0;
}
