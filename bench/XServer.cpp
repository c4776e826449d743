#include "bench/XServer.h"

#include "bench/Clock.h"

#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

std::optional<XServer> startXvfb()
{
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid < 0)
        return std::nullopt;
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlives the harness
        close(fds[0]);
        const int devnull = open("/dev/null", O_RDWR);
        dup2(devnull, 0);
        dup2(devnull, 1);
        dup2(devnull, 2);
        const std::string fd = std::to_string(fds[1]);
        // -displayfd picks a free display number and reports it once the server is ready;
        // -br gives a black root, so a mapped window stays black until its first paint.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               "-br", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    const auto deadline = Clock::now() + std::chrono::seconds(15);
    while (Clock::now() < deadline) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, 100) > 0) {
            char c;
            const ssize_t n = read(fds[0], &c, 1);
            if (n <= 0)
                break;
            if (c == '\n')
                break;
            number += c;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            break;
    }
    close(fds[0]);
    if (number.empty()) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return std::nullopt;
    }
    return XServer{pid, ":" + number};
}

void stopXvfb(const XServer& server)
{
    kill(server.pid, SIGTERM);
    waitpid(server.pid, nullptr, 0);
}
