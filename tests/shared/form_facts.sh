# The form's facts for the shell tests that drive a real window, read from the form
# description as tests/web/form_description_json prints it, so that no test keeps a copy.
# Source it, then call load_form FORM.json; it sets
#   client_width, client_height   the client area's designed size
#   stops                         the tab stops, in tab order
# and control_geometry NAME prints a control's designed "left top width height".
# tab_to NAME presses Tab (with the command in tab_key) as many times as the tab order asks
# to go from the stop in `at` to NAME, then sets `at` to it; a window starts on its first
# stop, where load_form sets `at`.
tab_key=(xdotool key)

load_form() {
  form_json=$1
  read -r client_width client_height < <(form_query 'form["clientWidth"], form["clientHeight"]')
  mapfile -t stops < <(form_query '*form["tabOrder"], sep="\n"')
  at=${stops[0]}
}

form_query() {
  /usr/bin/python3 -c "import json, sys; form = json.load(open(sys.argv[1])); print($1)" \
    "$form_json"
}

control_geometry() {
  form_query "*next([c['left'], c['top'], c['width'], c['height']] for c in form['controls'] if c['name'] == '$1')"
}

stop_index() {
  local i
  for i in "${!stops[@]}"; do [ "${stops[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo "FAIL: $1 is no tab stop" >&2
  return 1
}

tab_presses() {
  local from to
  from=$(stop_index "$1") && to=$(stop_index "$2") || return 1
  echo $(((to - from + ${#stops[@]}) % ${#stops[@]}))
}

tab_to() {
  local presses
  presses=$(tab_presses "$at" "$1")
  for ((; presses > 0; presses--)); do "${tab_key[@]}" Tab; done
  at=$1
}
