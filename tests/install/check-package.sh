#!/usr/bin/env bash
# check-package.sh BUILD_DIR
#
# Builds the Debian package of a build folder and tests what it installs, as a user gets it:
# the package is unpacked into a temporary root, and the programs run from there. Checks the
# control data (Depends from the shared libraries, the Recommends, the conffile, the version of
# the project with a Debian revision, as the changelog's latest entry names it), lintian's
# verdict (no error, no warning; the lesser tags are printed), the layout (programs in usr/bin,
# the Access reader in usr/lib/quorvane, NameFormat.ini in etc/quorvane, templates and examples
# in usr/share/quorvane, manual pages, copyright and changelog, a desktop entry that
# desktop-file-validate accepts), and that the unpacked
# quorvane-gen finds its NameFormat.ini (a changed format in etc/quorvane shows in the output,
# one of the user's wins over it) and its Access reader (a run over the Access example works).
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: check-package.sh BUILD_DIR" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
start=$SECONDS
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "install test: FAIL: $*" >&2
    failures=$((failures + 1))
}
check() { # check DESCRIPTION COMMAND...
    local description=$1
    shift
    "$@" || fail "$description"
}

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log" >&2
    echo "install test: cpack failed" >&2
    exit 1
}
deb=$(ls "$work"/package/quorvane_*.deb)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

# --- Control data.
field() { dpkg-deb -f "$deb" "$1"; }
package_version=$(field Version)
check "the package's version ($package_version) is the project's ($version) with a Debian revision" \
    test "${package_version%-*}" = "$version" -a "$package_version" != "$version"
depends=$(field Depends)
for library in libmdb libodbc libsqlite3 libfbclient libqt6widgets6 libstdc++6; do
    check "Depends names $library (from the shared libraries): $depends" \
        grep -q "$library" <<<"$depends"
done
check "Recommends the ODBC drivers and the embedded Firebird engine" \
    test "$(field Recommends)" = "odbc-postgresql, odbc-mariadb, tdsodbc, firebird3.0-server-core"
dpkg-deb --ctrl-tarfile "$deb" | tar -x -C "$work" ./conffiles
check "NameFormat.ini is a conffile" grep -qx /etc/quorvane/NameFormat.ini "$work/conffiles"

# --- lintian, as a packager runs it: an error or a warning fails the test. Its tags below
# warning level are information; `lintian -I --pedantic` on the package lists them.
lintian_status=0
lintian -I --pedantic --fail-on error,warning "$deb" >"$work/lintian.log" 2>"$work/lintian.err" ||
    lintian_status=$?
lintian_problems=$(grep -E '^(E|W): ' "$work/lintian.log" || true)
check "lintian reports no error and no warning: $lintian_problems" test -z "$lintian_problems"
# 2 is lintian's status for tags of the levels --fail-on names, 1 that of a failure to check.
check "lintian runs (status $lintian_status): $(grep -v 'root privileges' "$work/lintian.err" || true)" \
    test "$lintian_status" -eq 0 -o "$lintian_status" -eq 2

# --- Layout.
root=$work/root
dpkg-deb -x "$deb" "$root"
for file in usr/bin/quorvane usr/bin/quorvane-gen usr/lib/quorvane/quorvane-mdb-reader; do
    check "$file is an installed program" test -x "$root/$file"
done
for file in etc/quorvane/NameFormat.ini \
    usr/share/quorvane/templates/MidasProject/Midas_Client/Midas_Client.dpr \
    usr/share/quorvane/templates/MidasProject-dbExpress \
    usr/share/quorvane/examples/orders.mdb usr/share/quorvane/examples/orders.sqlite \
    usr/share/quorvane/examples/orders.udl usr/share/quorvane/examples/orders-map.txt \
    usr/share/man/man1/quorvane.1.gz usr/share/man/man1/quorvane-gen.1.gz \
    usr/share/doc/quorvane/copyright usr/share/doc/quorvane/changelog.Debian.gz \
    usr/share/applications/quorvane.desktop \
    usr/share/icons/hicolor/scalable/apps/quorvane.svg; do
    check "$file is installed" test -e "$root/$file"
done
zcat "$root/usr/share/doc/quorvane/changelog.Debian.gz" >"$work/changelog"
check "the changelog's latest entry is the package's version ($package_version)" \
    test "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$package_version"
stray=$(cd "$root" && find . -type f ! -path './usr/*' ! -path './etc/quorvane/*')
check "nothing outside usr/ and etc/quorvane/: $stray" test -z "$stray"
check "usr/bin holds the two programs only" \
    test "$(ls "$root/usr/bin" | tr '\n' ' ')" = "quorvane quorvane-gen "
check "the desktop entry is valid" desktop-file-validate "$root/usr/share/applications/quorvane.desktop"
check "the manual page of quorvane-gen reads" \
    sh -c "zcat '$root/usr/share/man/man1/quorvane-gen.1.gz' | grep -q 'Quorvane $version'"

# --- The unpacked programs find their files.
gen=$root/usr/bin/quorvane-gen
check "--version prints the project's version" test "$("$gen" --version)" = "quorvane-gen $version"
examples=$root/usr/share/quorvane/examples
# The user's own folders are empty unless a case fills them.
export HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME"
sed -i 's/^ClientDataSetName=.*/ClientDataSetName=%s_FromEtc/' "$root/etc/quorvane/NameFormat.ini"
run() { # run NAME: generates the Access example into $work/NAME
    "$gen" --template "$root/usr/share/quorvane/templates/MidasProject" --output "$work/$1" \
        --database "$examples/orders.mdb" --map-file "$examples/orders-map.txt" \
        >"$work/$1.log" 2>&1
}
if run system; then
    module=$work/system/MidasProject/Midas_Client/dmClient.dfm
    check "the Access example is read through the installed reader" grep -q "Orders_FromEtc" "$module"
    check "etc/quorvane/NameFormat.ini names the client datasets" \
        sh -c "! grep -q '_CDS' '$module'"
else
    fail "quorvane-gen over the Access example: $(cat "$work/system.log")"
fi
mkdir -p "$XDG_CONFIG_HOME/quorvane"
printf '[NameFormatStrings]\r\nClientDataSetName=%%s_FromUser\r\n' \
    >"$XDG_CONFIG_HOME/quorvane/NameFormat.ini"
if run user; then
    check "the user's NameFormat.ini comes before the system's" \
        grep -q "Orders_FromUser" "$work/user/MidasProject/Midas_Client/dmClient.dfm"
else
    fail "quorvane-gen with the user's NameFormat.ini: $(cat "$work/user.log")"
fi

if [ $failures -ne 0 ]; then
    echo "install test: $failures check(s) failed" >&2
    exit 1
fi
echo "install test: the package installs and runs as it should ($((SECONDS - start)) s)"
