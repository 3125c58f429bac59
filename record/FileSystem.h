#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// Where the record lives: on a local disk, or on a file system shared over
// the network (an NFS, SMB or sshfs home), where SQLite's write-ahead log and
// POSIX locks cannot be trusted.
namespace zandoli::fileSystem {

// The type statfs(2) gives in f_type for the file system `folder` is on;
// none when it cannot be asked.
using TypeOf = std::function<std::optional<int64_t>(const QString& folder)>;
// The one the record asks: statfs(2) itself, unless a test put another here.
TypeOf& typeOf();

// Whether a file system of this type is shared over the network.
bool isNetworkType(int64_t type);
// Whether the file `path` is (or would be made) on such a file system: its
// nearest folder that exists is asked.
bool onNetwork(const QString& path);

}  // namespace zandoli::fileSystem
