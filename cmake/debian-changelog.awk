# SPDX-License-Identifier: GPL-3.0-or-later
# Turns CHANGELOG.md (Keep a Changelog) into a Debian changelog: one entry a
# released version, its list items as "  * " items wrapped at 80 columns.
# Usage: awk -v package=skalix -v maintainer="Name <mail>" [-v output=FILE] \
#            -f debian-changelog.awk CHANGELOG.md

# Writes a line to the output file, or to standard output when none is given.
function emit(line) {
    if (output != "") print line > output
    else print line
}

# "2026-12-08" -> "Tue, 08 Dec 2026 00:00:00 +0000"
function rfc2822(date,    y, m, d, t, w) {
    split(date, part, "-")
    y = part[1] + 0; m = part[2] + 0; d = part[3] + 0
    # Sakamoto's day of the week, 0 = Sunday
    split("0 3 2 5 0 3 5 1 4 6 2 4", t, " ")
    if (m < 3) y -= 1
    w = (y + int(y / 4) - int(y / 100) + int(y / 400) + t[m] + d) % 7
    split("Sun Mon Tue Wed Thu Fri Sat", day, " ")
    split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", month, " ")
    return sprintf("%s, %02d %s %04d 00:00:00 +0000", day[w + 1], d, month[m], part[1])
}

# Writes the item gathered so far, wrapped at 80 columns.
function flush(    n, words, line, i, link) {
    if (item == "") return
    # Markdown links keep their text.
    while (match(item, /\[[^]]*\]\([^)]*\)/)) {
        link = substr(item, RSTART, RLENGTH)
        item = substr(item, 1, RSTART - 1) substr(link, 2, index(link, "](") - 2) \
            substr(item, RSTART + RLENGTH)
    }
    n = split(item, words, " ")
    line = "  *"
    for (i = 1; i <= n; i++) {
        if (length(line) + 1 + length(words[i]) > 80) {
            emit(line)
            line = "   "
        }
        line = line " " words[i]
    }
    emit(line)
    item = ""
}

function close_entry() {
    flush()
    if (date != "") {
        emit("")
        emit(" -- " maintainer "  " rfc2822(date))
        date = ""
    }
}

/^## \[/ {
    close_entry()
    version = $0
    sub(/^## \[/, "", version)
    sub(/\].*/, "", version)
    if (version == "Unreleased") { inside = 0; next }
    date = $0
    sub(/.* - /, "", date)
    if (entries++) emit("")
    emit(package " (" version ") unstable; urgency=medium")
    emit("")
    inside = 1
    next
}
!inside { next }
/^- / { flush(); item = substr($0, 3); next }
/^  +[^ ]/ && item != "" { line = $0; sub(/^ +/, "", line); item = item " " line; next }
{ flush() }
END { close_entry() }
