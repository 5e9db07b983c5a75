#!/bin/sh
# Every text the code marks for translation has a finished translation in
# each .ts file, and no translation is left over from a text that is gone:
# a copy of each file is refreshed from the code as "update_translations"
# would, and then searched for unfinished, vanished or obsolete entries.
# usage: translation-complete.sh LUPDATE SOURCE_DIR TS_FILE...
set -eu
lupdate=$1
source_dir=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  (cd "$source_dir" && "$lupdate" -silent -locations none -extensions cpp,h \
    app ui settings bestgames help game resources advert translations -ts "$copy")
  if grep -n -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy"; then
    echo "$(basename "$ts"): the entries above need a translation or are left over" >&2
    status=1
  fi
done
exit $status
