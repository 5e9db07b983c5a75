#pragma once

// The standard dialogs (file dialogs, message-box buttons) speak Czech like
// the rest of the program: Qt's own Czech translation is loaded when the
// system has it (Debian's qt6-translations-l10n). Without it the dialogs
// stay in English and nothing is reported.

// Installs the translation once per application; true when it is in place.
bool InstallQtTranslation();
