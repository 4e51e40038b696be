// How long the wizard takes to open its window and to build and encode config.txt.
#include "config/codepage.h"
#include "config/configformat.h"
#include "ui/platform.h"
#include "wizard/frmmain.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

BotRecord SampleBot(int n) {
    BotRecord bot;
    bot.Username = QStringLiteral("bot%1").arg(n);
    bot.Password = QStringLiteral("secret");
    bot.Server = QStringLiteral("useast.battle.net");
    bot.Display = kTrue;
    AssignClient(bot, QStringLiteral("SEXP"));
    bot.CommandSet = QStringLiteral("default");
    bot.CDKey = QStringLiteral("1234567890123");
    bot.HomeChannel = QStringLiteral("op home");
    bot.Register = bot.Username;
    return bot;
}

void GenerateAndEncode(benchmark::State& state) {
    QList<BotRecord> bots;
    for (int i = 0; i < state.range(0); ++i)
        bots.append(SampleBot(i));
    for (auto _ : state) {
        QString text;
        GenerateConfig(text, QStringLiteral("owner"), QStringLiteral("!"), bots);
        benchmark::DoNotOptimize(EncodeConfigBytes(text));
    }
}
BENCHMARK(GenerateAndEncode)->Arg(1)->Arg(100)->Arg(10000);

// Building the whole window, as the program does before it first shows it.
void OpenWindow(benchmark::State& state) {
    QtPlatform platform;
    for (auto _ : state) {
        frmMain window(platform);
        benchmark::DoNotOptimize(window.CurrentStep);
    }
}
BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
