#!/usr/bin/env python3
"""Reads a datasheet rsmanager wrote and checks it apart from the C++ that wrote it.

  datasheet_check.py PAGE.html

- The page is well-formed XML (an XHTML parser reads it) and fetches nothing: no script,
  no link, image, object or frame element, no url() in its style, no attribute naming
  another file or site.
- Its error-rate table, at three channel rates, equals an exact computation in rational
  arithmetic: the word error rate from the binomial law, the symbol error rate from the
  weight distribution of the MDS code, counted pattern by pattern with integers.
- The channel rates stated for 1e-6 and 1e-9 bracket the target at their printed precision.
Prints what it checked; exit status 1 on the first disagreement.
"""
import sys
import xml.etree.ElementTree as ET
from decimal import Decimal
from fractions import Fraction
from math import comb

XHTML = "{http://www.w3.org/1999/xhtml}"


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def by_id(root):
    found = {}
    for element in root.iter():
        if "id" in element.attrib:
            found[element.attrib["id"]] = "".join(element.itertext()).strip()
    return found


def check_self_contained(root, text):
    for element in root.iter():
        tag = element.tag.split("}")[-1]
        if tag in ("script", "link", "img", "image", "object", "iframe", "embed", "use"):
            fail("element <%s> on the page" % tag)
        for name, value in element.attrib.items():
            if name.split("}")[-1] in ("src", "href") or "://" in value:
                fail("attribute %s=%r on <%s>" % (name, value, tag))
    if "url(" in text or "@import" in text:
        fail("the style sheet refers to another file")


class Code:
    """The MDS code (q, n, d) and a bounded-distance decoder of radius t, exactly."""

    def __init__(self, m, n, r):
        self.q, self.n, self.r, self.t = 2 ** m, n, r, r // 2
        d = r + 1
        self.weights = [0] * (n + 1)
        self.weights[0] = 1
        for w in range(d, n + 1):
            self.weights[w] = comb(n, w) * sum(
                (-1) ** j * comb(w, j) * (self.q ** (w - d + 1 - j) - 1) for j in range(w - d + 1))
        assert sum(self.weights) == self.q ** (n - r), "weights do not add up to q^k"
        # For each e > t: patterns within t of a non-zero codeword, and the sum of the weights
        # of the codewords they decode to.
        self.miscorrected = [0] * (n + 1)
        self.delivered_weight = [0] * (n + 1)
        for e in range(self.t + 1, n + 1):
            for w in range(max(d, e - self.t), min(n, e + self.t) + 1):
                near = 0
                for i in range(0, w + 1):          # zeros inside c's support
                    l = e - w + i                  # non-zeros outside it
                    if l < 0 or l > n - w:
                        continue
                    for j in range(0, w - i + 1):  # other non-zero values inside
                        if i + j + l > self.t:
                            break
                        near += (comb(w, i) * comb(w - i, j) * (self.q - 2) ** j *
                                 comb(n - w, l) * (self.q - 1) ** l)
                self.miscorrected[e] += self.weights[w] * near
                self.delivered_weight[e] += w * self.weights[w] * near

    def word_error_rate(self, p):
        return sum(comb(self.n, e) * p ** e * (1 - p) ** (self.n - e)
                   for e in range(self.t + 1, self.n + 1))

    def symbol_error_rate(self, p):
        total = Fraction(0)
        for e in range(self.t + 1, self.n + 1):
            each = (p / (self.q - 1)) ** e * (1 - p) ** (self.n - e)
            patterns = comb(self.n, e) * (self.q - 1) ** e
            wrong = (patterns - self.miscorrected[e]) * e + self.delivered_weight[e]
            total += each * wrong
        return total / self.n


def close(printed, exact, digits=3):
    """printed (3 significant digits) agrees with the exact value."""
    value = Fraction(Decimal(printed))
    if exact == 0:
        return value == 0
    return abs(value - exact) / exact <= Fraction(6, 10 ** digits)


def main():
    if len(sys.argv) != 2:
        fail("usage: datasheet_check.py PAGE.html")
    text = open(sys.argv[1], encoding="utf-8").read()
    try:
        root = ET.fromstring(text)
    except ET.ParseError as error:
        fail("not well-formed: %s" % error)
    if root.tag != XHTML + "html":
        fail("the root element is %s, not XHTML's html" % root.tag)
    check_self_contained(root, text)
    values = by_id(root)
    code = Code(int(values["code-m"]), int(values["code-n"]), int(values["code-r"]))
    if int(values["code-t"]) != code.t:
        fail("t = %s on the page, %d from r" % (values["code-t"], code.t))

    rows = sorted(int(key.split("-")[1]) for key in values if key.startswith("point-")
                  and key.endswith("-p"))
    if len(rows) < 3:
        fail("fewer than three rows in the error-rate table")
    # The lowest channel rate, one in the middle and the highest.
    for row in (rows[0], rows[len(rows) // 2], rows[-1]):
        p = Fraction(Decimal(values["point-%d-p" % row]))
        word = code.word_error_rate(p)
        symbol = code.symbol_error_rate(p)
        for what, exact in (("word", word), ("symbol", symbol)):
            printed = values["point-%d-%s" % (row, what)]
            if not close(printed, exact):
                fail("%s error rate at p = %s: page %s, exact %.6e" %
                     (what, values["point-%d-p" % row], printed, float(exact)))
        print("p = %s: word %s, symbol %s: exact" % (values["point-%d-p" % row],
                                                     values["point-%d-word" % row],
                                                     values["point-%d-symbol" % row]))

    for exponent in (6, 9):
        target = Fraction(1, 10 ** exponent)
        for what, rate in (("word", code.word_error_rate), ("symbol", code.symbol_error_rate)):
            printed = values["rate-%s-%d" % (what, exponent)]
            p = Fraction(Decimal(printed))
            below, above = p * Fraction(994, 1000), p * Fraction(1006, 1000)
            if not (rate(below) < target < rate(above)):
                fail("%s error rate 1e-%d: not reached near p = %s" % (what, exponent, printed))
        print("1e-%d reached at p = %s (word), %s (symbol)" %
              (exponent, values["rate-word-%d" % exponent], values["rate-symbol-%d" % exponent]))
    print("datasheet checks passed")


main()
