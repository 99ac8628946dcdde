#include "app/tool_rtf_text.h"

#include "app/tool_commands.h"
#include "model/help_file.h"
#include "platform/code_page.h"
#include "platform/regular_file.h"
#include "platform/rtf_reader.h"
#include "platform/vyx_error.h"

namespace {

QString HelpText(const QByteArray& bytes)
{
    if (RtfReader::IsRtf(bytes))
        return RtfReader::PlainText(RtfReader::Read(bytes, CodePage::Name()));
    QString text = CodePage::ToUnicode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

} // namespace

int RunRtfText(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    OneFileCall call;
    if (!TakeOneFile(arguments, QStringLiteral("help file"), err, call))
        return 2;
    try {
        out << HelpText(RegularFile::ReadExisting(call.file, HelpFile::MaxBytes)) << '\n';
    } catch (const VyxError& e) {
        err << e.Message() << '\n';
        return 1;
    }
    return 0;
}
