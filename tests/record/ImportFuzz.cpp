// Feeds the importer damaged copies of a good export, many times over: bits
// flipped, bytes and numbers overwritten, pages zeroed, copied or cut off.
// Each file must be refused with the record left as it was, or merged with
// the record whole afterwards. Built for the sanitizer build too, where it
// also finds memory faults.
// Usage: import_fuzz [runs] [seed]     (ctest runs a few hundred)
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

#include "record/Exchange.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"

namespace {

// A few faults of the kinds a disk, a transfer or a hand-made file brings.
QByteArray damaged(QByteArray bytes, std::mt19937& random) {
    const auto below = [&random](qsizetype n) {
        return static_cast<qsizetype>(random() % static_cast<uint32_t>(std::max<qsizetype>(1, n)));
    };
    const int faults = 1 + static_cast<int>(random() % 6);
    constexpr qsizetype PAGE = 4096;
    for (int f = 0; f < faults && !bytes.isEmpty(); ++f) {
        const qsizetype at = below(bytes.size());
        switch (random() % 7) {
            case 0:
                bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
                break;
            case 1:
                bytes[at] = static_cast<char>(random());
                break;
            case 2: {
                // A number of a page header or a record made huge, zero or odd.
                const uint32_t values[] = {0, 1, 0x7fffffff, 0xffffffff, 0x10000, 48, 65534};
                const uint32_t value = values[random() % std::size(values)];
                for (int b = 0; b < 4 && at + b < bytes.size(); ++b) {
                    bytes[at + b] = static_cast<char>(value >> (8 * (3 - b)));
                }
                break;
            }
            case 3:
                bytes.truncate(std::max<qsizetype>(16, at));
                break;
            case 4: {
                const qsizetype page = below(bytes.size() / PAGE) * PAGE;
                bytes.replace(page, std::min(PAGE, bytes.size() - page),
                              QByteArray(std::min(PAGE, bytes.size() - page), '\0'));
                break;
            }
            case 5: {
                const qsizetype from = below(bytes.size() / PAGE) * PAGE;
                const qsizetype to = below(bytes.size() / PAGE) * PAGE;
                const QByteArray page = bytes.mid(from, PAGE);
                bytes.replace(to, page.size(), page);
                break;
            }
            default:
                // Inside the text of a name or a key.
                bytes[at] = "=<>'\";\\\x01\xff\xc3"[random() % 11];
                break;
        }
    }
    return bytes;
}

}  // namespace

using namespace zandoli;
using namespace zandoli::testing;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 300;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    QTemporaryDir dir;
    const QString source = dir.path() + "/source.sqlite";
    const QString target = dir.path() + "/target.sqlite";
    const QString file = dir.path() + "/incoming.zandoli";
    {
        RecordStore store(source);
        plantGame(store);
        plantGame(store, PLANTED_START_MS + 86'400'000);
    }
    {
        RecordStore store(target);
        plantGame(store, PLANTED_START_MS - 86'400'000);
    }
    if (!exchange::exportRecord(source, dir.path() + "/good.zandoli").ok) {
        std::fprintf(stderr, "no export to start from\n");
        return 1;
    }
    const QByteArray good = readBytes(dir.path() + "/good.zandoli");
    const QByteArray before = readBytes(target);
    const auto rows = [&target] { return readRows(target, "SELECT count(*) FROM event"); };
    const std::vector<std::string> rowsBefore = rows();
    std::mt19937 random(seed);
    int refused = 0;
    int merged = 0;
    for (int run = 0; run < runs; ++run) {
        writeBytes(file, damaged(good, random));
        const exchange::Outcome outcome = exchange::importRecord(target, file);
        if (outcome.ok) {
            ++merged;
            if (readRows(target, "PRAGMA integrity_check") != std::vector<std::string>{"ok"}) {
                std::fprintf(stderr, "run %d: a merge left the record damaged\n", run);
                return 1;
            }
            // The next run starts from the record as it was.
            for (const char* part : {"", "-wal", "-shm"}) {
                QFile::remove(target + part);
            }
            writeBytes(target, before);
        } else {
            ++refused;
            if (readBytes(target) != before) {
                std::fprintf(stderr, "run %d: a refused file changed the record: %s\n", run,
                             qPrintable(outcome.message));
                return 1;
            }
        }
    }
    if (rows() != rowsBefore) {
        std::fprintf(stderr, "the record's rows changed\n");
        return 1;
    }
    std::printf("%d runs (seed %u): %d refused with the record unchanged, %d merged whole\n", runs,
                seed, refused, merged);
    return 0;
}
