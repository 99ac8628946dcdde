#include "model/project_files.h"

#include "model/make_relative_path.h"
#include "platform/code_page.h"
#include "platform/file_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace ProjectFiles {

namespace {

template <typename Project, typename Field>
std::vector<Field*> FieldsOf(Project& project)
{
    auto& main = project.Main;
    std::vector<Field*> fields = {&main.IconFile,        &main.BackgroundFile,  &main.BackOverFile,
                                  &main.BackClickFile,   &main.SoundOver,       &main.SoundClick,
                                  &main.OnLoadSound,     &main.DefUnAssExtProg, &main.DefNotFoundProg,
                                  &project.TextInfo.DefaultFile};
    for (auto& b : project.Buttons) {
        if (!b.Used)
            continue;
        for (Field* f : {&b.Params, &b.LoadInfo, &b.ShellRunPath, &b.SoundOver, &b.SoundClick, &b.UnAssExt,
                         &b.OnNotFound})
            fields.push_back(f);
    }
    return fields;
}

bool IsRelativeName(const QString& name)
{
    return !name.isEmpty() && !name.contains(u':') && !name.startsWith(u'\\') && !name.startsWith(u'/');
}

} // namespace

std::vector<Text*> NameFields(MenuProject& project) { return FieldsOf<MenuProject, Text>(project); }

std::vector<const Text*> NameFields(const MenuProject& project)
{
    return FieldsOf<const MenuProject, const Text>(project);
}

QString ResolvedIn(const QString& folder, const Text& storedName)
{
    const QString name = CodePage::ToUnicode(storedName);
    if (!IsRelativeName(name))
        return {};
    const QString path = LocalPathIn(folder, name);
    return QFileInfo::exists(path) ? path : QString();
}

std::vector<Copy> CopiesFor(const MenuProject& project, const QString& oldFolder, const QString& newFolder)
{
    std::vector<Copy> copies;
    for (const Text* field : NameFields(project)) {
        const QString from = ResolvedIn(oldFolder, *field);
        if (from.isEmpty())
            continue;
        QString relative = CodePage::ToUnicode(*field);
        relative.replace(u'\\', u'/');
        const Copy copy{from, QDir::cleanPath(newFolder + u'/' + relative), QFileInfo(from).isDir()};
        if (copy.From != copy.To && std::find(copies.begin(), copies.end(), copy) == copies.end())
            copies.push_back(copy);
    }
    return copies;
}

int RewriteNames(MenuProject& project, const QString& oldFolder, const QString& newIniFile)
{
    int changed = 0;
    for (Text* field : NameFields(project)) {
        const QString path = ResolvedIn(oldFolder, *field);
        if (path.isEmpty())
            continue;
        const QString name = MakeRelativePath(path, newIniFile);
        if (CodePage::FirstUnencodable(name))
            continue; // a name the code page cannot hold would name no file: the old one is kept
        const Text stored = CodePage::FromUnicode(name);
        if (stored != *field) {
            *field = stored;
            ++changed;
        }
    }
    return changed;
}

bool SameContent(const QString& a, const QString& b)
{
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly) || first.size() != second.size())
        return false;
    while (!first.atEnd()) {
        if (first.read(1 << 16) != second.read(1 << 16))
            return false;
    }
    return true;
}

} // namespace ProjectFiles
