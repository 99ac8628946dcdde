#include "platform/profile_file.h"

#include "platform/code_page.h"
#include "platform/file_operations.h"
#include "platform/regular_file.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView TrimmedLeft(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return text.sliced(i);
}

QByteArrayView Trimmed(QByteArrayView text)
{
    text = TrimmedLeft(text);
    qsizetype n = text.size();
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    return text.first(n);
}

// Names compare without regard to ASCII case only, as the Windows profile API does
// for the ANSI code pages this editor meets.
char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

QByteArray Fold(QByteArrayView name)
{
    QByteArray folded(name.data(), name.size());
    for (char& c : folded)
        c = Lower(c);
    return folded;
}

// A buffer for folding a name to look it up without a heap copy.
struct FoldBuffer {
    char bytes[64];
};

// The folded name in `buffer`, wrapped without copying (for lookups only: it
// lives as long as the buffer); a name too long for the buffer is copied.
QByteArray FoldForLookup(QByteArrayView name, FoldBuffer& buffer)
{
    if (name.size() > qsizetype(sizeof buffer.bytes))
        return Fold(name);
    std::transform(name.begin(), name.end(), buffer.bytes, Lower);
    return QByteArray::fromRawData(buffer.bytes, name.size());
}

// The player's platform reads UTF-16 profile files that carry their byte-order mark.
bool IsUtf16(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

QString DecodeUtf16(const QByteArray& bytes)
{
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    QStringDecoder decoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    return decoder.decode(QByteArrayView(bytes).sliced(2));
}

QByteArrayView EndingText(int ending)
{
    static constexpr QByteArrayView texts[] = {"", "\n", "\r\n", "\r"};
    return texts[ending];
}

} // namespace

bool ProfileFile::Load(const QString& path)
{
    m_path = path;
    m_stamp = {};
    const std::optional<QByteArray> bytes = RegularFile::Read(path, MaxFileSize, &m_stamp);
    Parse(bytes.value_or(QByteArray()));
    return bytes.has_value();
}

void ProfileFile::Parse(const QByteArray& bytes)
{
    const QByteArrayView bom("\xEF\xBB\xBF");
    m_skippedBom = bytes.startsWith(bom);
    m_convertedUtf16 = !m_skippedBom && IsUtf16(bytes);
    if (m_convertedUtf16)
        m_text = CodePage::FromUnicode(DecodeUtf16(bytes));
    else
        m_text = m_skippedBom ? bytes.sliced(bom.size()) : bytes;
    m_deadBytes = 0;
    m_lines.clear();

    const char* data = m_text.constData();
    const qsizetype size = m_text.size();
    qsizetype begin = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] != '\n' && data[i] != '\r')
            continue;
        Line line{begin, i - begin, Ending::Lf};
        if (data[i] == '\r') {
            const bool crlf = i + 1 < size && data[i + 1] == '\n';
            line.ending = crlf ? Ending::CrLf : Ending::Cr;
            i += crlf ? 1 : 0;
        }
        m_lines.push_back(line);
        begin = i + 1;
    }
    if (begin < size)
        m_lines.push_back({begin, size - begin, Ending::None});
    Reindex();
}

void ProfileFile::Reindex()
{
    m_lastWriteSection = -1;
    m_sections.clear();
    m_sectionIndex.clear();
    int current = -1; // the section taking keys; -1 before the first one and in repeats
    for (int i = 0; i < int(m_lines.size()); ++i) {
        const QByteArrayView text = TrimmedLeft(LineText(i));
        if (text.isEmpty() || text.front() == ';')
            continue;
        if (text.front() == '[') {
            const QByteArrayView rest = text.sliced(1);
            const qsizetype close = rest.indexOf(']');
            const QByteArray name = Fold(Trimmed(close < 0 ? rest : rest.first(close)));
            current = -1;
            if (!m_sectionIndex.contains(name)) {
                current = int(m_sections.size());
                m_sections.push_back({i, {}, {}});
                m_sectionIndex.insert(name, current);
            }
            continue;
        }
        const qsizetype equals = text.indexOf('=');
        if (current < 0 || equals < 0)
            continue;
        Section& section = m_sections[current];
        FoldBuffer buffer;
        const QByteArray key = FoldForLookup(Trimmed(text.first(equals)), buffer);
        if (IndexOfKey(section, key) < 0)
            AddKey(section, key, i);
        section.lastKeyLine = i;
    }
}

