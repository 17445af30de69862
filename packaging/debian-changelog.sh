#!/bin/sh
# Writes the Debian changelog of the package from CHANGELOG.md: every
# "## VERSION (YYYY-MM-DD)" section becomes an entry, its "- " items the
# entry's lines. A section without a date ("## Unreleased") is no release yet
# and is left out: an entry needs a version and a date.
#   debian-changelog.sh CHANGELOG.md "NAME <EMAIL>"
set -eu
awk -v maintainer="$2" '
function close_entry() {
    if (version != "") {
        cmd = "LC_ALL=C date -u -R -d " date
        cmd | getline stamp
        close(cmd)
        printf "\n -- %s  %s\n\n", maintainer, stamp
    }
}
/^## / {
    close_entry()
    version = $2
    date = $3
    gsub(/[()]/, "", date)
    if (date == "") {
        version = ""
        next
    }
    printf "tessaro (%s) unstable; urgency=medium\n\n", version
    next
}
version == "" { next }
/^- / { sub(/^- /, ""); printf "  * %s\n", $0; next }
/^  [^ ]/ { sub(/^ +/, ""); printf "    %s\n", $0; next }
END { close_entry() }
' "$1" | sed '$d'
