# shellcheck shell=bash
# Shared by the end-to-end scripts: a private X server, the program under
# test, and the clicks and key presses a person would make.
#
# A script sources this file and calls e2e_begin with the program's path. It
# then has $E2E_WORK (a temporary folder removed at exit), a fresh $HOME
# inside it (the folder dialog opens there) and $DISPLAY pointing at an Xvfb
# of its own. Everything started here is stopped on exit, pass or fail.

set -Eeuo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
# The program runs in a UTF-8 locale, as on a desktop: under plain C, Qt
# garbles the Chinese titles in WM_NAME, where xdotool searches. awk, which
# writes bytes with %c, is run under C itself.
export LC_ALL=C.UTF-8

readonly E2E_SCREEN_WIDTH=1280
readonly E2E_SCREEN_HEIGHT=1024
# Generous: a loaded CI machine can be slow to map a first window.
readonly E2E_WAIT_SECONDS=30
E2E_DIR=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
readonly E2E_DIR

# Window coordinates of the centres of the main window's labels and radio
# buttons.
readonly E2E_SELECT_PICTURE=(472 140)
readonly E2E_CUT_TILES=(472 164)
readonly E2E_SAVE_TILES=(472 187)
readonly E2E_SAVE_LOCATION=(472 211)
readonly E2E_OWN_SIZE_MODE=(480 40)
readonly E2E_SCALED_MODE=(480 64)

readonly E2E_MAIN_TITLE_PATTERN='^Pelorine - '
readonly E2E_UNSET_TITLE='Pelorine - 保存位置：未设置'
readonly E2E_TILE_FILES=(1.jpg 2.jpg 3.jpg 4.jpg 5.jpg 6.jpg 7.jpg 8.jpg)
readonly E2E_TILE_FILE_SIZE=30054

E2E_PROGRAM=
E2E_WORK=
E2E_XVFB_PID=
E2E_PIDS=()
# The last program started, its window, and how the last awaited one ended.
E2E_PID=
E2E_WINDOW=
E2E_EXIT_STATUS=

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

e2e_pass() {
  echo "PASS: $*"
}

