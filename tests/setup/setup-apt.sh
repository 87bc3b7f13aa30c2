#!/usr/bin/env bash
# scripts/setup.sh against stand-in apt-get, dpkg-query, dpkg and id commands:
# a machine with nothing to do touches nothing, a failed index update is tried
# again and then ridden out, and an install that fails after a partial update
# says why and to try again later. No network, no root, nothing installed.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

stubs="$work/bin"
mkdir -p "$stubs" "$work/etc-apt" "$work/lists"
touch "$work/lists/deb.debian.org_debian_dists_bookworm_main_Sources"
# Each stand-in appends what it was asked to $STUB_CALLS and answers from the
# STUB_* settings of the case.
cat >"$stubs/id" <<'STUB'
#!/bin/sh
echo "${STUB_UID:-0}"
STUB
cat >"$stubs/dpkg-query" <<'STUB'
#!/bin/sh
for p; do :; done
case " $STUB_MISSING " in *" $p "*) echo not-installed ;; *) echo installed ;; esac
STUB
cat >"$stubs/dpkg" <<'STUB'
#!/bin/sh
echo "dpkg $*" >>"$STUB_CALLS"
[ "$1" = --print-foreign-architectures ] && echo i386
exit 0
STUB
cat >"$stubs/apt-get" <<'STUB'
#!/bin/sh
echo "apt-get $*" >>"$STUB_CALLS"
case "$*" in
  update*)
    tries=$(grep -c '^apt-get update' "$STUB_CALLS")
    if [ "$STUB_UPDATE_FAILS" = always ] || [ "$tries" -le "$STUB_UPDATE_FAILS" ]; then
      echo "Err:9 http://deb.example/debian-security bookworm-security/main i386 Packages"
      echo "  File has unexpected size (374820 != 376004). Mirror sync in progress?"
      echo "E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
      exit 100
    fi ;;
  install*)
    if [ "$STUB_INSTALL" = fail ]; then
      echo "The following packages have unmet dependencies:"
      echo " libz-dev:i386 : Depends: zlib1g:i386 (= 1:1.2.13) but it is not going to be installed"
      echo "E: Unable to correct problems, you have held broken packages."
      exit 100
    fi ;;
esac
exit 0
STUB
chmod +x "$stubs"/*

# name | missing packages | uid | update fails (count or always) | install | exit | expected calls | expected message (grep -E) or -
cases=(
  "nothing to do|||0|ok|0|^$|^$"
  "not root|nsis|1000|0|ok|1|^$|run this script as root"
  "update fails once, then works|nsis zip|0|1|ok|0|^update update install .*nsis zip$|try 1 of 3"
  "update always fails, install works|nsis|0|always|ok|0|^update update update install .*nsis$|carried on without it\): http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz"
  "update always fails, install fails|wine32:i386|0|always|fail|1|^update update update install .*wine32:i386$|partly synced.*again later"
  "install fails, the reason is named|wine32:i386|0|always|fail|1|.|install said: libz-dev:i386 : Depends: zlib1g:i386 .* not going to be installed"
  "install fails after a good update|nsis|0|0|fail|1|.|failed: apt-get install nsis"
)
for row in "${cases[@]}"; do
  IFS='|' read -r name missing uid update_fails install want_exit want_calls want_message <<<"$row"
  calls="$work/calls"
  : >"$calls"
  status=0
  output=$(env PATH="$stubs:$PATH" STUB_CALLS="$calls" STUB_MISSING="$missing" STUB_UID="${uid:-0}" \
    STUB_UPDATE_FAILS="$update_fails" STUB_INSTALL="$install" \
    PW_SETUP_APT_ETC="$work/etc-apt" PW_SETUP_APT_LISTS="$work/lists" \
    PW_SETUP_UPDATE_TRIES=3 PW_SETUP_UPDATE_PAUSE=0 PW_WINDOWS_TREE=win32 \
    bash "$root/scripts/setup.sh" 2>&1) || status=$?
  # The apt-get verbs in order, e.g. "update update install -y ... nsis".
  apt_calls=$(sed -n 's/^apt-get \(update\).*/\1/p; s/^apt-get \(install.*\)/\1/p' "$calls" | paste -sd' ')
  [[ "$status" == "$want_exit" ]] || fail "$name: exit $status, expected $want_exit; said: $output"
  [[ "$apt_calls" =~ $want_calls ]] || fail "$name: apt-get was called as '$apt_calls'"
  if [[ "$want_message" == '^$' ]]; then
    [[ -z "$output" ]] || fail "$name: expected silence, got: $output"
  elif ! grep -qE -- "$want_message" <<<"$output"; then
    fail "$name: no message like '$want_message' in: $output"
  fi
done

if ((failures)); then
  exit 1
fi
echo "setup against stand-in apt: ok (${#cases[@]} cases)"
