# Wine for the Windows tests, to be sourced: a private prefix in a directory of the caller's,
# its server kept running, and COM ports led to paths the caller owns.
#
#   source scripts/wine-env.sh
#   wine_env_start DIR            # prefix in DIR/prefix, booted, server running
#   wine_env_link_com 1 PATH      # COM1 leads to PATH (a stable symbolic link, not /dev/pts/N)
#   wine program.exe ...
#   wine_env_stop                 # shuts the server down; DIR stays
#
# The server is started persistent before the prefix boots: Wine's device manager writes its
# own comN links when the session starts and would overwrite any made earlier, and a server that
# stays up never starts a new session behind the caller's back.

wine_env_start() {
  local dir=${1:?wine_env_start needs a directory}
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  export WINEPREFIX=$dir/prefix
  export WINEDEBUG=-all
  # No install prompts for Mono and Gecko, which nothing here needs.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  mkdir -p "$WINEPREFIX"
  local started=$SECONDS
  # A server left from an earlier run of this prefix may not be persistent: a fresh one is.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  # The server keeps the output it was started with; what it prints when it ends goes here.
  wineserver -p >"$dir/wineserver.log" 2>&1
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    wineboot -i >/dev/null 2>&1
  fi
  # One program, so that the session (and its device manager) has run to its end before the
  # caller changes the links.
  wine cmd /c exit >/dev/null 2>&1
  echo "wine-env: prefix $WINEPREFIX ready in $((SECONDS - started)) s"
}

wine_env_link_com() {
  local number=${1:?wine_env_link_com needs a port number} target=${2:?and a path}
  ln -sfn "$target" "$WINEPREFIX/dosdevices/com$number"
}

wine_env_stop() {
  [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]] || return 0
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
