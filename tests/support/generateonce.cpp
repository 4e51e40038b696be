// Writes config.txt for one bot into the folder its argument names, as Generate does: the program whose system calls
// tests/generate-is-durable.sh reads.
#include "config/configwriter.h"

int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    const QList<BotRecord> bots{{"b", "p", "s", true, "STAR", "k", "h", "b"}};
    return writeConfigFile("m", "!", bots, QString::fromLocal8Bit(argv[1])).ok ? 0 : 1;
}
