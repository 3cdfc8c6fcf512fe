#!/usr/bin/env bash
# Makes Debian's source packages reachable for `apt-get source`: every configured
# Debian archive entry that fetches binary packages ("deb") also fetches sources
# ("deb-src"), in the format the entry was written in.
#
#   deb822 stanzas (/etc/apt/sources.list.d/*.sources): "Types: deb" becomes
#     "Types: deb deb-src" in place.
#   One-line entries (/etc/apt/sources.list, /etc/apt/sources.list.d/*.list), as a
#     Debian 12 installed from the network installer has them: a "deb-src" twin of
#     each "deb" line goes into sources.list.d/kelvra-deb-src.list.
#
# Only Debian's own archive is mirrored (a Debian suite name, the main component,
# Debian's archive key or none named): a third-party repository seldom serves
# sources, and a missing Sources index would fail `apt-get update`.
#
# Usage: apt-source-entries.sh [APT_ETC_DIR]   (default /etc/apt)
# Prints "added" when it changed anything. Idempotent.
set -euo pipefail

etc="${1:-/etc/apt}"
parts="$etc/sources.list.d"
ours="$parts/kelvra-deb-src.list"
changed=0

debian_suite='^(bookworm|stable|oldstable|testing|trixie|bullseye)(-updates|-security|-backports|/updates)?$'

# One-line entries: "deb [options] uri suite component...".
mirror_one_line_entries() {
  local file="$1" line
  [ -f "$file" ] || return 0
  while IFS= read -r line || [ -n "$line" ]; do
    line="${line%%#*}"
    [[ "$line" =~ ^[[:space:]]*deb[[:space:]]+(.*)$ ]] || continue
    local rest="${BASH_REMATCH[1]}" options=""
    if [[ "$rest" =~ ^\[([^]]*)\][[:space:]]*(.*)$ ]]; then
      options="${BASH_REMATCH[1]}"
      rest="${BASH_REMATCH[2]}"
    fi
    local uri suite components
    read -r uri suite components <<<"$rest"
    [ -n "${components:-}" ] || continue
    [[ "$suite" =~ $debian_suite ]] || continue
    [[ " $components " == *" main "* ]] || continue
    if [[ "$options" == *signed-by=* ]] && [[ "$options" != *debian-archive* ]]; then continue; fi
    local twin="deb-src ${options:+[$options] }$uri $suite $components"
    # Already there, in any one-line file?
    if grep -qsxF -- "$twin" "$etc/sources.list" "$parts"/*.list; then continue; fi
    echo "$twin" >>"$ours"
    changed=1
  done <"$file"
}

# deb822 stanzas, rewritten whole when one of them changes.
mirror_deb822_stanzas() {
  local file="$1" out
  [ -f "$file" ] || return 0
  out="$(mktemp)"
  awk -v suites="$debian_suite" '
    function flush(   i, types, ok) {
      if (n == 0) return
      ok = (typesAt > 0 && typesValue == "deb" && enabled != "no" && hasMain && debianSuite &&
            (signedBy == "" || signedBy ~ /debian-archive/))
      for (i = 1; i <= n; i++) {
        if (ok && i == typesAt) { print "Types: deb deb-src"; edited = 1 } else print lines[i]
      }
      n = 0; typesAt = 0; typesValue = ""; enabled = ""; hasMain = 0; debianSuite = 0; signedBy = ""
    }
    function value(s) { sub(/^[^:]*:[ \t]*/, "", s); sub(/[ \t]+$/, "", s); return s }
    /^[ \t]*$/ { flush(); print; next }
    {
      lines[++n] = $0
      if ($0 ~ /^#/) next
      key = tolower($0); sub(/:.*/, "", key)
      if (key == "types") { typesAt = n; typesValue = value($0) }
      else if (key == "enabled") enabled = tolower(value($0))
      else if (key == "signed-by") signedBy = value($0)
      else if (key == "components") { c = " " value($0) " "; hasMain = (c ~ / main /) }
      else if (key == "suites") {
        count = split(value($0), list, /[ \t]+/)
        for (i = 1; i <= count; i++) if (list[i] ~ suites) debianSuite = 1
      }
    }
    END { flush(); exit edited ? 0 : 3 }
  ' "$file" >"$out" && { cat "$out" >"$file"; changed=1; } || true
  rm -f "$out"
}

shopt -s nullglob
for f in "$parts"/*.sources; do mirror_deb822_stanzas "$f"; done
for f in "$etc/sources.list" "$parts"/*.list; do
  [ "$f" = "$ours" ] && continue
  mirror_one_line_entries "$f"
done
if [ $changed = 1 ]; then echo added; fi
