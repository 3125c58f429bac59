#include "record/FileSystem.h"

#include <sys/vfs.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace zandoli::fileSystem {

namespace {

// The f_type of the file systems that reach another machine, as
// <linux/magic.h> and statfs(2) number them. FUSE counts as one whatever it
// mounts: sshfs is the usual one in a school, and a local FUSE file system
// only pays for locks it did not need.
constexpr std::array<int64_t, 15> NETWORK_TYPES = {
    0x6969,      // NFS
    0x517b,      // SMB (smbfs)
    0xff534d42,  // CIFS
    0xfe534d42,  // SMB2
    0x65735546,  // FUSE (sshfs, ...)
    0x564c,      // NCP (NetWare)
    0x73757245,  // Coda
    0x5346414f,  // AFS
    0x6b414653,  // kAFS
    0x01021997,  // 9p
    0x00c36400,  // Ceph
    0x7461636f,  // OCFS2
    0x01161970,  // GFS2
    0x0bd00bd0,  // Lustre
    0x47504653,  // GPFS
};

std::optional<int64_t> statfsType(const QString& folder) {
    struct statfs info {};
    if (statfs(QFile::encodeName(folder).constData(), &info) != 0) {
        return std::nullopt;
    }
    // f_type is signed on some architectures: CIFS's number reads negative.
    return static_cast<int64_t>(static_cast<uint32_t>(info.f_type));
}

}  // namespace

TypeOf& typeOf() {
    static TypeOf asked = statfsType;
    return asked;
}

bool isNetworkType(int64_t type) {
    return std::ranges::find(NETWORK_TYPES, type) != NETWORK_TYPES.end();
}

bool onNetwork(const QString& path) {
    QFileInfo folder(QFileInfo(path).absolutePath());
    // The record's folder is made at its first row: until then its parent says.
    while (!folder.exists() && !folder.isRoot()) {
        folder.setFile(folder.absolutePath());
    }
    const std::optional<int64_t> type = typeOf()(folder.absoluteFilePath());
    return type && isNetworkType(*type);
}

}  // namespace zandoli::fileSystem
