"""Divides words with a TeX pattern file as TeX does, with no minimum fragment length.

Used to read a public pattern collection as a reference syllabifier: the collection's cuts
are kept where a language's rules accept them, and the rules fill in the rest.
"""


def parse_patterns(lines):
    """{letters: weights}; weights[i] is the digit of the gap before letters[i]."""
    table = {}
    for line in lines:
        for text in line.split("%", 1)[0].split():
            letters, weights = [], [0]
            for ch in text:
                if ch.isdigit():
                    weights[-1] = int(ch)
                else:
                    letters.append(ch)
                    weights.append(0)
            table["".join(letters)] = weights
    return table


def read_patterns(path):
    with open(path, encoding="utf-8") as f:
        return parse_patterns(f)


DEFAULT_TEXLIVE_DIR = "/usr/share/texlive/texmf-dist/tex/generic/hyph-utf8/patterns/txt"


class Patterns:
    def __init__(self, table):
        self.table = table
        self.longest = max((len(k) for k in table), default=0)

    @classmethod
    def load(cls, *paths):
        table = {}
        for path in paths:
            table.update(read_patterns(path))
        return cls(table)

    def cuts(self, word):
        """Positions (letters before the cut) where the patterns allow a break."""
        d = "." + word + "."
        gaps = [0] * (len(d) + 1)
        for s in range(len(d)):
            for e in range(s + 1, min(len(d), s + self.longest) + 1):
                weights = self.table.get(d[s:e])
                if weights:
                    for k, v in enumerate(weights):
                        if v > gaps[s + k]:
                            gaps[s + k] = v
        # gap g of the dotted word lies before d[g]; the cut after word[i-1] is gap i + 1
        return [i for i in range(1, len(word)) if gaps[i + 1] % 2 == 1]
