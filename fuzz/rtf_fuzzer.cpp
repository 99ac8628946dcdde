// The RTF reader on any bytes: it never stops on damage, so only VyxError for
// "not RTF at all" may leave it, and the plain text must come out.
#include "platform/rtf_reader.h"
#include "platform/vyx_error.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const RtfDocument document = RtfReader::Read(bytes, QStringLiteral("windows-1252"));
        (void)RtfReader::PlainText(document);
    } catch (const VyxError&) {
        if (RtfReader::IsRtf(bytes))
            __builtin_trap(); // damaged RTF is read, not refused
    }
    return 0;
}