int ProfileFile::FindSection(const QByteArray& name) const
{
    FoldBuffer buffer;
    return m_sectionIndex.value(FoldForLookup(name, buffer), -1);
}

int ProfileFile::FindKey(const Section& section, const QByteArray& key)
{
    FoldBuffer buffer;
    return LineOfKey(section, FoldForLookup(key, buffer));
}

int ProfileFile::LineOfKey(const Section& section, const QByteArray& folded)
{
    const int index = IndexOfKey(section, folded);
    return index < 0 ? -1 : section.keyLines[index];
}

// Most sections hold a few dozen keys, where a scan beats hashing; a section
// that grows past that gets a hash index.
int ProfileFile::IndexOfKey(const Section& section, const QByteArray& folded)
{
    if (!section.keys.isEmpty())
        return section.keys.value(folded, -1);
    for (size_t i = 0; i < section.keyNames.size(); ++i)
        if (section.keyNames[i] == folded)
            return int(i);
    return -1;
}

void ProfileFile::AddKey(Section& section, const QByteArray& folded, int line)
{
    constexpr size_t ScanLimit = 32;
    const int index = int(section.keyLines.size());
    section.keyNames.push_back(Interned(folded));
    section.keyLines.push_back(line);
    if (!section.keys.isEmpty()) {
        section.keys.insert(section.keyNames.back(), index);
    } else if (section.keyNames.size() > ScanLimit) {
        for (size_t i = 0; i < section.keyNames.size(); ++i)
            section.keys.insert(section.keyNames[i], int(i));
    }
}

// Key names repeat from section to section ("Left", "top", ...): the index keeps
// one shared copy of each instead of an allocation per key line.
QByteArray ProfileFile::Interned(const QByteArray& folded)
{
    const auto found = m_foldedNames.constFind(folded);
    if (found != m_foldedNames.cend())
        return *found;
    const QByteArray owned(folded.constData(), folded.size()); // `folded` may wrap a stack buffer
    m_foldedNames.insert(owned);
    return owned;
}

QByteArrayView ProfileFile::LineText(int line) const
{
    const Line& l = m_lines[line];
    return QByteArrayView(m_text.constData() + l.begin, l.size);
}

