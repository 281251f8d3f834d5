#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of the Debian package, without installing it anywhere:
#   check_package.sh build    BUILD_DIR PACKAGE_DIR   builds the .deb into PACKAGE_DIR
#   check_package.sh contents PACKAGE_DIR             its files and dependencies
#   check_package.sh lintian  PACKAGE_DIR             Debian's own checks of a package
#   check_package.sh starts   PACKAGE_DIR             its ravo, unpacked into a temporary
#                                                    folder, starts offscreen and ends
#                                                    with status 0 on SIGTERM
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

the_deb() { # package dir
    local debs=("$1"/ravo_*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one ravo_*.deb in $1"
    echo "${debs[0]}"
}

case "${1:-}" in
build)
    build=$2 out=$3
    rm -rf "$out"
    mkdir -p "$out"
    cpack --config "$build/CPackConfig.cmake" -B "$out"
    deb=$(the_deb "$out")
    echo "built $deb"
    ;;
contents)
    deb=$(the_deb "$2")
    listing=$(dpkg-deb --contents "$deb")
    echo "$listing"
    for f in ./usr/bin/ravo \
        ./usr/share/applications/org.example.ravo.desktop \
        ./usr/share/icons/hicolor/scalable/apps/org.example.ravo.svg \
        ./usr/share/metainfo/org.example.ravo.metainfo.xml; do
        grep -q " $f\$" <<<"$listing" || fail "$f is not in the package"
    done
    for f in ./usr/share/doc/ravo/copyright ./usr/share/doc/ravo/changelog.gz \
        ./usr/share/man/man1/ravo.1.gz; do
        grep -q " $f\$" <<<"$listing" || fail "$f is not in the package"
    done
    grep -q '^-rwxr-xr-x .* ./usr/bin/ravo$' <<<"$listing" || fail "ravo is not executable"
    depends=$(dpkg-deb --field "$deb" Depends)
    echo "Depends: $depends"
    for p in fonts-liberation libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libc6; do
        grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p"
    done
    ;;
lintian)
    deb=$(the_deb "$2")
    # Errors and warnings fail; the information lines that remain are shown.
    lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" ||
        fail "lintian finds errors or warnings in $deb"
    echo "lintian: no errors and no warnings"
    ;;
starts)
    deb=$(the_deb "$2")
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
    QT_QPA_PLATFORM=offscreen "$ravo" &
    pid=$!
    # Ready once it handles SIGTERM (signal 15, bit 14 of SigCgt): the window is shown then.
    ready=
    for _ in $(seq 1 200); do
        kill -0 "$pid" 2>/dev/null || break
        mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
        if [ -n "$mask" ] && (((0x$mask >> 14) & 1)); then
            ready=1
            break
        fi
        sleep 0.1
    done
    [ -n "$ready" ] || fail "ravo did not come up (or ended early)"
    kill -TERM "$pid"
    status=0
    for _ in $(seq 1 200); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "ravo still runs 20 s after SIGTERM"
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "ravo ended with status $status after SIGTERM"
    echo "ravo from the package started offscreen and ended with status 0"
    ;;
*)
    echo "usage: check_package.sh build BUILD_DIR PACKAGE_DIR | contents DIR | lintian DIR |" \
        "starts DIR" >&2
    exit 2
    ;;
esac
