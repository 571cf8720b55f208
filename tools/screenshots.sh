#!/usr/bin/env bash
# Remakes the pictures of the table in docs/screenshots from the real program
# (quorval --show WINDOW --screenshot FILE) on the shipped events, each in a
# fresh temporary folder, headless, on a 960 x 580 screen.
#   tools/screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/screenshots}
exe="$build/app/quorval"
[ -x "$exe" ] || { echo "no program at $exe: build first" >&2; exit 2; }
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cat > "$tmp/screen.json" <<'JSON'
{ "windowFrameMargins": false,
  "screens": [ { "name": "shot", "x": 0, "y": 0, "width": 960, "height": 580,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON

# shot WINDOW LANGUAGE FILE: a new player on a fresh copy of the events.
shot() {
  local dir="$tmp/run"
  rm -rf "$dir" && mkdir -p "$dir" && cp -r events/* resources/help/* "$dir/"
  QT_QPA_PLATFORM="offscreen:configfile=$tmp/screen.json" \
    "$exe" --dir "$dir" --player Demo --seed 1 --language "$2" --show "$1" --screenshot "$out/$3" </dev/null
  echo "$out/$3"
}

shot bidding en auction.png
shot all_hands en all_hands.png
shot auction en end_of_auction.png
shot play en play.png
shot score en score.png
for lang in dk no sw; do
  shot bidding "$lang" "auction_$lang.png"
  shot score "$lang" "score_$lang.png"
done
shot chooser en chooser.png
# What the calls mean: the tip of the opening in the auction, and the hint.
for lang in en dk; do
  shot meaning "$lang" "meaning_$lang.png"
  shot hint "$lang" "hint_$lang.png"
done
