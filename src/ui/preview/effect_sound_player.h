#pragma once
#include "model/sound_player.h"

#include <QHash>
#include <QObject>

class QAudioDevice;
class QSoundEffect;

// Plays through the system's default sound output with QSoundEffect, one
// effect per file, kept until Stop. Without an output, or with a file the
// effect cannot read, it tells so and stays silent.
class EffectSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit EffectSoundPlayer(QObject* parent = nullptr);
    ~EffectSoundPlayer() override;

    // Whether the system has a sound output to play through now.
    static bool HasOutput();

    void Play(const QString& fileName) override;
    void Stop() override;

private:
    QSoundEffect* Effect(const QString& fileName, const QAudioDevice& output);

    QHash<QString, QSoundEffect*> m_effects;
};
