#include "model/preview_sound.h"

#include "model/menu_project.h"
#include "model/preview_action.h"
#include "platform/code_page.h"
#include "platform/file_names.h"

#include <QFileInfo>

PreviewSound::PreviewSound(const MenuProject& project, std::unique_ptr<SoundPlayer> player) : m_project(project)
{
    UsePlayer(std::move(player));
}

void PreviewSound::UsePlayer(std::unique_ptr<SoundPlayer> player)
{
    if (m_player)
        m_player->Stop();
    m_player = std::move(player);
    m_player->SetProblemListener([this](const QString& problem) { Note(problem); });
}

void PreviewSound::Open(const QString& iniFileName)
{
    m_player->Stop();
    m_told.clear();
    // A project not yet named takes its names from the current folder, as loading does.
    m_folder = iniFileName.isEmpty() ? CurrentFolder() : QFileInfo(AbsoluteName(iniFileName)).absolutePath();
    Play(CodePage::ToUnicode(m_project.Main.OnLoadSound));
}

void PreviewSound::Enter(int slot) { Play(PreviewAction::SoundFor(m_project, slot, false)); }

void PreviewSound::Click(int slot) { Play(PreviewAction::SoundFor(m_project, slot, true)); }

void PreviewSound::Close() { m_player->Stop(); }

void PreviewSound::Play(const QString& storedName)
{
    const QString name = storedName.trimmed();
    if (name.isEmpty())
        return;
    const QString path = LocalPathIn(m_folder, name);
    if (QFileInfo(path).isFile())
        m_player->Play(path);
    else
        Note(QStringLiteral("Sound not found: ") + name);
}

void PreviewSound::Note(const QString& note)
{
    if (m_told.contains(note))
        return;
    m_told.insert(note);
    if (m_listener)
        m_listener(note);
}
