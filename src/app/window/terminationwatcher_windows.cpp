// Windows ends a program at log-off or shut-down by asking its windows first
// (WM_QUERYENDSESSION, which Qt passes on as commitDataRequest): the window closes then, as
// a click on its close box would, and the settings are saved.

#include "app/window/terminationwatcher.h"

#include <QGuiApplication>
#include <QSessionManager>

TerminationWatcher::TerminationWatcher(QObject *parent) : QObject(parent)
{
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) {
        emit terminationRequested();
    });
}

TerminationWatcher::~TerminationWatcher() = default;
