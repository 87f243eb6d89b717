// The page's entry points: WebSession bound for JavaScript. Strings in are UTF-8 texts or, for
// a score, the file's bytes (a Uint8Array); file bytes out are Uint8Arrays.
#include "web/web_session.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <exception>
#include <stdexcept>

namespace {

using cantiva::web::WebSession;
using emscripten::val;

constexpr const char* kDictionaryFolder = "/dictionaries";

val Bytes(const std::string& bytes) {
    val array = val::global("Uint8Array").new_(bytes.size());
    array.call<void>("set",
                     val(emscripten::typed_memory_view(
                         bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data()))));
    return array;
}

val Outcome(bool ok, const std::string& message) {
    val outcome = val::object();
    outcome.set("ok", ok);
    outcome.set("message", message);
    return outcome;
}

// A failure the core reports by throwing (a dictionary that cannot be read, no memory) is told
// as the command line tells it, never as an abort of the page.
template <typename Call> val Guarded(Call call) {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return Outcome(false, "Not enough memory");
    } catch (const std::exception& e) {
        return Outcome(false, e.what());
    }
}

val Divide(WebSession& session, const std::string& language, const std::string& text) {
    return Guarded([&] {
        const cantiva::web::DivideOutcome divided = session.divide(language, text);
        val outcome = Outcome(divided.ok, divided.message);
        outcome.set("text", divided.text);
        return outcome;
    });
}

cantiva::web::ExportOutcome Exported(const WebSession& session, const std::string& kind,
                                     bool bindDashes) {
    if (kind == "finale")
        return session.finale(bindDashes);
    if (kind == "score")
        return session.scoreMacro();
    if (kind == "lilypond")
        return session.lilyPond();
    if (kind == "gabc")
        return session.gabc();
    throw std::invalid_argument("unknown export " + kind);
}

val Export(WebSession& session, const std::string& kind, bool bindDashes) {
    return Guarded([&] {
        const cantiva::web::ExportOutcome exported = Exported(session, kind, bindDashes);
        val outcome = Outcome(exported.ok, exported.message);
        outcome.set("bytes", Bytes(exported.bytes));
        return outcome;
    });
}

val ScoreParts(WebSession& session, const std::string& fileName, const std::string& bytes) {
    return Guarded([&] {
        val parts = val::array();
        for (const std::string& line : session.scoreParts(fileName, bytes))
            parts.call<void>("push", line);
        return parts;
    });
}

val Lay(WebSession& session, const std::string& fileName, const std::string& bytes,
        const std::string& part, int voice, int verse, bool slurMelisma, bool replaceVerse) {
    return Guarded([&] {
        const cantiva::web::LayOutcome laid =
            session.lay(fileName, bytes, {part, voice, verse, slurMelisma, replaceVerse});
        val outcome = Outcome(laid.ok, laid.report);
        outcome.set("bytes", Bytes(laid.bytes));
        return outcome;
    });
}

val UseExceptions(WebSession& session, const std::string& language, const std::string& source) {
    return Guarded([&] {
        const std::string failure = session.useExceptions(language, source);
        return Outcome(failure.empty(), failure);
    });
}

std::string TextOfFile(const std::string& bytes) {
    return cantiva::web::TextOfFile(bytes);
}

WebSession* NewSession() {
    return new WebSession(kDictionaryFolder);
}

} // namespace

EMSCRIPTEN_BINDINGS(cantiva) {
    emscripten::class_<WebSession>("Session")
        .constructor(&NewSession, emscripten::allow_raw_pointers())
        .function("divide", &Divide)
        .function("exportText", &Export)
        .function("scoreParts", &ScoreParts)
        .function("lay", &Lay)
        .function("useExceptions", &UseExceptions);
    emscripten::function("textOfFile", &TextOfFile);
    emscripten::function("laidScoreName", &cantiva::web::LaidScoreName);
}
