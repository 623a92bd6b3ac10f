#!/bin/sh
# Peak resident memory of one file run over a 1 GB document (ten copies of the 100 MB one).
# Usage: memory.sh <build dir>
set -eu
bench=${1:?build dir}/bin/analysis_bench
big=/tmp/tarn-bench/english-1gb.txt
[ -f /tmp/tarn-bench/english-100mb.txt ] || "$bench" --make-documents
[ -f "$big" ] || for i in 1 2 3 4 5 6 7 8 9 10; do cat /tmp/tarn-bench/english-100mb.txt; done > "$big"
/usr/bin/time -v "$bench" --count-file="$big" 2>&1 | grep -E "words|Maximum resident|Elapsed"
