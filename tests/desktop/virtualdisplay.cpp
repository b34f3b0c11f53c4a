#include "virtualdisplay.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int startTimeoutMs = 15000;
constexpr int stopTimeoutMs = 5000;
constexpr int notFound = 127;

std::string readAll(FILE *file)
{
    std::string text;
    if (!file)
        return text;
    std::rewind(file);
    char buffer[512];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    return text;
}

// Waits for pid to end, up to timeoutMs; true when it did.
bool reaped(pid_t pid, int timeoutMs, int *status)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const pid_t r = ::waitpid(pid, status, WNOHANG);
        if (r == pid || (r < 0 && errno != EINTR))
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace

VirtualDisplay::~VirtualDisplay()
{
    stop();
}

bool VirtualDisplay::start()
{
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0) {
        error_ = std::string("no pipe: ") + std::strerror(errno);
        return false;
    }
    // Xvfb's own complaints, shown only when it does not come up.
    FILE *log = std::tmpfile();
    const pid_t parent = ::getpid();
    pid_ = ::fork();
    if (pid_ == 0) {
        // The server must never outlive the tests, however they end.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(1);
        ::fcntl(ready[1], F_SETFD, 0);
        const int devNull = ::open("/dev/null", O_RDWR);
        ::dup2(devNull, 0);
        ::dup2(devNull, 1);
        if (log)
            ::dup2(::fileno(log), 2);
        const std::string fd = std::to_string(ready[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "1280x1024x24",
                 static_cast<char *>(nullptr));
        ::_exit(notFound);
    }
    ::close(ready[1]);
    if (pid_ < 0) {
        error_ = std::string("cannot fork: ") + std::strerror(errno);
        ::close(ready[0]);
        if (log)
            std::fclose(log);
        return false;
    }

    // Xvfb writes the display number once it accepts clients.
    std::string reply;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(startTimeoutMs);
    while (reply.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd p{ready[0], POLLIN, 0};
        const int r = left.count() > 0 ? ::poll(&p, 1, int(left.count())) : 0;
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0) {
            error_ = "Xvfb reported no display within " + std::to_string(startTimeoutMs / 1000) + " s";
            break;
        }
        char buffer[32];
        const ssize_t n = ::read(ready[0], buffer, sizeof buffer);
        if (n <= 0) {
            int status = 0;
            reaped(pid_, stopTimeoutMs, &status);
            pid_ = -1;
            if (WIFEXITED(status) && WEXITSTATUS(status) == notFound)
                error_ = "Xvfb was not found: install it (Debian package xvfb)";
            else
                error_ = "Xvfb ended before it reported a display: " + readAll(log);
            break;
        }
        reply.append(buffer, size_t(n));
    }
    ::close(ready[0]);
    if (log)
        std::fclose(log);
    if (!error_.empty()) {
        stop();
        return false;
    }
    number_ = std::stoi(reply);
    return true;
}

void VirtualDisplay::stop()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    int status = 0;
    if (!reaped(pid_, stopTimeoutMs, &status)) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status, 0);
    }
    pid_ = -1;
}
