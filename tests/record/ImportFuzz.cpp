// Feeds the importer damaged copies of a good export, many times over: bits
// flipped, bytes and numbers overwritten, pages zeroed, copied or cut off.
// Each file must be refused with the record left as it was, or merged with
// the record whole afterwards. The sanitizer build runs it too, where it
// also finds memory faults. ctest runs a few hundred; for more, set
// ZANDOLI_FUZZ_RUNS and ZANDOLI_FUZZ_SEED and run record_tests
// --gtest_filter=ImportFuzz.*
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "record/Exchange.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"

namespace zandoli::testing {
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

TEST(ImportFuzz, EveryDamagedExportIsRefusedWithTheRecordUnchangedOrMergedWhole) {
    bool set = false;
    const int asked = qEnvironmentVariableIntValue("ZANDOLI_FUZZ_RUNS", &set);
    const int runs = set ? asked : 300;
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
    ASSERT_TRUE(exchange::exportRecord(source, dir.path() + "/good.zandoli").ok);
    const QByteArray good = readBytes(dir.path() + "/good.zandoli");
    const QByteArray before = readBytes(target);
    const Rows rowsBefore = readRows(target, "SELECT count(*) FROM event");
    std::mt19937 random(qEnvironmentVariableIntValue("ZANDOLI_FUZZ_SEED"));
    int merged = 0;
    for (int run = 0; run < runs; ++run) {
        writeBytes(file, damaged(good, random));
        const exchange::Outcome outcome = exchange::importRecord(target, file);
        if (!outcome.ok) {
            ASSERT_EQ(readBytes(target), before)
                << "run " << run
                << ": a refused file changed the record: " << outcome.message.toStdString();
            continue;
        }
        ++merged;
        ASSERT_EQ(readRows(target, "PRAGMA integrity_check"), Rows{"ok"})
            << "run " << run << ": a merge left the record damaged";
        // The next run starts from the record as it was.
        for (const char* part : {"", "-wal", "-shm"}) {
            QFile::remove(target + part);
        }
        writeBytes(target, before);
    }
    EXPECT_EQ(readRows(target, "SELECT count(*) FROM event"), rowsBefore);
    // Some damage leaves a record that still reads; both ways are taken.
    EXPECT_GT(merged, 0);
    EXPECT_LT(merged, runs);
}

}  // namespace
}  // namespace zandoli::testing
