"""The level lists of the vocabulary profile: two ladders of cumulative word lists.

The exam ladder follows ECDICT's exam tags from the senior school entrance exam to GRE; the
frequency ladder cuts the spoken-frequency ranking of lemmas into bands of 1,000. Every list
holds the words of the levels before it, so a word's level is the first list that holds it, and
each one loads as a filter list on its own ("everything up to this level is known").
"""

import collections
import re

import sources

# Tag, file name in levels/ and the name of its copy in stoplist/, in ladder order.
EXAMS = (
    ("zk", "exam-1-zk", "1-中考词汇"),
    ("gk", "exam-2-gk", "2-高考及以下词汇"),
    ("cet4", "exam-3-cet4", "3-四级及以下词汇"),
    ("cet6", "exam-4-cet6", "4-六级及以下词汇"),
    ("ky", "exam-5-ky", "5-考研及以下词汇"),
    ("ielts", "exam-6-ielts", "6-雅思及以下词汇"),
    ("toefl", "exam-7-toefl", "7-托福及以下词汇"),
    ("gre", "exam-8-gre", "8-GRE及以下词汇"),
)
BAND = 1000
BANDS = 10

LOWER = re.compile(r"^[a-z]+$")
LETTERS = re.compile(r"^[A-Za-z]+$")


class ExamLemmas:
    """Reads ECDICT's tagged headwords as the words a counted text can meet, counting what each
    rule did."""

    def __init__(self, lex):
        self.lex = lex
        self.counts = collections.Counter()

    def word_of(self, headword):
        """The lower-case word a headword stands for, or None for a phrase, a name or an
        abbreviation."""
        lex = self.lex
        if LOWER.match(headword):
            return headword
        if not LETTERS.match(headword):
            self.counts["phrases and abbreviations with marks"] += 1  # ice cream, T-shirt, i.e.
            return None
        word = headword.lower()
        # ECDICT keeps one entry for both spellings, so Polish also stands for polish. The
        # lower-case word stays when it is a common word of its own (polish, pole, north, fax);
        # Monday, AIDS (aid), Mars (mar) and F are only a name, an abbreviation or a letter.
        if (word in lex.common and lex.lemmas(word) == {word}
                and (len(word) > 1 or word == "i")):
            self.counts["capitalised, kept in lower case"] += 1
            return word
        self.counts["capitalised names and abbreviations"] += 1
        return None

    def form_of(self, word, marked):
        """The lemma that the exchange column marks `word` as a form of, when WordNet agrees
        (accidents: accident, left: leave); None for a lemma. A mark WordNet does not confirm
        (number: numb, dossier: dossy) is a slip of the source."""
        if marked and marked != word and LOWER.match(marked) and marked in self.lex.wn.lemmas(word):
            return marked
        return None


def exam_levels(lex, entries):
    """{lemma: ladder index} of the lemmas that the tagged entries give, each at its lowest
    level; and the counts of what the cleaning did."""
    order = {tag: i for i, (tag, _, _) in enumerate(EXAMS)}
    clean = ExamLemmas(lex)
    level = {}
    forms = []
    for headword, tags, marked in entries:
        word = clean.word_of(headword)
        if word is None:
            continue
        if word not in lex.scowl and word not in lex.wn.all_lemmas:
            clean.counts["not a word (misspelt, run together)"] += 1  # reservior, uptodate
            continue
        at = min(order[t] for t in tags if t in order)
        lemma = clean.form_of(word, marked)
        if lemma:
            forms.append((word, lemma, at))
        else:
            level[word] = min(level.get(word, at), at)

    # A tagged form mostly repeats a lemma of its level or below (does: do, evening: even,
    # humans: human) and adds nothing. Otherwise a word that is a lemma of its own too stays
    # (ground is not grind); a mere form brings its lemma to the level (acclaimed: acclaim).
    listed = {}
    for lemma, at in level.items():
        for w in [lemma] + lex.listed_forms(lemma):
            listed[w] = min(listed.get(w, at), at)
    for word, lemma, at in forms:
        if listed.get(word, len(EXAMS)) <= at:
            clean.counts["forms already listed"] += 1
            continue
        if word in lex.wn.lemmas(word):
            clean.counts["forms kept as lemmas of their own"] += 1
            lemma = word
        else:
            clean.counts["forms giving their lemma"] += 1
        level[lemma] = min(level.get(lemma, at), at)
    return level, clean.counts


def cumulative(lex, lemma_groups):
    """Each group's cumulative word list: the lemmas so far, each followed by its listed forms,
    no word twice."""
    seen = set()
    words = []
    lists = []
    for group in lemma_groups:
        for lemma in group:
            for w in [lemma] + lex.listed_forms(lemma):
                if w not in seen:
                    seen.add(w)
                    words.append(w)
        lists.append(list(words))
    return lists


def build(lex):
    """The level lists as {path under the dict folder: words}, the exam ladder's lemmas, and
    report lines."""
    level, counts = exam_levels(lex, sources.read_ecdict_tags())
    # Within a level, the most frequent lemmas first, as in the graded lists; the ones the
    # ranking leaves out (function words, rare words) follow in alphabetical order.
    unranked = len(lex.rank)
    groups = [sorted((l for l in level if level[l] == i),
                     key=lambda l: (lex.rank.get(l, unranked), l)) for i in range(len(EXAMS))]
    files = {}
    report = ["cleaning: " + ", ".join(f"{k} {v}" for k, v in sorted(counts.items()))]
    total = 0
    for (tag, stem, _), group, words in zip(EXAMS, groups, cumulative(lex, groups)):
        total += len(group)
        files[f"levels/{stem}.txt"] = words
        report.append(f"{tag}: {len(group)} lemmas added, {total} lemmas, {len(words)} words")
    for k in range(1, BANDS + 1):
        files[f"levels/freq-k{k:02d}.txt"] = lex.graded_list(k * BAND)
    return files, sorted(level), report


def stoplist_copies():
    """(levels file, its copy in stoplist/) for the exam lists, which the filter-list dialog
    offers under names a user reads."""
    return [(f"levels/{stem}.txt", f"stoplist/{copy}.txt") for _, stem, copy in EXAMS]
