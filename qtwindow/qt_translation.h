#pragma once

class QTranslator;

namespace zarvel {

// Loads Qt's own Russian texts (the text boxes' context menu, message box
// buttons) into the translator and installs it, so they match the rest of
// the program. Returns whether the translation was found.
bool InstallRussianQtTexts(QTranslator &translator);

} // namespace zarvel
