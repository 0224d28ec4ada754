#!/usr/bin/env bash
# Builds the Debian package from its own build (preset package: the programs keep their files
# in the user's directories, never beside themselves; set up and built first where needed), then
# checks it and fails on any error or warning: lintian, the desktop entry, the AppStream
# metadata, the file list, and the packaged programs run against each other. The package is
# left in build/package/; its path is the last line printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-package

tools=(dpkg-dev binutils man-db lintian desktop-file-utils appstream)
missing=()
for package in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    echo "package: installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${missing[@]}" >/dev/null
  else
    echo "package: missing Debian packages: ${missing[*]}" >&2
    echo "package: run this as root, or: sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

# Only what the package holds, built with the distribution's flags as a Debian build would be:
# fortified functions, the stack protector, read-only relocations bound at start (all of
# dpkg-buildflags' hardening, as the package's rules would ask for it).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
for flags in CPPFLAGS CXXFLAGS LDFLAGS; do
  export "$flags=$(cd "$root" && dpkg-buildflags --get "$flags")"
done
"$root/scripts/setup.sh" package taviron taviron-cli taviron-switchsim

fail() {
  echo "package: $*" >&2
  exit 1
}

# The version is the build's (CMakeLists.txt's project()); the manual pages and the AppStream
# release are written from it. The changelog is written by hand: its newest entry must name it.
changelog=$root/packaging/debian/changelog
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
logged=$(dpkg-parsechangelog -l "$changelog" -S Version)
[[ $logged == "$version" ]] ||
  fail "version $version in CMakeLists.txt but $logged in packaging/debian/changelog's newest entry"
# Every file gets the date of the newest changelog entry, so the same tree gives the same bytes.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$changelog" -S Timestamp)
export SOURCE_DATE_EPOCH

work=$root/build/package
stage=$work/debian/taviron
rm -rf "$work"
mkdir -p "$work/debian"
cp "$root/packaging/debian/control" "$root/packaging/debian/changelog" "$work/debian/"
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null

# What the Debian tools would do in a debhelper build: stripped programs, compressed manual
# pages and changelog, the copyright file, and owner-independent permissions.
for program in "$stage"/usr/bin/*; do
  strip --remove-section=.comment --remove-section=.note "$program"
done
gzip -9n "$stage"/usr/share/man/man1/*.1
doc=$stage/usr/share/doc/taviron
install -d "$doc"
install -m 0644 "$root/packaging/debian/copyright" "$doc/copyright"
gzip -9n <"$changelog" >"$doc/changelog.gz"
find "$stage" -type d -exec chmod 0755 {} +
find "$stage" -type f -exec chmod 0644 {} +
chmod 0755 "$stage"/usr/bin/*

# dpkg-shlibdeps takes the directory holding DEBIAN for the package's root.
install -d "$stage/DEBIAN"
(cd "$work" && dpkg-shlibdeps -Tdebian/substvars debian/taviron/usr/bin/*)
(cd "$work" && dpkg-gencontrol -ptaviron -Pdebian/taviron -Tdebian/substvars -fdebian/files)
(cd "$stage" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum >DEBIAN/md5sums)
chmod 0644 "$stage/DEBIAN/md5sums"
find "$stage" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +

deb=$work/taviron_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null

# The checks look at the package as built, not at the sources it came from.
unpacked=$work/unpacked
dpkg-deb -x "$deb" "$unpacked"

expected="./usr/bin/taviron
./usr/bin/taviron-cli
./usr/bin/taviron-switchsim
./usr/share/applications/taviron.desktop
./usr/share/bash-completion/completions/taviron-cli
./usr/share/doc/taviron/changelog.gz
./usr/share/doc/taviron/copyright
./usr/share/icons/hicolor/scalable/apps/taviron.svg
./usr/share/man/man1/taviron-cli.1.gz
./usr/share/man/man1/taviron-switchsim.1.gz
./usr/share/man/man1/taviron.1.gz
./usr/share/metainfo/org.example.taviron.metainfo.xml"
actual=$(cd "$unpacked" && find . -type f | LC_ALL=C sort)
if [[ $actual != "$expected" ]]; then
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  fail "the package's files differ from the expected list (< expected, > packaged)"
fi

echo "package: lintian"
lintian_report=$work/lintian.txt
lintian --fail-on error,warning --display-info --pedantic "$deb" >"$lintian_report" || {
  cat "$lintian_report" >&2
  fail "lintian found errors or warnings"
}
cat "$lintian_report"
# The programs are hardened as the distribution builds its own: no hardening tag at any level.
! grep -q 'hardening-' "$lintian_report" || fail "lintian found programs built without hardening"

echo "package: desktop entry"
desktop=$unpacked/usr/share/applications/taviron.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || true
[[ -z $report ]] || fail "desktop-file-validate: $report"
# A menu shows the entry only when its program and icon are where it looks for them.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[[ -x $unpacked/usr/bin/$exec_name ]] || fail "Exec=$exec_name is not in /usr/bin"
compgen -G "$unpacked/usr/share/icons/hicolor/*/apps/$icon_name.*" >/dev/null ||
  fail "Icon=$icon_name is not in the hicolor theme"

