#include "support/x11_display.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

// Starts a program with its output silenced; it is ended when the test program ends.
pid_t Spawn(std::vector<std::string> args)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

void Stop(pid_t& pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 40; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            return;
        }
        std::this_thread::sleep_for(50ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

// Reads the display number the server writes once it listens; empty on timeout.
std::string ReadDisplayNumber(int fd)
{
    std::string number;
    pollfd p{fd, POLLIN, 0};
    while (poll(&p, 1, 10000) > 0) {
        char c = 0;
        if (read(fd, &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    return number;
}

} // namespace

X11Display::X11Display(const std::string& screen)
{
    if (!StartServer(screen))
        return;
    if (!StartWindowManager()) {
        Stop(m_server);
        m_name.clear();
    }
}

X11Display::~X11Display()
{
    Stop(m_windowManager);
    Stop(m_server);
}

bool X11Display::StartServer(const std::string& screen)
{
    // -displayfd lets the server take the first free display itself, so lanes
    // running side by side never race for a number.
    int fds[2];
    if (pipe(fds) != 0) {
        m_failure = "no pipe for Xvfb";
        return false;
    }
    m_server = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten",
                      "tcp", "-noreset"});
    close(fds[1]);
    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty()) {
        m_failure = "Xvfb did not start (is it installed?)";
        Stop(m_server);
        return false;
    }
    m_name = ":" + number;
    setenv("DISPLAY", m_name.c_str(), 1);
    return true;
}

bool X11Display::StartWindowManager()
{
    // Openbox runs its start-up command once it manages the screen; windows
    // mapped before that may be left unmanaged, so the tests wait for it.
    const std::string ready = "/tmp/vyx-openbox-ready-" + std::to_string(getpid());
    unlink(ready.c_str());
    m_windowManager = Spawn({"openbox", "--sm-disable", "--startup", "touch " + ready});
    for (int i = 0; i < 400; ++i) {
        if (access(ready.c_str(), F_OK) == 0) {
            unlink(ready.c_str());
            return true;
        }
        if (waitpid(m_windowManager, nullptr, WNOHANG) == m_windowManager) {
            m_windowManager = -1;
            break;
        }
        std::this_thread::sleep_for(50ms);
    }
    m_failure = "openbox did not start (is it installed?)";
    Stop(m_windowManager);
    return false;
}
