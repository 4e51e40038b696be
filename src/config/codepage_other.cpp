// config.txt's code page away from Windows: the bot reads Windows-1252 there, under Wine.
#include "config/codepage.h"

QByteArray configBytes(QStringView text) {
    return singleBytes(text, windows1252Byte);
}
