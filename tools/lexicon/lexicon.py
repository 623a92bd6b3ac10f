"""Builds the six word tables of data/dict, the graded filter lists, the level lists, the
Chinese glosses and the spoken-English word counts from public sources.

The stemmer's own rules decide a word's fate wherever they can; the tables only list what the
rules get wrong. Every decision is checked by running tarn-cli's reducers, never a copy of them.
"""

import collections
import os
import shutil
import tempfile

import glosses
import levels
import sources
import spoken

# Graded filter lists: the most frequent lemmas of spoken English with their inflected forms.
GRADES = (1000, 2000, 3000, 5000, 8000, 10000)
COMPARE_GRADE = 2000
GLOSS_FILE = "glosses.txt"  # UTF-8, unlike the word lists

# Word counts are SUBTLEX counts (51 million words of subtitles).
MIN_COUNT_IRREGULAR = 20  # an irregular form worth a pair of 1.dat
MIN_COUNT_PAIR = 3  # a regular form the rules get wrong worth a pair
COMMON_SIZE = 60  # SCOWL's lists up to this size hold the common words
NAME_SIZE = 80  # and its names up to this size the common names
TABLE_LEMMAS = 20000  # lemmas that 2.dat and 4.dat draw on

# Irregular forms that are at least as often words of their own: folding them would hide a
# word a learner needs (the ground, a rose, a wound, a bit, turn left, lay the table).
OWN_WORDS = {"ground", "rose", "wound", "bit", "left", "lay", "bore", "axes",
             "lives", "data", "media", "dice", "number"}

POS_ORDER = ("verb", "noun", "adj", "adv")
VOWELS = set("aeiou")


def read_function_words():
    path = os.path.join(sources.HERE, "function_words.txt")
    words = set()
    with open(path, encoding="ascii") as f:
        for line in f:
            if line.startswith("#") or ":" not in line:
                continue
            words.update(line.split(":", 1)[1].split())
    return words


def ends_cvc(w):
    return (len(w) >= 3 and w[-1] not in VOWELS and w[-1] not in "wxy" and w[-2] in VOWELS
            and w[-3] not in VOWELS)


def regular_forms(lemma, wn):
    """Candidate regular inflections of `lemma` for the parts of speech WordNet gives it."""
    out = set()
    consonant_y = len(lemma) >= 2 and lemma[-1] == "y" and lemma[-2] not in VOWELS
    doubled = lemma + lemma[-1] if ends_cvc(lemma) else None
    if lemma in wn.index["noun"] or lemma in wn.index["verb"]:
        if lemma.endswith(("s", "x", "z", "ch", "sh")):
            out.add(lemma + "es")
        elif consonant_y:
            out.add(lemma[:-1] + "ies")
        else:
            out.add(lemma + "s")
            if lemma.endswith("o"):
                out.add(lemma + "es")
    if lemma in wn.index["verb"]:
        if lemma.endswith("e"):
            out.add(lemma + "d")
            out.add(lemma + "ing")
            out.add(lemma[:-1] + "ing")
            if lemma.endswith("ie"):
                out.add(lemma[:-2] + "ying")
        elif consonant_y:
            out.update({lemma[:-1] + "ied", lemma + "ing"})
        else:
            out.update({lemma + "ed", lemma + "ing"})
            if doubled:
                out.update({doubled + "ed", doubled + "ing"})
    if lemma in wn.index["adj"] or lemma in wn.index["adv"]:
        if lemma.endswith("e"):
            out.update({lemma + "r", lemma + "st"})
        elif consonant_y:
            out.update({lemma[:-1] + "ier", lemma[:-1] + "iest"})
        else:
            out.update({lemma + "er", lemma + "est"})
            if doubled:
                out.update({doubled + "er", doubled + "est"})
    return out


