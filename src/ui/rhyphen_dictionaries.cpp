// The main window's dictionary commands: the exceptions editor, the two compilations and the
// dictionary information window.
#include "dictionaries/compile_lock.h"
#include "dictionaries/language.h"
#include "dictionaries/missing_dictionary.h"
#include "text/io_error.h"
#include "ui/rhyphen.h"
#include "ui/uDict.h"
#include "ui/uEdict.h"

namespace cantiva::ui {

using dictionaries::Info;

void TForm1::Editcustomdictionary1Click() {
    if (others_.exceptionsEditor != nullptr)
        others_.exceptionsEditor->Execute();
}

// No question first and no message after: the compiled exceptions are simply renewed.
void TForm1::miRegenXPatternsClick() {
    try {
        state_.compileExceptions();
    } catch (const dictionaries::DictionaryBusyError& e) {
        platform_.error(this, QString::fromLatin1(e.what()));
    } catch (const IoError& e) {
        ReportIoError(e);
    }
}

void TForm1::Regeneratepatterns1Click() {
    const dictionaries::LanguageInfo& language = Info(state_.currentLanguage());
    const QString question = "Regenerate" + QString::fromLatin1(language.promptName) + "patterns?";
    if (!platform_.warningYesNo(this, question))
        return;
    try {
        state_.rebuildMainDictionary();
    } catch (const dictionaries::MissingDictionaryError& e) {
        EndForMissingDictionary(e);
        return;
    } catch (const dictionaries::DictionaryBusyError& e) {
        platform_.error(this, QString::fromLatin1(e.what()));
        return;
    } catch (const IoError& e) {
        ReportIoError(e);
        return;
    }
    showLoadWarning();
    platform_.information(this, "Patterns in \"" + QString::fromLatin1(language.baseName) +
                                    "\" regenerated successfully!");
}

void TForm1::Patterndictinfo1Click() {
    if (others_.dictInfo != nullptr)
        others_.dictInfo->Execute(TForm2::kMainDictionary);
}

void TForm1::Exceptionsdictinfo1Click() {
    if (others_.dictInfo != nullptr)
        others_.dictInfo->Execute(0);
}

} // namespace cantiva::ui
