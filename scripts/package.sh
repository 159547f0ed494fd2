#!/usr/bin/env bash
# Makes the release files from the two builds: for win32 and win64 each, a zip of the program
# directory and an installer, named Tamborel-<version>-<build>.zip and -setup.exe, in
# build/release. The version is the one the program's version resource gives. The help page's
# pictures are taken from the real program under Wine first (scripts/screenshots.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${TAMBOREL_BUILD:-$top/build}
out=$root/release
"$top/scripts/setup.sh"
"$top/scripts/build.sh" all
[ "${TAMBOREL_SKIP_SCREENSHOTS:-}" = 1 ] || "$top/scripts/screenshots.sh"
version=$(python3 "$top/tools/pe_version.py" "$root/win64/dist/Tamborel.exe")
rm -rf "$out"
mkdir -p "$out"
for build in win32 win64; do
  # What the program made while it ran from its build folder (settings, logs, outputs) is not
  # part of it: the release is made from a clean copy.
  dist=$out/stage/$build
  mkdir -p "$dist"
  cp -r "$root/$build/dist/." "$dist/"
  rm -rf "$dist"/lexer/*.xml "$dist"/log/* "$dist"/work/*
  [ -d "$root/help" ] && cp -r "$root/help" "$dist/"
  name=Tamborel-$version-$build
  (cd "$dist" && python3 - "$out/$name.zip" "$name" <<'PY'
import os, sys, zipfile
archive, folder = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
    for base, dirs, files in os.walk("."):
        dirs.sort()
        rel = os.path.normpath(base)
        if not files and not dirs:
            z.writestr(os.path.join(folder, rel) + "/", "")
        for f in sorted(files):
            z.write(os.path.join(base, f), os.path.join(folder, rel, f))
PY
  )
  target=amd64-unicode
  [ "$build" = win32 ] && target=x86-unicode
  makensis -V1 -INPUTCHARSET UTF8 -DVERSION="$version" -DTARGET=$target -DDIST="$dist" \
    -DICON="$root/$build/resources/Tamborel.ico" -DOUTFILE="$out/$name-setup.exe" "$top/installer/Tamborel.nsi"
done
# Both builds must ship the same files: the 32-bit one cannot run here, so its list is its check.
python3 - "$out/Tamborel-$version-win32.zip" "$out/Tamborel-$version-win64.zip" <<'PY'
import sys, zipfile
lists = [sorted(n.split("/", 1)[1] for n in zipfile.ZipFile(path).namelist()) for path in sys.argv[1:]]
if lists[0] != lists[1]:
    sys.exit("package: the win32 and win64 programs differ in their files: %s" % sorted(set(lists[0]) ^ set(lists[1])))
PY
ls -l "$out"
