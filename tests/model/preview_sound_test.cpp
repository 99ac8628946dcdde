#include "model/preview_sound.h"

#include "model/menu_project.h"
#include "support/recording_sound_player.h"
#include "support/scoped_current_folder.h"
#include "support/temp_folder.h"
#include "support/used_button.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A project in menu/launcher.ini with common sounds, a button with its own and
// one without; the current folder is elsewhere.
class PreviewSoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir.Write("menu/Sounds/Start.WAV", "RIFF");
        m_dir.Write("menu/over.wav", "RIFF");
        m_dir.Write("menu/click.wav", "RIFF");
        m_dir.Write("menu/own/Ding.wav", "RIFF");
        m_project.Main.OnLoadSound = "sounds\\start.wav";
        m_project.Main.SoundOver = "over.wav";
        m_project.Main.SoundClick = "CLICK.WAV";
        m_project.Buttons[0] = UsedButton(0, 0, 10, 10);
        m_project.Buttons[0].SoundOver = "own\\ding.wav";
        m_project.Buttons[0].SoundClick = "own\\Ding.wav";
        m_project.Buttons[3] = UsedButton(0, 20, 10, 10);
        m_sound.SetNoteListener([this](const QString& note) { m_notes << note; });
    }
    void Open() { m_sound.Open(m_dir.File("menu/launcher.ini")); }
    QStringList Heard()
    {
        const QStringList heard = m_heard;
        m_heard.clear();
        return heard;
    }

    ScopedCurrentFolder m_restore;
    TempFolder m_dir;
    TempFolder m_elsewhere;
    bool m_moved = QDir::setCurrent(m_elsewhere.Path());
    MenuProject m_project;
    QStringList m_heard;
    QStringList m_notes;
    RecordingSoundPlayer* m_player = new RecordingSoundPlayer(m_heard, m_dir.File("menu"));
    PreviewSound m_sound{m_project, std::unique_ptr<SoundPlayer>(m_player)};
};

TEST_F(PreviewSoundTest, OpeningStopsWhatPlayedAndPlaysTheOnLoadSound)
{
    ASSERT_TRUE(m_moved);
    Open();
    EXPECT_EQ(Heard(), (QStringList{"stop", "Sounds/Start.WAV"})) << "found in the INI folder, whatever the case";
    m_project.Main.OnLoadSound.clear();
    Open();
    EXPECT_EQ(Heard(), QStringList{"stop"});
    m_sound.Close();
    EXPECT_EQ(Heard(), QStringList{"stop"});
    EXPECT_TRUE(m_notes.isEmpty());
}

TEST_F(PreviewSoundTest, AButtonsOwnSoundsWinOverTheCommonOnes)
{
    Open();
    Heard();
    m_sound.Enter(0);
    m_sound.Click(0);
    EXPECT_EQ(Heard(), (QStringList{"own/Ding.wav", "own/Ding.wav"}));
    m_sound.Enter(3);
    m_sound.Click(3);
    EXPECT_EQ(Heard(), (QStringList{"over.wav", "click.wav"}));
    m_project.Main.SoundOver = "  ";
    m_project.Main.SoundClick.clear();
    m_sound.Enter(3);
    m_sound.Click(3);
    m_sound.Enter(-1);
    EXPECT_TRUE(Heard().isEmpty()) << "no name, no sound";
    EXPECT_TRUE(m_notes.isEmpty());
}

TEST_F(PreviewSoundTest, AMissingFileIsToldOncePerOpeningAndNotPlayed)
{
    m_project.Main.OnLoadSound = "gone.wav";
    m_project.Buttons[3].SoundOver = "C:\\Windows\\Media\\ding.wav";
    Open();
    m_sound.Enter(3);
    m_sound.Enter(3);
    m_sound.Click(3);
    EXPECT_EQ(Heard(), (QStringList{"stop", "click.wav"}));
    EXPECT_EQ(m_notes, (QStringList{"Sound not found: gone.wav", "Sound not found: C:\\Windows\\Media\\ding.wav"}));
    Open();
    EXPECT_EQ(m_notes.size(), 3) << "a new opening tells again";
}

TEST_F(PreviewSoundTest, WhatThePlayerCannotPlayIsToldOncePerOpening)
{
    Open();
    m_player->Fail("No sound device: sounds are not played");
    m_player->Fail("No sound device: sounds are not played");
    m_player->Fail("Sound cannot be played: over.wav");
    EXPECT_EQ(m_notes, (QStringList{"No sound device: sounds are not played", "Sound cannot be played: over.wav"}));
    Open();
    m_player->Fail("No sound device: sounds are not played");
    EXPECT_EQ(m_notes.size(), 3);
}

TEST_F(PreviewSoundTest, AnotherPlayerTakesOver)
{
    QStringList other;
    m_sound.UsePlayer(std::make_unique<RecordingSoundPlayer>(other, m_dir.File("menu")));
    EXPECT_EQ(Heard(), QStringList{"stop"}) << "the old player is stopped";
    Open();
    m_sound.Click(0);
    EXPECT_TRUE(Heard().isEmpty());
    EXPECT_EQ(other, (QStringList{"stop", "Sounds/Start.WAV", "own/Ding.wav"}));
}

} // namespace
