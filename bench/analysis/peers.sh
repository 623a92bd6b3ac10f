#!/bin/sh
# Times two common ways of counting words over the same document as the analysis benchmark,
# so that the file run's figure can be given as a ratio. Usage: peers.sh [document]
set -eu
doc=${1:-/tmp/tarn-bench/english-100mb.txt}
[ -f "$doc" ] || { echo "missing $doc: run analysis_bench --make-documents first" >&2; exit 1; }
size=$(stat -c %s "$doc")

seconds() {
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$start $end $size" | awk '{ t = $2 - $1; printf "%.2f s  %.1f MB/s\n", t, $3 / 1048576 / t }'
}

echo "tr | sort | uniq -c:"
seconds sh -c "tr -cs 'A-Za-z' '\n' < '$doc' | tr 'A-Z' 'a-z' | LC_ALL=C sort | uniq -c"

echo "python Counter over a regular expression:"
seconds python3 -c "
import collections, re, sys
words = collections.Counter()
with open(sys.argv[1], 'rb') as f:
    for line in f:
        words.update(re.findall(rb'[a-z]+', line.lower()))
print(len(words))
" "$doc"
