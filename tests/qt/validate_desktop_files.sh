#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo must validate without errors.
# Usage: validate_desktop_files.sh BUILD-DIR
set -euo pipefail
. "$1/identity.sh"
data=$1/data
id=$VORN_APPLICATION_ID

# Any message at all fails: the package targets Debian 12, whose validator must accept it.
report=$(desktop-file-validate "$data/$id.desktop" 2>&1 || true)
if [ -n "$report" ]; then
  echo "$report"
  exit 1
fi

appstreamcli validate --no-net --pedantic "$data/$id.metainfo.xml" || {
  status=$?
  # Exit status 3 means only infos or pedantic notes; anything worse fails.
  [ "$status" -eq 3 ] || exit "$status"
}
echo "desktop entry and metainfo are valid"
