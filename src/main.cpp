#include "app/frmvandrel.h"
#include "app/terminationwatcher.h"
#include "common/programfolder.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    // Catch a request to end before anything else, so it is never lost: it is acted on
    // once the window runs, and closes it like its close box.
    TerminationWatcher watcher;

    const QString folder = modVandrel::resolveProgramFolder(
        QApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));

    frmVandrel window(folder);
    QObject::connect(&watcher, &TerminationWatcher::terminationRequested, &window, &QWidget::close);
    window.show();
    return app.exec();
}
