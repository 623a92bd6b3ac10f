"""The Chinese glosses of data/dict/glosses.txt: short glosses cut from ECDICT's translations.

A translation is a few lines such as "n. 书, 书籍\\nvt. 预订\\n[计] 工作簿\\n[网络] 图书". A gloss keeps
the part-of-speech lines, most used part of speech first, and within a budget of GLOSS_LIMIT
characters the first senses of each one, without the web lines, the subject lines ([计], [医]),
usage labels and remarks in brackets: "n. 书，书籍；v. 预订".
"""

import re

GLOSS_LIMIT = 40  # characters of a gloss, part-of-speech labels and separators included
COVERAGE_TOP = 10000  # the most frequent lemmas that must nearly all have a gloss
MIN_COVERAGE = 99.0  # per cent
GLOSSED_TOP = 50000  # the most frequent lemmas that get a gloss, with the level lists' lemmas

SENSE_JOIN = "，"
GROUP_JOIN = "；"

# A line is a part-of-speech label (n., vt., a. & adv., vt.& vi.) and its senses.
POS_LINE = re.compile(r"^((?:[a-z]{1,6}\.\s*(?:&\s*)?)+)\s*(.*)$")
# A leading tag: a subject (计, 医, 法), a usage label (俚, 美口, 复) or the web line's 网络.
LEADING_TAG = re.compile(r"^\s*[\[<][^\]>]*[\]>]\s*")
WEB_TAG = "[网络]"
SENSE_SPLIT = re.compile(r"\s*[,，;；]\s*")
VERB_LABELS = {"v", "vt", "vi"}
# WordNet's parts of speech for ECDICT's labels, to put the most used one first.
WORDNET_POS = {"n.": "noun", "v.": "verb", "a.": "adj", "adj.": "adj", "adv.": "adv"}
OPENING, CLOSING = "([（【<《〈［", ")]）】>》〉］"
CHINESE = re.compile(r"[\u3400-\u9fff]")


def translation_lines(translation):
    """The lines of a translation field, whose line breaks the CSV holds as \\n or \\r\\n."""
    return [line.strip() for line in re.split(r"\\r\\n|\\n|\\r|\n", translation) if line.strip()]


def with_depth(text):
    """Each character of `text` with how deep it stands inside brackets; a bracket counts as
    inside the pair it belongs to, and a closing bracket without its opening as outside."""
    depth = 0
    for ch in text:
        if ch in OPENING:
            depth += 1
            yield ch, depth
        elif ch in CLOSING and depth > 0:
            yield ch, depth
            depth -= 1
        else:
            yield ch, depth


def strip_remarks(text):
    """`text` without its bracketed remarks ("(网球等)救球" -> "救球"), nested ones included."""
    return "".join(ch for ch, depth in with_depth(text) if depth == 0).strip()


def pos_label(label):
    """One label for a line's labels: the verb labels (vt., vi., vt.vi.) become v., the others
    lose their blanks (a. & adv. -> a.&adv.)."""
    parts = [p for p in re.split(r"[\s.&]+", label) if p]
    if parts and all(p in VERB_LABELS for p in parts):
        return "v."
    return "&".join(p + "." for p in parts)


def hide_inner_separators(text):
    """`text` with the separators inside brackets hidden, so that "使(马,鹰等)戴头罩" stays one
    sense until its remark is removed."""
    return "".join("、" if depth > 0 and ch in ",，;；" else ch for ch, depth in with_depth(text))


def senses_of(text):
    """The senses of a line's text, remarks removed, in order; a sense without a Chinese
    character is none (an abbreviation's expansion), unless it points to another word
    (gimme: =give me)."""
    parts = (strip_remarks(part) for part in SENSE_SPLIT.split(hide_inner_separators(text)))
    return [s for s in parts if CHINESE.search(s) or s.startswith("=")]


