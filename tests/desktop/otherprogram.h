#pragma once
// Other programs (xclip, xdotool) run beside the window under test. The window may own the
// selection such a program asks for and answers it from its event loop, so every wait here
// keeps that loop running, and every wait ends: a stuck program fails the test.

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <functional>

namespace otherProgram {

struct Result {
    bool finished = false; // ended by itself in time, with exit code 0
    QByteArray out, err;
};

// Runs program to its end with input on its standard input; after 10 s it is killed and the
// test fails.
Result run(const QString &program, const QStringList &arguments, const QByteArray &input = {});

// Serves events until done() holds or timeoutMs passed; returns done().
bool waitUntil(const std::function<bool()> &done, int timeoutMs = 5000);

// A program left running (xclip holding the clipboard) until it ends or the object goes.
class Background {
public:
    Background(const QString &program, const QStringList &arguments, const QByteArray &input = {});
    ~Background();

private:
    QProcess process_;
};

} // namespace otherProgram
