#pragma once

#include "dictionaries/language.h"

#include <filesystem>
#include <string>
#include <vector>

// Bringing a user's dictionary folder up to date with the dictionaries the program ships, without
// ever losing what the user changed.
//
// A dictionary travels as a pair: a source and the file compiled from it (".TXT" with ".PT",
// ".XCP" with ".XCD"). The user folder keeps a record of the shipped version each pair came from:
// a copy of it in "<folder>/.shipped/". A pair whose source still equals that copy was not edited
// and takes a newer shipped version as it comes. An edited pair is kept; the newer version waits
// in "<folder>/.shipped/newer/", and the user is told once (when it arrives there) how to take it.
namespace cantiva::dictionaries {

inline constexpr std::string_view kShippedRecordFolder = ".shipped";
inline constexpr std::string_view kNewerShippedFolder = ".shipped/newer";

// One dictionary pair of one language.
struct DictionaryPair {
    Language language;
    bool main; // the main dictionary (.TXT/.PT), else the exceptions (.XCP/.XCD)
    std::string sourceName() const;
    std::string compiledName() const;
};

struct ShippedUpdateReport {
    std::vector<DictionaryPair> installed; // the user had none: copied
    std::vector<DictionaryPair> updated;   // unedited: replaced by the newer shipped version
    std::vector<DictionaryPair> newerKept; // edited and kept; the user is to be told now
    std::vector<DictionaryPair> refused;   // the shipped compiled file is not its source's compile
};

// Brings `userFolder` (created when missing) up to date with the compiled dictionaries in
// `shippedFolder`, taking turns with compiles of the folder (CompileLock). Pairs the shipped
// folder lacks are left alone. Throws IoError when a file cannot be read or written, or
// DictionaryBusyError; what was done before stays consistent (the record is written last).
ShippedUpdateReport UpdateFromShipped(const std::filesystem::path& shippedFolder,
                                      const std::filesystem::path& userFolder);

// What the user is told about the pairs kept: which files, and the command that takes the newer
// versions keeping their own exceptions. Empty when nothing was kept.
std::string NewerShippedNotice(const ShippedUpdateReport& report,
                               const std::filesystem::path& userFolder);

// What the user is told about shipped pairs refused: one line each, naming the files. Empty when
// none was refused.
std::string RefusedShippedNotice(const ShippedUpdateReport& report);

struct TakeShippedResult {
    bool mainTaken = false;       // the waiting main dictionary replaced the user's
    bool exceptionsTaken = false; // the waiting exceptions list was merged
    int ownExceptions = 0;        // the user's own entries kept in the merged list
};

// Takes the newer shipped dictionaries waiting for `language`. The main dictionary is replaced;
// the exceptions become the new shipped list merged with the user's own changes: entries the user
// added or changed are kept (and win over a shipped entry for the same word), entries the user
// deleted from the shipped list stay deleted. The merged source is compiled at once, under the
// compile lock of the folder, so a compile beside it never pairs the merged source with an older
// compiled list.
TakeShippedResult TakeNewerShipped(const std::filesystem::path& userFolder, Language language);

// The merge of TakeNewerShipped on sources: `base` is the shipped list the user's came from
// (empty when unknown), `mine` the user's list, `newer` the new shipped list. Lines are CR LF
// separated, with none after the last, as the editor writes them.
// Entries are told apart by their word in the lower case of `language`'s code page; the form
// without a language reads them as Russian.
std::string MergeExceptionSources(Language language, std::string_view base, std::string_view mine,
                                  std::string_view newer, int* ownCount = nullptr);
std::string MergeExceptionSources(std::string_view base, std::string_view mine,
                                  std::string_view newer, int* ownCount = nullptr);

} // namespace cantiva::dictionaries
