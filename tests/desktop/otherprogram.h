#pragma once
// Other programs (xclip, xdotool) run beside the window under test. The window may own the
// selection such a program asks for and answers it from its event loop, so every wait here
// keeps that loop running, and every wait ends: a stuck program fails the test.

#include <QProcess>
#include <QTest>

namespace otherProgram {

struct Result {
    bool finished = false; // ended by itself in time, with exit code 0
    QByteArray out, err;
};

// Starts program with input on its standard input.
void start(QProcess &process, const QString &program, const QStringList &arguments, const QByteArray &input = {});
// Runs program to its end; after 10 s it is killed and the test fails.
Result run(const QString &program, const QStringList &arguments, const QByteArray &input = {});

inline bool waitUntil(const std::function<bool()> &done, int timeoutMs = 5000)
{
    return QTest::qWaitFor(done, timeoutMs);
}

} // namespace otherProgram
