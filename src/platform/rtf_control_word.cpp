#include "platform/rtf_control_word.h"

#include <unordered_map>

namespace {

using Kind = RtfControlWord::Kind;

std::unordered_map<std::string_view, RtfControlWord> MakeTable()
{
    std::unordered_map<std::string_view, RtfControlWord> table = {
        {"fonttbl", {Kind::FontTable}},
        {"colortbl", {Kind::ColorTable}},
        {"pntext", {Kind::ListText}},
        {"listtext", {Kind::ListText}},
        {"pn", {Kind::ListDefinition}},
        {"fldinst", {Kind::FieldInstruction}},
        {"par", {Kind::Paragraph}},
        {"sect", {Kind::Paragraph}},
        {"line", {Kind::Line}},
        {"tab", {Kind::Tab}},
        {"cell", {Kind::Cell}},
        {"nestcell", {Kind::Cell}},
        {"row", {Kind::Row}},
        {"nestrow", {Kind::Row}},
        {"emdash", {Kind::Character, 0x2014}},
        {"endash", {Kind::Character, 0x2013}},
        {"lquote", {Kind::Character, 0x2018}},
        {"rquote", {Kind::Character, 0x2019}},
        {"ldblquote", {Kind::Character, 0x201C}},
        {"rdblquote", {Kind::Character, 0x201D}},
        {"bullet", {Kind::Character, 0x2022}},
        {"emspace", {Kind::Character, 0x2003}},
        {"enspace", {Kind::Character, 0x2002}},
        {"qmspace", {Kind::Character, 0x2005}},
        {"zwj", {Kind::Character, 0x200D}},
        {"zwnj", {Kind::Character, 0x200C}},
        {"ltrmark", {Kind::Character, 0x200E}},
        {"rtlmark", {Kind::Character, 0x200F}},
        {"u", {Kind::UnicodeCharacter}},
        {"uc", {Kind::UnicodeSkip}},
        {"bin", {Kind::Binary}},
        {"plain", {Kind::Plain}},
        {"b", {Kind::Bold}},
        {"i", {Kind::Italic}},
        {"ulnone", {Kind::UnderlineNone}},
        {"strike", {Kind::Strike}},
        {"striked", {Kind::Strike}},
        {"v", {Kind::Hidden}},
        {"fs", {Kind::FontSize}},
        {"f", {Kind::Font}},
        {"cf", {Kind::ForeColor}},
        {"cb", {Kind::BackColor}},
        {"highlight", {Kind::BackColor}},
        {"chcbpat", {Kind::BackColor}},
        {"pard", {Kind::ParagraphDefault}},
        {"ql", {Kind::AlignLeft}},
        {"qc", {Kind::AlignCenter}},
        {"qr", {Kind::AlignRight}},
        {"qj", {Kind::AlignJustify}},
        {"qd", {Kind::AlignJustify}},
        {"li", {Kind::LeftIndent}},
        {"fi", {Kind::FirstLineIndent}},
        {"ri", {Kind::RightIndent}},
        {"sb", {Kind::SpaceBefore}},
        {"sa", {Kind::SpaceAfter}},
        {"pnlvlblt", {Kind::BulletLevel}},
        {"deff", {Kind::DefaultFont}},
        {"ansicpg", {Kind::AnsiCodePage}},
        {"mac", {Kind::MacCodePage}},
        {"pc", {Kind::PcCodePage}},
        {"pca", {Kind::Pc850CodePage}},
        {"fcharset", {Kind::FontCharset}},
        {"cpg", {Kind::FontCodePage}},
        {"red", {Kind::Red}},
        {"green", {Kind::Green}},
        {"blue", {Kind::Blue}},
    };
    // Every underline style shows as a plain underline.
    for (std::string_view word : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                  "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                  "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
        table.emplace(word, RtfControlWord{Kind::Underline});
    // Groups that hold no body text: document data, page furniture, notes,
    // pictures and objects, bookmarks, list and style tables.
    for (std::string_view word :
         {"stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer",
          "footerl", "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor",
          "atndate", "atnref", "atrfstart", "atrfend", "datafield", "objdata",
          "objclass", "objname", "themedata", "colorschememapping", "latentstyles", "listtable",
          "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "mmathPr", "pgdsctbl",
          "filetbl", "revtbl", "template", "nonshppict", "shpinst", "bkmkstart", "bkmkend", "xe",
          "tc", "txe", "rxe", "author", "title", "subject", "keywords", "comment", "doccomm",
          "operator", "company", "category", "manager", "hlinkbase", "creatim", "revtim",
          "printim", "buptim", "userprops", "docvar", "ftnsep", "ftnsepc", "ftncn", "aftnsep",
          "aftnsepc", "aftncn", "private", "pnseclvl", "pntxta", "pntxtb", "listpicture",
          "fchars", "lchars", "background", "wgrffmtfilter", "passwordhash", "protusertbl",
          "xform", "fname", "falt", "panose"})
        table.emplace(word, RtfControlWord{Kind::SkippedDestination});
    return table;
}

} // namespace

RtfControlWord RtfControlWord::Find(std::string_view name)
{
    static const std::unordered_map<std::string_view, RtfControlWord> table = MakeTable();
    auto found = table.find(name);
    return found == table.end() ? RtfControlWord() : found->second;
}
