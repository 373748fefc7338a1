#!/usr/bin/env bash
# Saving when it cannot work, and saving after the tile canvases have been
# painted over: the boxes that say so, and what ends up on disk.
# shellcheck source=SCRIPTDIR/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# tile_files_state FOLDER...: the tile files there, with size and change
# time, to tell whether a save touched them.
tile_files_state() {
  local folder name
  for folder in "$@"; do
    for name in "${E2E_TILE_FILES[@]}"; do
      stat -c "%n %s %y" "$folder/$name" 2>/dev/null || true
    done
  done
}

start_folder="$E2E_WORK/start"
mkdir -p "$start_folder"
program_folder=$(dirname "$E2E_PROGRAM")
untouched_folders=("$program_folder" "$start_folder" "$HOME")
states_before=$(tile_files_state "${untouched_folders[@]}")
e2e_start_program "$start_folder"

# No location chosen yet: a warning, and no file written anywhere, not even
# relative to the working folder.
e2e_click "${E2E_SAVE_TILES[@]}"
e2e_dismiss_box '错误'
states_after=$(tile_files_state "${untouched_folders[@]}")
[[ $states_after == "$states_before" ]] ||
  e2e_fail "a save without a location wrote files: $states_after"
e2e_expect_title "$E2E_WINDOW" "$E2E_UNSET_TITLE"
e2e_pass "saving without a location warns and writes nothing"

# A tile file that may not be written stays as it was; the others are saved.
read_only="$E2E_WORK/read-only"
mkdir -p "$read_only"
echo "not a tile" >"$read_only/3.jpg"
cp "$read_only/3.jpg" "$E2E_WORK/3.jpg.before"
chmod 444 "$read_only/3.jpg"
e2e_choose_location "$read_only"
e2e_click "${E2E_SAVE_TILES[@]}"
e2e_dismiss_box '保存失败'
cmp "$E2E_WORK/3.jpg.before" "$read_only/3.jpg" ||
  e2e_fail "the read-only 3.jpg was changed"
[[ $(stat -c %a "$read_only/3.jpg") == 444 ]] ||
  e2e_fail "the read-only 3.jpg lost its permissions"
for name in "${E2E_TILE_FILES[@]}"; do
  [[ $name == 3.jpg ]] && continue
  [[ $(stat -c %s "$read_only/$name" 2>/dev/null) == "$E2E_TILE_FILE_SIZE" ]] ||
    e2e_fail "$name was not saved next to the read-only 3.jpg"
done
for entry in "$read_only"/* "$read_only"/.[!.]*; do
  [[ -e $entry ]] || continue
  [[ ${entry##*/} == [1-8].jpg ]] || e2e_fail "the save left $entry behind"
done
e2e_pass "a read-only tile file fails alone and stays unchanged"

# The chosen folder disappears before the save.
removed="$E2E_WORK/removed"
mkdir -p "$removed"
e2e_choose_location "$removed"
rmdir "$removed"
e2e_click "${E2E_SAVE_TILES[@]}"
e2e_dismiss_box '保存失败'
[[ ! -e $removed ]] || e2e_fail "the removed folder came back"
e2e_pass "a removed folder fails the save"

# Tiles are what was cut, not what the canvases last painted: save, paint
# everything over, save again, and the files must not change.
picture="$E2E_WORK/gradient"
e2e_make_picture "$picture"
e2e_select_picture "$picture.jpg"
e2e_cut_tiles
before="$E2E_WORK/before-repaint"
mkdir -p "$before"
e2e_choose_location "$before"
e2e_save_tiles "$before"
# Own size leaves the last tile blank while the first is all picture.
cmp -s "$before/1.jpg" "$before/8.jpg" &&
  e2e_fail "the cut tiles hold no picture"

# Showing the picture the other way repaints the source canvas only.
e2e_show_scaled
# Hidden and shown again: everything is exposed and painted anew.
xdotool windowunmap --sync "$E2E_WINDOW"
xdotool windowmap --sync "$E2E_WINDOW"
# A second instance opens centred too, right on top of the first; closing it
# exposes the first again.
first_pid=$E2E_PID
first_window=$E2E_WINDOW
e2e_start_program "$E2E_WORK"
[[ $E2E_WINDOW != "$first_window" ]] || e2e_fail "no second window opened"
e2e_press "$E2E_WINDOW" Escape
e2e_wait_exit "$E2E_PID"
[[ $E2E_EXIT_STATUS == 0 ]] ||
  e2e_fail "the second instance ended with status $E2E_EXIT_STATUS"
E2E_PID=$first_pid
E2E_WINDOW=$first_window

after="$E2E_WORK/after-repaint"
mkdir -p "$after"
e2e_choose_location "$after"
e2e_save_tiles "$after"
e2e_expect_same_tiles "$before" "$after"
e2e_pass "tiles survive a repaint between cut and save"
