# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Helpers shared by the end-to-end scripts: they run the real binary in its
# own X server and drive it with synthetic mouse and key events. Every wait
# is bounded, and whatever was started is stopped on exit.
# shellcheck shell=bash

E2E_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck disable=SC2034 # used by the scripts that source this file
E2E_MAIN_CAPTION="Kelvo Training Wizard - Click to Navigate"
APP_PID=""
WIN=""

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

e2e_note() { echo "e2e: $*"; }

# Missing tools skip the test on a developer's machine (CTest status 77);
# under CI they are an error, because the set-up script installs them.
e2e_require() {
  local tool missing=()
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  ((${#missing[@]} == 0)) && return 0
  if [[ -n "${CI:-}" ]]; then
    e2e_fail "missing tools: ${missing[*]}"
  fi
  echo "SKIP: missing tools: ${missing[*]}" >&2
  exit 77
}

# Re-runs the calling script inside a fresh X server of the given screen size;
# returns only inside that server.
e2e_under_xvfb() {
  local screen="$1"
  shift
  if [[ -n "${KELVO_E2E_INSIDE_X:-}" ]]; then
    return 0
  fi
  e2e_require xvfb-run xauth xdotool xwininfo import convert compare
  # Our own X server, whatever desktop the caller sits at.
  unset WAYLAND_DISPLAY
  export QT_QPA_PLATFORM=xcb
  # -noreset: the server otherwise resets when its last client leaves, and
  # a program started at that moment cannot connect.
  KELVO_E2E_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 $screen -noreset" bash "$0" "$@"
}

e2e_cleanup() {
  if [[ -n "$APP_PID" ]] && kill -0 "$APP_PID" 2>/dev/null; then
    kill "$APP_PID" 2>/dev/null
    local i
    for i in $(seq 20); do
      kill -0 "$APP_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$APP_PID" 2>/dev/null
  fi
  if [[ -n "${E2E_TMP:-}" ]]; then
    rm -rf "$E2E_TMP"
  fi
}

# A private scratch folder, a private runtime folder for Qt, and the clean-up.
e2e_prepare() {
  E2E_TMP="$(mktemp -d)"
  export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  export KELVO_E2E_LOG="$E2E_TMP/opened.log"
  # A home of its own: no study, recovery copy or links.conf of the user's is seen or touched.
  export HOME="$E2E_TMP/home" XDG_STATE_HOME="$E2E_TMP/home/.local/state" \
    XDG_CONFIG_HOME="$E2E_TMP/home/.config" XDG_DATA_HOME="$E2E_TMP/home/.local/share"
  mkdir -p "$HOME"
  : >"$KELVO_E2E_LOG"
  trap e2e_cleanup EXIT
  trap 'exit 1' INT TERM
}

# The start most tests share: BIN and ART from the program and artefact
# folder the test is given first, the test again inside an X server of the
# given size, then a scratch folder and home of its own.
# Usage: e2e_begin <screen WxHxD> "$@"
e2e_begin() {
  local screen="$1"
  shift
  BIN="$1"
  ART="$2"
  [[ -x "$BIN" ]] || e2e_fail "no program at $BIN"
  e2e_under_xvfb "$screen" "$@"
  e2e_prepare
  mkdir -p "$ART"
}

# Starts the binary in the test's X server with the stand-in opener and
# calculator first on PATH; extra arguments are environment assignments, and
# those after "--" are the program's own.
e2e_start_app() {
  local bin="$1" assignments=()
  shift
  while (($# > 0)) && [[ "$1" != -- ]]; do
    assignments+=("$1")
    shift
  done
  (($# > 0)) && shift
  env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "${assignments[@]}" PATH="$E2E_DIR/fakebin:$PATH" \
    "$bin" "$@" >"$E2E_TMP/app.out" 2>"$E2E_TMP/app.err" &
  APP_PID=$!
}

# Polls until a visible window has exactly the given name; sets WIN.
e2e_wait_window() {
  local name="$1" tries="${2:-100}" i
  for ((i = 0; i < tries; i++)); do
    if [[ -n "$APP_PID" ]] && ! kill -0 "$APP_PID" 2>/dev/null; then
      cat "$E2E_TMP/app.err" >&2
      e2e_fail "the program ended before a window named '$name' appeared"
    fi
    WIN="$(xdotool search --onlyvisible --name "^$(e2e_regex "$name")\$" 2>/dev/null | head -n 1)"
    [[ -n "$WIN" ]] && return 0
    sleep 0.1
  done
  e2e_fail "no window named '$name' within $((tries / 10)) s"
}

e2e_regex() { sed -e 's/[][\.*^$?+(){}|]/\\&/g' <<<"$1"; }

# Absolute position and size of a window in device pixels: "x y w h".
e2e_geometry() {
  xwininfo -id "$1" | awk '
    /Absolute upper-left X:/ { x = $NF }
    /Absolute upper-left Y:/ { y = $NF }
    /^ *Width:/ { w = $NF }
    /^ *Height:/ { h = $NF }
    END { print x, y, w, h }'
}

# The window's picture, cut from the screen (there is no window manager, so
# nothing overlaps it but its own dialogs).
e2e_screenshot() {
  local win="$1" out="$2" x y w h
  read -r x y w h < <(e2e_geometry "$win")
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out" ||
    e2e_fail "could not take a screenshot into $out"
}

e2e_not_blank() {
  local sd
  sd="$(convert "$1" -format '%[fx:standard_deviation]' info:)"
  awk -v sd="$sd" 'BEGIN { exit !(sd > 0.01) }' || e2e_fail "$1 looks blank (standard deviation $sd)"
}

# --- Positions of controls, as the program itself reports them ---

# Window-relative rectangle of a control, "x y w h" in logical pixels, with
# its page in view: a control such as Command5, or Label1 3 for an indexed one.
e2e_control_rect() {
  local name="$1" index="${2:--1}" key places="$E2E_TMP/controls"
  key="$name"
  [[ "$index" == -1 ]] || key="$name($index)"
  if [[ ! -s "$places" ]]; then
    QT_QPA_PLATFORM=offscreen "$BIN" --list-controls >"$places" 2>"$E2E_TMP/controls.err" ||
      e2e_fail "the program did not list its controls: $(cat "$E2E_TMP/controls.err")"
  fi
  awk -v key="$key" '$1 == key { print $2, $3, $4, $5; found = 1 } END { exit !found }' "$places" ||
    e2e_fail "the program lists no control $key"
}

e2e_control_centre() {
  local x y w h
  read -r x y w h < <(e2e_control_rect "$@")
  echo $((x + w / 2)) $((y + h / 2))
}

# Moves the pointer to a window-relative point.
e2e_move_to() {
  local wx wy w h
  read -r wx wy w h < <(e2e_geometry "$WIN")
  xdotool mousemove --sync $((wx + $1)) $((wy + $2))
}

# Moves the pointer to a window-relative point and clicks (count clicks).
e2e_click_at() {
  e2e_move_to "$1" "$2"
  xdotool click --repeat "${3:-1}" --delay 120 1
}

e2e_click() {
  local x y
  read -r x y < <(e2e_control_centre "$@")
  e2e_click_at "$x" "$y"
}

# --- The stand-in opener's log ---

e2e_log_lines() { wc -l <"$KELVO_E2E_LOG"; }

# Waits until the log holds at least n lines.
e2e_wait_log() {
  local n="$1" i
  for ((i = 0; i < 100; i++)); do
    (($(e2e_log_lines) >= n)) && return 0
    sleep 0.05
  done
  return 1
}

# Waits until the program has ended; sets APP_STATUS.
e2e_wait_exit() {
  local i
  for ((i = 0; i < 100; i++)); do
    if ! kill -0 "$APP_PID" 2>/dev/null; then
      wait "$APP_PID"
      # shellcheck disable=SC2034 # read by the scripts that source this file
      APP_STATUS=$?
      APP_PID=""
      return 0
    fi
    sleep 0.1
  done
  return 1
}
