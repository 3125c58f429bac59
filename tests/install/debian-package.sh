#!/usr/bin/env bash
# The Debian source package, checked as Debian would: from a clean export of
# the tree (git archive), dpkg-buildpackage builds the source and binary
# packages; lintian at the pedantic level, experimental tags included, finds
# nothing on either but the overrides debian/ gives with their reasons; blhc
# finds nothing in the build log; a second build, in another folder, time
# zone, locale and umask, gives byte-identical packages; and the package's
# autopkgtest passes on this machine (the null runner: it installs the
# package here, and removes it again when it was not installed before).
# Before any of that, debian/ must name the addresses packaging/Addresses.cmake
# keeps, and the version the top CMakeLists.txt declares.
#
# Both builds leave the unit tests out (nocheck), as the build that runs this
# has just run them; ZANDOLI_PACKAGE_TESTS=1 builds the first with them, in
# dh_auto_test. ZANDOLI_PACKAGE_REBUILD=packaging makes the second build only
# pack again (see below). Skipped (77) where a packaging tool is missing, where the
# tree is not a git checkout, or when not run as root (the null runner
# installs the package).
#   debian-package.sh <source dir>
set -euo pipefail
src=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

for tool in dpkg-buildpackage dpkg-checkbuilddeps lintian blhc autopkgtest diffoscope git; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
git -C "$src" rev-parse --git-dir >/dev/null 2>&1 || { echo "SKIP: $src is not a git checkout"; exit 77; }
[ "$(id -u)" = 0 ] || { echo "SKIP: the autopkgtest's null runner installs the package: root only"; exit 77; }

fail() { echo "FAIL: $*" >&2; exit 1; }
started=$SECONDS
step() { echo "== $* ($((SECONDS - started)) s)"; }

step "debian/ agrees with packaging/Addresses.cmake and CMakeLists.txt"
"$here/debian-addresses.sh" "$src"

tmp=$(mktemp -d /tmp/zandoli-debian-test.XXXXXX)
trap 'rm -rf "$tmp"' EXIT

# The tree as committed, with what is changed but not yet committed: a
# stash commit when there is a change, HEAD otherwise. Files git does not
# track are not part of it, as in any clean export.
tree=$(git -C "$src" stash create)
tree=${tree:-HEAD}
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
upstream=${version%-*}

# Exports the tree into a folder, with the upstream tarball beside it.
export_tree() {
    mkdir -p "$1"
    git -C "$src" archive --prefix="zandoli-$upstream/" "$tree" -- ':(exclude)debian' |
        xz -1 >"$1/zandoli_$upstream.orig.tar.xz"
    git -C "$src" archive --prefix="zandoli-$upstream/" "$tree" | tar -x -C "$1"
}

# Builds in a folder: build <folder> <DEB_BUILD_OPTIONS> [env settings...]
build() {
    local folder=$1 options=$2
    shift 2
    export_tree "$folder"
    (cd "$folder/zandoli-$upstream" &&
        env DEB_BUILD_OPTIONS="$options parallel=$(nproc)" "$@" \
            dpkg-buildpackage -us -uc >"$folder/build.log" 2>&1) ||
        { tail -n 60 "$folder/build.log" >&2; fail "dpkg-buildpackage failed in $folder"; }
}

options=nocheck
[ "${ZANDOLI_PACKAGE_TESTS:-}" = 1 ] && options=
step "dpkg-buildpackage -us -uc in $tmp/a (DEB_BUILD_OPTIONS=$options)"
dpkg-checkbuilddeps "$src/debian/control" || fail "the build dependencies are not installed"
(umask 022 && build "$tmp/a" "$options" TZ=UTC LC_ALL=C.UTF-8)
changes=$tmp/a/zandoli_${version}_$(dpkg-architecture -q DEB_HOST_ARCH).changes
[ -f "$changes" ] || fail "no $(basename "$changes")"

