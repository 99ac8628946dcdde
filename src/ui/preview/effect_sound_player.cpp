#include "ui/preview/effect_sound_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
QString CannotPlay(const QString& fileName)
{
    return QStringLiteral("Sound cannot be played: ") + QFileInfo(fileName).fileName();
}
} // namespace

EffectSoundPlayer::EffectSoundPlayer(QObject* parent) : QObject(parent) {}

EffectSoundPlayer::~EffectSoundPlayer() { Stop(); }

bool EffectSoundPlayer::HasOutput() { return !QMediaDevices::defaultAudioOutput().isNull(); }

void EffectSoundPlayer::Play(const QString& fileName)
{
    // The output is looked up at each sound: one may have been plugged in since.
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        return Tell(QStringLiteral("No sound device: sounds are not played"));
    QSoundEffect* effect = Effect(fileName, output);
    if (effect->status() == QSoundEffect::Error)
        return Tell(CannotPlay(fileName));
    effect->play(); // a file still loading starts once it is read
}

void EffectSoundPlayer::Stop()
{
    for (QSoundEffect* effect : std::as_const(m_effects)) {
        effect->stop();
        delete effect;
    }
    m_effects.clear();
}

QSoundEffect* EffectSoundPlayer::Effect(const QString& fileName, const QAudioDevice& output)
{
    if (QSoundEffect* known = m_effects.value(fileName))
        return known;
    auto* effect = new QSoundEffect(output, this);
    // A damaged file shows only once it has been read, after Play returned.
    connect(effect, &QSoundEffect::statusChanged, this, [this, effect, fileName] {
        if (effect->status() == QSoundEffect::Error)
            Tell(CannotPlay(fileName));
    });
    effect->setSource(QUrl::fromLocalFile(fileName));
    m_effects.insert(fileName, effect);
    return effect;
}
