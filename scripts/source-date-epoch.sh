# Sourced by the build scripts: every time a build writes into its output (file times in
# archives, the manual page's date, Qt's resource data) is the last commit's, unless the
# builder gives SOURCE_DATE_EPOCH, so that two builds of one commit give the same bytes.
# Usage: . scripts/source-date-epoch.sh   (from the top of the tree)
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
export SOURCE_DATE_EPOCH
export QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
