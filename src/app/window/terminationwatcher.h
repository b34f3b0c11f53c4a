#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal, so that a request to end the
// program closes the window the way a click on its close box does (and the settings
// are saved).

#include <QObject>

class QSocketNotifier;

class TerminationWatcher : public QObject {
    Q_OBJECT

public:
    explicit TerminationWatcher(QObject *parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier *notifier_ = nullptr;
};
