#pragma once

#include "cli/arguments.h"
#include "cli/cli_io.h"
#include "notation/divided_text.h"

#include <optional>
#include <string>
#include <vector>

namespace cantiva::cli {

// The input of an export divided by the engine in the language of --lang (dictionaries from
// --dict-dir), as the lines the notation exports read, joins between words included.
struct DividedInput {
    int status = 0; // not exit_status::kDone when the run stopped; the message is printed
    std::vector<notation::DividedLine> lines;
    std::string paneUtf8;   // the result pane's text, in UTF-8
    std::string finaleUtf8; // the same with a no-break space between words on one note
    dictionaries::Language language = dictionaries::Language::Russian;
};

// Without --lang, nothing: the input is a divided text already.
std::optional<DividedInput> DivideInputWhenAsked(const Arguments& args, std::string bytes,
                                                 Encoding encoding);

} // namespace cantiva::cli
