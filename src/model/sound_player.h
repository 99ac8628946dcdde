#pragma once
#include <QString>
#include <functional>
#include <utility>

// Plays short sound files for the preview. The preview makes every sound through
// this, so that a test can listen in place of a sound device.
class SoundPlayer {
public:
    using Listener = std::function<void(const QString& problem)>;

    virtual ~SoundPlayer() = default;

    // Starts the file (a local path) from its beginning. What cannot be played
    // is told to the listener, now or later, and never thrown.
    virtual void Play(const QString& fileName) = 0;
    // Ends every sound and forgets the files read, so a changed file is read again.
    virtual void Stop() = 0;

    void SetProblemListener(Listener listener) { m_listener = std::move(listener); }

protected:
    void Tell(const QString& problem) const
    {
        if (m_listener)
            m_listener(problem);
    }

private:
    Listener m_listener;
};
