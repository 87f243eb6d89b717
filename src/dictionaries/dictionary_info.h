#pragma once

#include "dictionaries/dict_record.h"
#include "dictionaries/language.h"
#include "dictionaries/letter_index.h"

#include <string>
#include <vector>

namespace cantiva::dictionaries {

class DictionaryState;

// What the dictionary information window lists: its caption and its lines, in Windows-1251.
struct DictionaryInfo {
    std::string caption;            // "Info for [RHYPHEN.PT]"
    std::vector<std::string> lines; // the index or the exceptions, then maxLen and the count
};

// The letter index of `language` ("ABCrus [1]= 46, 0", …; Latin leaves out its closing entry),
// then the longest trimmed pattern and the number of records, separators included.
DictionaryInfo MainDictionaryInfo(Language language, const LetterIndexTable& index,
                                  const std::vector<DictRecord>& patterns);

// Every exception trimmed, in order, then the longest of them and their number.
DictionaryInfo ExceptionsDictionaryInfo(Language language, const std::vector<std::string>& entries);

// The listing of the loaded dictionary of the current language.
DictionaryInfo GetDictionaryInfo(const DictionaryState& state, DictionaryKind kind);

} // namespace cantiva::dictionaries
