#!/usr/bin/env bash
# Builds CPack's Debian package from a build folder and holds it to lintian's
# pedantic level: any tag, of any severity, but the two named below fails the
# test.
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
# being run as root) go to standard error and are not tags. Every level is
# shown, the informational and the experimental too. CPack makes one package
# of it all, so two informational tags are expected, and only those: the
# pictures and sounds are most of an architecture-dependent package (the
# Debian package in debian/ puts them in a package of their own), and the
# printable rules and about pages are the game's own files, which its buttons
# open, not documentation for /usr/share/doc.
lintian -I --pedantic -E "$deb" 2>"$tmp/notices" |
    grep -v -E '^I: zandoli: (arch-dep-package-has-big-usr-share [0-9]+kB [0-9]+%|package-contains-documentation-outside-usr-share-doc \[usr/share/zandoli/[^]]*(\.doc|about\.html)\])$' \
        >"$tmp/tags" || true
if [ -s "$tmp/tags" ]; then
    cat "$tmp/tags" >&2
    echo "FAIL: lintian tags on $(basename "$deb")" >&2
    exit 1
fi
echo "lintian: $(basename "$deb") has no tag at the pedantic level but the two expected"
