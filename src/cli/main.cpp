// cantiva-cli: the batch front end over the same core as the window.
#include "cli/arguments.h"
#include "cli/cli_io.h"
#include "cli/commands.h"
#include "dictionaries/compile_lock.h"
#include "dictionaries/missing_dictionary_error.h"
#include "io/io_error.h"
#include "notation/score_container.h"

#include <exception>
#include <iostream>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using Command = int (*)(const std::vector<std::string>&);

struct CommandEntry {
    const char* name;
    Command run;
    const char* task; // "Not enough memory to …"
};

const CommandEntry kCommands[] = {
    {"hyphenate", cantiva::cli::HyphenateCommand, "hyphenate the text"},
    {"compile", cantiva::cli::CompileCommand, "compile the dictionary"},
    {"info", cantiva::cli::InfoCommand, "list the dictionary"},
    {"score", cantiva::cli::ScoreCommand, "build the SCORE macro"},
    {"finale", cantiva::cli::FinaleCommand, "build the Finale lyrics"},
    {"update", cantiva::cli::UpdateCommand, "update the dictionaries"},
    {"take-shipped", cantiva::cli::TakeShippedCommand, "take the shipped dictionaries"},
    {"lilypond", cantiva::cli::LilyPondCommand, "build the LilyPond lyrics"},
    {"gabc", cantiva::cli::GabcCommand, "build the gabc text"},
    {"lay", cantiva::cli::LayCommand, "lay the lyrics onto the score"},
};

constexpr const char* kUsage =
    "usage: cantiva-cli hyphenate [--lang ru|en|la|us|de|fr|it|es] [--dict-dir DIR]\n"
    "                             [--encoding auto|utf-8|cp1251|cp1252] [--log FILE] [--lf]\n"
    "                             [FILE]\n"
    "       cantiva-cli compile   [--lang L] [--dict-dir DIR] [--main] [--exceptions]\n"
    "       cantiva-cli info      [--lang L] [--dict-dir DIR] [--exceptions]\n"
    "       cantiva-cli score     [--mode input|output] [--hyphen dash|extender]\n"
    "                             [--font 0-4] [--staff 0-16] [--vpos TEXT]\n"
    "                             [--lang L [--dict-dir DIR]] [--encoding utf-8|cp1251] [FILE]\n"
    "       cantiva-cli finale    [--no-bind-dashes] [--lang L [--dict-dir DIR]]\n"
    "                             [--encoding utf-8|cp1251] [FILE]\n"
    "       cantiva-cli update    --shipped DIR [--dict-dir DIR]\n"
    "       cantiva-cli take-shipped [--lang L] [--dict-dir DIR]\n"
    "       cantiva-cli lilypond  [--lang L [--dict-dir DIR]] [--encoding utf-8|cp1251] [FILE]\n"
    "       cantiva-cli gabc      [--lang L [--dict-dir DIR]] [--encoding utf-8|cp1251] [FILE]\n"
    "       cantiva-cli lay       --score IN --out OUT [--part ID] [--voice N] [--verse N]\n"
    "                             [--from-measure N] [--to-measure N] [--follow-verse N]\n"
    "                             [--slur-melisma] [--replace] [--lang L [--dict-dir DIR]]\n"
    "                             [--encoding utf-8|cp1251] [FILE]\n"
    "With --lang, score, finale, lilypond, gabc and lay divide a plain text themselves; without\n"
    "it they read a divided text.\n";

// Wrong usage is one line; the whole usage is a --help away.
void PrintUsageError(const std::string& what) {
    std::cerr << "cantiva-cli: " << what << " (try cantiva-cli --help)\n";
}

} // namespace

int main(int argc, char** argv) {
    using namespace cantiva;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? std::cerr : std::cout) << kUsage;
        return args.empty() ? cli::exit_status::kUsage : cli::exit_status::kDone;
    }
    if (args[0] == "--version") {
        std::cout << "cantiva-cli " CANTIVA_VERSION "\n";
        return cli::exit_status::kDone;
    }
    for (const CommandEntry& command : kCommands) {
        if (args[0] != command.name)
            continue;
        try {
            return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
        } catch (const cli::UsageError& e) {
            PrintUsageError(e.what());
            return cli::exit_status::kUsage;
        } catch (const dictionaries::MissingDictionaryError& e) {
            cli::PrintMessage(e.what());
            cli::PrintFailure(dictionaries::LookedInText(e) + " (--dict-dir names another folder)");
            return cli::exit_status::kMissingDictionary;
        } catch (const cli::NotTextError& e) {
            cli::PrintFailure(e.what());
            return cli::exit_status::kStopped;
        } catch (const notation::ScoreError& e) {
            cli::PrintMessage(e.what());
            return cli::exit_status::kStopped;
        } catch (const dictionaries::DictionaryBusyError& e) {
            cli::PrintFailure(e.what());
            return cli::exit_status::kStopped;
        } catch (const IoError& e) {
            cli::PrintFailure(DescribeIoError(e));
            return cli::exit_status::kStopped;
        } catch (const std::bad_alloc&) {
            // Nothing was replaced: files are written whole or not at all.
            cli::PrintFailure(std::string("Not enough memory to ") + command.task);
            return cli::exit_status::kStopped;
        } catch (const std::length_error&) {
            // A size no allocation can hold, such as one a hostile file declares.
            cli::PrintFailure(std::string("Not enough memory to ") + command.task);
            return cli::exit_status::kStopped;
        } catch (const std::exception& e) {
            // A library's own failure: told, never an abort.
            cli::PrintFailure(std::string("Cannot ") + command.task + ": " + e.what());
            return cli::exit_status::kStopped;
        }
    }
    PrintUsageError("unknown command " + args[0]);
    return cli::exit_status::kUsage;
}
