// The wizard's heavy work, each next to its floor:
//   Generate     the bytes of config.txt and their safe write, for 10, 1,000 and 100,000 bots;
//   GenerateInMemory  the same without the write;
//   DurableWrite the floor: what a durable write of the same bytes, ready in memory, costs at least: written into a new
//                file in the same folder, synced, named over the old one, the folder synced; and without the folder
//                sync, to show what it costs;
//   PlainWrite   for reference: one QFile::write of the same bytes, not synced;
//   Capture      bots entered through the window's own boxes and buttons, 1,000 and 100,000 of them;
//   PageChange   Back and Next with 1 and 100,000 bots captured: only Generate walks the list;
//   OpenWindow   building the whole window, as the program does before it first shows it.
// The ratios that matter are printed after the table.
#include "config/configformat.h"
#include "config/configwriter.h"
#include "ui/platform.h"
#include "wizard/wizardwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <map>
#include <memory>
#include <string>

namespace {

// Answers every box with OK and writes into a folder of the benchmark's own.
class QuietPlatform final : public Platform {
public:
    explicit QuietPlatform(QString folder)
        : m_folder(std::move(folder)) {}
    MessageAnswer messageBox(QWidget*, const QString&, const QString&, MessageStyle) override {
        return MessageAnswer::Ok;
    }
    Outcome executableFolder() const override { return {true, m_folder, {}}; }
    Outcome startProgramMinimized(const QString&, const QString&) override { return {true, {}, {}}; }
    void endProgram() override {}

private:
    QString m_folder;
};

// Beside the build, on the disk a bot's folder would be on, not in a memory file system.
QString benchFolder() {
    static QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/qel_bench-XXXXXX"));
    return folder.path();
}

const QString kMaster = QStringLiteral("owner");
const QString kTrigger = QStringLiteral("!");

QList<BotRecord> sampleBots(qsizetype count) {
    QList<BotRecord> bots;
    bots.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QString name = QStringLiteral("bot%1").arg(i);
        bots.append({name, QStringLiteral("secret"), QStringLiteral("useast.battle.net"), true, QStringLiteral("SEXP"),
                     QStringLiteral("1234567890123"), QStringLiteral("op home"), name});
    }
    return bots;
}

void Generate(benchmark::State& state) {
    const QList<BotRecord> bots = sampleBots(state.range(0));
    for (auto _ : state) {
        const Outcome written = writeConfigFile(kMaster, kTrigger, bots, benchFolder());
        if (!written.ok)
            state.SkipWithError(qPrintable(written.error));
    }
    state.SetBytesProcessed(state.iterations() *
                            QFileInfo(QDir(benchFolder()).filePath(QStringLiteral("config.txt"))).size());
}

