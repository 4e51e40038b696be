// Fuzzes the way from a bot list to the bytes of config.txt: whatever the values hold, and whatever the sanitizers
// watch for on the way, the file has the head's 29 lines, twelve lines per bot and the closing empty line, and every
// line ends in its only CR: no value adds or breaks a line. (What each line holds is the unit tests' part.)
#include "config/configformat.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

// Any UTF-16, lone surrogates and line breaks included.
QString anyText(FuzzedDataProvider& input) {
    const std::string bytes = input.ConsumeRandomLengthString(64);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()), qsizetype(bytes.size() / 2));
}

void require(bool holds) {
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QString master = anyText(input), trigger = anyText(input);
    QList<BotRecord> bots(input.ConsumeIntegralInRange(0, 8));
    for (BotRecord& bot : bots) { // a braced list is read from left to right
        bot = {anyText(input),         anyText(input), anyText(input), input.ConsumeBool(),
               QStringLiteral("WAR2"), anyText(input), anyText(input), {}};
        bot.registerName = bot.username;
    }
    const QList<QByteArray> lines = generateConfig(master, trigger, bots).split('\n');
    require(lines.size() == 29 + 12 * bots.size() + 2 && lines.last().isEmpty() && lines[lines.size() - 2] == "\r");
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        require(lines[i].endsWith('\r') && lines[i].count('\r') == 1);
    return 0;
}
