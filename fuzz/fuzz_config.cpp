// Fuzzes the way from a bot list to the bytes of config.txt: whatever the values hold, the file has the fixed head,
// twelve lines per bot and the closing empty line, and every value stands in its own line, one byte a character.
#include "config/codepage.h"
#include "config/configformat.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

// Any UTF-16, lone surrogates and line breaks included.
QString anyText(FuzzedDataProvider& input) {
    const std::string bytes = input.ConsumeRandomLengthString(64);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()), qsizetype(bytes.size() / 2));
}

// What a value becomes in its line: each line break a blank, then one byte a character.
QByteArray valueBytes(QString value) {
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QByteArray bytes;
    appendSingleBytes(bytes, value, windows1252Byte);
    return bytes;
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
    require(lines[6] == "  set bot_master " + valueBytes(master) + '\r');
    require(lines[7] == "  set bot_trigger " + valueBytes(trigger) + '\r');
    for (qsizetype i = 0; i < bots.size(); ++i) {
        const QByteArray* block = lines.constData() + 29 + 12 * i;
        const BotRecord& bot = bots[i];
        require(block[0] == "bot " + valueBytes(bot.username) + " {\r");
        require(block[1] == "  passwd\t\t" + valueBytes(bot.password) + '\r');
        require(block[2] == "  server\t\t" + valueBytes(bot.server) + '\r');
        require(block[3] == (bot.display ? "  display\t\t1\r" : "  display\t\t0\r"));
        require(block[6] == "  cdkey\t\t" + valueBytes(bot.cdKey) + '\r');
        require(block[8] == "  homechannel\t\t" + valueBytes(bot.homeChannel) + '\r');
        require(block[9] == "  register\t\t" + valueBytes(bot.username) + '\r');
        require(block[11] == "}\r");
    }
    return 0;
}
