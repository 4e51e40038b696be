// Fuzzes the CD-key clean-up: no blank, dash or line break is left, nothing else is touched, and a cleaned key stays
// as it is.
#include "bots/botrecord.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString typed = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    const QString key = normalizeCdKey(typed);
    qsizetype removed = 0;
    for (const QChar c : typed)
        removed += c == u' ' || c == u'-' || c == u'\r' || c == u'\n';
    for (const QChar c : key) {
        if (c == u' ' || c == u'-' || c == u'\r' || c == u'\n')
            std::abort();
    }
    if (key.size() != typed.size() - removed || normalizeCdKey(key) != key)
        std::abort();
    return 0;
}
