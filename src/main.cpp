#include "app/frmvandrel.h"
#include "app/window/languages.h"
#include "app/window/terminationwatcher.h"
#include "common/paths.h"
#include "common/programinfo.h"
#include "settings/privateprofile.h"
#include "settings/options.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(programInfo::title);
    // Catch a request to end before anything else, so it is never lost: it is acted on
    // once the window runs, and closes it like its close box.
    TerminationWatcher watcher;

    // The installed desktop entry and icon carry this name; desktops match our windows to
    // the entry by it (the Wayland app id, and the startup notification on X11).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillmark.Quillmark"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/io.github.quillmark.Quillmark.png")));

    const QString folder = paths::resolveProgramFolder(
        QApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));

    // The window's words in the user's language, unless the options ask for English.
    settings::Options options;
    options.load(PrivateProfile::fromFile(paths::joinPath(folder, programInfo::settingsFileName)));
    languages::install(QLocale::system(), options.on(settings::Check::ForceEnglish));

    frmVandrel window(folder);
    QObject::connect(&watcher, &TerminationWatcher::terminationRequested, &window, &QWidget::close);
    window.show();
    return app.exec();
}
