#!/usr/bin/env bash
# The Windows build end to end under Wine (Debian 12, as root; missing packages are installed):
# sets up MinGW-w64, Wine and GoogleTest, cross-builds the core, taviron.exe, taviron-cli.exe and
# the unit tests (preset windows), runs the unit tests under Wine, runs taviron-cli.exe on COM1
# against the Linux taviron-switchsim, then operates taviron.exe's windows on a virtual display
# through the X server. Everything it starts (the simulator, the virtual display, the Wine
# server) is stopped again, also on failure or Ctrl+C. Ends with "N passed, N failed".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-windows
work=$build/test-run
passed=0
failed=0

say() { printf '\n== %s\n' "$*"; }
check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok      $what"
    passed=$((passed + 1))
  else
    echo "FAILED  $what"
    failed=$((failed + 1))
  fi
}
# Milliseconds since the epoch, and the time since such a moment in seconds.
seconds() { echo $((${EPOCHREALTIME/./} / 1000)); }
took() {
  local ms=$(($(seconds) - $1))
  printf '%d.%d s' $((ms / 1000)) $((ms % 1000 / 100))
}

say "setup"
"$root/scripts/setup-windows.sh"
# The simulator and the window tests' driver are Linux programs: the default preset builds them.
"$root/scripts/setup.sh" default taviron-switchsim taviron_wine_tests taviron-screenshot >/dev/null

say "cross-build (preset windows)"
started=$(seconds)
cmake --preset windows >/dev/null
cmake --build --preset windows | tail -1
echo "cross-build: $(took "$started")"

rm -rf "$work"
mkdir -p "$work/cli" "$work/log"
sim_pid=
watch_pid=
cleanup() {
  [[ -z $watch_pid ]] || kill "$watch_pid" 2>/dev/null || true
  if [[ -n $sim_pid ]]; then
    exec 3>&- || true
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  wine_env_stop
}
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
trap cleanup EXIT

say "Wine"
started=$(seconds)
wine_env_start "$build/wine"
echo "prefix start: $(took "$started")"

# The simulator takes control lines on a pipe the script holds open, and answers in a file.
mkfifo "$work/sim.in"
"$root/build/bin/taviron-switchsim" --link "$work/com1" --erase-ms 300 --restart-ms 800 \
  <"$work/sim.in" >"$work/sim.out" 2>&1 &
sim_pid=$!
exec 3>"$work/sim.in"
for _ in $(seq 50); do
  [[ -L $work/com1 ]] && break
  sleep 0.1
done
[[ -L $work/com1 ]] || {
  echo "taviron-switchsim did not start:" >&2
  cat "$work/sim.out" >&2
  exit 1
}
wine_env_link_com 1 "$work/com1"
echo "COM1 -> $work/com1 -> $(readlink "$work/com1")"

sim() {
  local before
  before=$(wc -l <"$work/sim.out")
  echo "$1" >&3
  for _ in $(seq 50); do
    (($(wc -l <"$work/sim.out") > before)) && break
    sleep 0.1
  done
  tail -n 1 "$work/sim.out"
}
sim_state() { sim state | tr ' ' '\n' | sed -n "s/^$1=//p"; }

say "unit tests under Wine"
started=$(seconds)
unit_status=0
TAVIRON_TEST_COM=COM1 wine "$build/bin/taviron_tests.exe" --gtest_brief=1 \
  >"$work/unit.log" 2>&1 || unit_status=$?
grep -E '^\[ *(PASSED|FAILED|SKIPPED) *\]|tests ran' "$work/unit.log" || true
echo "unit tests: $(took "$started")"
check "unit tests under Wine (log: $work/unit.log)" test "$unit_status" -eq 0

say "taviron-cli.exe on COM1"
# A copy of its own, so SWITCH.INI and LOG.TXT beside it start fresh.
cp "$build/bin/taviron-cli.exe" "$work/cli/"
cli=$work/cli/taviron-cli.exe
run() {
  local status=0
  wine "$cli" "$@" >"$work/out.txt" 2>"$work/err.txt" || status=$?
  return "$status"
}
status_of() {
  local status=0
  run "$@" || status=$?
  echo "$status"
}
has() { grep -qF -- "$1" "$work/out.txt"; }
err_has() { grep -qF -- "$1" "$work/err.txt"; }

