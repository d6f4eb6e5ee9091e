#!/usr/bin/env bash
# Builds the Debian package from a built Release folder and checks it as a
# user's machine would have it, unpacked into a scratch folder instead of
# installed: every file in place, the links on the PATH reaching the
# programs, the desktop entry, AppStream description and file type valid, the
# manual pages made from the tools' help, the dependencies declared, and the
# runner on the PATH analysing an installed example without writing into the
# program's folder.
# Usage: packaging/package-test.sh BUILD_DIR
set -uo pipefail
build="$(cd "${1:?usage: package-test.sh BUILD_DIR}" && pwd)"
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
id=com.tarvos.keldra
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

expect_file() {
  [ -f "$root/$1" ] || fail "the package has no $1"
}

work="$(mktemp -d "${TMPDIR:-/tmp}/keldra-package-test-XXXXXX")" || exit 1
trap 'rm -rf "$work"' EXIT

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
deb="$build/keldra_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
if ! (cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || [ ! -f "$deb" ]; then
  cat "$work/cpack.log"
  echo "FAIL: cpack made no $deb"
  exit 1
fi
root="$work/root"
dpkg-deb -x "$deb" "$root" || exit 1
echo "package-test: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"

# Package fields: the libraries the programs link, and Mesa's drivers.
[ "$(dpkg-deb -f "$deb" Package)" = keldra ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends="$(dpkg-deb -f "$deb" Depends)"
names=" $(sed 's/ ([^)]*)//g; s/,//g' <<<"$depends") "
for package in libqt6widgets6 libqt6charts6 libqt6svg6 libqt6svgwidgets6 libqt6openglwidgets6 \
               libqt6printsupport6 'libxlsxwriter[0-9]' libminizip1 libgl1-mesa-dri libstdc++6; do
  # shellcheck disable=SC2053  # the name may be a pattern
  [[ "$names" == *" "$package" "* ]] || fail "Depends lacks $package: $depends"
done
if dpkg-deb -c "$deb" | awk '$2 != "root/root"' | grep -q .; then
  fail "files not owned by root: $(dpkg-deb -c "$deb" | awk '$2 != "root/root"' | head -3)"
fi

# The programs sit beside the engine; the PATH has links to them.
lib=usr/lib/keldra
expect_file "$lib/libKeldraEngine.so"
expect_file "$lib/KeldraApp"
tools=()
for program in "$root/$lib"/*; do
  name="$(basename "$program")"
  [ -x "$program" ] && [ "$name" != KeldraApp ] && [[ "$name" != *.so ]] && tools+=("$name")
done
[[ " ${tools[*]} " == *" keldra-run "* ]] || fail "no keldra-run in /$lib"
for link in keldra:KeldraApp "${tools[@]}"; do
  name="${link%%:*}"
  target="$(readlink "$root/usr/bin/$name")"
  [ "$target" = "../lib/keldra/${link##*:}" ] || fail "/usr/bin/$name links to '$target'"
done
for program in KeldraApp "${tools[@]}" libKeldraEngine.so; do
  missing="$(ldd "$root/$lib/$program" | grep 'not found')" && fail "$program needs $missing"
  readelf -d "$root/$lib/$program" | grep -q 'R.*PATH' && fail "$program keeps a build RPATH"
done

# Manual pages made from each tool's --help.
for tool in "${tools[@]}"; do
  page="usr/share/man/man1/$tool.1.gz"
  expect_file "$page"
  [ -f "$root/$page" ] || continue
  text="$(zcat "$root/$page")"
  [[ "$text" == *".TH ${tool^^} \"1\""* ]] || fail "$page has no title line"
  option="$("$root/usr/bin/$tool" --help | grep -o -m1 -- '--[a-z-]*[a-z]' | grep -v -- '--help' | head -1)"
  [ -n "$option" ] && [[ "$text" == *"${option//-/\\-}"* ]] || fail "$page lacks the help's option '$option'"
done

# Documents and examples.
for doc in README.md userguide.html copyright; do expect_file "usr/share/doc/keldra/$doc"; done
for example in "$source_dir"/examples/*.kd5d "$source_dir"/examples/README.md; do
  expect_file "usr/share/keldra/examples/$(basename "$example")"
done

# Desktop entry, icons, file type and AppStream description.
desktop="usr/share/applications/$id.desktop"
expect_file "$desktop"
desktop-file-validate "$root/$desktop" || fail "desktop-file-validate $desktop"
grep -qx 'Exec=keldra %f' "$root/$desktop" || fail "$desktop does not start keldra with a file"
for icon in apps/$id mimetypes/application-x-keldra-project; do
  expect_file "usr/share/icons/hicolor/scalable/${icon%%/*}/${icon##*/}.svg"
  for size in 16 22 24 32 48 64 128 256; do
    png="usr/share/icons/hicolor/${size}x${size}/${icon%%/*}/${icon##*/}.png"
    file -b "$root/$png" | grep -q "PNG image data, $size x $size," || fail "$png is not a ${size}px PNG"
  done
done
expect_file usr/share/mime/packages/keldra.xml
cp -r "$root/usr/share/mime" "$work/mime"
if update-mime-database "$work/mime" >"$work/mime.log" 2>&1; then
  for glob in kd5d kd4d kdd; do
    grep -q "^50:application/x-keldra-project:\*\.$glob$" "$work/mime/globs2" ||
      fail "no file type for *.$glob"
  done
  grep -qx 'application/x-keldra-project:application-x-keldra-project' "$work/mime/icons" ||
    fail "the file type names no icon"
else
  fail "update-mime-database rejects keldra.xml: $(cat "$work/mime.log")"
fi
metainfo="usr/share/metainfo/$id.metainfo.xml"
expect_file "$metainfo"
appstreamcli validate --no-net "$root/$metainfo" >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli validate $metainfo: $(cat "$work/appstream.log")"
for tool in keldra "${tools[@]}"; do
  grep -q "<binary>$tool</binary>" "$root/$metainfo" || fail "$metainfo does not name $tool"
done

# The runner on the PATH finds the engine through its link and publishes the
# three outputs next to an installed example; the program folder stays as it was.
ls -la "$root/$lib" >"$work/before"
mkdir "$work/tmp"
examples="$root/usr/share/keldra/examples"
if ! TMPDIR="$work/tmp" "$root/usr/bin/keldra-run" "$examples/two_stage.kd5d" >"$work/run.log" 2>&1; then
  cat "$work/run.log"
  fail "keldra-run two_stage.kd5d did not exit with 0"
fi
for output in kd5o kd5p kd5r; do
  [ -s "$examples/two_stage.$output" ] || fail "no two_stage.$output after the run"
done
ls -la "$root/$lib" | diff "$work/before" - || fail "the run changed /$lib"
[ -z "$(ls -A "$work/tmp")" ] || fail "the run left $(ls "$work/tmp") in TMPDIR"

if [ "$failures" -ne 0 ]; then
  echo "package-test: $failures failures"
  exit 1
fi
echo "package-test: the package installs every file and its runner analyses an example"
