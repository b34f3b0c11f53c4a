#include "app/window/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace languages {
namespace {

// Qt's words for the buttons and dialogs it draws itself: a program folder may bring them
// (Windows), else they come from where Qt is installed.
void installQtsOwn(const QString &language)
{
    auto qt = std::make_unique<QTranslator>(QCoreApplication::instance());
    const QString name = QStringLiteral("qtbase_") + language;
    if (qt->load(name, QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))
        || qt->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.release());
}

} // namespace

QString install(const QLocale &locale, bool forceEnglish)
{
    if (forceEnglish)
        return {};
    // The user's languages in the order they prefer them: the first Quillmark speaks wins,
    // and English, the language it is written in, needs no file.
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_")))
            return {};
        // The translators live as long as the program: they are children of the application.
        auto own = std::make_unique<QTranslator>(QCoreApplication::instance());
        // "quillmark_de_AT" is looked for, then "quillmark_de".
        if (!own->load(QStringLiteral("quillmark_") + language, resourceFolder))
            continue;
        const QString loaded = own->filePath().section(u'/', -1).section(u'_', 1).section(u'.', 0, 0);
        QCoreApplication::installTranslator(own.release());
        installQtsOwn(loaded);
        return loaded;
    }
    return {};
}

} // namespace languages
