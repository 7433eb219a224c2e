#!/usr/bin/env bash
# test_package.sh BUILD_DIR SCHEMA_SQL
# Makes the Debian package from this build directory, unpacks it into a
# temporary root and checks that it holds what an installed hall needs: the
# programs, a template database of the current schema that every user may
# copy, a desktop entry that starts the program, the owner's view as a user
# service that is not enabled, a Depends line that names every library the
# programs load, and nothing Debian's own checks (lintian, the desktop entry
# and AppStream validators) would refuse.
set -euo pipefail
build="$1"
schema="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if ! (cd "$build" && cpack -G DEB -B "$work/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$work/cpack.log" 2>&1); then
    cat "$work/cpack.log" >&2
    fail "cpack could not make the package"
fi
debs=("$work"/out/tavoro_*.deb)
deb="${debs[0]}"
[[ -f "$deb" ]] || fail "cpack wrote no tavoro_*.deb"
root="$work/root"
dpkg-deb -x "$deb" "$root"

programs=(tavoro tavoro-makedb tavoro-lightsim tavoro-cardsim tavoro-web)
for program in "${programs[@]}"; do
    [[ -x "$root/usr/bin/$program" ]] || fail "usr/bin/$program is missing or not executable"
    [[ -s "$root/usr/share/man/man1/$program.1.gz" ]] || fail "$program has no manual page"
done
template=usr/share/tavoro/jssfserver.mdb
desktop=usr/share/applications/tavoro.desktop
for file in "$template" "$desktop" usr/share/icons/hicolor/scalable/apps/tavoro.svg \
    usr/share/doc/tavoro/manual/index.html; do
    [[ -s "$root/$file" ]] || fail "$file is missing or empty"
done

# The maker writes files only their owner reads; the template is copied by
# whichever user starts the program first.
mode="$(dpkg-deb -c "$deb" | awk -v path="./$template" '$6 == path { print $1 }')"
[[ "$mode" == -??????r?? ]] || fail "$template is $mode, not readable by every user"

exec="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$root/$desktop")"
[[ -n "$exec" && -x "$root/usr/bin/$exec" ]] || fail "the desktop entry starts '$exec', which the package lacks"
icon="$(sed -n 's/^Icon=//p' "$root/$desktop")"
[[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ]] || fail "the desktop entry's icon '$icon' is missing"

unit="$root/usr/lib/systemd/user/tavoro-web.service"
[[ -s "$unit" ]] || fail "the owner's view has no user service"
started="$(sed -n 's/^ExecStart=\([^ ]*\).*/\1/p' "$unit")"
[[ -n "$started" && -x "$root$started" ]] || fail "the owner's view's service starts '$started', which the package lacks"
# Off until the owner turns it on: nothing enables the service at install.
if [[ -n "$(find "$root" -path '*.wants/*')" ]] || dpkg-deb -I "$deb" postinst >/dev/null 2>&1; then
    fail "the package enables the owner's view"
fi

# Every package that owns a library a program links must be a dependency.
# The plugin, Qt's translations and the fonts are loaded while running, so no
# linker names them.
mapfile -t depends < <(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/([^)]*)//; s/[[:space:]]//g')
needs=(libqt6sql6-sqlite qt6-translations-l10n fonts-noto-cjk fonts-wqy-microhei)
multiarch="$(gcc -print-multiarch)" # not the lib32 copies of libc6-i386
for program in "${programs[@]}"; do
    for soname in $(readelf -d "$root/usr/bin/$program" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
        case "$soname" in
        libasan.* | libubsan.*) continue ;; # the sanitizers of a test build
        esac
        owner="$(dpkg -S "*/$multiarch/$soname" 2>/dev/null | head -n 1 | cut -d: -f1)"
        [[ -n "$owner" ]] || fail "no installed package owns $soname, which $program links"
        needs+=("$owner")
    done
done
for package in "${needs[@]}"; do
    printf '%s\n' "${depends[@]}" | grep -qxF "$package" || fail "Depends lacks $package"
done

# The unpacked maker makes a database with every table of the schema, and
# the template is exactly what it makes.
made="$root/hall/jssfserver.mdb"
mkdir -p "$root/hall"
"$root/usr/bin/tavoro-makedb" "$made" >/dev/null || fail "the unpacked tavoro-makedb failed"
tables() {
    sqlite3 "$1" "select name from sqlite_master where type = 'table' and substr(name, 1, 7) <> 'sqlite_'"
}
expected="$(sed -n 's/^CREATE TABLE \([A-Za-z0-9_]*\).*/\1/p' "$schema" | sort)"
[[ "$(sqlite3 "$made" 'pragma integrity_check')" == ok ]] || fail "the made database is damaged"
[[ -n "$expected" && "$(tables "$made" | sort)" == "$expected" ]] || fail "the made database lacks tables of the schema"
[[ "$(sqlite3 "$root/$template" .schema)" == "$(sqlite3 "$made" .schema)" ]] ||
    fail "the template's schema is not the one tavoro-makedb makes"
[[ "$(sqlite3 "$root/$template" 'select count(*) from czyzd')" -gt 0 ]] || fail "the template lacks the shipped operators"
desktop-file-validate "$root/$desktop" || fail "desktop-file-validate refuses $desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/tavoro.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "appstreamcli refuses the AppStream metadata"; }
# Errors and warnings are what Debian refuses a package for; the lesser tags
# are advice.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log" >&2; fail "lintian reports errors or warnings"; }
echo "PASS: $(basename "$deb")"
