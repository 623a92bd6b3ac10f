"""The reference lemmatizer: WordNet's morphology, widened to what WordNet leaves out of English
prose: the British -ise/-yse spellings that SCOWL lists, the archaic verb forms in -est, -st,
-eth and -th (knowest, gavest, dwelleth, maketh, hath) and, for a SCOWL word that WordNet does
not know, the SCOWL words it is a regular form of (harpooneers, woodlarks).

A word the reference does not know is its own lemma.
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
ARCHAIC_FILE = os.path.join(HERE, "archaic_forms.txt")
# SCOWL's lists up to this size are the words it knows; the larger ones are mostly foreign,
# misspelt or run together.
SCOWL_SIZE = 80
# SCOWL's short words that WordNet lacks are mostly foreign or abbreviations (san, lo, twa, ms):
# a shorter one is no base of a longer word.
MIN_SCOWL_BASE = 4
VOWELS = set("aeiou")
BRITISH = (("is", "iz"), ("ys", "yz"))
# What an inflection adds, what the base may have had there instead, and the parts of speech
# whose words take it.
NOUN_VERB = ("noun", "verb")
ENDINGS = (("s", "", NOUN_VERB), ("es", "", NOUN_VERB), ("ies", "y", NOUN_VERB),
           ("ves", "f", NOUN_VERB), ("ves", "fe", NOUN_VERB), ("ed", "", ("verb",)),
           ("ed", "e", ("verb",)), ("ied", "y", ("verb",)), ("ing", "", ("verb",)),
           ("ing", "e", ("verb",)), ("er", "", ("adj",)), ("er", "e", ("adj",)),
           ("ier", "y", ("adj",)), ("est", "", ("adj",)), ("est", "e", ("adj",)),
           ("iest", "y", ("adj",)))


def read_archaic_exceptions(path=ARCHAIC_FILE):
    """{form: verb} of the archaic forms no paradigm makes (hath, doth, saith)."""
    forms = {}
    with open(path, encoding="ascii") as f:
        for line in f:
            line = line.split("#", 1)[0].split()
            if len(line) == 2:
                forms[line[0]] = line[1]
    return forms


def doubles(verb, words):
    """Whether the verb doubles its last letter before an ending (sitting, running)."""
    return (len(verb) >= 3 and verb[-1] not in VOWELS and verb[-1] not in "wxy"
            and verb[-2] in VOWELS and verb + verb[-1] + "ing" in words)


def archaic_candidates(verb, pasts, words):
    """The second-person (-est, -st) and third-person (-eth, -th) forms of `verb`, and the
    second-person past of its irregular past forms (gave: gavest, knew: knewest)."""
    if verb.endswith("e"):
        out = {verb + "st", verb + "th"}
    elif len(verb) >= 2 and verb[-1] == "y" and verb[-2] not in VOWELS:
        out = {verb[:-1] + "iest", verb[:-1] + "ieth"}
    else:
        stem = verb + verb[-1] if doubles(verb, words) else verb
        out = {stem + "est", stem + "eth"}
    for past in pasts:
        if past.endswith("n") or past == verb:  # given, known: participles, not pasts
            continue
        out.add(past + ("st" if past.endswith("e") else "est"))
    return out


class Reference:
    """Lemmas of a word: WordNet's (sources.WordNet.lemmas), the British spellings of the
    -ize/-yze lemmas it finds for the American spelling, the verbs of archaic forms, and for a
    SCOWL word WordNet does not know, the SCOWL words it is a regular form of."""

    def __init__(self, wn, scowl, verbs=None, names=frozenset()):
        """`scowl`: the words of SCOWL's lists up to SCOWL_SIZE; `verbs`: the verbs whose
        archaic forms count (default: every WordNet verb); `names`: SCOWL's names, lower-cased,
        which are no form of a SCOWL word (Silas is not sila's)."""
        self.wn = wn
        self.scowl = scowl
        self.names = names
        self.archaic = self.archaic_forms(wn.index["verb"] if verbs is None else verbs)
        self._cache = {}

    def archaic_forms(self, verbs):
        """{form: verb}: the exception file's forms, then every paradigm form of `verbs` that
        is no word or name of its own (honest is not hone's, teeth not tee's, Lambeth not
        lamb's) and that WordNet leads to no other lemma."""
        wn = self.wn
        pasts = {}
        for variant, bases in wn.exc["verb"].items():
            for b in bases:
                pasts.setdefault(b, set()).add(variant)
        known = self.scowl | wn.all_lemmas
        forms = dict(read_archaic_exceptions())
        for verb in sorted(verbs):
            if verb not in wn.index["verb"]:
                continue
            for form in sorted(archaic_candidates(verb, pasts.get(verb, ()), known)):
                if form in forms or form in wn.all_lemmas or form in self.names:
                    continue  # a word or a name of its own (honest, Lambeth)
                others = wn.lemmas(form)
                if others and verb not in others:
                    continue
                forms[form] = verb
        return forms

    def british(self, word):
        """The -ise/-yse lemmas of a British spelling (organised: organise), each one a word
        that SCOWL lists."""
        out = set()
        if word not in self.scowl:
            return out
        for s, z in BRITISH:
            at = word.rfind(s)
            if at < 0:
                continue
            american = word[:at] + z + word[at + 2:]
            for lemma in self.wn.lemmas(american):
                if lemma[:at + 2] == american[:at + 2]:
                    spelt = lemma[:at] + s + lemma[at + 2:]
                    if spelt in self.scowl:
                        out.add(spelt)
        return out

    def american(self, lemma):
        """The WordNet lemmas that are the American spelling of a British one (fertilize)."""
        out = set()
        for s, z in BRITISH:
            at = lemma.rfind(s)
            if at >= 0 and lemma[:at] + z + lemma[at + 2:] in self.wn.all_lemmas:
                out.add(lemma[:at] + z + lemma[at + 2:])
        return out

    def scowl_bases(self, word):
        """The words that taking off an ending leaves, where the base is of a part of speech
        that takes the ending, or a SCOWL word of at least MIN_SCOWL_BASE letters that WordNet
        knows neither as a lemma nor as a form. Others and hearted have none: other is no noun, heart no verb."""
        out = set()
        for suffix, repl, pos in ENDINGS:
            if word.endswith(suffix) and len(word) > len(suffix) + 1:
                base = word[: len(word) - len(suffix)]
                for b in (base + repl, base[:-1] if base[-1:] == base[-2:-1] else None):
                    if b and b != word and (any(b in self.wn.index[p] for p in pos) or (
                            len(b) >= MIN_SCOWL_BASE and b in self.scowl
                            and not self.wn.lemmas(b))):
                        out.add(b)
        return out

    def dictionary_lemmas(self, word):
        """The lemmas WordNet's morphology gives, in either spelling (organised: organise)."""
        return self.wn.lemmas(word) | self.british(word)

    def lemmas(self, word):
        """The set of lemmas; empty for a word the reference does not know."""
        found = self._cache.get(word)
        if found is None:
            found = self.dictionary_lemmas(word)
            if word in self.archaic:
                found.add(self.archaic[word])
            if not found and word in self.scowl and word not in self.names:
                found = self.scowl_bases(word)
            self._cache[word] = found
        return found
