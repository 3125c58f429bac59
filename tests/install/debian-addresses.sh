#!/usr/bin/env bash
# debian/ and packaging/copyright are written by hand, not generated: they
# must name the addresses that packaging/Addresses.cmake keeps, and debian/
# the version CMakeLists.txt declares.
# Names each line that disagrees.
#   debian-addresses.sh <source dir>
set -euo pipefail
src=$1
bad=0

# The value packaging/Addresses.cmake sets for a name.
address() {
    sed -n "s/^set($1 \"\\(.*\\)\")\$/\\1/p" "$src/packaging/Addresses.cmake"
}
# The value of a field of a deb822 file (the first paragraph that has it).
field() {
    sed -n "s/^$2: *//p" "$src/$1" | head -n 1
}
expect() {
    local where=$1 seen=$2 wanted=$3
    if [ -z "$wanted" ] || [ "$seen" != "$wanted" ]; then
        echo "FAIL: $where is \"$seen\", not \"$wanted\"" >&2
        bad=1
    fi
}

homepage=$(address ZANDOLI_HOMEPAGE)
repository=$(address ZANDOLI_REPOSITORY)
browse=$(address ZANDOLI_REPOSITORY_BROWSE)
bugs=$(address ZANDOLI_BUG_TRACKER)
contact="$(address ZANDOLI_CONTACT_NAME) <$(address ZANDOLI_CONTACT_EMAIL)>"

expect "debian/control Homepage" "$(field debian/control Homepage)" "$homepage"
expect "debian/control Vcs-Git" "$(field debian/control Vcs-Git)" "$repository"
expect "debian/control Vcs-Browser" "$(field debian/control Vcs-Browser)" "$browse"
expect "debian/control Maintainer" "$(field debian/control Maintainer)" "$contact"
expect "debian/upstream/metadata Contact" "$(field debian/upstream/metadata Contact)" "$contact"
expect "debian/upstream/metadata Bug-Database" "$(field debian/upstream/metadata Bug-Database)" "$bugs"
expect "debian/upstream/metadata Repository" "$(field debian/upstream/metadata Repository)" "$repository"
expect "debian/upstream/metadata Repository-Browse" \
    "$(field debian/upstream/metadata Repository-Browse)" "$browse"
expect "debian/copyright Upstream-Contact" "$(field debian/copyright Upstream-Contact)" "$contact"
expect "debian/copyright Source" "$(field debian/copyright Source)" "$browse"
# The copyright file of the project's own installation (and CPack's package).
expect "packaging/copyright Upstream-Contact" "$(field packaging/copyright Upstream-Contact)" "$contact"
expect "debian/watch's repository" "$(grep -o 'https://[^ ]*' "$src/debian/watch")" "$repository"

# The package's version is the project's, with a Debian revision.
project=$(sed -n 's/^project(zandoli VERSION \([0-9.]*\) .*/\1/p' "$src/CMakeLists.txt")
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
expect "debian/changelog's upstream version" "${version%-*}" "$project"

[ "$bad" = 0 ] || exit 1
echo "debian/: the addresses of packaging/Addresses.cmake, version $version"
