#!/usr/bin/env bash
# Remakes the pictures that README.md shows, under docs/. Each line of the table
# below is a picture and the command that makes it (the command gets the file's
# path as its last argument and runs from the top of the tree); a family that shows itself in the README adds its
# line here and its picture to docs/.
#
#   scripts/readme-pictures.sh            every picture
#   scripts/readme-pictures.sh NAME...    the named ones (showcase.png, ...)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

pictures=(
  "showcase.png|scripts/showcase.sh --screenshot"
)

wanted=("$@")
made=0
for entry in "${pictures[@]}"; do
  name="${entry%%|*}" command="${entry#*|}"
  if [ ${#wanted[@]} -gt 0 ] && [[ ! " ${wanted[*]} " == *" $name "* ]]; then continue; fi
  echo "readme-pictures: docs/$name"
  # shellcheck disable=SC2086  # the table's command is a command line
  (cd "$here" && bash $command "docs/$name")
  made=$((made + 1))
done
if [ $made = 0 ]; then
  echo "readme-pictures: no picture named ${wanted[*]}; the table has:" >&2
  for entry in "${pictures[@]}"; do echo "  ${entry%%|*}" >&2; done
  exit 2
fi
