#!/usr/bin/env bash
# Installs what building, testing and releasing Pastewise needs on Debian 12.
# Safe to run again: it changes nothing when everything is already there,
# and needs root only when it has something to install.
set -euo pipefail

packages=(
  cmake make g++
  libgtest-dev googletest
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  wine xvfb xauth
  libjpeg62-turbo-dev
  dpkg-dev
  clang-format
  clang libclang-rt-14-dev
  nsis zip unzip
  ccache
)

say() { printf 'setup: %s\n' "$*" >&2; }

# The 32-bit Wine where the machine runs 32-bit programs; elsewhere the 64-bit
# one, with the compiler for the 64-bit build the tests run there.
if [[ "$("$(dirname "${BASH_SOURCE[0]}")/windows-tree.sh")" == win32 ]]; then
  packages+=(wine32:i386)
  wants_i386=1
else
  packages+=(wine64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    mingw-w64-x86-64-dev)
  wants_i386=0
fi

# Where apt keeps its settings and lists; the set-up's own test points them elsewhere.
apt_etc="${PW_SETUP_APT_ETC:-/etc/apt}"
apt_lists="${PW_SETUP_APT_LISTS:-/var/lib/apt/lists}"

is_installed() {
  [[ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" == installed ]]
}

# A Debian archive URI: deb.debian.org, security.debian.org, a country mirror, snapshots.
debian_uri='://([^/[:space:]]*\.)?debian\.org/'

# Prints the deb822 .sources file with deb-src added to the Types of every
# stanza that points at a Debian archive.
add_deb_src_deb822() {
  awk -v uri="$debian_uri" '
    function flush(   i) {
      for (i = 1; i <= n; i++) {
        if (i == types_at && debian && lines[i] !~ /deb-src/) lines[i] = lines[i] " deb-src"
        print lines[i]
      }
      n = 0; types_at = 0; debian = 0
    }
    /^[[:space:]]*$/ { flush(); print; next }
    {
      lines[++n] = $0
      if ($0 ~ /^Types:/) types_at = n
      if ($0 ~ /^URIs:/ && $0 ~ uri) debian = 1
    }
    END { flush() }
  ' "$1"
}

# Prints the one-line-style list file with a deb-src line added after every
# Debian "deb" line that has no deb-src twin.
add_deb_src_one_line() {
  awk -v uri="$debian_uri" '
    { lines[NR] = $0 }
    /^[[:space:]]*deb-src[[:space:]]/ { have[substr($0, index($0, "deb-src") + 7)] = 1 }
    END {
      for (i = 1; i <= NR; i++) {
        print lines[i]
        if (lines[i] ~ /^[[:space:]]*deb[[:space:]]/ && lines[i] ~ uri) {
          rest = substr(lines[i], index(lines[i], "deb") + 3)
          if (!(rest in have)) print "deb-src" rest
        }
      }
    }
  ' "$1"
}

# Lists the apt source files whose Debian entries lack deb-src.
sources_without_deb_src() {
  local f
  for f in "$apt_etc"/sources.list.d/*.sources; do
    [[ -f "$f" ]] && ! cmp -s "$f" <(add_deb_src_deb822 "$f") && printf '%s\n' "$f"
  done
  for f in "$apt_etc"/sources.list "$apt_etc"/sources.list.d/*.list; do
    [[ -f "$f" ]] && ! cmp -s "$f" <(add_deb_src_one_line "$f") && printf '%s\n' "$f"
  done
  return 0
}

have_source_indexes() {
  compgen -G "$apt_lists/*_Sources*" >/dev/null
}

need_i386=0
if ((wants_i386)); then
  dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1
fi
mapfile -t src_files < <(sources_without_deb_src)
missing=()
for p in "${packages[@]}"; do
  is_installed "$p" || missing+=("$p")
done
need_update=0
if ((need_i386)) || ((${#src_files[@]})) || ((${#missing[@]})) || ! have_source_indexes; then
  need_update=1
fi

if ((need_update == 0)); then
  exit 0
fi

if [[ "$(id -u)" != 0 ]]; then
  say "packages or apt settings are missing; run this script as root (e.g. sudo $0)"
  ((${#missing[@]})) && say "missing: ${missing[*]}"
  exit 1
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
run_quietly() {
  if ! "$@" >"$log" 2>&1; then
    say "failed: $*"
    tail -n 40 "$log" >&2
    exit 1
  fi
}

if ((need_i386)); then
  say "enabling the i386 architecture"
  run_quietly dpkg --add-architecture i386
fi
for f in "${src_files[@]}"; do
  say "enabling source packages in $f"
  if [[ "$f" == *.sources ]]; then
    add_deb_src_deb822 "$f" >"$f.new"
  else
    add_deb_src_one_line "$f" >"$f.new"
  fi
  chmod --reference="$f" "$f.new"
  mv "$f.new" "$f"
done

export DEBIAN_FRONTEND=noninteractive

# A mirror that is being synced can serve an index that does not match its
# release file for a minute or two; apt-get update then fails although every
# other list arrived. Try again a few times, then go on with the lists there
# are and let the install decide whether they are enough.
update_tries="${PW_SETUP_UPDATE_TRIES:-4}"
update_pause="${PW_SETUP_UPDATE_PAUSE:-15}"
update_log=$(mktemp)
trap 'rm -f "$log" "$update_log"' EXIT
updated=0
for ((try = 1; try <= update_tries; try++)); do
  say "updating the package lists"
  if apt-get update -q >"$update_log" 2>&1; then
    updated=1
    break
  fi
  if ((try < update_tries)); then
    say "apt-get update failed (try $try of $update_tries); trying again in ${update_pause}s"
    sleep "$update_pause"
  fi
done
# The indexes apt could not fetch, one line each: "E: Failed to fetch URL  reason".
unfetched() {
  sed -n 's/^[EW]: Failed to fetch \([^[:space:]]*\).*/\1/p' "$update_log" | sort -u
}
if ((updated == 0)); then
  say "apt-get update still fails after $update_tries tries; going on with the package lists there are"
fi

if ((${#missing[@]})); then
  say "installing ${missing[*]}"
  if ! apt-get install -y -q --no-install-recommends "${missing[@]}" >"$log" 2>&1; then
    if ((updated)); then
      say "failed: apt-get install ${missing[*]}"
      tail -n 40 "$log" >&2
      exit 1
    fi
    say "the install failed after an incomplete update of the package lists: the package archive looks partly synced (or could not be reached). Run this command again later."
    while read -r url; do say "could not fetch: $url"; done < <(unfetched)
    # The line that says why, e.g. "Depends: zlib1g:i386 ... but it is not going to be installed".
    reason=$(grep -E 'Depends:|^E: ' "$log" | head -n 1 || true)
    [[ -n "$reason" ]] || reason=$(tail -n 1 "$log")
    say "apt-get install said: ${reason#"${reason%%[![:space:]]*}"}"
    exit 1
  fi
fi
if ((updated == 0)); then
  while read -r url; do say "could not fetch (carried on without it): $url"; done < <(unfetched)
fi