// Generate without the write: the bytes alone, which are this program's own work.
void GenerateInMemory(benchmark::State& state) {
    const QList<BotRecord> bots = sampleBots(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(generateConfig(kMaster, kTrigger, bots).data());
}

void PlainWrite(benchmark::State& state) {
    const QByteArray bytes = generateConfig(kMaster, kTrigger, sampleBots(state.range(0)));
    const QString path = QDir(benchFolder()).filePath(QStringLiteral("plain.txt"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            state.SkipWithError(qPrintable(file.errorString()));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void DurableWrite(benchmark::State& state) {
    const QByteArray bytes = generateConfig(kMaster, kTrigger, sampleBots(state.range(0)));
    const bool syncFolder = state.range(1) != 0;
    const QDir folder(benchFolder());
    const QByteArray newName = QFile::encodeName(folder.filePath(QStringLiteral("durable.new")));
    const QByteArray finalName = QFile::encodeName(folder.filePath(QStringLiteral("durable.txt")));
    for (auto _ : state) {
        QFile file(QFile::decodeName(newName));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
            !file.flush() || ::fdatasync(file.handle()) != 0)
            state.SkipWithError("the new file could not be written");
        file.close();
        if (::rename(newName.constData(), finalName.constData()) != 0)
            state.SkipWithError("the new file could not be named");
        if (syncFolder) {
            const int descriptor =
                ::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (descriptor < 0 || ::fsync(descriptor) != 0)
                state.SkipWithError("the folder could not be synced");
            ::close(descriptor);
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// The window's controls by their object names, as a user meets them.
struct Wizard {
    QuietPlatform platform{benchFolder()};
    WizardWindow window{platform};

    template <typename T = QWidget> T* find(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* name) { find<QPushButton>(name)->click(); }

    // From the Welcome page to the bot page, with the server and the client chosen.
    void reachBotPage() {
        click("cmdNext");
        find<QLineEdit>("txtMaster")->setText(kMaster);
        find<QLineEdit>("txtTrigger")->setText(kTrigger);
        click("cmdNext");
        find<QComboBox>("cmbServer")->setCurrentIndex(0);
        find<QComboBox>("cmbClient")->setCurrentIndex(1);
    }
    // Types a bot into the boxes and presses Next, which captures it; then Add Bot for the next one, if asked.
    void enterBot(qsizetype number, bool addAnother) {
        find<QLineEdit>("txtBot_0")->setText(QStringLiteral("bot%1").arg(number));
        find<QLineEdit>("txtBot_1")->setText(QStringLiteral("secret"));
        find<QLineEdit>("txtBot_2")->setText(QStringLiteral("12345-67890-123"));
        find<QLineEdit>("txtBot_3")->setText(QStringLiteral("op home"));
        click("cmdNext");
        if (addAnother)
            click("cmdAddBot");
    }
};

void Capture(benchmark::State& state) {
    const qsizetype count = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        auto wizard = std::make_unique<Wizard>();
        wizard->reachBotPage();
        state.ResumeTiming();
        for (qsizetype i = 0; i < count; ++i)
            wizard->enterBot(i, i + 1 < count);
        state.PauseTiming();
        if (wizard->window.bots().size() != count)
            state.SkipWithError("the window did not capture every bot");
        wizard.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void PageChange(benchmark::State& state) {
    const qsizetype count = state.range(0);
    Wizard wizard;
    wizard.reachBotPage();
    for (qsizetype i = 0; i < count; ++i)
        wizard.enterBot(i, i + 1 < count);
    for (auto _ : state) {
        wizard.click("cmdBack"); // to the last bot's page
        wizard.click("cmdNext"); // and on, capturing it again in its place
    }
    if (wizard.window.bots().size() != count || wizard.window.currentStep() != Step::Generate)
        state.SkipWithError("the window did not keep its bots");
}

void OpenWindow(benchmark::State& state) {
    QuietPlatform platform(benchFolder());
    for (auto _ : state) {
        WizardWindow window(platform);
        benchmark::DoNotOptimize(window.bots().size());
    }
}

// The runs are repeated, their rounds interleaved at random by bench/run.sh, and compared by medians: the disk, the
// kernel's page cache and the machine's other work vary from one round to the next.
void atEachCount(benchmark::internal::Benchmark* run) {
    run->Arg(10)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Repetitions(7)->DisplayAggregatesOnly(true);
}

BENCHMARK(Generate)->Apply(atEachCount)->UseRealTime();
BENCHMARK(GenerateInMemory)->Apply(atEachCount);
BENCHMARK(DurableWrite)
    ->ArgsProduct({{10, 1'000, 100'000}, {1}})
    ->Args({100'000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->DisplayAggregatesOnly(true)
    ->UseRealTime();
BENCHMARK(PlainWrite)->Apply(atEachCount)->UseRealTime();
BENCHMARK(Capture)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(PageChange)->Arg(1)->Arg(100'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond);

// Whether a run stopped with an error: Google Benchmark 1.7 (Debian 12) says so in error_occurred, 1.8 and later
// (Debian 13) in skipped.
template <typename Run> bool stoppedWithError(const Run& run) {
    if constexpr (requires { run.error_occurred; })
        return run.error_occurred;
    else
        return run.skipped != decltype(run.skipped){};
}

// The table as usual, then the ratios of the runs that the targets compare.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular) {} // no colours: the table goes to files and terminals alike
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) { // a single run's time, or the median of repeated ones
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!stoppedWithError(run) && (median || run.repetitions <= 1))
                m_seconds[run.run_name.function_name + "/" + run.run_name.args] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-52s %8s %8s\n", "ratio", "measured", "target");
        for (const char* bots : {"10", "1000", "100000"})
            ratio(("Generate / durable write, " + std::string(bots) + " bots").c_str(), "Generate/" + std::string(bots),
                  "DurableWrite/" + std::string(bots) + "/1", 3);
        ratio("  for reference: Generate / plain QFile::write", "Generate/100000", "PlainWrite/100000", 0);
        ratio("  durable write / the same without the folder sync", "DurableWrite/100000/1", "DurableWrite/100000/0",
              0);
        ratio("Generate, 100,000 bots / 1,000", "Generate/100000", "Generate/1000", 110);
        ratio("  the same in memory, without the write", "GenerateInMemory/100000", "GenerateInMemory/1000", 110);
        ratio("Capture, 100,000 bots / 1,000", "Capture/100000", "Capture/1000", 110);
        ratio("Page change, 100,000 bots / 1 bot", "PageChange/100000", "PageChange/1", 1.1);
    }

private:
    void ratio(const char* what, const std::string& measured, const std::string& floor, double target) {
        if (m_seconds.count(measured) && m_seconds.count(floor))
            std::printf(target > 0 ? "%-52s %8.2f %8.2f\n" : "%-52s %8.2f\n", what,
                        m_seconds[measured] / m_seconds[floor], target);
    }
    std::map<std::string, double> m_seconds;
};

} // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // Large buffers from fresh pages in every round, as in the wizard, where Generate runs once. Left to itself,
    // glibc raises this threshold after the first large free, and later rounds of the smaller runs would reuse warm
    // memory (up to 32 MB) that the larger runs cannot: their ratio would measure the allocator, not the code.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