e2e_cleanup() {
  local status=$?
  local pid
  for pid in "${E2E_PIDS[@]}" ${E2E_XVFB_PID:+"$E2E_XVFB_PID"}; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${E2E_PIDS[@]}" ${E2E_XVFB_PID:+"$E2E_XVFB_PID"}; do
    wait "$pid" 2>/dev/null || true
  done
  if [[ $status -ne 0 && -n $E2E_WORK ]]; then
    local log
    for log in "$E2E_WORK"/*.log; do
      [[ -s $log ]] || continue
      echo "--- $log" >&2
      tail -n 40 "$log" >&2
    done
  fi
  if [[ -n $E2E_WORK ]]; then
    chmod -R u+w "$E2E_WORK" 2>/dev/null || true
    rm -rf "$E2E_WORK"
  fi
  exit "$status"
}

# Starts the X server on a display number it picks itself, so that scripts
# running side by side, or a developer's own server, never collide.
e2e_start_xvfb() {
  local display_file="$E2E_WORK/display"
  : >"$display_file"
  Xvfb -displayfd 3 -nolisten tcp \
    -screen 0 "${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT}x24" \
    3>"$display_file" >"$E2E_WORK/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  local tries
  for ((tries = 0; tries < E2E_WAIT_SECONDS * 10; ++tries)); do
    if grep -q '^[0-9]' "$display_file"; then
      DISPLAY=":$(tr -dc "0-9" <"$display_file")"
      export DISPLAY
      xwininfo -root >/dev/null 2>&1 && return 0
    fi
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_fail "Xvfb did not start"
    sleep 0.1
  done
  e2e_fail "Xvfb did not answer within ${E2E_WAIT_SECONDS} s"
}

# e2e_begin PROGRAM: the temporary folder, the fresh home and the X server.
e2e_begin() {
  [[ $# -eq 1 ]] || e2e_fail "usage: bash $0 PATH_TO_PELORINE"
  local tool
  for tool in Xvfb xdotool xwininfo cjpeg djpeg od cmp awk realpath; do
    command -v "$tool" >/dev/null || e2e_fail "missing tool: $tool"
  done
  E2E_PROGRAM=$(realpath "$1")
  [[ -f $E2E_PROGRAM && -x $E2E_PROGRAM ]] || e2e_fail "not a program: $1"
  E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/pelorine-e2e.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM
  export HOME="$E2E_WORK/home"
  export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY XAUTHORITY
  e2e_start_xvfb
}

# e2e_wait_window PATTERN: prints the id of the first shown window of the
# last started program whose title matches, waiting for it to appear.
e2e_wait_window() {
  local id
  id=$(timeout "$E2E_WAIT_SECONDS" xdotool search --sync --all --onlyvisible \
    --pid "$E2E_PID" --name "$1" 2>/dev/null |
    head -n 1) || true
  [[ -n $id ]] || e2e_fail "no window titled like '$1' appeared"
  echo "$id"
}

# e2e_shown_windows: prints the ids of the last started program's shown
# windows.
e2e_shown_windows() {
  xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null || true
}

# e2e_wait_dialog: prints the id of the window the last click opened over
# the main window; the open dialog has no title of ours to look for.
e2e_wait_dialog() {
  local tries id
  for ((tries = 0; tries < E2E_WAIT_SECONDS * 10; ++tries)); do
    for id in $(e2e_shown_windows); do
      if [[ $id != "$E2E_WINDOW" ]]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  e2e_fail "no dialog appeared over the main window"
}

# e2e_wait_gone WINDOW: waits until the window is no longer shown.
e2e_wait_gone() {
  local tries
  for ((tries = 0; tries < E2E_WAIT_SECONDS * 10; ++tries)); do
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.1
  done
  e2e_fail "window $1 stayed open"
}

# e2e_expect_only_main_window: no box or dialog is left over the window.
e2e_expect_only_main_window() {
  local shown
  shown=$(e2e_shown_windows)
  [[ $shown == "$E2E_WINDOW" ]] ||
    e2e_fail "windows other than the main one are shown: $shown"
}

# e2e_start_program FOLDER: starts the program from FOLDER and waits for its
# window; sets E2E_PID and E2E_WINDOW.
e2e_start_program() {
  local folder=$1
  local log="$E2E_WORK/pelorine-${#E2E_PIDS[@]}.log"
  (cd "$folder" && exec "$E2E_PROGRAM") >"$log" 2>&1 &
  E2E_PID=$!
  E2E_PIDS+=("$E2E_PID")
  E2E_WINDOW=$(e2e_wait_window "$E2E_MAIN_TITLE_PATTERN")
}

# e2e_wait_exit PID: waits for the program to end and sets E2E_EXIT_STATUS.
# Not to be run in a subshell: only this shell can collect the status.
e2e_wait_exit() {
  local tries
  for ((tries = 0; tries < E2E_WAIT_SECONDS * 10; ++tries)); do
    # Until it is waited for, an ended child may linger as a zombie.
    if ! kill -0 "$1" 2>/dev/null ||
      [[ $(cut -d " " -f 3 "/proc/$1/stat" 2>/dev/null || true) == Z ]]; then
      E2E_EXIT_STATUS=0
      wait "$1" || E2E_EXIT_STATUS=$?
      return 0
    fi
    sleep 0.1
  done
  e2e_fail "process $1 did not end"
}

# e2e_expect_title WINDOW TITLE
e2e_expect_title() {
  local title
  title=$(xdotool getwindowname "$1")
  [[ $title == "$2" ]] || e2e_fail "window title is '$title', not '$2'"
}

# e2e_click X Y: a left click at coordinates of the main window.
e2e_click() {
  xdotool mousemove --sync --window "$E2E_WINDOW" "$1" "$2" click 1
}

# e2e_press WINDOW KEY: gives the window the keyboard (there is no window
# manager to do it) and presses KEY.
e2e_press() {
  xdotool windowfocus --sync "$1"
  xdotool key "$2"
}

# e2e_wait_shown_count COUNT SECONDS: waits until the program shows COUNT
# windows or more; says whether it did.
e2e_wait_shown_count() {
  local tries
  for ((tries = 0; tries < $2 * 10; ++tries)); do
    (($(e2e_shown_windows | wc -l) >= $1)) && return 0
    sleep 0.1
  done
  return 1
}

# e2e_answer_dialog WINDOW TEXT: types TEXT into the dialog's focused line and
# confirms it with Return; waits until only the main window is left.
e2e_answer_dialog() {
  xdotool windowfocus --sync "$1"
  xdotool type --delay 5 "$2"
  # The line's completer lists the matches in a popup once it has read the
  # folder. Confirming before it shows lets it open after the dialog has
  # closed, and then it swallows the next click. A path that matches nothing
  # never gets one, hence the short limit.
  e2e_wait_shown_count 3 5 || true
  xdotool key Return
  e2e_wait_gone "$1"
  local tries
  for ((tries = 0; tries < E2E_WAIT_SECONDS * 10; ++tries)); do
    [[ $(e2e_shown_windows) == "$E2E_WINDOW" ]] && return 0
    sleep 0.1
  done
  e2e_expect_only_main_window
}

# e2e_select_picture FILE: opens the picture through the file dialog.
e2e_select_picture() {
  e2e_click "${E2E_SELECT_PICTURE[@]}"
  e2e_answer_dialog "$(e2e_wait_dialog)" "$1"
}

# e2e_choose_location FOLDER: picks the save folder through the folder
# dialog. Typing the whole path of an existing folder and Return confirms it
# at once; a path ending in "/" would only move the dialog into the folder.
e2e_choose_location() {
  e2e_click "${E2E_SAVE_LOCATION[@]}"
  local dialog
  dialog=$(e2e_wait_dialog)
  e2e_expect_title "$dialog" '保存图片'
  e2e_answer_dialog "$dialog" "${1%/}"
}

e2e_cut_tiles() {
  e2e_click "${E2E_CUT_TILES[@]}"
}

# e2e_show_scaled / e2e_show_own_size: the display mode radio buttons.
e2e_show_scaled() {
  e2e_click "${E2E_SCALED_MODE[@]}"
}

e2e_show_own_size() {
  e2e_click "${E2E_OWN_SIZE_MODE[@]}"
}

# e2e_save_tiles FOLDER: saves into the chosen FOLDER and waits for all eight
# files; a successful save shows nothing.
e2e_save_tiles() {
  e2e_click "${E2E_SAVE_TILES[@]}"
  local tries name missing
  for ((tries = 0; tries < E2E_WAIT_SECONDS * 10; ++tries)); do
    missing=
    for name in "${E2E_TILE_FILES[@]}"; do
      [[ $(stat -c %s "$1/$name" 2>/dev/null) == "$E2E_TILE_FILE_SIZE" ]] ||
        missing=$name
    done
    [[ -z $missing ]] && break
    sleep 0.1
  done
  [[ -z $missing ]] || e2e_fail "$1/$missing was not saved"
  # A warning would come from the same click; give it time to show.
  sleep 0.5
  e2e_expect_only_main_window
}

# e2e_dismiss_box TITLE: waits for the message box with that title and closes
# it with Return.
e2e_dismiss_box() {
  local box
  box=$(e2e_wait_window "^$1\$")
  e2e_expect_title "$box" "$1"
  e2e_press "$box" Return
  e2e_wait_gone "$box"
  e2e_expect_only_main_window
}

# e2e_make_picture NAME: writes a 300 x 150 JPEG (NAME.jpg) made from a PPM
# with gradients and a checkerboard, so that a shifted or mirrored tile shows.
e2e_make_picture() {
  LC_ALL=C awk 'BEGIN {
    width = 300; height = 150
    printf "P6\n%d %d\n255\n", width, height
    for (y = 0; y < height; ++y) {
      for (x = 0; x < width; ++x) {
        printf "%c%c%c", int(x * 255 / (width - 1)),
            int(y * 255 / (height - 1)),
            (int(x / 25) + int(y / 25)) % 2 * 200 + 20
      }
    }
  }' >"$1.ppm"
  cjpeg -quality 90 "$1.ppm" >"$1.jpg"
}

# e2e_expected_tiles FOLDER PPM LEFT TOP FRAME BACKGROUND: writes the tile
# files a save should give when the picture (a binary PPM; empty for none)
# sits at (LEFT, TOP) of the source canvas's client area.
e2e_expected_tiles() {
  mkdir -p "$1"
  local input=/dev/null
  [[ -n $2 ]] && input=$2
  od -An -v -tu1 "$input" |
    LC_ALL=C awk -v out="$1" -v left="$3" -v top="$4" -v frame="$5" \
      -v background="$6" -f "$E2E_DIR/expected_tiles.awk"
}

# e2e_expect_same_tiles EXPECTED ACTUAL: every tile file byte for byte.
e2e_expect_same_tiles() {
  local name
  for name in "${E2E_TILE_FILES[@]}"; do
    cmp "$1/$name" "$2/$name" >&2 || e2e_fail "$2/$name differs from $1/$name"
  done
}

# e2e_pixel FILE X Y: prints "R G B" of a pixel of a saved tile (X, Y from
# the top-left corner).
e2e_pixel() {
  local offset=$((54 + (99 - $3) * 300 + 3 * $2))
  od -An -v -tu1 -j "$offset" -N 3 "$1" | awk '{ print $3, $2, $1 }'
}
