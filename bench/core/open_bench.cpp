// Opening a document that holds one value of 200 MB: in process (the file read and decoded into
// a document, then decoded alone from memory), and as a whole `zuvaduro --listing` run with its
// output drained through a pipe, whose time and peak memory are what a user waits for. Each
// listing run is followed by `md5sum` of the same file, so that its CPU time is set against one
// checksum pass measured on the same machine at the same moment (cpu_per_md5sum).
// Argument 0: the value is plain ASCII; 1: every byte is one that UTF-8 makes two or three.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "document/Archive.h"
#include "document/ContractDocument.h"
#include "document/DocumentCodec.h"
#include "document/MemorySettings.h"
#include "storage/DocumentFile.h"

namespace {

constexpr std::size_t kValueBytes = 200'000'000;

QTemporaryDir& folder() {
    static QTemporaryDir folder;
    return folder;
}

// The document, written once per kind: one offer whose employer is the large value. Written in
// pieces, so that this process never holds it: a child's peak memory counts its parent's.
QString documentPath(bool highBytes) {
    const QString path = folder().filePath(highBytes ? "high.did" : "ascii.did");
    if (QFile::exists(path)) {
        return path;
    }
    const std::string_view pattern = highBytes ? "\xE9\x80\xFC\x9F" : "Kurita ";
    Archive head;
    head.writeText("3055");
    head.writeU16(1);
    head.writeText("B");
    // The 32-bit length form of an 8-bit text, as the program writes one this long.
    head.writeU8(0xFF);
    head.writeU16(0xFFFF);
    head.writeU32(static_cast<std::uint32_t>(kValueBytes));
    Archive tail;
    for (std::size_t f = 1; f < ContractOffer::kFieldCount; ++f) {
        tail.writeText("x");
    }
    QByteArray chunk;
    while (chunk.size() < (1 << 20)) {
        chunk.append(pattern.data(), static_cast<qsizetype>(pattern.size()));
    }
    chunk.truncate((1 << 20) - (1 << 20) % static_cast<int>(pattern.size()));
    QFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    ok = ok && file.write(reinterpret_cast<const char*>(head.bytes().data()),
                          qint64(head.bytes().size())) == qint64(head.bytes().size());
    for (std::size_t written = 0; ok && written < kValueBytes;) {
        const qint64 piece = std::min<qint64>(chunk.size(), qint64(kValueBytes - written));
        ok = file.write(chunk.constData(), piece) == piece;
        written += static_cast<std::size_t>(piece);
    }
    ok = ok && file.write(reinterpret_cast<const char*>(tail.bytes().data()),
                          qint64(tail.bytes().size())) == qint64(tail.bytes().size());
    return ok ? path : QString();
}

std::vector<std::uint8_t> readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray data = file.readAll();
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

void BM_OpenOneLargeValue(benchmark::State& state) {
    const QString path = documentPath(state.range(0) != 0);
    MemorySettings settings;
    ContractDocument doc(settings);
    for (auto _ : state) {
        doc.resetToUntitled();  // no path, so the file is read again
        if (openDocumentFile(doc, path).status != OpenStatus::Opened) {
            state.SkipWithError("the document did not open");
            break;
        }
        benchmark::DoNotOptimize(doc.m_offers[0].employer.data());
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_OpenOneLargeValue)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DecodeOneLargeValue(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = readAll(documentPath(state.range(0) != 0));
    MemorySettings settings;
    ContractDocument doc(settings);
    for (auto _ : state) {
        if (!readDocumentBytes(doc, bytes).ok) {
            state.SkipWithError("the document did not decode");
            break;
        }
        benchmark::DoNotOptimize(doc.m_offers[0].employer.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodeOneLargeValue)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

struct ChildRun {
    bool ok = false;
    double cpuSeconds = 0;  // user and system time
    long peakKb = 0;
};

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Runs `argv` with its output drained through a pipe and `environment` added.
ChildRun runDrained(char* const argv[], const QByteArray& environment) {
    int out[2];
    if (::pipe(out) != 0) {
        return {};
    }
    // fork(), not posix_spawn(): a child that shares its parent's memory until exec() reports
    // the parent's peak as its own.
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::putenv(const_cast<char*>(environment.constData()));
        ::execvp(argv[0], argv);
        ::_exit(127);
    }
    ::close(out[1]);
    std::vector<char> sink(1 << 20);
    while (child > 0 && ::read(out[0], sink.data(), sink.size()) > 0) {
    }
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    if (child <= 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return {};
    }
    return {true, seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss};
}

// The whole program, its settings in the temporary folder. Reports the wall time, the rate over
// the file's size, the child's peak resident memory against the file's size, and its CPU time
// against that of md5sum over the same file.
void BM_ListingProcessOneLargeValue(benchmark::State& state) {
    const QByteArray path = QFile::encodeName(documentPath(state.range(0) != 0));
    const double fileBytes = static_cast<double>(QFile(QString::fromLocal8Bit(path)).size());
    const QByteArray config = "XDG_CONFIG_HOME=" + QFile::encodeName(folder().filePath("config"));
    char* listing[] = {const_cast<char*>(ZUVADURO_EXE), const_cast<char*>("--listing"),
                       const_cast<char*>(path.constData()), nullptr};
    char* checksum[] = {const_cast<char*>("md5sum"), const_cast<char*>(path.constData()), nullptr};
    long peakKb = 0;
    double cpu = 0;
    double md5sumCpu = 0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        const ChildRun run = runDrained(listing, config);
        const auto ended = std::chrono::steady_clock::now();
        const ChildRun sum = runDrained(checksum, config);
        if (!run.ok || !sum.ok) {
            state.SkipWithError("the listing or md5sum run failed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(ended - started).count());
        peakKb = std::max(peakKb, run.peakKb);
        cpu += run.cpuSeconds;
        md5sumCpu += sum.cpuSeconds;
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fileBytes));
    state.counters["peak_MB"] = static_cast<double>(peakKb) * 1024 / 1e6;
    state.counters["peak_per_file"] = static_cast<double>(peakKb) * 1024 / fileBytes;
    state.counters["cpu_s"] =
        cpu / static_cast<double>(std::max<std::int64_t>(1, state.iterations()));
    state.counters["md5sum_cpu_s"] =
        md5sumCpu / static_cast<double>(std::max<std::int64_t>(1, state.iterations()));
    state.counters["cpu_per_md5sum"] = md5sumCpu > 0 ? cpu / md5sumCpu : 0;
}
BENCHMARK(BM_ListingProcessOneLargeValue)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