echo "package: AppStream metadata"
appstreamcli validate-tree --no-net --strict --pedantic "$unpacked" ||
  fail "appstreamcli found issues"

# The completion file loads in a plain bash and completes a command and a port name.
echo "package: bash completion"
completed=$(bash --norc --noprofile -c '
  source "$1" && complete -p taviron-cli >/dev/null || exit 1
  COMP_WORDS=(taviron-cli fi) COMP_CWORD=1 && _taviron_cli && echo "${COMPREPLY[*]}"
  COMP_WORDS=(taviron-cli --port COM) COMP_CWORD=2 && _taviron_cli && echo "${COMPREPLY[*]}"' \
  _ "$unpacked/usr/share/bash-completion/completions/taviron-cli") ||
  fail "the bash completion file does not load"
[[ $completed == $'firmware\nCOM1 COM2 COM3 COM4 COM5 COM6' ]] ||
  fail "the bash completion completes 'fi' and '--port COM' as: $completed"

# The stripped programs of the package, each against the other: the tool reads the simulated
# switch's status over a pseudo-terminal.
echo "package: packaged programs"
bin=$unpacked/usr/bin
"$bin/taviron-cli" --help >/dev/null
"$bin/taviron-switchsim" --help >/dev/null
# Every program and manual page names the package's version.
for program in taviron taviron-cli taviron-switchsim; do
  said=$("$bin/$program" --version) || fail "$program --version failed"
  [[ $said == "$program $version" ]] || fail "$program --version says '$said', not $version"
  zgrep -q "^\.TH .* \"TAVIRON $version\"" "$unpacked/usr/share/man/man1/$program.1.gz" ||
    fail "the manual page of $program does not name version $version"
done
grep -q "<release version=\"$version\"" \
  "$unpacked/usr/share/metainfo/org.example.taviron.metainfo.xml" ||
  fail "the AppStream metadata's newest release is not $version"
"$bin/taviron-switchsim" --link "$work/switch" </dev/null >"$work/switchsim.log" 2>&1 &
simulator=$!
trap 'kill "$simulator" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [[ -e $work/switch ]] && break; sleep 0.1; done
status=$("$bin/taviron-cli" --port "$work/switch" --json status) ||
  fail "the packaged taviron-cli could not read the packaged simulator: $status"
grep -q '"firmware_version": *"01.09"' <<<"$status" ||
  fail "unexpected status from the packaged programs: $status"
# Run by root, which may write anywhere, the packaged tool keeps its settings in root's own
# directories and writes nothing beside itself.
home=$work/home
mkdir -p "$home"
HOME=$home XDG_CONFIG_HOME='' "$bin/taviron-cli" --port "$work/switch" \
  --maintenance-password qorplemt log on || fail "the packaged taviron-cli could not switch logging on"
[[ $(ls "$bin") == $'taviron\ntaviron-cli\ntaviron-switchsim' ]] ||
  fail "the packaged taviron-cli wrote beside itself: $(ls "$bin" | tr '\n' ' ')"
grep -q '^Enable=1' "$home/.config/taviron/SWITCH.INI" ||
  fail "the packaged taviron-cli did not keep its setting in the user's directory"
kill "$simulator"
wait "$simulator" || true
trap - EXIT

rm -rf "$unpacked"
echo "package: clean; install with: apt-get install $deb"
echo "$deb"
