#include "model/ext_action_list.h"

#include "model/comma_text.h"
#include "platform/file_names.h"

ExtActionList::ExtActionList()
{
    for (const char* ext : {".M3U", ".MP3", ".IT", ".XM", ".S3M", ".AVI", ".MPG", ".MPEG"})
        m_rows.push_back({QString::fromLatin1(ext), {QStringLiteral("Play")}});
    for (const char* ext : {".EXE", ".TXT", ".DOC", ".HTM"})
        m_rows.push_back({QString::fromLatin1(ext), {QStringLiteral("Open")}});
}

void ExtActionList::InsertNewAtTop()
{
    m_rows.insert(m_rows.begin(), ExtAction{QStringLiteral(".?"), {QStringLiteral("Open")}});
    emit Changed();
}

void ExtActionList::Remove(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    m_rows.erase(m_rows.begin() + row);
    emit Changed();
}

void ExtActionList::SetExtension(int row, const QString& text)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    m_rows[row].Extension = text.toUpper();
    emit Changed();
}

void ExtActionList::SetActionText(int row, const QString& commaText)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    m_rows[row].Action = ParseCommaText(commaText);
    emit Changed();
}

QString ExtActionList::ActionText(int row) const { return ToCommaText(m_rows.at(row).Action); }

std::optional<QString> ExtActionList::Lookup(const QString& fileName) const
{
    const QString ext = ExtractFileExt(fileName).toUpper();
    std::optional<QString> found;
    for (const ExtAction& row : m_rows)
        if (row.Extension == ext)
            found = ToCommaText(row.Action);
    return found;
}
