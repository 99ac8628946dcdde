#pragma once
#include <QByteArray>
#include <array>

// The action keywords in the order the button editor offers them; the last two
// are not stored but prepare a WINEXEC button.
namespace ButtonAction {
inline const std::array<QByteArray, 10> EditorItems = {
    "RUN", "WINEXEC", "MINIMIZE", "CLOSE", "NONE", "EJECT", "RUN&CLOSE", "RUN&MINIMIZE",
    "-> OPEN URL", "-> SEND EMAIL"};
inline const QByteArray Run = "RUN";
inline const QByteArray WinExec = "WINEXEC";
inline const QByteArray OpenUrl = "-> OPEN URL";
inline const QByteArray SendEmail = "-> SEND EMAIL";
} // namespace ButtonAction
