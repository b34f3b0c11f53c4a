#include "app/frmvandrel.h"
#include "app/terminationwatcher.h"
#include "common/programfolder.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));

    const QString folder = modVandrel::resolveProgramFolder(
        QApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));

    frmVandrel window(folder);
    TerminationWatcher watcher;
    QObject::connect(&watcher, &TerminationWatcher::terminationRequested, &window, &QWidget::close);
    window.show();
    return app.exec();
}
