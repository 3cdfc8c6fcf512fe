#!/usr/bin/env bash
# scripts/apt-source-entries.sh over made-up apt configurations: the classic
# one-line file of a network-installed Debian 12, deb822 stanzas, entries that
# already fetch sources and third-party repositories that must be left alone.
set -euo pipefail
script="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/apt-source-entries.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# --- The classic file as the network installer writes it (no deb-src at all).
etc="$work/classic"; mkdir -p "$etc/sources.list.d"
cat >"$etc/sources.list" <<'LIST'
#deb cdrom:[Debian GNU/Linux 12.5.0 _Bookworm_ - Official amd64 NETINST]/ bookworm main

deb http://deb.debian.org/debian/ bookworm main non-free-firmware
deb http://security.debian.org/debian-security bookworm-security main non-free-firmware
deb [arch=amd64] http://ftp.de.debian.org/debian/ bookworm-updates main  # a comment
deb [arch=amd64 signed-by=/etc/apt/keyrings/docker.gpg] https://download.docker.com/linux/debian bookworm stable
LIST
echo 'deb https://packages.cloud.google.com/apt cloud-sdk-bookworm main' >"$etc/sources.list.d/google.list"
before="$(cat "$etc/sources.list")"
[ "$(bash "$script" "$etc")" = added ] || fail "classic: nothing reported added"
[ "$(cat "$etc/sources.list")" = "$before" ] || fail "classic: the user's sources.list was rewritten"
expected='deb-src http://deb.debian.org/debian/ bookworm main non-free-firmware
deb-src http://security.debian.org/debian-security bookworm-security main non-free-firmware
deb-src [arch=amd64] http://ftp.de.debian.org/debian/ bookworm-updates main'
got="$(cat "$etc/sources.list.d/kelvra-deb-src.list" 2>/dev/null || true)"
[ "$got" = "$expected" ] || fail "classic: got
$got"
[ -z "$(bash "$script" "$etc")" ] || fail "classic: a second run added again"
[ "$(cat "$etc/sources.list.d/kelvra-deb-src.list")" = "$expected" ] || fail "classic: second run changed the file"

# --- A classic file that already has its deb-src twins: nothing to do.
etc="$work/classic-with-src"; mkdir -p "$etc/sources.list.d"
printf '%s\n' 'deb http://deb.debian.org/debian bookworm main' 'deb-src http://deb.debian.org/debian bookworm main' >"$etc/sources.list"
[ -z "$(bash "$script" "$etc")" ] || fail "classic with deb-src: reported a change"
[ ! -e "$etc/sources.list.d/kelvra-deb-src.list" ] || fail "classic with deb-src: wrote a file"

# --- deb822 stanzas: Debian's gain deb-src in place; others stay.
etc="$work/deb822"; mkdir -p "$etc/sources.list.d"
cat >"$etc/sources.list.d/debian.sources" <<'LIST'
Types: deb
# http://snapshot.debian.org/archive/debian/20250520T000000Z
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main contrib
Enabled: no
LIST
cat >"$etc/sources.list.d/node.sources" <<'LIST'
Types: deb
URIs: https://deb.nodesource.com/node_20.x
Suites: nodistro
Components: main
Signed-By: /usr/share/keyrings/nodesource.gpg
LIST
[ "$(bash "$script" "$etc")" = added ] || fail "deb822: nothing reported added"
[ "$(grep -c '^Types: deb deb-src$' "$etc/sources.list.d/debian.sources")" = 1 ] || fail "deb822: Debian's enabled stanza not mirrored (or the disabled one was)"
grep -q '^# http://snapshot' "$etc/sources.list.d/debian.sources" || fail "deb822: comment lost"
grep -q '^Types: deb$' "$etc/sources.list.d/node.sources" || fail "deb822: a third-party stanza was changed"
[ -z "$(bash "$script" "$etc")" ] || fail "deb822: a second run changed again"

# --- Nothing configured at all: no change, no error.
etc="$work/empty"; mkdir -p "$etc"
[ -z "$(bash "$script" "$etc")" ] || fail "empty: reported a change"

if [ $failures -gt 0 ]; then exit 1; fi
echo "apt source entries: all cases pass"
