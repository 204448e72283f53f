# Shared by the scripts that run Windows programs: the project's Wine prefix and Xvfb.
# Source it; it defines functions and exports WINEPREFIX and WINEDEBUG.

export WINEPREFIX="${VL_WINEPREFIX:-${TMPDIR:-/tmp}/verdelune-wine-$(id -u)}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Creates the prefix once; concurrent callers wait for the first one (wineboot takes seconds).
vl_wine_prefix_ready() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      DISPLAY= wineboot -i >/dev/null 2>&1 || true
      wineserver -w || true
    fi
    if [ ! -f "$WINEPREFIX/.verdelune-fonts" ]; then
      vl_wine_font_replacements
      touch "$WINEPREFIX/.verdelune-fonts"
    fi
    if [ ! -f "$WINEPREFIX/.verdelune-ui-fonts" ]; then
      vl_wine_ui_fonts
      touch "$WINEPREFIX/.verdelune-ui-fonts"
    fi
    if [ -n "${VL_WINE_UNMANAGED:-}" ] && [ ! -f "$WINEPREFIX/.verdelune-unmanaged" ]; then
      vl_wine_unmanaged_windows
      touch "$WINEPREFIX/.verdelune-unmanaged"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# The program's windows name Arial and Comic Sans MS, which Debian does not have: Wine is
# told to draw them with the metric-compatible Liberation Sans and with Comic Neue, so that
# captions fit their buttons as they would on Windows.
vl_wine_font_replacements() {
  local reg
  reg=$(mktemp --suffix=.reg)
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n' >"$reg"
  printf '"Arial"="Liberation Sans"\r\n"Comic Sans MS"="Comic Neue"\r\n' >>"$reg"
  DISPLAY= wine regedit /S "$reg" >/dev/null 2>&1 || true
  wineserver -w || true
  rm -f "$reg"
}

# Wine's own Marlett (the glyphs of the title bar's buttons) and Tahoma (titles, message
# boxes): Debian's Wine asks for its fonts folder by a name its file lookup does not resolve,
# so fonts-wine's copies are never read, and the buttons show the letters "0 1 r"
# (docs/wine.md). A prefix's Fonts folder is always read.
vl_wine_ui_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" name
  mkdir -p "$fonts"
  for name in marlett.ttf tahoma.ttf tahomabd.ttf; do
    [ -f "/usr/share/wine/fonts/$name" ] && cp "/usr/share/wine/fonts/$name" "$fonts/"
  done
  return 0
}

# Without a window manager (Xvfb), Wine waits up to 2 s for one each time a window is hidden
# or destroyed. Test prefixes tell Wine that no manager runs; a prefix for a real desktop
# keeps its windows managed, with the desktop's title bars.
vl_wine_unmanaged_windows() {
  DISPLAY= wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  wineserver -w || true
}

# Every program of the prefix in one Wine virtual desktop of the screen's size, where Wine
# frames, activates and stacks the windows itself, as Windows does (see docs/wine.md).
vl_wine_virtual_desktop() {
  local reg size
  size=$(echo "${VL_SCREEN:-1280x1024x24}" | cut -dx -f1,2)
  reg=$(mktemp --suffix=.reg)
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n' >"$reg"
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="%s"\r\n' "$size" >>"$reg"
  DISPLAY= wine regedit /S "$reg" >/dev/null 2>&1 || true
  wineserver -w || true
  rm -f "$reg"
}

# Starts Xvfb on a free display and exports DISPLAY; VL_XVFB_PID holds its process id.
vl_start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${VL_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  VL_XVFB_PID=$!
  local display
  read -r -t 20 display <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start" >&2; return 1; }
  rm -f "$fifo"
  export DISPLAY=":$display"
}

vl_stop_xvfb() {
  if [ -n "${VL_XVFB_PID:-}" ]; then
    vl_end "$VL_XVFB_PID"
    VL_XVFB_PID=""
  fi
}

# Ends one process the caller started, by its id: TERM, then KILL after `grace` seconds
# (default 5). The `wine` process of a program is the Windows process itself.
vl_end() {
  local pid=$1 tenths=$(( ${2:-5} * 10 ))
  # A child of this shell only: the id of a process that has ended may be another's by now.
  [ "$(ps -o ppid= -p "$pid" 2>/dev/null | tr -d ' ')" = "$BASHPID" ] || return 0
  kill "$pid" 2>/dev/null || return 0
  while [ "$tenths" -gt 0 ] && kill -0 "$pid" 2>/dev/null; do
    sleep 0.1
    tenths=$((tenths - 1))
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# A prefix of the caller's own, for a run that may end every process in it: a copy of the
# template prefix TEMPLATE (made once and never run in; wineboot takes tens of seconds, the
# copy seconds). Exports WINEPREFIX and VL_WINEPREFIX; vl_wine_drop_private_prefix removes it.
vl_wine_private_prefix() {
  local template=$1 run
  (export WINEPREFIX=$template; vl_wine_prefix_ready)
  run=$(mktemp -d "$(dirname "$template")/wine-run.XXXXXX")
  flock "$template.lock" cp -a "$template" "$run/prefix"
  export WINEPREFIX="$run/prefix" VL_WINEPREFIX="$run/prefix"
}

# Removes a prefix made by vl_wine_private_prefix (and only such a one).
vl_wine_drop_private_prefix() {
  case "$1" in */wine-run.*/prefix) rm -rf "$(dirname "$1")" ;; esac
}
