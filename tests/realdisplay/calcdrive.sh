# Helpers for drivers that use the calculator panel in drawinghost with real
# X input. Source xdrive.sh first, then this.
#   calc_start EXE MODULE   start the host with the module, dock the panel with
#                           the toolbar button, scroll its measurement tools
#                           into view, find its widgets and the drawing's scale
#   calc_locate_panel       find the panel's widgets again (after it moved)
#   calc_calibrate          find the drawing's scale again (after the view
#                           changed size)
#   calc_point X Y          where to click for the drawing point X,Y (2 pixels
#                           off, which snaps to a vertex there)
#   calc_line_is TEXT       the panel's input line reads TEXT: the copy button
#                           puts the line on the command line, which has the
#                           keyboard afterwards, so Return enters it there
#   calc_clear_line         click into the panel's input line and empty it
#   calc_wait_floating_active  wait until the floating panel's window has
#                           the keyboard (the window manager activates it a
#                           moment after the panel asks)
# Widget centres land in variables named after them: LINE_X/LINE_Y,
# DISTANCE_X/..., ANGLE_, AREA_, CIRCUMFERENCE_, COPYCMD_, HISTORY_ (its
# rectangle's corner in HISTORY_LEFT, HISTORY_TOP), INPUT_ (the command line), TOGGLE_, VIEW_.

calc_locate_panel() {
  dh_click "$INPUT_X" "$INPUT_Y"
  dh_locate lineEdit_calc
  LINE_X=$DH_X LINE_Y=$DH_Y
  # The measurement tools sit below the fold of the panel: scroll down.
  dh_locate w_numbers
  xdotool mousemove --sync "$DH_X" "$DH_Y" click --repeat 10 5
  dh_click "$INPUT_X" "$INPUT_Y"
  dh_locate button_getDistance
  DISTANCE_X=$DH_X DISTANCE_Y=$DH_Y
  dh_locate button_getAngle
  ANGLE_X=$DH_X ANGLE_Y=$DH_Y
  dh_locate button_getArea
  AREA_X=$DH_X AREA_Y=$DH_Y
  dh_locate button_getCircumference
  CIRCUMFERENCE_X=$DH_X CIRCUMFERENCE_Y=$DH_Y
  dh_locate button_copyCommand
  COPYCMD_X=$DH_X COPYCMD_Y=$DH_Y
  dh_locate twHistory
  HISTORY_X=$DH_X HISTORY_Y=$DH_Y
  HISTORY_LEFT=$(printf '%s' "$DH_LINE" | sed -E 's/.*rectangle ([0-9-]+),.*/\1/')
  HISTORY_TOP=$(printf '%s' "$DH_LINE" | sed -E 's/.*rectangle [0-9-]+,([0-9-]+) .*/\1/')
}

calc_start() {
  local exe=$1 module
  module=$(realpath "$2")
  dh_start "$exe" --load "$module"
  dh_expect "Module $(basename "$module") loaded."
  dh_locate commandInput
  INPUT_X=$DH_X INPUT_Y=$DH_Y
  dh_locate TwQuickCalcCommandToggleButton
  TOGGLE_X=$DH_X TOGGLE_Y=$DH_Y
  dh_locate drawingView
  VIEW_X=$DH_X VIEW_Y=$DH_Y

  # The button shows the panel at once, without a command of its own.
  dh_click "$TOGGLE_X" "$TOGGLE_Y"
  calc_locate_panel
  calc_calibrate
}

# The drawing's scale on screen, from two clicks away from any vertex (again
# whenever the view changed size).
calc_calibrate() {
  dh_click "$INPUT_X" "$INPUT_Y"
  dh_locate drawingView
  VIEW_X=$DH_X VIEW_Y=$DH_Y
  dh_type "GETDISTANCE"
  dh_key Return
  dh_expect "Command: GETDISTANCE"
  dh_click "$VIEW_X" "$VIEW_Y"
  dh_expect_prefix "Specify first point: "
  local first=${DH_LINE#Specify first point: }
  dh_click $((VIEW_X + 100)) "$VIEW_Y"
  dh_expect_prefix "Specify second point: "
  local second=${DH_LINE#Specify second point: }
  read -r CALC_SCALE CALC_ORIGIN_X CALC_ORIGIN_Y < <(awk -v a="$first" -v b="$second" \
    -v x="$VIEW_X" -v y="$VIEW_Y" '
    BEGIN { split(a, p, ","); split(b, q, ","); s = 100 / (q[1] - p[1]);
            printf "%.6f %.3f %.3f\n", s, x - p[1] * s, y + p[2] * s }')
  dh_expect_prefix "Distance = "
}

calc_point() {
  awk -v s="$CALC_SCALE" -v ox="$CALC_ORIGIN_X" -v oy="$CALC_ORIGIN_Y" -v x="$1" -v y="$2" \
    'BEGIN { printf "%d %d\n", ox + x * s + 2.5, oy - y * s - 1.5 }'
}

calc_line_is() {
  dh_click "$COPYCMD_X" "$COPYCMD_Y"
  dh_key Return
  dh_expect "Command: $1"
}

calc_clear_line() {
  dh_click "$LINE_X" "$LINE_Y"
  dh_key Escape
}

calc_wait_floating_active() {
  local deadline=$((SECONDS + DH_TIMEOUT))
  until [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "Smart Calculator" ]; do
    [ "$SECONDS" -lt "$deadline" ] || dh_fail "the floating panel did not get the keyboard"
    sleep 0.05
  done
}
