#!/usr/bin/env bash
# The window as it first shows: title, size, place on the screen, the folder
# the program works in, and Esc closing it with a clean exit.
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# Started from elsewhere, so that a program which forgot to change folder
# shows.
start_folder="$E2E_WORK/elsewhere"
mkdir -p "$start_folder"
e2e_start_program "$start_folder"

e2e_expect_title "$E2E_WINDOW" "$E2E_UNSET_TITLE"

eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
[[ ${WIDTH}x${HEIGHT} == 539x420 ]] ||
  e2e_fail "client area is ${WIDTH}x${HEIGHT}, not 539x420"
# No window manager runs, so there is no frame: the client area itself is
# centred.
expected_x=$(((E2E_SCREEN_WIDTH - 539) / 2))
expected_y=$(((E2E_SCREEN_HEIGHT - 420) / 2))
[[ $X,$Y == "$expected_x,$expected_y" ]] ||
  e2e_fail "window is at $X,$Y, not centred at $expected_x,$expected_y"
e2e_pass "title, size and centred place"

working_folder=$(readlink "/proc/$E2E_PID/cwd")
[[ $working_folder == "$(dirname "$E2E_PROGRAM")" ]] ||
  e2e_fail "works in $working_folder, not in the program's folder"
e2e_pass "works in the program's own folder"

e2e_press "$E2E_WINDOW" Escape
e2e_wait_exit "$E2E_PID"
[[ $E2E_EXIT_STATUS == 0 ]] ||
  e2e_fail "exit status after Esc is $E2E_EXIT_STATUS"
e2e_pass "Esc closes the window with status 0"
