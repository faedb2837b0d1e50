// The Romanian texts of Qt's own dialogs and menus (the file dialogs, the
// printer set-up, the standard buttons, the edit boxes' menu). Qt ships no
// Romanian translation, so the program carries its own, built from
// translations/varnela_ro.ts with lrelease into the program's resources.
#pragma once

namespace app {

// Loads the translation into the running application; false (Qt's English
// texts stay) when the resource cannot be read.
bool installRomanianTexts();

}  // namespace app
