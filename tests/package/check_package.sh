#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree and checks it:
# its files, its control fields, its desktop entry and AppStream metadata,
# the packaged program itself, and lintian (no errors; warnings allowed).
# Usage: check_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2

fail() {
    echo "FALLO: $*" >&2
    exit 1
}
for tool in cpack dpkg-deb lintian appstreamcli; do
    command -v "$tool" >/dev/null || fail "falta $tool (tools/setup.sh lo instala)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
deb="$work/amsim_${version}_amd64.deb"
[[ -f $deb ]] || fail "no se generó $deb"

contents=$(dpkg-deb --contents "$deb")
# The application's id is the desktop entry's name; the metadata and the
# icon must carry the same one.
id=$(sed -n 's|.* \./usr/share/applications/\(.*\)\.desktop$|\1|p' <<<"$contents")
[[ $(wc -w <<<"$id") == 1 ]] || fail "se esperaba una entrada de escritorio: $id"
for file in usr/bin/amsim \
    "usr/share/applications/$id.desktop" \
    "usr/share/metainfo/$id.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    usr/share/doc/amsim/copyright usr/share/doc/amsim/changelog.gz \
    usr/share/man/man1/amsim.1.gz usr/share/man/en/man1/amsim.1.gz \
    usr/share/man/pt_BR/man1/amsim.1.gz; do
    grep -q " \./$file\$" <<<"$contents" || fail "el paquete no contiene $file"
done

[[ $(dpkg-deb -f "$deb" Package) == amsim ]] || fail "nombre del paquete"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "versión del paquete"
depends=$(dpkg-deb -f "$deb" Depends)
# The first three are loaded at run time; the last two are found by dpkg-shlibdeps.
for dependency in fonts-liberation libqt6svg6 qt6-translations-l10n libqt6widgets6 \
    libqt6multimedia6; do
    grep -q "\b$dependency\b" <<<"$depends" || fail "falta la dependencia $dependency: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/$id.desktop"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi
grep -qx "Exec=amsim" "$desktop" || fail "Exec de la entrada de escritorio"
grep -qx "Icon=$id" "$desktop" || fail "Icon de la entrada de escritorio"
grep -qx "Name=Simulador de AM, DSB y SSB" "$desktop" || fail "Name de la entrada de escritorio"
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli"
grep -q "<id>$id</id>" "$metainfo" || fail "el id de los metadatos no es $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "los metadatos no lanzan $id.desktop"

# The packaged (stripped) program runs and exports without a display.
[[ $("$root/usr/bin/amsim" --version) == "amsim $version" ]] || fail "amsim --version"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" \
    "$root/usr/bin/amsim" --export "$work/shot.png" || fail "amsim --export"
[[ $(head -c 8 "$work/shot.png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
    fail "amsim --export no escribió un PNG"

report=$(lintian --fail-on none "$deb" 2>/dev/null) || fail "lintian no pudo revisar el paquete"
echo "$report"
if grep -q '^E:' <<<"$report"; then
    fail "lintian informa de errores"
fi
if grep -q 'no-manual-page\|manpage\|groff' <<<"$report"; then
    fail "lintian se queja de la página de manual"
fi
echo "Paquete correcto: $(basename "$deb")"