step "lintian --pedantic -I -E on $(basename "$changes")"
# Tags go to standard output; an overridden tag is shown only with
# --show-overrides, and then as "O:" (its reason as "N:"), listed here for
# the log. Any other tag, of any level, fails.
lintian --pedantic -I -E --show-overrides "$changes" >"$tmp/lintian" 2>"$tmp/lintian.notices" || true
grep '^O: ' "$tmp/lintian" || true
if grep -q -E '^[EWIPX]: ' "$tmp/lintian"; then
    grep -E '^[EWIPX]: ' "$tmp/lintian" >&2
    fail "lintian tags on the packages"
fi
grep -q '^O: ' "$tmp/lintian" || fail "lintian printed no override: did it check anything?"
# An override must say why, in the comment above it (one comment may serve
# the overrides that follow it up to a blank line).
for overrides in "$src"/debian/source/lintian-overrides "$src"/debian/*.lintian-overrides; do
    [ -f "$overrides" ] || continue
    awk -v file="${overrides#"$src"/}" '
        /^#/ { reason = 1; next }
        /^[[:space:]]*$/ { reason = 0; next }
        !reason { print file ": no reason for: " $0; bad = 1 }
        END { exit bad }' "$overrides" >&2 || fail "an override without its reason"
done

step "blhc on the build log"
blhc --all "$tmp/a/build.log" >"$tmp/blhc" 2>&1 || { cat "$tmp/blhc" >&2; fail "blhc: flags missing"; }
[ ! -s "$tmp/blhc" ] || { cat "$tmp/blhc" >&2; fail "blhc reports on the build log"; }

step "autopkgtest on this machine (null runner)"
installed_before=$(dpkg-query -W -f='${Status}' zandoli 2>/dev/null | grep -c 'install ok installed' || true)
status=0
autopkgtest "$changes" -- null >"$tmp/autopkgtest.log" 2>&1 || status=$?
[ "$installed_before" = 1 ] || dpkg --purge zandoli zandoli-data >/dev/null 2>&1 || true
# What the test said, and the summary: a line for each test, "command1 PASS".
grep -E "^installed launcher: " "$tmp/autopkgtest.log" || true
sed -n '/@@@@ summary/,$p' "$tmp/autopkgtest.log" | grep -E '^command[0-9]+ ' || true
if [ "$status" != 0 ]; then
    tail -n 60 "$tmp/autopkgtest.log" >&2
    fail "autopkgtest failed (exit $status)"
fi
# The second build: by default a whole one, in a folder of another path and
# length. ZANDOLI_PACKAGE_REBUILD=packaging packs the first build's work again
# instead, in its own folder: the packaging is checked (file order, times,
# permissions, compressed files), the compiler's and generator's work is not,
# and the test takes a build less.
mkdir "$tmp/first"
cp "$tmp"/a/*.deb "$tmp/first/"
if [ "${ZANDOLI_PACKAGE_REBUILD:-}" = packaging ]; then
    step "the same packages packed again in $tmp/a, in another time zone, locale and umask"
    second=$tmp/a
    (cd "$tmp/a/zandoli-$upstream" && rm -f ../*.deb && rm -rf debian/.debhelper debian/tmp \
        debian/zandoli debian/zandoli-data debian/files debian/*.substvars \
        debian/debhelper-build-stamp debian/*.debhelper.log && umask 002 &&
        env DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" TZ=Pacific/Kiritimati LC_ALL=fr_FR.UTF-8 \
            dpkg-buildpackage -us -uc -b -nc >"$tmp/repack.log" 2>&1) ||
        { tail -n 60 "$tmp/repack.log" >&2; fail "dpkg-buildpackage could not pack again"; }
else
    step "the same packages built again in another folder, time zone, locale and umask"
    second=$tmp/b/build-path-of-another-length
    (umask 002 && build "$second" nocheck TZ=Pacific/Kiritimati LC_ALL=fr_FR.UTF-8)
fi
for deb in "$tmp"/first/*.deb; do
    other=$second/$(basename "$deb")
    [ -f "$other" ] || fail "the second build made no $(basename "$deb")"
    if ! cmp -s "$deb" "$other"; then
        diffoscope --text - "$deb" "$other" | head -n 200 >&2 || true
        fail "$(basename "$deb") differs between the two builds"
    fi
    echo "$(basename "$deb"): the same bytes ($(sha256sum <"$deb" | cut -c1-16))"
done
step "done"
