#!/usr/bin/env bash
# Builds the fuzz programs of the data readers (clang, libFuzzer,
# AddressSanitizer and UBSan) and runs them one after the other, each seeded
# from the shipped event files and the test fixtures.
#
#   tools/fuzz/run_fuzzers.sh [--time SECONDS | --runs N] [--build DIR] [TARGET...]
#
# TARGET is a program's name without "fuzz_" (ini_store, options, ...); all
# of them by default. Each runs for SECONDS (default 10) or N executions.
# What a program learns stays in DIR/fuzz-corpus/TARGET for the next run; an
# input that crashes a reader or breaks one of its promises is kept in
# DIR/fuzz-artifacts/TARGET/ and the script exits with 1.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build-fuzz
limit=(-max_total_time=10)
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --time) limit=(-max_total_time="$2"); shift 2 ;;
    --runs) limit=(-runs="$2"); shift 2 ;;
    --build) build=$(realpath -m "$2"); shift 2 ;;
    -h|--help) sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "run_fuzzers.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
[ ${#targets[@]} -eq 0 ] && targets=(ini_store options comma_text deal_text field_results board_file sequence_library
                                     kept_play word_list pbn call_meanings)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DQUORVAL_WITH_QT=OFF -DQUORVAL_TESTS=OFF -DQUORVAL_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_all >/dev/null

events=$root/events
fixtures=$root/tests/fixtures

# sections FILE N OUT PREFIX: the first N sections of an INI file, one file each.
sections() {
  awk -v n="$2" -v out="$3/$4" '
    /^\[/ { if (++count > n) exit; file = sprintf("%s%03d", out, count) }
    count && count <= n { print > file }' "$1"
}
# values FILE KEY N OUT PREFIX: the values of the first N lines named KEY ("" any key).
values() {
  awk -v key="$2" -v n="$3" -v out="$4/$5" '
    /^\[/ { next }
    { sub(/\r$/, ""); eq = index($0, "="); if (!eq) next
      if (key != "" && substr($0, 1, eq - 1) != key) next
      if (++count > n) exit
      printf "%s", substr($0, eq + 1) > sprintf("%s%03d", out, count) }' "$1"
}
# board KEY: the board's section, its field results and its library sections,
# separated by NUL bytes (the board program's input).
board() {
  awk -v key="[$1]" '/^\[/ { on = ($0 == key"\r" || $0 == key) } on' "$events/Lisk2005.ini"
  printf '\0'
  awk -v key="[$1]" '/^\[/ { on = ($0 == key"\r" || $0 == key) } on' "$events/Results2005.ini"
  printf '\0'
  awk -v key="$1" '/^\[/ { on = (index($0, "[" key ".") == 1) } on' "$events/SEQ2005.txt"
}

seed_corpus() {  # TARGET DIR
  local t=$1 dir=$2
  case "$t" in
    ini_store)
      cp "$fixtures/options/Options.INI" "$dir/options"
      cp "$fixtures/broken/Lisk2005.ini" "$dir/broken_boards"
      sections "$events/Results2005.ini" 10 "$dir" results_
      # A save: what was loaded, what another program left on disk, the changes.
      { cat "$fixtures/options/Options.INI"; printf '\0'
        sed 's/^LastHandPlayed=5/LastHandPlayed=6/' "$fixtures/options/Options.INI"
        printf '[Dee]\r\nImp01.03=N,1~N,7,90\r\n\0'
        printf 'S\tBob\tImp01.06\tS,3~N,9,400\nD\tAnn\tImp01.02\nE\tCy\nS\tbob\tLastHandPlayed\t6\n'
      } > "$dir/merge"
      ;;
    options)
      cp "$fixtures/options/Options.INI" "$dir/options"
      printf '[Options]\r\nLanguage=DK\r\nBackDesign=-1\r\nColorSkin=Blue\r\nLastPlayed=garbage\r\n' > "$dir/odd"
      ;;
    comma_text)
      values "$events/Results2005.ini" "" 30 "$dir" result_
      values "$fixtures/options/Options.INI" "" 40 "$dir" options_
      printf 'N,"Passed out",,a b,"say ""hi"""' > "$dir/quoted"
      ;;
    deal_text)
      values "$events/Lisk2005.ini" Deal 40 "$dir" deal_
      values "$fixtures/broken/Lisk2005.ini" Deal 10 "$dir" broken_
      ;;
    field_results)
      sections "$events/Results2005.ini" 30 "$dir" results_
      cp "$fixtures/events/Results2005.ini" "$dir/fixture"
      cp "$fixtures/broken/Results2005.ini" "$dir/broken"
      ;;
    board_file)
      local key
      for key in $(grep -o '^\[[A-Za-z0-9.]*\]' "$events/Lisk2005.ini" | tr -d '[]' | awk 'NR % 25 == 1'); do
        board "$key" > "$dir/$key"
      done
      for set in events broken; do
        { cat "$fixtures/$set/Lisk2005.ini"; printf '\0'; cat "$fixtures/$set/Results2005.ini"; printf '\0'
          cat "$fixtures/$set/SEQ2005.txt"; } > "$dir/fixture_$set"
      done
      ;;
    sequence_library)
      local key
      for key in $(grep -o '^\[[A-Za-z0-9.]*\]' "$events/Lisk2005.ini" | tr -d '[]' | awk 'NR % 25 == 1'); do
        awk -v key="$key" '/^\[/ { on = (index($0, "[" key ".") == 1) } on' "$events/SEQ2005.txt" > "$dir/$key"
      done
      cp "$fixtures/events/SEQ2005.txt" "$dir/fixture"
      cp "$fixtures/broken/SEQ2005.txt" "$dir/broken"
      ;;
    kept_play)
      # Plays kept by a run of the fixture events, one record's five values,
      # and a board ended by a claim after ten tricks, with its filing time.
      cp "$fixtures/plays/Plays2005.ini" "$dir/plays"
      awk '/^\[/ { n++ } n == 1' "$fixtures/plays/Plays2005.ini" > "$dir/one_player"
      awk '/^\[/ { n++ } n == 1 && /^(\[|Imp01\.01\.)/' "$fixtures/plays/Plays2005.ini" |
        sed -E 's/^(Imp01\.01\.Play=W:([^,]*,){40}).*/\1claimNS2/; $a Imp01.01.Filed=2026-12-10 04:37:00' \
        > "$dir/claimed"
      printf 'W\0EW\0N:QT6.AKJ2.763.J82 KJ94.T654.8.AQ65 A75.Q.AKJT952.K9 832.9873.Q4.T743\0P,P,P,1D,P,3N,P,P,P\0-' \
        > "$dir/record"
      ;;
    word_list)
      local list
      for list in "$root"/resources/lang/*.txt; do cp "$list" "$dir/$(basename "$list" .txt)"; done
      printf '%%Form%%\tA\r\n"\tB\tC\n".Hint\txx\xff\n  Key \n\xef\xbb\xbf#\n' > "$dir/odd"
      ;;
    pbn)
      # A file the program exported, and a club's untidy hand record.
      cp "$fixtures/pbn/export.pbn" "$dir/export"
      printf '%% PBN 2.1\r\n{ club night }\r\n[Board "1"]\r\n[Dealer "N"]\r\n[Vulnerable "None"]\r\n[Deal "E:AT82.K5.J92.AK95 Q973.QJ4.A4.QT63 J4.T72.K8765.J74 K65.A9863.QT3.82"]\r\n\r\n[Deal "N:#"]; repeated\n[Board "2"]\n' > "$dir/hand_record"
      printf '\001' | cat - "$fixtures/pbn/export.pbn" > "$dir/export_whole"
      ;;
    call_meanings)
      head -c 20000 "$events/Meanings2005.txt" > "$dir/start"
      printf '[Meanings]\r\nEntries=3\r\n\r\n[D]\r\n1N=Natural,15-17,Bal,Strain:N\r\n1N,P,2C=Stayman,8+,Pts,F1\r\n1S,P,2S=Natural,6-9,Pts,S3+,Strain:S\r\n' > "$dir/small"
      ;;
    *) echo "run_fuzzers.sh: no fuzz program $t" >&2; exit 2 ;;
  esac
}

failed=0
for t in "${targets[@]}"; do
  seeds=$build/fuzz-seeds/$t corpus=$build/fuzz-corpus/$t artifacts=$build/fuzz-artifacts/$t
  rm -rf "$seeds"
  mkdir -p "$seeds" "$corpus" "$artifacts"
  seed_corpus "$t" "$seeds"
  log=$build/fuzz-$t.log
  if "$build/tools/fuzz/fuzz_$t" "${limit[@]}" -max_len=4096 -timeout=20 -rss_limit_mb=2048 \
      -dict="$root/tools/fuzz/quorval.dict" -artifact_prefix="$artifacts/" -print_final_stats=1 \
      "$corpus" "$seeds" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$t: ${runs:-?} executions, nothing found"
  else
    failed=1
    echo "fuzz_$t: FAILED, see $log and $artifacts/" >&2
    grep -E 'broken promise|ERROR|SUMMARY|runtime error' "$log" | head -5 >&2 || true
  fi
done
exit $failed
