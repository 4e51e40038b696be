// config.txt's code page away from Windows: the bot reads Windows-1252 there, under Wine.
#include "config/codepage.h"

void appendConfigBytes(QByteArray& out, QStringView text) {
    appendSingleBytes(out, text, windows1252Byte);
}
