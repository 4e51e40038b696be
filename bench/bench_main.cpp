// How long the wizard takes to open its window and to build and encode config.txt.
#include "config/codepage.h"
#include "config/configformat.h"
#include "ui/platform.h"
#include "wizard/wizardwindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

BotRecord sampleBot(int n) {
    const QString name = QStringLiteral("bot%1").arg(n);
    return {name,
            QStringLiteral("secret"),
            QStringLiteral("useast.battle.net"),
            true,
            QStringLiteral("SEXP"),
            QStringLiteral("1234567890123"),
            QStringLiteral("op home"),
            name};
}

void GenerateAndEncode(benchmark::State& state) {
    QList<BotRecord> bots;
    for (int i = 0; i < state.range(0); ++i)
        bots.append(sampleBot(i));
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodeConfigBytes(generateConfig(QStringLiteral("owner"), QStringLiteral("!"), bots)));
    }
}
BENCHMARK(GenerateAndEncode)->Arg(1)->Arg(100)->Arg(10000);

// Building the whole window, as the program does before it first shows it.
void OpenWindow(benchmark::State& state) {
    QtPlatform platform;
    for (auto _ : state) {
        WizardWindow window(platform);
        benchmark::DoNotOptimize(window.currentStep());
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