check "--version names the build's version" run --version
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
check "... as taviron-cli $version" has "taviron-cli $version"
x86_64-w64-mingw32-windres -i "$cli" -O rc >"$work/resources.rc"
check "the version resource says it too" grep -qF "VALUE \"FileVersion\", \"$version\"" \
  "$work/resources.rc"
check "a manifest runs it as its invoker" grep -q 'level=""asInvoker""' "$work/resources.rc"

check "status reads the switch" run --port COM1 status
check "status shows the firmware version" has "01.09"
check "status as JSON" run --port COM1 --json status
check "JSON starts with the firmware version" has '{"firmware_version":"01.09"'
check "ports set" run --port COM1 ports set 1=10/half 8=disable
check "the switch took the port modes" test "$(sim_state port-modes)" = 05555556
check "ports show" run --port COM1 ports show
check "ports show reads them back" has "8=disable"
config=$work/site.txt
check "config save" run --port COM1 config save "$(winepath -w "$config")"
check "the file holds the ports" grep -q "port8=6" "$config"
sim "set port-modes 55555555" >/dev/null
check "config load" run --port COM1 config load "$(winepath -w "$config")"
check "the switch took the file's modes" test "$(sim_state port-modes)" = 05555556
check "reset" run --port COM1 reset
restarts=$(sim_state restarts)
check "the switch restarted once (restarts=$restarts)" test "$restarts" = 1

hex=$build/tests/fixtures/walk.hex
check "firmware upload of the SDCC-built file" \
  run --port COM1 --maintenance-password qorplemt firmware upload "$(winepath -w "$hex")"
check "upload reports the restoration" has "Restoration was completed."
check "the loader took one image" test "$(sim_state loads)" = 1
check "the simulator holds the image" test "$(sim "image $work/image.txt")" = ok
check "status after the upload" run --port COM1 status

# Failures: one line with its code on standard error, exit status 1, and the record in LOG.TXT.
sim "fault silent on" >/dev/null
log_dir=$(winepath -w "$work/log")
check "a silent switch fails with status 1" test "$(status_of --port COM1 --log "$log_dir" status)" = 1
check "the failure is logged with its code" grep -qE '[0-9]{8}   ' "$work/log/LOG.TXT"
sim "fault silent off" >/dev/null
check "an absent port fails with status 1" test "$(status_of --port COM9 status)" = 1
check "a device path is no Windows port" test "$(status_of --port /dev/ttyS0 status)" = 1
check "wrong usage is status 2" test "$(status_of --port COM1 frobnicate)" = 2
# Ctrl+C (SIGINT, which Wine passes on as the console's Ctrl+C) ends watch in order.
wine "$cli" --port COM1 watch --interval 1 >"$work/watch.txt" 2>&1 &
watch_pid=$!
for _ in $(seq 100); do
  grep -q "link: " "$work/watch.txt" && break
  sleep 0.1
done
kill -INT "$watch_pid"
watch_status=0
wait "$watch_pid" || watch_status=$?
watch_pid=
check "watch showed the switch" grep -q "link: Connected" "$work/watch.txt"
check "Ctrl+C ends watch with status 0" test "$watch_status" = 0
check "the port is free again afterwards" run --port COM1 status

