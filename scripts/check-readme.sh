#!/usr/bin/env bash
# Checks that what the documents tell a reader to run is there, so that a command they show
# cannot quietly go dead: every path in the tree a document names exists; every preset it
# names is one that cmake lists, of the kind its command asks for; every VORN_ setting or
# variable it names is read somewhere in the tree; and every script it shows refuses a
# wrong call with status 2 (it reads its arguments before doing any work) and has in its
# usage each option and word the document passes it. Builds and installs nothing.
# Usage: scripts/check-readme.sh [DOCUMENT]...
#        (default: README.md BUILDING.md RELEASING.md FIGURES.md)
set -euo pipefail
cd "$(dirname "$0")/.."
[[ ${1:-} != -* ]] || { sed -n '/^# Usage:/,/^# *(default/s/^# //p' "$0" >&2; exit 2; }
[ $# -gt 0 ] || set -- README.md BUILDING.md RELEASING.md FIGURES.md
failures=0

# Presets: what cmake lists of each kind, and of any kind.
declare -A listed
for kind in configure build test package; do
  listed[$kind]=$(cmake --list-presets="$kind" | grep -oE '^  "[^"]+"' | tr -d ' "')
done
listed[workflow]=$(cmake --workflow --list-presets | grep -oE '^  "[^"]+"' | tr -d ' "')
listed[any]=$(printf '%s\n' "${listed[@]}")

check() {
  local document=$1 before=$failures snippets
  fail() { echo "FAIL: $document $*"; failures=$((failures + 1)); }

  # What a reader would type: the code spans of the prose and the lines of the code blocks.
  snippets=$(awk '/^```/ { block = !block; next }
                  block { print; next }
                  { while (match($0, /`[^`]+`/)) { print substr($0, RSTART + 1, RLENGTH - 2)
                                                   $0 = substr($0, RSTART + RLENGTH) } }' "$document")

  # Paths anywhere in the text, links and images among them, and the documents it points
  # to; what builds make (build/, dist/) is not kept in the tree.
  while read -r path; do
    [ -e "$path" ] || fail "names $path, which is not in the tree"
  done < <(grep -oE '(^|[ `("])(\.ci|app|ui|core|cmake|data|tests|bench|fuzz|scripts)/[A-Za-z0-9_./-]*|(CMakeLists\.txt|CMakePresets\.json|LICENSE|\b[A-Z]+\.md)\b' "$document" |
           sed -E 's/^[ `("]//; s/[.,]+$//' | sort -u)

  # Presets: of the kind each command takes, and of any kind where the prose names one (the
  # list's subshell stops at a failing command, so a grep that finds none must not fail).
  while read -r line; do
    local name=${line##* } kind
    case "${line% *}" in
      "cmake --preset") kind=configure ;;
      "cmake --build --preset") kind=build ;;
      "cmake --workflow --preset") kind=workflow ;;
      "ctest --preset") kind=test ;;
      "cpack --preset") kind=package ;;
      *) kind=any ;;
    esac
    grep -qx -- "$name" <<<"${listed[$kind]}" || fail "names the preset '$name' ($kind), which cmake does not list"
  done < <({ grep -oE '(cmake( --build| --workflow)?|ctest|cpack) --preset [A-Za-z0-9_-]+' <<<"$snippets" || true
             grep -oE '`[A-Za-z0-9_-]+` (configure |build |test |package |workflow )?presets?' "$document" |
               sed -E 's/^`([^`]+)`.*/preset \1/'; } | sort -u)

  # Build settings and environment variables: each is read by the build, a script or a test.
  while read -r name; do
    git grep -q -w -e "$name" -- ':!*.md' || fail "names $name, which nothing in the tree reads"
  done < <(grep -oE 'VORN_[A-Z0-9_]+' "$document" | sort -u)

  # Scripts: a wrong call is refused before any work, and what the document passes is in
  # the usage (an upper-case placeholder there, such as SECONDS, takes any value).
  while read -r script; do
    [ -x "$script" ] || { fail "names $script, which is not executable"; continue; }
    local status=0
    timeout 20 "$script" --no-such-option </dev/null >/dev/null 2>&1 || status=$?
    [ "$status" -eq 2 ] || fail "shows $script, which answers a wrong call with status $status, not 2"
  done < <(grep -oE '\b(scripts|bench)/[A-Za-z0-9_-]+\.sh\b' <<<"$snippets" | sort -u)
  while read -r script arguments; do
    [ -f "$script" ] || continue
    local usage
    usage=$(sed -n '/^# Usage:/,/^[^#]/p' "$script")
    for argument in $arguments; do
      case "$argument" in
        \[*|\<*|*...|\$*|\#*) ;;  # the document's own placeholders
        *) grep -q -w -e "${argument%%=*}" <<<"$usage" || grep -q -E '[A-Z]{2,}' <<<"${usage#*Usage:}" ||
             fail "passes '$argument' to $script, whose usage does not take it" ;;
      esac
    done
  done < <(grep -oE '\b(scripts|bench)/[A-Za-z0-9_-]+\.sh( +[^ #;&|)]+)*' <<<"$snippets" | sort -u)

  [ "$failures" -ne "$before" ] ||
    echo "ok   $document: its paths, presets, settings and scripts are all there"
}

for document in "$@"; do
  if [ -f "$document" ]; then check "$document"; else echo "FAIL: no $document"; failures=$((failures + 1)); fi
done
[ "$failures" -eq 0 ]
