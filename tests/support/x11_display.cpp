#include "support/x11_display.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
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

X11Display::X11Display()
{
    if (!StartServer())
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

bool X11Display::StartServer()
{
    // -displayfd lets the server take the first free display itself, so lanes
    // running side by side never race for a number.
    int fds[2];
    if (pipe(fds) != 0) {
        m_failure = "no pipe for Xvfb";
        return false;
    }
    m_server = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24", "-nolisten",
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
    m_windowManager = Spawn({"openbox", "--sm-disable"});
    for (int i = 0; i < 200; ++i) {
        if (WindowManagerReady())
            return true;
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

bool X11Display::WindowManagerReady() const
{
    // A compliant window manager names its check window on the root once it manages the screen.
    FILE* out = popen("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null", "r");
    if (!out)
        return false;
    std::string text;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, out))
        text += buffer;
    pclose(out);
    return text.find("window id") != std::string::npos;
}