say "COM ports and files of the Windows system"
# The ports Wine's serial map and device installer know, as a USB adapter's driver leaves them.
reg_add() { wine reg add "$@" /f >/dev/null 2>&1; }
reg_add 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' /v '\Device\VCP0' /t REG_SZ /d COM7
adapter='HKLM\System\CurrentControlSet\Enum\USB\VID_0403&PID_6001\A600TEST'
reg_add "$adapter" /v ClassGUID /d '{4D36E978-E325-11CE-BFC1-08002BE10318}'
reg_add "$adapter" /v FriendlyName /d 'USB Serial Port (COM7)'
reg_add "$adapter" /v Mfg /d FTDI
reg_add "$adapter\Device Parameters" /v PortName /d COM7
check "devices lists the system's ports" run devices
check "... the adapter with its maker and friendly name" has "  COM7 (FTDI USB Serial Port)"
check "... and device paths with single backslashes" has '  COM3 (\\.\COM3)'
TAVIRON_COM2=COM7 run devices
check "TAVIRON_COM2 leads COM2 to COM7" has "  COM2 (COM7, FTDI USB Serial Port, from TAVIRON_COM2)"
status=0
TAVIRON_COM3=COM1 run --port COM3 status || status=$?
check "TAVIRON_COM3=COM1 reaches the switch on COM1" test "$status" = 0
# A copy in Program Files, run by an administrator (as Wine runs every program), keeps its
# settings in the user's application data, never beside itself.
installed="$WINEPREFIX/drive_c/Program Files/TAVIRON"
mkdir -p "$installed"
cp "$cli" "$installed/"
appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/TAVIRON"
rm -rf "$appdata"
status=0
wine "$installed/taviron-cli.exe" --port COM1 --maintenance-password qorplemt log on \
  >"$work/out.txt" 2>"$work/err.txt" || status=$?
check "a copy in Program Files switches logging on" test "$status" = 0
check "... keeping SWITCH.INI in %APPDATA%\\TAVIRON" grep -q '^Enable=1' "$appdata/SWITCH.INI"
check "... and nothing beside itself" test "$(ls "$installed")" = taviron-cli.exe
check "the portable copy keeps its files beside itself" run --port COM1 \
  --maintenance-password qorplemt log off
check "... SWITCH.INI there" grep -q '^Enable=0' "$work/cli/SWITCH.INI"

say "taviron.exe: one file"
# Only the system's own libraries: the program runs from a copy of the one file.
system_dlls='^(advapi32|comctl32|comdlg32|gdi32|kernel32|msvcrt|ole32|oleaut32|setupapi|shell32|user32|uxtheme|winmm)\.dll$'
imports=$(x86_64-w64-mingw32-objdump -p "$build/bin/taviron.exe" | sed -n 's/^\tDLL Name: //p' |
  tr 'A-Z' 'a-z')
echo "imports: $(echo "$imports" | tr '\n' ' ')"
others() { echo "$imports" | grep -Ev "$system_dlls" || true; }
check "taviron.exe imports only system libraries" test -z "$(others)"
check "taviron.exe carries its manifest, icon and version" \
  grep -qa "Microsoft.Windows.Common-Controls" "$build/bin/taviron.exe"

say "release zip"
release_status=0
"$root/scripts/release-windows.sh" >"$work/release.log" 2>&1 || release_status=$?
tail -1 "$work/release.log"
listing=$(cmake -E tar tf "$build"/release/taviron-*-windows-x64.zip 2>/dev/null || true)
check "the release zip is made (log: $work/release.log)" test "$release_status" -eq 0
check "the release zip holds taviron.exe and taviron-cli.exe" \
  test "$(echo "$listing" | grep -cE '/taviron(-cli)?\.exe$')" -eq 2

say "taviron.exe on a virtual display, operated through the X server"
started=$(seconds)
window_status=0
TAVIRON_WINDOWS_BIN="$build/bin" TAVIRON_SCREENSHOTS="$work/screenshots" \
  "$root/build/bin/taviron_wine_tests" --gtest_brief=1 >"$work/windows.log" 2>&1 ||
  window_status=$?
grep -E '^\[ *(PASSED|FAILED|SKIPPED) *\]|tests ran|Failure|Expected|Which is|Value of' \
  "$work/windows.log" | head -60 || true
echo "window tests: $(took "$started"); screenshots in $work/screenshots"
check "the window program under Wine (log: $work/windows.log)" test "$window_status" -eq 0

say "summary"
echo "wine prefix: $WINEPREFIX"
echo "$passed passed, $failed failed"
((failed == 0))
