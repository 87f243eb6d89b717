// The main window's dictionary commands: the exceptions editor, the two rebuilds and the two
// information windows. Owned by the dictionary windows' work; the bodies are filled in there.
#include "ui/rhyphen.h"

namespace cantiva::ui {

void TForm1::Editcustomdictionary1Click() {}

void TForm1::miRegenXPatternsClick() {}

void TForm1::Regeneratepatterns1Click() {}

void TForm1::Patterndictinfo1Click() {}

void TForm1::Exceptionsdictinfo1Click() {}

} // namespace cantiva::ui