def groups_of(translation):
    """[(label, senses)] of a translation: its part-of-speech lines; when they give no sense, the
    lines without a label ("第一个字母 A; 一个"); else the subject and usage lines with their
    tags removed. Web lines never count. Lines of the same label are joined."""
    plain, untagged, tagged = [], [], []
    for line in translation_lines(translation):
        if line.startswith(WEB_TAG):
            continue
        if LEADING_TAG.match(line):
            while LEADING_TAG.match(line):
                line = LEADING_TAG.sub("", line, count=1)
            target = tagged
        else:
            target = None
        m = POS_LINE.match(line)
        if m:
            text = m.group(2)
            if target is None and LEADING_TAG.match(text):  # art. [计] 累加器
                target = tagged
            while LEADING_TAG.match(text):
                text = LEADING_TAG.sub("", text, count=1)
            (target if target is not None else plain).append((pos_label(m.group(1)), text))
        else:
            (target if target is not None else untagged).append(("", line))
    for lines in (plain, untagged, tagged):
        groups = {}
        for label, text in lines:
            groups.setdefault(label, []).extend(senses_of(text))
        found = [(label, senses) for label, senses in groups.items() if senses]
        if found:
            return found
    return []


def render(groups, counts):
    """The gloss of `groups` with counts[i] senses of group i (groups with 0 left out)."""
    parts = []
    for (label, senses), n in zip(groups, counts):
        if n:
            text = SENSE_JOIN.join(senses[:n])
            parts.append(f"{label} {text}" if label else text)
    return GROUP_JOIN.join(parts)


def clean(translation, pos_weight=None):
    """The short gloss of an ECDICT translation, at most GLOSS_LIMIT characters ("" when it
    holds no usable line). `pos_weight` ({label: weight}) puts the most used part of speech
    first; equal weights keep ECDICT's order."""
    groups = groups_of(translation)
    if pos_weight:
        groups.sort(key=lambda g: -pos_weight.get(g[0], 0))
    # A sense said under an earlier label adds nothing (then: adv. 然后 / conj. 然后).
    seen = set()
    unique = []
    for label, senses in groups:
        fresh = []
        for s in senses:
            if s not in seen:
                seen.add(s)
                fresh.append(s)
        if fresh:
            unique.append((label, fresh))
    if not unique:
        return ""
    # One sense for each label while they fit, then a second for each, and so on.
    counts = [0] * len(unique)
    grew = True
    while grew:
        grew = False
        for i, (_, senses) in enumerate(unique):
            if counts[i] < len(senses):
                counts[i] += 1
                if len(render(unique, counts)) <= GLOSS_LIMIT:
                    grew = True
                else:
                    counts[i] -= 1
    if not any(counts):  # a first sense longer than the budget is cut
        label, senses = unique[0]
        text = render([(label, senses)], [1])
        return text[: GLOSS_LIMIT - 1] + "…"
    return render(unique, counts)


def wordnet_weights(wn, lemma):
    """{label: WordNet sense tag count} of `lemma`'s parts of speech."""
    weights = {}
    for label, pos in WORDNET_POS.items():
        weights[label] = wn.pos_tag_count.get((lemma, pos), 0)
    return weights


def build(lex, translations):
    """{word: gloss} for the GLOSSED_TOP most frequent lemmas, the exam lemmas and the stop
    words, from `translations` ({lower-case headword: translation}); and report lines. Fails
    when fewer than MIN_COVERAGE per cent of the COVERAGE_TOP most frequent lemmas get one."""
    words = set(lex.ranked[:GLOSSED_TOP]) | set(lex.exam_lemmas) | set(lex.stop)
    glosses = {}
    for word in sorted(words):
        text = translations.get(word)
        if text is None:
            continue
        gloss = clean(text, wordnet_weights(lex.wn, word))
        if gloss:
            glosses[word] = gloss
    top = lex.ranked[:COVERAGE_TOP]
    missing = [w for w in top if w not in glosses]
    coverage = 100.0 * (len(top) - len(missing)) / len(top)
    report = [f"{len(glosses)} glosses for {len(words)} words; {coverage:.2f} % of the "
              f"{len(top)} most frequent lemmas, without: {' '.join(missing[:30])}"]
    if coverage < MIN_COVERAGE:
        raise SystemExit(f"glosses: {coverage:.2f} % of the {len(top)} most frequent lemmas "
                         f"have a gloss, below {MIN_COVERAGE} %")
    return glosses, report


def file_lines(glosses):
    """The lines of glosses.txt: a first line saying what made it, then word TAB gloss, sorted
    by word."""
    head = ("# word<TAB>gloss, UTF-8: Chinese glosses cut from ECDICT by tools/lexicon/generate;"
            " do not edit")
    return [head] + [f"{w}\t{glosses[w]}" for w in sorted(glosses)]
