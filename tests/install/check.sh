#!/usr/bin/env bash
# Checks ETEROMETRO installed as a desktop application.
#   check.sh entry    SOURCE BUILD   the desktop entry passes desktop-file-validate, silently
#   check.sh metainfo SOURCE BUILD   the AppStream metainfo passes appstreamcli validate
#   check.sh layout   SOURCE BUILD   cmake --install into a temporary prefix: exactly the
#                                    expected files, naming each other, and a program that runs
#   check.sh deb      SOURCE BUILD   cpack -G DEB: the package's fields and files; installed
#                                    into an empty root and removed again, nothing left
set -euo pipefail
mode=$1 source=$2 build=$3
id=org.eterometro.eterometro
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The files an installation holds, relative to its prefix.
expected_files() {
    printf '%s\n' bin/eterometro \
        "share/applications/$id.desktop" \
        "share/icons/hicolor/scalable/apps/$id.svg" \
        "share/metainfo/$id.metainfo.xml" | sort
}

# The installed files under $1 name each other: the entry starts the
# installed program and shows the installed icon, the metainfo launches the entry.
check_tree() {
    local root=$1
    local entry="$root/share/applications/$id.desktop"
    grep -qx 'Exec=eterometro' "$entry" || fail "the entry does not start eterometro"
    grep -qx "Icon=$id" "$entry" || fail "the entry does not show the icon $id"
    grep -q "<id>$id</id>" "$root/share/metainfo/$id.metainfo.xml" || fail "metainfo id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
        "$root/share/metainfo/$id.metainfo.xml" || fail "metainfo does not launch $id.desktop"
    grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "the icon is no SVG"
    [ -x "$root/bin/eterometro" ] || fail "bin/eterometro is not executable"
    desktop-file-validate "$entry" || fail "the installed entry is not valid"
}

case $mode in
entry)
    out=$(desktop-file-validate "$source/desktop/$id.desktop" 2>&1) || fail "$out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    ;;
metainfo)
    appstreamcli validate --no-net "$source/desktop/$id.metainfo.xml" ||
        fail "appstreamcli validate"
    ;;
layout)
    cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
    diff -u <(expected_files) <(cd "$tmp/prefix" && find . -type f | sed 's|^\./||' | sort) ||
        fail "the installed files differ from the expected ones"
    check_tree "$tmp/prefix"
    appstreamcli validate-tree --no-net "$tmp/prefix" || fail "appstreamcli validate-tree"
    [ "$("$tmp/prefix/bin/eterometro" --version)" = "eterometro $version" ] ||
        fail "the installed program does not answer --version"
    ;;
deb)
    (cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >/dev/null)
    deb=$(ls "$tmp"/out/*.deb)
    [ "$(dpkg-deb -f "$deb" Package)" = eterometro ] || fail "package name"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
    depends=$(dpkg-deb -f "$deb" Depends)
    for lib in libqt6widgets6 libqt6svg6 libqt6printsupport6 libstdc++6; do
        [[ $depends == *"$lib"* ]] || fail "the package does not depend on $lib: $depends"
    done
    diff -u <(expected_files | sed 's|^|./usr/|') \
        <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sort) ||
        fail "the package's files differ from the expected ones"
    # Installed into an empty root of its own and removed again.
    root=$tmp/root
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
    touch "$root/var/lib/dpkg/status"
    dpkg=(env "PATH=$PATH:/usr/sbin:/sbin" dpkg --root="$root" --force-not-root
          --force-depends --log=/dev/null)
    "${dpkg[@]}" -i "$deb" >/dev/null
    check_tree "$root/usr"
    "${dpkg[@]}" --purge eterometro >/dev/null
    left=$(cd "$root" && find . -path ./var -prune -o -type f -print)
    [ -z "$left" ] || fail "files left after removing the package: $left"
    ;;
*)
    echo "usage: check.sh entry|metainfo|layout|deb SOURCE BUILD" >&2
    exit 2
    ;;
esac
