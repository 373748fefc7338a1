#!/usr/bin/env bash
# The whole job as a person does it: open a picture, cut it, choose a folder,
# save, in both display modes. The saved files are compared byte for byte
# with tiles built here from djpeg's own decode of the same picture.
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_start_program "$E2E_WORK"

# An empty canvas cut and saved gives the frame and background colours the
# program's palette has here; the picture runs below are computed with them.
blank="$E2E_WORK/blank"
mkdir -p "$blank"
e2e_cut_tiles
e2e_choose_location "$blank"
e2e_expect_title "$E2E_WINDOW" "Pelorine - 保存位置：$blank/"
e2e_save_tiles "$blank"
frame=$(e2e_pixel "$blank/1.jpg" 0 0)
background=$(e2e_pixel "$blank/1.jpg" 50 50)
[[ $frame != "$background" ]] ||
  e2e_fail "frame and background are both $frame"
e2e_expected_tiles "$E2E_WORK/expected-blank" "" 0 0 "$frame" "$background"
e2e_expect_same_tiles "$E2E_WORK/expected-blank" "$blank"
e2e_pass "an empty canvas saves frame ($frame) and background ($background)"

picture="$E2E_WORK/gradient"
e2e_make_picture "$picture"
djpeg -pnm "$picture.jpg" >"$E2E_WORK/decoded.ppm"
e2e_select_picture "$picture.jpg"

# The picture starts at its own size from the top-left corner.
own_size="$E2E_WORK/own-size"
mkdir -p "$own_size"
e2e_cut_tiles
e2e_choose_location "$own_size"
e2e_expect_title "$E2E_WINDOW" "Pelorine - 保存位置：$own_size/"
e2e_save_tiles "$own_size"
e2e_expected_tiles "$E2E_WORK/expected-own-size" "$E2E_WORK/decoded.ppm" \
  0 0 "$frame" "$background"
e2e_expect_same_tiles "$E2E_WORK/expected-own-size" "$own_size"
e2e_pass "tiles of the picture at its own size"

# 300 x 150 fits the 410 x 202 client area, so scaling only centres it:
# ((410 - 300) / 2, (202 - 150) / 2). Switching back and forth first must
# leave the last choice in force.
scaled="$E2E_WORK/scaled"
mkdir -p "$scaled"
e2e_show_scaled
e2e_show_own_size
e2e_show_scaled
e2e_cut_tiles
e2e_choose_location "$scaled"
e2e_expect_title "$E2E_WINDOW" "Pelorine - 保存位置：$scaled/"
e2e_save_tiles "$scaled"
e2e_expected_tiles "$E2E_WORK/expected-scaled" "$E2E_WORK/decoded.ppm" \
  55 26 "$frame" "$background"
e2e_expect_same_tiles "$E2E_WORK/expected-scaled" "$scaled"
e2e_pass "tiles of the scaled picture"