std::optional<QByteArray> ProfileFile::ReadString(const QByteArray& section,
                                                  const QByteArray& key) const
{
    const int s = FindSection(section);
    const int line = s < 0 ? -1 : FindKey(m_sections[s], key);
    if (line < 0)
        return std::nullopt;
    const QByteArrayView text = LineText(line);
    QByteArrayView value = Trimmed(text.sliced(text.indexOf('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.first(std::min<qsizetype>(value.size(), MaxValueLength)).toByteArray();
}

void ProfileFile::WriteString(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const int s = SectionForWrite(section);
    FoldBuffer buffer;
    const QByteArray foldedKey = FoldForLookup(key, buffer);
    if (s < 0) {
        const int header = int(m_lines.size());
        InsertLine(header, {"[", section, "]"});
        InsertLine(header + 1, {key, "=", value});
        m_lastWriteSection = int(m_sections.size());
        m_sectionIndex.insert(Fold(section), m_lastWriteSection);
        m_sections.push_back({header + 1, {}, {}});
        AddKey(m_sections.back(), foldedKey, header + 1);
        return;
    }
    const int existing = LineOfKey(m_sections[s], foldedKey);
    if (existing >= 0) {
        const QByteArrayView text = TrimmedLeft(LineText(existing));
        QByteArray line = Trimmed(text.first(text.indexOf('='))).toByteArray();
        line.append('=').append(value);
        if (line != LineText(existing))
            SetLineText(existing, line);
        return;
    }
    Section& target = m_sections[s];
    const int at = target.lastKeyLine + 1;
    InsertLine(at, {key, "=", value});
    AddKey(target, foldedKey, at);
    target.lastKeyLine = at;
}

int ProfileFile::SectionForWrite(QByteArrayView name)
{
    if (m_lastWriteSection < 0 || name != QByteArrayView(m_lastWriteName)) {
        m_lastWriteName = name.toByteArray();
        m_lastWriteSection = m_sectionIndex.value(Fold(name), -1);
    }
    return m_lastWriteSection;
}

void ProfileFile::SetLineText(int line, const QByteArray& text)
{
    Line& l = m_lines[line];
    m_deadBytes += l.size;
    l.begin = m_text.size();
    l.size = text.size();
    m_text.append(text);
    if (m_deadBytes > 65536 && m_deadBytes > m_text.size() / 2)
        Compact();
}

void ProfileFile::Reserve(qsizetype lines, qsizetype bytes)
{
    m_lines.reserve(size_t(lines));
    m_text.reserve(bytes);
}

void ProfileFile::InsertLine(int at, std::initializer_list<QByteArrayView> pieces)
{
    if (at > 0 && m_lines[at - 1].ending == Ending::None)
        m_lines[at - 1].ending = Ending::CrLf;
    // One resize and plain copies: appending piece by piece costs more than the copying.
    qsizetype size = 0;
    for (QByteArrayView piece : pieces)
        size += piece.size();
    const qsizetype begin = m_text.size();
    m_text.resize(begin + size);
    char* out = m_text.data() + begin;
    for (QByteArrayView piece : pieces)
        out = std::copy_n(piece.data(), piece.size(), out);
    m_lines.insert(m_lines.begin() + at, Line{begin, size, Ending::CrLf});
    if (at == int(m_lines.size()) - 1)
        return;
    // Lines below moved down by one: so do their numbers in the index.
    const auto shift = [at](int& line) { line += line >= at ? 1 : 0; };
    for (Section& section : m_sections) {
        shift(section.lastKeyLine);
        for (int& line : section.keyLines)
            shift(line);
    }
}

void ProfileFile::Compact()
{
    QByteArray text;
    text.reserve(m_text.size() - m_deadBytes);
    for (Line& line : m_lines) {
        const qsizetype begin = text.size();
        text.append(m_text.constData() + line.begin, line.size);
        line.begin = begin;
    }
    m_text = text;
    m_deadBytes = 0;
}

QByteArray ProfileFile::ToBytes() const
{
    const QByteArrayView bom = m_skippedBom ? QByteArrayView("\xEF\xBB\xBF") : QByteArrayView();
    qsizetype total = bom.size();
    for (const Line& line : m_lines)
        total += line.size + EndingText(int(line.ending)).size();
    QByteArray bytes(total, Qt::Uninitialized);
    char* out = std::copy_n(bom.data(), bom.size(), bytes.data());
    for (const Line& line : m_lines) {
        out = std::copy_n(m_text.constData() + line.begin, line.size, out);
        const QByteArrayView ending = EndingText(int(line.ending));
        out = std::copy_n(ending.data(), ending.size(), out);
    }
    // A UTF-16 file whose first characters became "\xFF\xFE" or "\xFE\xFF" in
    // the code page would be taken for UTF-16 when read again. An empty first
    // line keeps every byte and value as it is, and readers of profile files skip it.
    if (IsUtf16(bytes))
        bytes.prepend("\r\n");
    return bytes;
}

bool ProfileFile::Flush() const
{
    return FileOperations::Current().WriteDurably(m_path, ToBytes());
}
