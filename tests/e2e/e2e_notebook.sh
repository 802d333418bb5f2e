#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Study Notebook in the real program, by keyboard alone:
# 1. Ctrl+N in the wizard's symbol box opens a new study of that company;
#    notes typed right away go into "Company notes" and are saved with Ctrl+S under the proposed
#    name in "Kelvo Studies" of the documents folder;
# 2. started with that file as its argument, the program shows it in the
#    notebook, and the file is left as it was;
# 3. killed (kill -9) while a new study has unsaved notes, it leaves a
#    recovery copy; the next start offers the notes back, Return recovers
#    them, and they can be saved;
# 4. a second copy started with a study the first has open says so, and
#    Return opens it read-only; after the first is killed (kill -9), its
#    lock is stale and the next copy opens the study as usual.
# Usage: e2e_notebook.sh <kelvo-wizard> <artefact folder>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin "1280x1024x24" "$@"

STUDIES="$HOME/Documents/Kelvo Studies"
RECOVERY="$XDG_STATE_HOME/kelvo-wizard"
TODAY="$(date +%F)"

# Polls until a visible window's name matches an extended regular
# expression; sets WIN.
wait_title() {
  local pattern="$1" what="$2" i
  for ((i = 0; i < 100; i++)); do
    kill -0 "$APP_PID" 2>/dev/null || e2e_fail "the program ended before $what appeared"
    WIN="$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1)"
    [[ -n "$WIN" ]] && return 0
    sleep 0.1
  done
  e2e_fail "no $what within 10 s"
}

# Waits for a dialog of the given title, gives it the keyboard and presses
# Return; the window in WIN stays the same.
answer_return() {
  local title="$1" main="$WIN" box
  e2e_wait_window "$title" 50
  box="$WIN"
  WIN="$main"
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key Return
}

wait_file() {
  local i
  for ((i = 0; i < 50; i++)); do
    [[ -s "$1" ]] && return 0
    sleep 0.1
  done
  e2e_fail "no file $1 within 5 s"
}

# Types a symbol into the wizard's symbol box, looks it up with Return (the
# name box then shows the company's name), and presses Ctrl+N there.
new_study_from_symbol_box() {
  e2e_wait_window "$E2E_MAIN_CAPTION"
  e2e_click ssymbol
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 "$1"
  xdotool key --clearmodifiers Return ctrl+n
  wait_title "^Study Notebook - Untitled\*?$" "notebook with a new study"
  xdotool windowfocus --sync "$WIN" 2>/dev/null
}

# Types at once: a new study has the keyboard in "Company notes".
type_company_notes() {
  xdotool type --delay 20 "$1"
  wait_title "^Study Notebook - Untitled\*$" "notebook marked as modified"
}

# Ctrl+S in the notebook; the save dialog's proposed name is accepted.
save_proposed() {
  xdotool key --clearmodifiers ctrl+s
  answer_return "Save Study"
  wait_file "$1"
}

# End, then Yes to "Exit Program?"; the program must end by itself.
end_program() {
  local main
  e2e_wait_window "$E2E_MAIN_CAPTION"
  main="$WIN"
  # Over the notebook, which may cover it without a window manager; the
  # pointer leaves the button first (a move with --sync to where it already
  # is waits for its timeout).
  xdotool windowraise "$main" mousemove 0 0
  e2e_click cmdCancel
  answer_return "End Program"
  e2e_wait_exit || e2e_fail "the program did not end after End and Yes"
  ((APP_STATUS == 0)) || e2e_fail "the program ended with status $APP_STATUS"
  WIN="$main"
}

recovery_copies() { find "$RECOVERY" -maxdepth 1 -name 'recovery-*.kelvostudy' 2>/dev/null; }

# --- 1. Notes typed and saved ---
e2e_start_app "$BIN"
NOTE1="Sells drinks in every country e2e-first-note"
new_study_from_symbol_box KO
type_company_notes "$NOTE1"
e2e_screenshot "$WIN" "$ART/e2e_notebook_typed.png"
e2e_not_blank "$ART/e2e_notebook_typed.png"
FILE1="$STUDIES/KO $TODAY.kelvostudy"
save_proposed "$FILE1"
grep -q "\"company\": \"$NOTE1\"" "$FILE1" || e2e_fail "the saved study lacks the company notes: $(cat "$FILE1")"
grep -q '"symbol": "KO"' "$FILE1" && grep -q '"companyName": "Coca-Cola"' "$FILE1" ||
  e2e_fail "the saved study lacks the company KO, Coca-Cola: $(cat "$FILE1")"
