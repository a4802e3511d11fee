#!/usr/bin/env bash
# Checks that what the README tells a user to run is there, so that a command it shows
# cannot quietly go dead: every path in the tree it names exists; every preset it names is
# one that cmake lists, of the kind its command asks for; every VORN_ setting or variable
# it names is read somewhere in the tree; and every script it shows refuses a wrong call
# with status 2 (it reads its arguments before doing any work) and has in its usage each
# option and word the README passes it. Builds and installs nothing.
# Usage: scripts/check-readme.sh [README]   (default README.md)
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $# -le 1 && ${1:-} != -* ]] || { sed -n 's/^# //; /^Usage:/p' "$0" >&2; exit 2; }
readme=${1:-README.md}
failures=0
fail() { echo "FAIL: $readme $*"; failures=$((failures + 1)); }

# What a user would type: the code spans of the prose and the lines of the code blocks.
snippets=$(awk '/^```/ { block = !block; next }
                block { print; next }
                { while (match($0, /`[^`]+`/)) { print substr($0, RSTART + 1, RLENGTH - 2)
                                                 $0 = substr($0, RSTART + RLENGTH) } }' "$readme")

# Paths anywhere in the text, links and images among them; what builds make (build/,
# dist/) is not kept in the tree.
while read -r path; do
  [ -e "$path" ] || fail "names $path, which is not in the tree"
done < <(grep -oE '(^|[ `("])(\.ci|app|ui|core|cmake|data|tests|bench|fuzz|scripts)/[A-Za-z0-9_./-]*|(CMakeLists\.txt|CMakePresets\.json|LICENSE)' "$readme" |
         sed -E 's/^[ `("]//; s/[.,]+$//' | sort -u)

# Presets: of the kind each command takes, and of any kind where the prose names one.
declare -A listed
for kind in configure build test package; do
  listed[$kind]=$(cmake --list-presets="$kind" | grep -oE '^  "[^"]+"' | tr -d ' "')
done
listed[workflow]=$(cmake --workflow --list-presets | grep -oE '^  "[^"]+"' | tr -d ' "')
listed[any]=$(printf '%s\n' "${listed[@]}")
while read -r line; do
  name=${line##* }
  case "${line% *}" in
    "cmake --preset") kind=configure ;;
    "cmake --build --preset") kind=build ;;
    "cmake --workflow --preset") kind=workflow ;;
    "ctest --preset") kind=test ;;
    "cpack --preset") kind=package ;;
    *) kind=any ;;
  esac
  grep -qx -- "$name" <<<"${listed[$kind]}" || fail "names the preset '$name' ($kind), which cmake does not list"
done < <({ grep -oE '(cmake( --build| --workflow)?|ctest|cpack) --preset [A-Za-z0-9_-]+' <<<"$snippets"
           grep -oE '`[A-Za-z0-9_-]+` (configure |build |test |package |workflow )?presets?' "$readme" |
             sed -E 's/^`([^`]+)`.*/preset \1/'; } | sort -u)

# Build settings and environment variables: each is read by the build, a script or a test.
while read -r name; do
  git grep -q -w -e "$name" -- ':!README.md' || fail "names $name, which nothing in the tree reads"
done < <(grep -oE 'VORN_[A-Z0-9_]+' "$readme" | sort -u)

# Scripts: a wrong call is refused before any work, and what the README passes is in the
# usage (an upper-case placeholder there, such as SECONDS, takes any value).
while read -r script; do
  [ -x "$script" ] || { fail "names $script, which is not executable"; continue; }
  status=0
  timeout 20 "$script" --no-such-option </dev/null >/dev/null 2>&1 || status=$?
  [ "$status" -eq 2 ] || fail "shows $script, which answers a wrong call with status $status, not 2"
done < <(grep -oE '\b(scripts|bench)/[A-Za-z0-9_-]+\.sh\b' <<<"$snippets" | sort -u)
while read -r script arguments; do
  [ -f "$script" ] || continue
  usage=$(sed -n '/^# Usage:/,/^[^#]/p' "$script")
  for argument in $arguments; do
    case "$argument" in
      \[*|\<*|*...|\$*|\#*) ;;  # the README's own placeholders
      *) grep -q -w -e "${argument%%=*}" <<<"$usage" || grep -q -E '[A-Z]{2,}' <<<"${usage#*Usage:}" ||
           fail "passes '$argument' to $script, whose usage does not take it" ;;
    esac
  done
done < <(grep -oE '\b(scripts|bench)/[A-Za-z0-9_-]+\.sh( +[^ #;&|)]+)*' <<<"$snippets" | sort -u)

[ "$failures" -eq 0 ] || exit 1
echo "ok   $readme: its paths, presets, settings and scripts are all there"
