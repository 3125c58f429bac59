#!/usr/bin/env bash
# Builds the Debian package from a build folder and holds it to lintian's
# pedantic level: any tag, of any severity, fails the test.
#   package-lint.sh <build folder> <cpack>
set -euo pipefail
build=$1
cpack=$2

command -v lintian >/dev/null || { echo "SKIP: lintian is not installed"; exit 77; }

tmp=$(mktemp -d /tmp/zandoli-package-test.XXXXXX)
trap 'rm -rf "$tmp"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log" >&2; echo "FAIL: cpack could not build the package" >&2; exit 1; }
deb=$(find "$tmp" -maxdepth 1 -name 'zandoli_*.deb')
[ -n "$deb" ] || { echo "FAIL: cpack wrote no package" >&2; exit 1; }

# Tags go to standard output, one a line; lintian's own notices (such as
# being run as root) go to standard error and are not tags.
lintian --info --pedantic --display-experimental "$deb" >"$tmp/tags" 2>"$tmp/notices" || true
if [ -s "$tmp/tags" ]; then
    cat "$tmp/tags" >&2
    echo "FAIL: lintian tags on $(basename "$deb")" >&2
    exit 1
fi
echo "lintian: $(basename "$deb") is clean at the pedantic level"
