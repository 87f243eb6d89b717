"""What the German, French, Italian and Spanish syllabifiers share.

A language gives the nuclei of a word (letter spans that are sung on one note) and a rule
that says how many letters of the consonants between two nuclei go to the left syllable.
Letters before the first nucleus and after the last one stay with it.
"""


def syllables(word, spans, split_cluster):
    """spans: (start, end) of each nucleus, in order; split_cluster(word, start, end) -> how
    many letters of word[start:end] (the consonants between two nuclei) go left."""
    if len(spans) < 2:
        return [word]
    cuts = []
    for (_, a_end), (b_start, _) in zip(spans, spans[1:]):
        cuts.append(a_end + split_cluster(word, a_end, b_start))
    bounds = [0] + cuts + [len(word)]
    return [word[i:j] for i, j in zip(bounds, bounds[1:])]


def units(cluster, digraphs):
    """The consonant letters split into units; each of `digraphs` (longest first) is one."""
    out, k = [], 0
    while k < len(cluster):
        for d in digraphs:
            if cluster.startswith(d, k):
                out.append(d)
                k += len(d)
                break
        else:
            out.append(cluster[k])
            k += 1
    return out


def max_onset(parts, is_onset):
    """How many letters go left when the right syllable takes the longest run of units at the
    end that is_onset accepts (at least the last unit)."""
    best = len(parts) - 1
    for k in range(len(parts) - 2, -1, -1):
        if is_onset(parts[k:]):
            best = k
    return sum(len(p) for p in parts[:best])


class TexPatterns:
    """Liang's algorithm with a TeX pattern file and no minimum fragment lengths: used as a
    guide to morpheme boundaries, never as the division itself."""

    def __init__(self, path):
        self.table = {}
        self.longest = 0
        with open(path, encoding="utf-8") as f:
            for line in f:
                for pattern in line.split():
                    key = "".join(c for c in pattern if not c.isdigit())
                    weights = [0] * (len(key) + 1)
                    k = 0
                    for c in pattern:
                        if c.isdigit():
                            weights[k] = int(c)
                        else:
                            k += 1
                    self.table[key] = weights
                    self.longest = max(self.longest, len(key))

    def breaks(self, word):
        """Positions p (1..len-1) where the patterns break word[:p] | word[p:]."""
        d = "." + word + "."
        w = [0] * (len(d) + 1)
        for s in range(len(d)):
            for e in range(s + 1, min(len(d), s + self.longest) + 1):
                found = self.table.get(d[s:e])
                if found:
                    for k, v in enumerate(found):
                        if v > w[s + k]:
                            w[s + k] = v
        return {p for p in range(1, len(word)) if w[p + 1] % 2 == 1}
