#pragma once
#include "platform/file_stamp.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

// A Windows profile (INI) file held in memory, read and written with the
// semantics of GetPrivateProfileString / WritePrivateProfileString.
// Bytes are kept as they are: an unchanged file writes back byte for byte.
class ProfileFile {
public:
    static constexpr int MaxValueLength = 2047;
    // Larger files are refused: no menu comes near, and reading one whole would exhaust memory.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    ProfileFile() = default;

    // Reads the whole file; a missing or unreadable file gives an empty profile
    // and false. Remembers the path for Flush(). Throws VyxError for what is not
    // a regular file (a folder, a device) and for a file above MaxFileSize.
    bool Load(const QString& path);
    void SetPath(const QString& path) { m_path = path; }
    QString Path() const { return m_path; }
    // The file as Load read it (not existing when it could not be opened).
    const FileStamp& Stamp() const { return m_stamp; }
    // False when the content holds NUL bytes, which no INI text does (a mask
    // or a picture written under its name, say).
    bool IsText() const { return !m_text.contains('\0'); }

    // Parses bytes as the file's content (used by Load and by tests).
    void Parse(const QByteArray& bytes);

    // True when the content began with a UTF-8 byte-order mark, which Parse
    // skipped (and ToBytes writes back, so that an unchanged file stays as it was).
    bool SkippedUtf8Bom() const { return m_skippedBom; }
    // True when the content was UTF-16 with its byte-order mark: Parse converted
    // it to the current code page, and ToBytes writes that 8-bit text.
    bool ConvertedFromUtf16() const { return m_convertedUtf16; }

    // Absent (nullopt) differs from present-but-empty.
    std::optional<QByteArray> ReadString(const QByteArray& section, const QByteArray& key) const;

    // Replaces an existing key's value in place (the line becomes key=value, the key
    // spelled as in the file); a new key goes right after its section's last key line,
    // so blank and comment lines below it stay where they are (they usually introduce
    // what follows); a new section goes to the end of the file. Added lines end in
    // CR LF. The value is written as it is.
    void WriteString(QByteArrayView section, QByteArrayView key, QByteArrayView value);

    // Room for a file about to be written, so that growing it copies nothing.
    void Reserve(qsizetype lines, qsizetype bytes);

    // The file's bytes as Flush() would write them.
    QByteArray ToBytes() const;

    // Writes the file in one go through the platform's file operations (durably).
    // False when the write failed.
    bool Flush() const;

private:
    enum class Ending : unsigned char { None, Lf, CrLf, Cr };
    // A line is a slice of m_text, so that loading a large file copies nothing per line.
    struct Line {
        qsizetype begin = 0;
        qsizetype size = 0;    // without the line end
        Ending ending = Ending::None;
    };
    struct Section {
        int lastKeyLine = -1;          // the header or last key line: new keys go after it
        std::vector<QByteArray> keyNames; // folded name of each key, in order of appearance
        QHash<QByteArray, int> keys;      // folded name -> index, only for large sections
        std::vector<int> keyLines;        // line of each key's first occurrence (cheap to shift)
    };

    void Reindex();
    int FindSection(const QByteArray& name) const;
    static int FindKey(const Section& section, const QByteArray& key);
    static int LineOfKey(const Section& section, const QByteArray& folded);
    static int IndexOfKey(const Section& section, const QByteArray& folded);
    void AddKey(Section& section, const QByteArray& folded, int line);
    QByteArray Interned(const QByteArray& folded);
    QByteArrayView LineText(int line) const;
    int SectionForWrite(QByteArrayView name);
    void SetLineText(int line, const QByteArray& text);
    // The line is the pieces joined, appended to m_text without a temporary.
    void InsertLine(int at, std::initializer_list<QByteArrayView> pieces);
    void Compact();

    QString m_path;
    FileStamp m_stamp;
    QByteArray m_text;  // the content after any byte-order mark, then texts written since
    qsizetype m_deadBytes = 0; // bytes of m_text no line refers to any more
    std::vector<Line> m_lines;
    std::vector<Section> m_sections;        // first occurrence of each section name only
    QHash<QByteArray, int> m_sectionIndex;  // folded name -> index into m_sections
    bool m_skippedBom = false;
    bool m_convertedUtf16 = false;
    // Saving writes a section's keys one after another: the last section written
    // (as spelled by the caller) and its index spare a fold and a lookup per key.
    QByteArray m_lastWriteName;
    int m_lastWriteSection = -1;
    QSet<QByteArray> m_foldedNames; // one shared copy of every folded key name
};
