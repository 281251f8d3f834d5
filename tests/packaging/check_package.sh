#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of the Debian package (debian/), without installing it anywhere:
#   check_package.sh build    SOURCE_DIR PACKAGE_DIR   copies the source tree as it stands
#                                                     (without .git and what git ignores,
#                                                     such as the build folders) into
#                                                     PACKAGE_DIR/ravo and builds the source
#                                                     and binary packages with
#                                                     dpkg-buildpackage; no compiler, linker
#                                                     or packaging tool may warn
#   check_package.sh contents PACKAGE_DIR VERSION     its files, version and dependencies
#   check_package.sh lintian  PACKAGE_DIR             Debian's own checks, on the .changes
#   check_package.sh starts   PACKAGE_DIR             its ravo, unpacked into a temporary
#                                                     folder, starts offscreen and ends
#                                                     with status 0 on SIGTERM
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

the_one() { # package dir, glob below it
    local found=("$1"/$2)
    [ ${#found[@]} -eq 1 ] && [ -f "${found[0]}" ] || fail "expected one $2 in $1"
    echo "${found[0]}"
}

case "${1:-}" in
build)
    src=$2 out=$3
    rm -rf "$out"
    mkdir -p "$out/ravo"
    # The files git would commit, uncommitted changes included; a deleted file is left out.
    git -C "$src" ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do if [ -e "$src/$f" ]; then printf '%s\0' "$f"; fi; done |
        tar -C "$src" --null -T - -cf - | tar -C "$out/ravo" -xf -
    log=$out/build.log
    (cd "$out/ravo" && DEB_BUILD_OPTIONS="nocheck parallel=2" dpkg-buildpackage -us -uc) \
        >"$log" 2>&1 || { tail -n 60 "$log"; fail "dpkg-buildpackage failed (log: $log)"; }
    if grep -E '(^|: )warning: ' "$log"; then
        fail "the package build warns (log: $log)"
    fi
    the_one "$out" "ravo_*.changes"
    ;;
contents)
    deb=$(the_one "$2" "ravo_*.deb") version=$3
    listing=$(dpkg-deb --contents "$deb")
    echo "$listing"
    # Exactly these files: each once, the manual page and changelog compressed by the
    # packaging tools, nothing else that the build made.
    files=$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sort)
    expected="./usr/bin/ravo
./usr/share/applications/org.example.ravo.desktop
./usr/share/doc/ravo/changelog.gz
./usr/share/doc/ravo/copyright
./usr/share/icons/hicolor/scalable/apps/org.example.ravo.svg
./usr/share/man/man1/ravo.1.gz
./usr/share/metainfo/org.example.ravo.metainfo.xml"
    diff <(echo "$expected") <(echo "$files") || fail "the package holds other files than these"
    grep -q '^-rwxr-xr-x .* ./usr/bin/ravo$' <<<"$listing" || fail "ravo is not executable"
    got=$(dpkg-deb --field "$deb" Version)
    [ "$got" = "$version" ] || fail "the package is version $got, the program $version"
    depends=$(dpkg-deb --field "$deb" Depends)
    echo "Depends: $depends"
    # The window needs Qt's xcb platform plugin; the package that holds it on this system
    # must come with ravo, not as a mere recommendation.
    xcb=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' | cut -d: -f1 | head -n 1)
    [ -n "$xcb" ] || fail "no installed package holds Qt's xcb platform plugin"
    for p in fonts-liberation libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libc6 "$xcb"; do
        grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p"
    done
    ;;
lintian)
    changes=$(the_one "$2" "ravo_*.changes")
    # Source and binary packages; errors and warnings fail, the information lines are shown.
    lintian --fail-on error,warning --display-info --tag-display-limit 0 "$changes" ||
        fail "lintian finds errors or warnings in $changes"
    echo "lintian: no errors and no warnings"
    ;;
starts)
    deb=$(the_one "$2" "ravo_*.deb")
    root=$(mktemp -d)
    pid=
    cleanup() {
        [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
        rm -rf "$root"
    }
    trap cleanup EXIT
    dpkg-deb -x "$deb" "$root"
    ravo=$root/usr/bin/ravo
    [ -x "$ravo" ] || fail "no executable $ravo"
    # The installed program finds Qt where the system keeps it, not in a build folder.
    if readelf -d "$ravo" | grep -Eq 'R(UN)?PATH'; then
        fail "ravo carries a run path: $(readelf -d "$ravo" | grep -E 'R(UN)?PATH')"
    fi
    # What it says goes into a file, shown when the check fails.
    log=$root/ravo.log
    fail_with_log() {
        [ -s "$log" ] && sed 's/^/ravo: /' "$log" >&2
        fail "$@"
    }
    QT_QPA_PLATFORM=offscreen "$ravo" 2>"$log" &
    pid=$!
    # Ready once it handles SIGTERM (signal 15, bit 14 of SigCgt): the window is shown then.
    # Until the child has become ravo it is a copy of this shell, which may catch SIGTERM
    # itself, so only ravo's own mask counts.
    program=$(readlink -f "$ravo")
    ready=
    for _ in $(seq 1 200); do
        kill -0 "$pid" 2>/dev/null || break
        if [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" != "$program" ]; then
            sleep 0.1
            continue
        fi
        mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
        if [ -n "$mask" ] && (((0x$mask >> 14) & 1)); then
            ready=1
            break
        fi
        sleep 0.1
    done
    [ -n "$ready" ] || fail_with_log "ravo did not come up (or ended early)"
    kill -TERM "$pid"
    status=0
    for _ in $(seq 1 200); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail_with_log "ravo still runs 20 s after SIGTERM"
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail_with_log "ravo ended with status $status after SIGTERM"
    echo "ravo from the package started offscreen and ended with status 0"
    ;;
*)
    echo "usage: check_package.sh build SOURCE_DIR PACKAGE_DIR | contents DIR VERSION |" \
        "lintian DIR | starts DIR" >&2
    exit 2
    ;;
esac