wait_title "^Study Notebook - KO $TODAY\.kelvostudy$" "notebook titled with the file's name"
e2e_note "notes typed and saved in $FILE1"
end_program

# --- 2. The file as the program's argument ---
before="$(sha256sum <"$FILE1")"
e2e_start_app "$BIN" -- "$FILE1"
wait_title "^Study Notebook - KO $TODAY\.kelvostudy$" "notebook with the saved study"
sleep 1 # a moment to draw
e2e_screenshot "$WIN" "$ART/e2e_notebook_reopened.png"
e2e_not_blank "$ART/e2e_notebook_reopened.png"
[[ "$(sha256sum <"$FILE1")" == "$before" ]] || e2e_fail "opening the study changed its file"
[[ -z "$(recovery_copies)" ]] || e2e_fail "an unchanged study left a recovery copy"
e2e_note "the program started with the file shows it in the notebook"
end_program

# --- 3. Killed with unsaved notes, recovered at the next start ---
e2e_start_app "$BIN"
NOTE2="Snacks and drinks, typed before a crash e2e-second-note"
new_study_from_symbol_box PEP
type_company_notes "$NOTE2"
copy=""
for ((i = 0; i < 60; i++)); do
  copy="$(recovery_copies | head -n 1)"
  [[ -n "$copy" ]] && grep -q "$NOTE2" "$copy" && break
  copy=""
  sleep 0.1
done
[[ -n "$copy" ]] || e2e_fail "no recovery copy with the notes within 6 s of typing"
kill -9 "$APP_PID"
wait "$APP_PID" 2>/dev/null
APP_PID=""
[[ -s "$copy" ]] || e2e_fail "the recovery copy is gone after kill -9"
e2e_note "killed with unsaved notes; recovery copy $(basename "$copy")"

e2e_start_app "$BIN"
e2e_wait_window "Kelvo Wizard" 100
e2e_screenshot "$WIN" "$ART/e2e_notebook_recover.png"
e2e_not_blank "$ART/e2e_notebook_recover.png"
answer_return "Kelvo Wizard"
wait_title "^Study Notebook - Untitled\*$" "notebook with the recovered notes"
xdotool windowfocus --sync "$WIN" 2>/dev/null
[[ ! -e "$copy" ]] || e2e_fail "the old recovery copy was not taken over"
FILE2="$STUDIES/PEP $TODAY.kelvostudy"
save_proposed "$FILE2"
grep -q "\"company\": \"$NOTE2\"" "$FILE2" || e2e_fail "the recovered study lacks the notes: $(cat "$FILE2")"
# The copy goes once the save is done, just after the file is in place.
for ((i = 0; i < 50; i++)); do
  [[ -z "$(recovery_copies)" ]] && break
  sleep 0.1
done
[[ -z "$(recovery_copies)" ]] || e2e_fail "a recovery copy is left after saving: $(recovery_copies)"
e2e_note "the notes were offered back, recovered and saved in $FILE2"
end_program

# --- 4. Two copies of the program on one study ---
e2e_start_app "$BIN" -- "$FILE1"
wait_title "^Study Notebook - KO $TODAY\.kelvostudy$" "the first copy's notebook"
FIRST_PID="$APP_PID"
e2e_start_app "$BIN" -- "$FILE1"
answer_return "Study Notebook"
wait_title "^Study Notebook - KO $TODAY\.kelvostudy \(read-only\)$" "the second copy's read-only notebook"
e2e_screenshot "$WIN" "$ART/e2e_notebook_read_only.png"
e2e_not_blank "$ART/e2e_notebook_read_only.png"
kill "$APP_PID"
e2e_wait_exit || e2e_fail "the second copy did not end"
kill -9 "$FIRST_PID"
wait "$FIRST_PID" 2>/dev/null
e2e_note "the second copy opened the study read-only"
e2e_start_app "$BIN" -- "$FILE1"
wait_title "^Study Notebook - KO $TODAY\.kelvostudy$" "a notebook that is not read-only after kill -9"
e2e_note "a lock left by kill -9 is stale"
end_program
echo "e2e_notebook: passed"