class Lexicon:
    def __init__(self, cli, log=print):
        self.cli = cli
        self.log = log
        self.wn = sources.WordNet()
        self.scowl = sources.read_scowl()
        self.common = sources.read_scowl(COMMON_SIZE)
        self.names = sources.read_scowl_names(NAME_SIZE)
        self.counts = sources.read_subtlex()
        self.stop = read_function_words()
        self.exc_forms = collections.defaultdict(set)  # base -> irregular forms
        for pos in sources.POS_NAMES:
            for variant, bases in self.wn.exc[pos].items():
                for b in bases:
                    self.exc_forms[b].add(variant)
        self._lemma_cache = {}

    def lemmas(self, word):
        """The reference's lemmas; a word the reference does not know is its own lemma."""
        found = self._lemma_cache.get(word)
        if found is None:
            found = self.wn.lemmas(word) or {word}
            self._lemma_cache[word] = found
        return found

    def is_base(self, word):
        return word in self.lemmas(word)

    # --- frequency ranking -------------------------------------------------------------------

    def rank_lemmas(self):
        """Lemmas by spoken frequency: each word's count is shared among its lemmas in
        proportion to how often WordNet's tagged corpus saw each lemma."""
        weight = collections.Counter()
        for word, count in self.counts.items():
            if word in self.stop or len(word) < 2:
                continue
            candidates = self.wn.lemmas(word)
            if not candidates:
                if word not in self.scowl:
                    continue
                candidates = {word}
            candidates = [c for c in candidates if c not in self.stop and c in self.scowl]
            if not candidates:
                continue
            shares = {c: 1 + self.wn.tag_count[c] for c in candidates}
            total = sum(shares.values())
            for c in candidates:
                weight[c] += count * shares[c] / total
        self.weight = weight
        self.ranked = sorted(weight, key=lambda w: (-weight[w], w))
        self.rank = {w: i for i, w in enumerate(self.ranked)}
        return self.ranked

    def forms(self, lemma):
        """The inflected forms of `lemma`: regular ones and WordNet's exceptions, each a real
        word (SCOWL) that the reference leads back to `lemma`."""
        candidates = regular_forms(lemma, self.wn) | self.exc_forms.get(lemma, set())
        return sorted(f for f in candidates
                      if f != lemma and f in self.scowl and lemma in self.wn.lemmas(f))

    def listed_forms(self, lemma):
        """The forms a filter list shows: common words (SCOWL's smaller lists) that people do
        say (SUBTLEX), or WordNet's irregular forms."""
        return [f for f in self.forms(lemma) if f in self.common
                and (f in self.counts or f in self.exc_forms.get(lemma, ()))]

    def graded_list(self, size):
        seen = set()
        out = []
        for lemma in self.ranked[:size]:
            for w in [lemma] + self.listed_forms(lemma):
                if w not in seen:
                    seen.add(w)
                    out.append(w)
        return out

    # --- the stemmer's tables ----------------------------------------------------------------

    def e_end_words(self):
        """Frequent base forms ending in e that have inflected forms for the stemmer to
        restore."""
        return sorted(l for l in self.ranked[:TABLE_LEMMAS]
                      if len(l) >= 3 and l.endswith("e") and self.forms(l))

    def double_words(self):
        """Frequent base forms ending in a doubled letter whose -ed, -ing or -er form the
        stemmer would otherwise undouble."""
        out = []
        for l in self.ranked[:TABLE_LEMMAS]:
            if len(l) >= 3 and l[-1] == l[-2]:
                if any(f.endswith(("ed", "ing", "er")) for f in self.forms(l)):
                    out.append(l)
        return sorted(out)

    def irregular_pairs(self):
        """WordNet's exception pairs for frequent forms: {form: base}, base chosen by part of
        speech (verb first) and then frequency."""
        pairs = {}
        for pos in POS_ORDER:
            for variant in sorted(self.wn.exc[pos]):
                if variant in pairs or variant in self.stop or variant in OWN_WORDS:
                    continue
                if self.counts.get(variant, 0) < MIN_COUNT_IRREGULAR:
                    continue
                if variant not in self.scowl:
                    continue
                bases = [b for b in self.wn.exc[pos][variant] if b != variant
                         and b not in self.stop and b in self.rank and b in self.wn.index[pos]]
                if not bases:
                    continue
                base = bases[0]  # WordNet lists the usual base first (better: good, well)
                # A form that is a word of its own and more frequent than its base stays a word
                # (born, bound, capita).
                if variant in self.wn.all_lemmas and self.counts[variant] > self.counts[base]:
                    continue
                pairs[variant] = base
        return pairs

    # --- building --------------------------------------------------------------------------

    def checked_words(self):
        """Every word whose reduction the tables answer for: spoken words, SCOWL's common words
        and names, and the forms of the largest graded list."""
        words = {w for w in self.counts if len(w) >= 3}
        words |= {w for w in self.common | self.names if len(w) >= 3}
        for lemma in self.ranked[:GRADES[-1]]:
            words.add(lemma)
            words.update(self.forms(lemma))
        return words - self.stop

    def frequent_form(self, word):
        return self.counts.get(word, 0) >= MIN_COUNT_PAIR or word in self.graded_forms

    def build(self):
        self.rank_lemmas()
        eend = self.e_end_words()
        double = self.double_words()
        words = self.checked_words()
        self.graded_forms = set(self.graded_list(GRADES[-1]))
        exc_pairs = self.irregular_pairs()
        words |= set(exc_pairs) | set(exc_pairs.values())
        self.log(f"lemmas {len(self.ranked)}, checked words {len(words)}, "
                 f"e-end {len(eend)}, double {len(double)}")

        with tempfile.TemporaryDirectory() as tmp:
            folder = os.path.join(tmp, "dict")
            self.cli.write_dict(folder, eend=eend, double=double)
            stem = self.cli.reduce(folder, "base-form", words | self.stop)
            endings = [w for w in words | self.stop if w.endswith(("ful", "ness", "ly"))]
            root = self.cli.reduce(folder, "root", endings)

        # Irregular forms that the rules do not lead to another lemma.
        pairs = {}
        for variant, base in exc_pairs.items():
            others = self.lemmas(variant) - {variant}
            if stem[variant] not in others:
                pairs[variant] = base

        def final(word):
            seen = set()
            while word in pairs and word not in seen:
                seen.add(word)
                word = pairs[word]
            return word

        # Base forms the rules would damage come out whole.
        recall = set()
        for w in sorted(words):
            if w in pairs or not self.is_base(w):
                continue
            if stem[w] not in self.lemmas(w):
                recall.add(w)
            r = root.get(w, w)
            if r != w and r not in self.wn.related(w) and not (self.lemmas(r) & self.wn.related(w)):
                recall.add(w)
        # Stop words never reach the reducers in a view, but the base-form command and a
        # replaced stop list should not see this turn into thi or was into wa either.
        for w in sorted(self.stop):
            if len(w) >= 3 and (stem[w] != w or root.get(w, w) != w):
                recall.add(w)
        for base in set(pairs.values()):
            if stem.get(base, base) != base:
                recall.add(base)

        # Inflected forms the rules get wrong become pairs of their own.
        added = 0
        for w in sorted(words):
            if w in pairs or self.is_base(w) or not self.frequent_form(w):
                continue
            if stem[w] in self.lemmas(w):
                continue
            candidates = [l for l in self.lemmas(w) if l not in self.stop]
            if not candidates:
                continue
            base = final(max(candidates, key=lambda l: (self.weight.get(l, 0), l)))
            if base == w:
                continue
            pairs[w] = base
            added += 1
            if stem.get(base, base) != base and base not in recall:
                recall.add(base)  # checked below with the final tables
        self.log(f"pairs {len(pairs)} ({added} regular), recall {len(recall)}")
        self.levels, self.exam_lemmas, report = levels.build(self)
        for line in report:
            self.log("levels: " + line)
        self.glosses, report = glosses.build(self, sources.read_ecdict_translations())
        for line in report:
            self.log("glosses: " + line)

        self.tables = {
            "pairs": [(v, final(pairs[v])) for v in sorted(pairs)],
            "eend": eend,
            "double": double,
            "recall": sorted(recall),
            "stop": sorted(self.stop),
        }
        return self.tables

    def write(self, out):
        """Writes data/dict's files into the folder `out`."""
        t = self.tables
        self.cli.write_dict(out, pairs=t["pairs"], eend=t["eend"], recall=t["recall"],
                            double=t["double"], stop=t["stop"],
                            filt=self.graded_list(COMPARE_GRADE))
        os.makedirs(os.path.join(out, "stoplist"), exist_ok=True)
        for size in GRADES:
            name = os.path.join(out, "stoplist", f"top-{size}-lemmas.txt")
            self.cli.write_list(name, self.graded_list(size), "txt")
        os.makedirs(os.path.join(out, "levels"), exist_ok=True)
        for name, words in self.levels.items():
            self.cli.write_list(os.path.join(out, name), words, "txt")
        for name, copy in levels.stoplist_copies():
            shutil.copyfile(os.path.join(out, name), os.path.join(out, copy))
        with open(os.path.join(out, GLOSS_FILE), "w", encoding="utf-8", newline="\n") as f:
            f.write("".join(line + "\n" for line in glosses.file_lines(self.glosses)))
        with open(os.path.join(out, spoken.SPOKEN_FILE), "w", encoding="ascii", newline="\n") as f:
            lines = spoken.file_lines(self.counts, spoken.running_words())
            f.write("".join(line + "\n" for line in lines))
