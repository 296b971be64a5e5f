#pragma once
// Qt's own texts (file dialogs, message box buttons, the print dialog) in the program's language,
// from the translations Qt ships (Debian: qt6-translations-l10n).

enum class Langue;

// Installs Qt's translation of `langue` in the running application, in place of the previous one;
// English is Qt's own. Does nothing without an application or when the language is already in
// force. False when the translation file could not be loaded (Qt then speaks English).
bool TraduitQt(Langue langue);
