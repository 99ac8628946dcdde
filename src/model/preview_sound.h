#pragma once
#include "model/sound_player.h"

#include <QSet>
#include <QString>
#include <memory>

class MenuProject;

// The sounds of the preview, at the player's moments: the OnLoad sound when the
// menu opens, a button's over sound when the pointer enters it and its click
// sound on a click, each falling back to the program-wide one. Names are taken
// from the INI file's folder without regard to case. A sound that cannot be
// played is told once per opening, as a short line, and is otherwise silence.
class PreviewSound {
public:
    PreviewSound(const MenuProject& project, std::unique_ptr<SoundPlayer> player);

    // Puts another player in place (a test's, say).
    void UsePlayer(std::unique_ptr<SoundPlayer> player);
    void SetNoteListener(SoundPlayer::Listener listener) { m_listener = std::move(listener); }

    void Open(const QString& iniFileName);
    void Enter(int slot);
    void Click(int slot);
    void Close();

private:
    void Play(const QString& storedName);
    void Note(const QString& note);

    const MenuProject& m_project;
    std::unique_ptr<SoundPlayer> m_player;
    SoundPlayer::Listener m_listener;
    QString m_folder;
    QSet<QString> m_told;
};
