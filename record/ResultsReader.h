#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "record/GameResults.h"

namespace zandoli {

// Reads the learning record back for the results screen, on a connection of
// its own. A record that is missing, damaged or unreadable reads as empty:
// the screen then says that no game was recorded.
class ResultsReader {
public:
    explicit ResultsReader(QString path);
    ~ResultsReader();
    ResultsReader(const ResultsReader&) = delete;
    ResultsReader& operator=(const ResultsReader&) = delete;

    // The last game in which anything was spun, or the one before or after
    // game `id` in the order they were played.
    std::optional<GameResults> latest();
    std::optional<GameResults> before(int64_t id);
    std::optional<GameResults> after(int64_t id);
    std::optional<GameResults> game(int64_t id);

    // Empties the record; false when it could not be written.
    bool forgetAll();

private:
    bool open();
    std::optional<GameResults> first(const QString& sql, int64_t id);

    QString path_;
    QString connection_;
};

}  // namespace zandoli
