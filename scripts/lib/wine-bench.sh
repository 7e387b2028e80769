# The Wine bench: a private Xvfb display and a fresh 32-bit Wine prefix whose
# default desktop is a 1024x768 virtual desktop (the only place where Wine's
# DirectDraw offers 8-bit palettised modes), with one warm wineserver.
# Sourced, not run. bench_start sets DISPLAY and WINEPREFIX; bench_stop ends
# exactly the processes bench_start started and removes the prefix.

BENCH_DIR=
BENCH_XVFB_PID=

export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"

# Starts Xvfb on the first free display from 90 on; sets DISPLAY.
bench_start_display() {
  local n socket
  for n in $(seq 90 189); do
    socket=/tmp/.X11-unix/X$n
    [ -e "$socket" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$BENCH_DIR/xvfb-$n.log" 2>&1 &
    BENCH_XVFB_PID=$!
    local tries=0
    while [ ! -e "$socket" ] && kill -0 "$BENCH_XVFB_PID" 2>/dev/null && [ $tries -lt 100 ]; do
      sleep 0.1
      tries=$((tries + 1))
    done
    if [ -e "$socket" ]; then
      export DISPLAY=:$n
      return 0
    fi
    kill "$BENCH_XVFB_PID" 2>/dev/null || true
    wait "$BENCH_XVFB_PID" 2>/dev/null || true
    BENCH_XVFB_PID=
  done
  echo "wine-bench: no free X display" >&2
  return 1
}

# Makes the prefix at $1 with the virtual desktop as its default desktop.
bench_make_prefix() {
  export WINEPREFIX=$1
  timeout 300 wineboot -i >"$BENCH_DIR/wineboot.log" 2>&1 </dev/null
  timeout 60 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null
  timeout 60 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 </dev/null
  # Let the first server write the registry and go, so the desktop setting holds.
  wineserver -k >/dev/null 2>&1 || true
  timeout 60 wineserver -w >/dev/null 2>&1 || true
}

# One persistent server for the prefix, started before any other Wine process,
# and the desktop up, so that each test's Wine start is a warm one.
bench_warm_server() {
  wineserver -p >/dev/null 2>&1 </dev/null
  timeout 120 wine wineboot >/dev/null 2>&1 </dev/null || true
}

bench_start() {
  BENCH_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tarnovelle-bench.XXXXXX")
  bench_start_display
  bench_make_prefix "$BENCH_DIR/prefix"
  # Tests that need a prefix of their own copy this one (scripts/lib/wine-run).
  export TARNOVELLE_PREFIX_TEMPLATE=$BENCH_DIR/template
  cp -a "$BENCH_DIR/prefix" "$TARNOVELLE_PREFIX_TEMPLATE"
  bench_warm_server
}

bench_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$BENCH_XVFB_PID" ]; then
    kill "$BENCH_XVFB_PID" 2>/dev/null || true
    wait "$BENCH_XVFB_PID" 2>/dev/null || true
    BENCH_XVFB_PID=
  fi
  if [ -n "$BENCH_DIR" ]; then
    rm -rf "$BENCH_DIR"
    BENCH_DIR=
  fi
}
