#!/usr/bin/env bash
# Remakes the pictures of the user guide (resources/help/images/LANG) from
# the real program (quorval --show WINDOW --screenshot FILE) on the shipped
# events, each in a fresh temporary folder, headless, on a 1280 x 1024
# screen, which gives the table its full width.
#   tools/help_pictures.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-resources/help/images}
exe="$build/app/quorval"
[ -x "$exe" ] || { echo "no program at $exe: build first" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cat > "$tmp/screen.json" <<'JSON'
{ "windowFrameMargins": false,
  "screens": [ { "name": "guide", "x": 0, "y": 0, "width": 1280, "height": 1024,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON

# shot WINDOW LANGUAGE FILE: a new player on a fresh copy of the events.
shot() {
  local dir="$tmp/run"
  rm -rf "$dir" && mkdir -p "$dir" && cp -r events/* "$dir/"
  QT_QPA_PLATFORM="offscreen:configfile=$tmp/screen.json" \
    "$exe" --dir "$dir" --player Guide --seed 7 --language "$2" --show "$1" --screenshot "$3" </dev/null
  echo "$3"
}

# The guide's folders and the program's language names.
for pair in en:en da:dk no:no sv:sw; do
  folder="$out/${pair%%:*}" lang=${pair##*:}
  mkdir -p "$folder"
  shot board_panel "$lang" "$folder/board_panel.png"
  shot hint "$lang" "$folder/auction.png"
  shot bidding_box "$lang" "$folder/bidding_box.png"
  shot auction "$lang" "$folder/end_of_auction.png"
  shot play "$lang" "$folder/play.png"
  shot score "$lang" "$folder/score.png"
  shot chooser "$lang" "$folder/board_chooser.png"
done
