// Writes config.txt for one bot into the folder its argument names, as Generate does, and prints the box a failure
// brings: the program that tests/generate-is-durable.sh and tests/generate-survives-faults.sh trace. It ends with 0
// where the wizard shows "Finished!", 1 where the old config.txt is unchanged, 3 where the new one is in place but not
// confirmed on the disk.
#include "config/configwriter.h"
#include "wizard/pages/generatepage.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    const QList<BotRecord> bots{{"b", "p", "s", true, "STAR", "k", "h", "b"}};
    const ConfigWrite written = writeConfigFile("m", "!", bots, QString::fromLocal8Bit(argv[1]));
    if (written.ok)
        return 0;
    std::puts(qPrintable(failedWriteMessage(written)));
    return written.newFileInPlace ? 3 : 1;
}
