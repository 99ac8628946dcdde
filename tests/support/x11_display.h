#pragma once
#include <string>
#include <sys/types.h>

// A private X server (Xvfb on the first free display) with the openbox window
// manager running on it, for tests that need real frames, stacking and focus.
// Both processes end with the object, or with the test program if it dies.
class X11Display {
public:
    // `screen` as Xvfb takes it: WIDTHxHEIGHTxDEPTH.
    explicit X11Display(const std::string& screen = "1280x1024x24");
    ~X11Display();
    X11Display(const X11Display&) = delete;
    X11Display& operator=(const X11Display&) = delete;

    // ":N", or empty when the server or the window manager did not come up.
    const std::string& Name() const { return m_name; }
    const std::string& Failure() const { return m_failure; }

private:
    bool StartServer(const std::string& screen);
    bool StartWindowManager();

    pid_t m_server = -1;
    pid_t m_windowManager = -1;
    std::string m_name;
    std::string m_failure;
};
