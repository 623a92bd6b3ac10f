#!/bin/sh
# Peak resident memory of the file run over a 1 GB document (ten copies of the 100 MB one), by
# the counting run alone and by the session that keeps the text, then with the concordance of a
# word read again from the file.
# Usage: memory.sh <build dir> [WORD]
set -eu
bin=${1:?build dir}/bin
word=${2:-holmes}
big=/tmp/tarn-bench/english-1gb.txt
[ -f /tmp/tarn-bench/english-100mb.txt ] || "$bin/analysis_bench" --make-documents
[ -f "$big" ] || for i in 1 2 3 4 5 6 7 8 9 10; do cat /tmp/tarn-bench/english-100mb.txt; done > "$big"
echo "counting run:"; /usr/bin/time -v "$bin/analysis_bench" --count-file="$big" 2>&1 | grep -E "words|Maximum resident|Elapsed"
echo "session, keeping the text:"; /usr/bin/time -v "$bin/concordance_bench" --count-file="$big" 2>&1 | grep -E "words|Maximum resident|Elapsed"
echo "session, then the concordance of $word:"; /usr/bin/time -v "$bin/concordance_bench" --count-file="$big" "$word" 2>&1 | grep -E "words|lines|Maximum resident|Elapsed"
