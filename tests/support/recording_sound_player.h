#pragma once
#include "model/sound_player.h"

#include <QDir>
#include <QStringList>
#include <memory>

// Listens in place of a sound device: what was played, by file name relative to
// a folder, and "stop" for each Stop.
class RecordingSoundPlayer : public SoundPlayer {
public:
    RecordingSoundPlayer(QStringList& heard, const QString& folder) : m_heard(heard), m_folder(folder) {}

    void Play(const QString& fileName) override { m_heard << m_folder.relativeFilePath(fileName); }
    void Stop() override { m_heard << QStringLiteral("stop"); }
    // As a real player tells a file it could not play.
    void Fail(const QString& problem) const { Tell(problem); }

private:
    QStringList& m_heard;
    QDir m_folder;
};
