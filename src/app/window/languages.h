#pragma once
// The language of the window: Quillmark's own translation and Qt's for its standard
// dialogs, chosen from the system's languages at start-up. Markup, file names and the
// settings file are never translated; only what is shown.

#include <QLocale>
#include <QString>

namespace languages {

// Installs the translations for the first of locale's languages Quillmark has, with
// Qt's own for the same language; none when forceEnglish or when English comes first.
// Returns the language installed ("de"), empty for English. Call it once, before the
// window is built: the captions are translated as the controls are made.
QString install(const QLocale &locale, bool forceEnglish);

// Where the build puts Quillmark's translations: compiled into the program.
inline const QString resourceFolder = QStringLiteral(":/i18n");

} // namespace languages
