#!/usr/bin/env bash
# Makes the Windows download of the committed sources in dist/, then checks it:
#   QelWizard-<version>-windows-x64.zip   QelWizard.exe, README.txt, LICENSE.txt, THIRD-PARTY-NOTICES.txt and
#                                         QT-BUILD.txt (the Qt it links and how that Qt was configured)
#   QelWizard-<version>-source.tar.gz     the same commit's sources (git archive)
#   SHA256SUMS
# Two runs on the same commit give the same bytes, in any folder: every time stamp is the commit's.
#   scripts/release.sh
set -euo pipefail
cd "$(dirname "$0")/.."
# Made where the exe is built, from Debian 13's Qt, with that Qt's tools reading its attribution files.
if [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" != trixie ]; then
    exec scripts/debian13.sh release scripts/release.sh
fi
scripts/install-deps.sh release
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "The checkout has uncommitted changes; a release is made of a commit. Commit or stash them first." >&2
    exit 1
fi
if [ -n "${QELWIZARD_QT:-}" ]; then
    echo "A release links the static Qt that scripts/build-windows.sh builds, whose sources its notices come from;" \
        "unset QELWIZARD_QT." >&2
    exit 1
fi
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
version=$(sed -n 's/^project(QelWizard VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=QelWizard-$version

scripts/build-windows.sh
qt_home=$(cat build-windows/qt-home.txt)

stage=build-windows/release
rm -rf "$stage" dist
mkdir -p "$stage" dist
crlf() { sed 's/\r$//; s/$/\r/'; }
cp build-windows/QelWizard.exe "$stage/"
crlf <LICENSE >"$stage/LICENSE.txt"
crlf <build-windows/qt-build.txt >"$stage/QT-BUILD.txt"
scripts/readme-txt.sh "$version" | crlf >"$stage/README.txt"
python3 scripts/notices.py "$qt_home/src" "$qt_home/build" build-windows/QelWizard.map build-windows/qt-build.txt \
    "$stage/THIRD-PARTY-NOTICES.txt"
files=(LICENSE.txt QT-BUILD.txt QelWizard.exe README.txt THIRD-PARTY-NOTICES.txt)
chmod 644 "$stage"/*
chmod 755 "$stage/QelWizard.exe"
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
(cd "$stage" && zip -q -X -D "../../dist/$name-windows-x64.zip" "${files[@]}")
git archive --format=tar --prefix="$name/" HEAD | gzip -n -9 >"dist/$name-source.tar.gz"
(cd dist && sha256sum "$name-windows-x64.zip" "$name-source.tar.gz" >SHA256SUMS)

# The check: the zip holds exactly the five files, as built; the version is in the executable's version resource and
# in the README; the notices have the sections scripts/notices-expected.txt lists, which are what the link map says
# was linked in, and nothing else; the sums hold.
fail() {
    echo "release check: $*" >&2
    exit 1
}
zip=dist/$name-windows-x64.zip
[ "$(unzip -Z1 "$zip" | tr '\n' ' ')" = "${files[*]} " ] || fail "the zip holds $(unzip -Z1 "$zip" | tr '\n' ' ')"
# The checks read what the zip holds from files, whole: a reader that stops early (grep -q) would leave the writer
# to die of a broken pipe, which pipefail takes for a failure.
unpacked=$stage/unpacked
rm -rf "$unpacked"
unzip -q "$zip" -d "$unpacked"
cmp -s "$unpacked/QelWizard.exe" build-windows/QelWizard.exe || fail "QelWizard.exe differs from the build"
x86_64-w64-mingw32-strings -n 1 -el "$unpacked/QelWizard.exe" >"$stage/exe-strings.txt"
for key in FileVersion ProductVersion; do
    found=$(grep -A1 -x "$key" "$stage/exe-strings.txt" | sed -n 2p || true)
    [ "$found" = "$version" ] || fail "the executable's $key is '$found', not $version"
done
# The application manifest: run as the user who starts it, made for Windows 10 and 11, the system's code page kept.
x86_64-w64-mingw32-strings -n 8 "$unpacked/QelWizard.exe" >"$stage/exe-ascii.txt"
grep -q '<requestedExecutionLevel level="asInvoker"' "$stage/exe-ascii.txt" ||
    fail "QelWizard.exe has no application manifest that runs it as the user who starts it"
grep -q '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' "$stage/exe-ascii.txt" ||
    fail "QelWizard.exe's manifest does not name Windows 10 and 11"
! grep -q "<activeCodePage" "$stage/exe-ascii.txt" || fail "QelWizard.exe's manifest sets a code page of its own"
# Hardened: address space randomised (high entropy) and data never run (the PE flags), the stack protector linked in
# (its libssp in the link map), and self-contained: it imports the system's DLLs only, none of MinGW's or Qt's.
x86_64-w64-mingw32-objdump -p "$unpacked/QelWizard.exe" >"$stage/exe-headers.txt"
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    grep -qw "$flag" "$stage/exe-headers.txt" || fail "QelWizard.exe lacks the PE flag $flag"
done
grep -q 'libssp\.a(ssp\.o)' build-windows/QelWizard.map || fail "QelWizard.exe is built without the stack protector"
! grep -iE 'DLL Name: (lib|qt)' "$stage/exe-headers.txt" || fail "QelWizard.exe needs DLLs that Windows does not have"
grep -q "version $version" "$unpacked/README.txt" || fail "README.txt does not name version $version"
for text in README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt QT-BUILD.txt; do
    [ -r "$unpacked/$text" ] && ! grep -q $'[^\r]$\|^$' "$unpacked/$text" ||
        fail "$text has a line that does not end in CR LF"
done
python3 scripts/notices.py --check "$qt_home/src" "$qt_home/build" build-windows/QelWizard.map \
    "$unpacked/THIRD-PARTY-NOTICES.txt" scripts/notices-expected.txt ||
    fail "THIRD-PARTY-NOTICES.txt, what QelWizard.exe links and scripts/notices-expected.txt differ"
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not hold"
echo "dist/ holds the release of $name:"
(cd dist && ls -l --time-style=+ . | tail -n +2 && cat SHA256SUMS)
