#!/usr/bin/env python3
"""Reference model of the files the RS CODEC wizard writes at Finish, and a cross-check of the
real binary against it.

The model is written apart from the C++ sources on purpose: it rebuilds, from the settings
alone, the simulation vector file, the two Intel HEX memory tables and the description up to
its symbol lines, byte for byte. It multiplies by shift-and-reduce exactly as the product does,
so that any oddity of that routine shows up on both sides alike. A second, log/antilog based
field (`LogField`) is deliberately unrelated to that routine and checks the algebra: every
codeword must vanish at the generator's roots, every inverse must be an inverse, and so on.

    rs_reference.py --selftest             worked values the model must reproduce
    rs_reference.py --crosscheck RSWIZARD  run the binary on many designs, compare every file
    rs_reference.py --emit DIR BASE M N R IRRPOL GENSTART ENC DISC FAST VEC
                                           write the model's files into DIR
"""

import difflib
import os
import shutil
import subprocess
import sys
import tempfile
import time

# Field polynomials offered for each symbol width; the first of each row is the default.
FIELD_POLYNOMIALS = {
    4: [19, 25],
    5: [37, 41, 47, 55, 59, 61],
    6: [67, 91, 97, 103, 109, 115],
    7: [131, 137, 143, 145, 157, 167, 171, 185, 191, 193, 203, 211, 213, 229, 239, 241,
        247, 253],
    8: [285, 299, 301, 333, 351, 355, 357, 361, 369, 391, 397, 425, 451, 463, 487, 501],
}


def pow2(e):
    return 1 if e < 1 else 1 << e


class Settings:
    """The nine values a design is configured with."""

    FIELDS = ("m", "n", "check", "irrpol", "genstart", "Enc_Dec", "Disc_Stream", "Fast_Small",
              "generate_vectorfile")

    def __init__(self, m=4, n=5, check=4, irrpol=19, genstart=0, Enc_Dec=1, Disc_Stream=1,
                 Fast_Small=1, generate_vectorfile=1):
        self.m = m
        self.n = n
        self.check = check
        self.irrpol = irrpol
        self.genstart = genstart
        self.Enc_Dec = Enc_Dec
        self.Disc_Stream = Disc_Stream
        self.Fast_Small = Fast_Small
        self.generate_vectorfile = generate_vectorfile

    def is_valid(self):
        r, n, m = self.check, self.n, self.m
        return (4 <= m <= 8 and self.irrpol in FIELD_POLYNOMIALS[m]
                and max(5, r + 1) <= n <= pow2(m) - 1 and 4 <= r <= min(50, n - 1)
                and 0 <= self.genstart <= pow2(m) - 1 - r
                and all(getattr(self, f) in (0, 1) for f in self.FIELDS[5:]))

    def kind(self):
        if self.Enc_Dec == 1:
            return "encoder"
        arch = "discrete" if self.Disc_Stream == 1 else "streaming"
        return "%s-%s" % (arch, "full" if self.Fast_Small == 1 else "half")

    def __repr__(self):
        return "m=%d n=%d r=%d irrpol=%d genstart=%d %s vec=%d" % (
            self.m, self.n, self.check, self.irrpol, self.genstart, self.kind(),
            self.generate_vectorfile)


# --------------------------------------------------------------------------------------------
# The product's arithmetic, modelled step for step.


class Tables:
    """The working tables; they start zeroed and only the builds that name an entry write it,
    so entries past 2^m - 2 of the power table keep reading 0."""

    def __init__(self):
        self.power = [0] * 256
        self.generator = [0] * 51
        self.message = [0] * 256
        self.codeword = [0] * 256
        self.root = [0] * 50
        self.negroot = [0] * 26


class ShiftField:
    def __init__(self, m, n, irrpol, check, genstart):
        self.m = m
        self.n = n
        self.irrpol = irrpol
        self.check = check
        self.genstart = genstart

    def multiply(self, a, b):
        m = self.m
        product = 0
        for i in range(m):
            if (a >> i) & 1:
                product ^= b << i
        mask = pow2(2 * m - 2)
        for j in range(2 * m - 1, m, -1):
            if product & mask:
                product ^= self.irrpol << (j - m - 1)
            mask //= 2
        return product

    def build_power_table(self, t):
        t.power[0] = 1
        t.power[1] = 2
        for i in range(2, pow2(self.m) - 1):
            t.power[i] = self.multiply(t.power[i - 1], 2)

    def build_generator_poly(self, t):
        g = self.genstart
        gp = t.generator
        for i in range(51):
            gp[i] = 0
        gp[0] = 1
        gp[1] = t.power[g] ^ t.power[g + 1]
        gp[2] = self.multiply(t.power[g], t.power[g + 1])
        root = t.power[g + 2]
        for count in range(3, self.check + 1):
            temp = [self.multiply(gp[s], root) for s in range(count)]
            for s in range(count):
                gp[s + 1] ^= temp[s]
            root = self.multiply(root, 2)

    def encode(self, t):
        r = self.check
        k = self.n - r
        gp = t.generator
        reg = [0] * r
        for i in range(k):
            fb = t.message[k - 1 - i] ^ reg[r - 1]
            for j in range(r - 1, 0, -1):
                reg[j] = reg[j - 1] ^ self.multiply(fb, gp[r - j])
            reg[0] = self.multiply(fb, gp[r])
        for c in range(k):
            t.codeword[r + c] = t.message[c]
        for c in range(r):
            t.codeword[c] = reg[c]

    def build_neg_root_table(self, t):
        for k in range(26):
            for b in range(1, pow2(self.m)):
                if self.multiply(t.power[k], b) == 1:
                    t.negroot[k] = b


def build_root_table(t, genstart, m):
    for j in range(50):
        t.root[j] = 0
    for j in range(50):
        if genstart + j <= pow2(m) - 2:
            t.root[j] = t.power[genstart + j]


def numerr_width(r):
    return r.bit_length()


# --------------------------------------------------------------------------------------------
# Memory tables.


def hex_record(address, value):
    checksum = (0x100 - ((1 + address + value) % 256)) % 256
    return ":0100%02x00%02x%02x\n" % (address, value, checksum)


HEX_START = ":020000020000fc\n"
HEX_ZERO = ":0100000000ff\n"
HEX_END = ":00000001ff\n"

_hex_cache = {}


def inverse_hex(field):
    key = ("inv", field.m, field.irrpol)
    if key not in _hex_cache:
        out = [HEX_START, HEX_ZERO]
        address = 1
        size = pow2(field.m)
        for a in range(1, size):
            for b in range(1, size):
                if field.multiply(a, b) == 1:
                    out.append(hex_record(address, b))
                    address += 1
        out.append(HEX_END)
        _hex_cache[key] = "".join(out)
    return _hex_cache[key]


def evnum_hex(field):
    key = ("evnum", field.m, field.irrpol, field.genstart)
    if key not in _hex_cache:
        out = [HEX_START]
        for k in range(pow2(field.m)):
            value = k
            for _ in range(field.genstart - 1):
                value = field.multiply(value, k)
            out.append(hex_record(k, value))
        out.append(HEX_END)
        _hex_cache[key] = "".join(out)
    return _hex_cache[key]


def inverse_name(s):
    return "inv_%d_%d.hex" % (s.m, s.irrpol)


def evnum_name(s):
    return "evnum_%d_%d_%d.hex" % (s.m, s.irrpol, s.genstart)


# --------------------------------------------------------------------------------------------
# Vector files.


def vec_header(s):
    return ("%% n = %d (length of message) %%\n" % s.n
            + "%% m = %d (field size (2^m)) %%\n" % s.m
            + "%% r = %d (number of check symbols) %%\n" % s.check
            + "%% irrpol = %d (field polynomial) %%\n" % s.irrpol
            + "%% genstart = %d (first root of generator polynomial) %%\n" % s.genstart)


def field_of(s):
    return ShiftField(s.m, s.n, s.irrpol, s.check, s.genstart)


def encoder_files(s, t):
    """Fills message and codeword like the product does; returns the vector file text or None."""
    n, r = s.n, s.check
    k = n - r
    for c in range(k):
        t.message[c] = c
    field_of(s).encode(t)
    if s.generate_vectorfile != 1:
        return None
    out = [vec_header(s)]
    out.append("STOP %d;\n" % (100 * (n + 10)))
    out.append("INTERVAL 50;\n")
    out.append("INPUTS sysclk;\nPATTERN\n0 1;\n")
    out.append("INPUTS reset;\nPATTERN\n0> 1\n100> 0;\n")
    out.append("INPUTS enable;\nPATTERN\n0> 0\n200> 1;\n")
    out.append("INPUTS start;\nPATTERN\n0> 0\n100> 1\n200> 0;\n")
    out.append("RADIX DEC;\n")
    out.append("INPUTS rsin[%d..1];\n" % s.m)
    out.append("OUTPUTS rsout[%d..1];\n" % s.m)
    out.append("PATTERN\n")
    out.append("0> 0 = 0 \n")
    out.append("%d> %d = 0\n" % (200, t.message[k - 1]))
    time_ = 300
    for i in range(n - 1, r, -1):
        out.append("%d> %d = %d\n" % (time_, t.message[i - r - 1], t.codeword[i]))
        time_ += 100
    for i in range(r, -1, -1):
        out.append("%d> 0 = %d\n" % (time_, t.codeword[i]))
        time_ += 100
    out.append("%d> 0 = 0\n" % time_)
    out.append(";\n")
    return "".join(out)


def discrete_allowance(s):
    n, r = s.n, s.check
    return 3 * n + 8 * r + 4 if s.Fast_Small != 0 else 3 * n + 11 * r + 4


def codeword_spacing(s):
    n, r = s.n, s.check
    if s.Fast_Small != 0:
        v = max(n + r, (17 * r * r + 9) // 10)
    else:
        v = max(n + r, 3 * r * r)
    return 100 * (v + 4 + (3 * n) // 2)


def streaming_message(s, number, c):
    n, r, k = s.n, s.check, s.n - s.check
    if number == 1:
        return c
    if number == 2:
        return k - c
    if number == 3:
        return r if c == 0 or c == k - 1 else n
    if number == 4:
        return s.m
    return (c * s.m) % n


def decoder_files(s, t):
    """Returns {name: text} for the memory tables and, when asked for, the vector file; leaves
    the root tables in t."""
    n, r, m = s.n, s.check, s.m
    k = n - r
    width = numerr_width(r)
    field = field_of(s)
    for j in range(50):
        t.root[j] = 0
    field.build_power_table(t)
    build_root_table(t, s.genstart, m)
    for j in range(26):
        t.negroot[j] = 0
    field.build_neg_root_table(t)
    files = {inverse_name(s): inverse_hex(field), evnum_name(s): evnum_hex(field)}
    for c in range(k):
        t.message[c] = c
    field.build_generator_poly(t)
    field.encode(t)
    if s.generate_vectorfile != 1:
        return files, None
    out = [vec_header(s), "START 0;\n"]
    if s.Disc_Stream == 1:
        out.append("STOP %d;\n" % (120 * (discrete_allowance(s) + 2 * n)))
        out.append("INTERVAL 50;\n")
        out.append("INPUTS sysclk;\nPATTERN\n0 1;\n")
        out.append("INPUTS reset;\nPATTERN\n0> 0\n100> 1\n200> 0;\n")
        out.append("INPUTS dsin;\nPATTERN\n0> 1;\n")
        out.append("INPUTS dsout;\nPATTERN\n0> 1;\n")
        out.append("INPUTS bypass;\nPATTERN\n0> 0;\n")
        out.append("RADIX DEC;\n")
        out.append("INPUTS rsin[%d..1];\n" % m)
        out.append("PATTERN\n")
        out.append("0> 0 \n")
        time_ = 200
        for i in range(n - 1, -1, -1):
            out.append("%d> %d\n" % (time_, t.codeword[i]))
            time_ += 100
        out.append("%d> 0 ;\n" % (100 * n + 200))
        out.append("OUTPUTS outvalid rsout[%d..1] numerr[%d..1] decfail;\n" % (m, width))
        return files, "".join(out)
    d = codeword_spacing(s)
    out.append("STOP %d;\n" % (12 * d))
    out.append("INTERVAL 50;\n")
    out.append("INPUTS sysclk;\nPATTERN\n0 1;\n")
    out.append("INPUTS reset;\nPATTERN\n0> 0\n100> 1\n200> 0;\n")
    out.append("INPUTS dsin;\nPATTERN\n")
    out.append("0> 1\n100> 0\n300> 1\n%d> 0\n" % (100 * (n + 4)))
    for j in range(1, 11):
        out.append("%d> 1\n%d> 0\n" % (j * d, j * d + 101 * n))
    out.append("%d> 0;\n" % (10 * d + 200 * n + 100))
    out.append("INPUTS dsout;\nPATTERN\n0> 1;\n")
    out.append("INPUTS bypass;\nPATTERN\n0> 0;\n")
    out.append("RADIX DEC;\n")
    out.append("INPUTS rsin[%d..1];\n" % m)
    out.append("PATTERN\n")
    out.append("0> 0 \n")
    for number in range(1, 6):
        if number > 1:
            for c in range(k):
                t.message[c] = streaming_message(s, number, c)
            field_of(s).encode(t)
        time_ = 300 if number == 1 else (number - 1) * d
        for i in range(n - 1, -1, -1):
            out.append("%d> %d\n" % (time_, t.codeword[i]))
            time_ += 100
    out.append("%d> 0 ;\n" % (4 * d + 100 * n))
    out.append("OUTPUTS outvalid rsout[%d..1] numerr[%d..1] decfail rdyin;\n" % (m, width))
    return files, "".join(out)


# --------------------------------------------------------------------------------------------
# The description, up to its symbol lines.


def module_name(s):
    if s.Enc_Dec == 1:
        return "RS_Enc"
    return "rsdsca" if s.Disc_Stream == 1 else "rsstrb"


def value_line(keyword, name, value):
    kind = "NUMERIC" if isinstance(value, int) else "STRING"
    return '%s %s %s "%s"\n' % (keyword, name, kind, value)


def port(name, width, output, lsb):
    bus = name if width == 0 else "%s[%d..%d]" % (name, lsb + width - 1, lsb)
    direction = "OUTPUT" if output else "INPUT"
    used = "USED_PORT: %s 0 0 %d %d %s NODEFVAL %s\n" % (name, width, lsb, direction, bus)
    plain = "%s 0 0 %d %d" % (name, width, lsb)
    linked = "@%s 0 0 %d %d" % (name, width, lsb)
    ends = (linked, plain) if not output else (plain, linked)
    return used, "CONNECT: %s %s\n" % ends


def description_prefix(s, t):
    privates = [("Enc_Dec", s.Enc_Dec)]
    constants = []
    ports = []
    if s.Enc_Dec == 0:
        privates += [("Disc_Stream", s.Disc_Stream), ("Fast_Small", s.Fast_Small)]
        constants.append(("speed", "full" if s.Fast_Small == 1 else "half"))
    if s.Enc_Dec == 1:
        ports += [("start", 0, False, 0), ("enable", 0, False, 0)]
    constants += [("m", s.m), ("n", s.n), ("check", s.check), ("irrpol", s.irrpol),
                  ("genstart", s.genstart)]
    privates += [("GENSTART_V", s.genstart), ("generate_vectorfile", s.generate_vectorfile)]
    if s.Enc_Dec == 1:
        constants += [("gg%d" % i, t.generator[i]) for i in range(51)]
    ports += [("sysclk", 0, False, 0), ("reset", 0, False, 0), ("rsin", s.m, False, 1),
              ("rsout", s.m, True, 1)]
    if s.Enc_Dec == 0:
        width = numerr_width(s.check)
        ports += [("dsin", 0, False, 0), ("dsout", 0, False, 0), ("rdyin", 0, True, 0),
                  ("outvalid", 0, True, 0), ("decfail", 0, True, 0), ("bypass", 0, False, 0),
                  ("numerr", width, True, 1)]
        constants += [("inv_file", inverse_name(s)), ("evnum_file", evnum_name(s)),
                      ("wide", width)]
        constants += [("root%d" % j, t.root[j - 1]) for j in range(1, 51)]
        constants += [("negroot%d" % k, t.negroot[k]) for k in range(26)]
    out = ["GENERATION: STANDARD\n", "VERSION: WM1.0\n", "MODULE: %s\n" % module_name(s), "\n"]
    for keyword, group in (("PRIVATE:", privates), ("CONSTANT:", constants)):
        out += [value_line(keyword, name, value) for name, value in group]
        if group:
            out.append("\n")
    lines = [port(*p) for p in ports]
    if lines:
        out += [u for u, _ in lines] + ["\n"] + [c for _, c in lines] + ["\n"]
    return "".join(out)


def model_files(s, base):
    """Every file the wizard writes for a design named BASE (the description only up to its
    first symbol line), as {file name: text}."""
    t = Tables()
    field = field_of(s)
    field.build_power_table(t)
    field.build_generator_poly(t)
    files = {}
    if s.Enc_Dec == 1:
        vec = encoder_files(s, t)
    else:
        memory, vec = decoder_files(s, t)
        files.update(memory)
    if vec is not None:
        files[base + ".vec"] = vec
    files[base + ".cnx"] = description_prefix(s, t)
    return files, t


# --------------------------------------------------------------------------------------------
# An unrelated second field: log/antilog tables grown by doubling.


class LogField:
    def __init__(self, m, irrpol):
        self.m = m
        self.order = (1 << m) - 1
        self.exp = []
        self.log = {}
        x = 1
        for i in range(self.order):
            self.exp.append(x)
            self.log.setdefault(x, i)
            x <<= 1
            if x >> m:
                x ^= irrpol
        if len(self.log) != self.order:
            raise ValueError("%d is not primitive for m = %d" % (irrpol, m))

    def mul(self, a, b):
        if a == 0 or b == 0:
            return 0
        return self.exp[(self.log[a] + self.log[b]) % self.order]

    def alpha(self, e):
        return self.exp[e % self.order]

    def inverse(self, a):
        return self.exp[(-self.log[a]) % self.order]

    def power(self, a, e):
        if e == 0:
            return 1
        if a == 0:
            return 0
        return self.exp[(self.log[a] * e) % self.order]

    def evaluate(self, coefficients, x):
        """coefficients[i] is the coefficient of x^i."""
        acc = 0
        for c in reversed(coefficients):
            acc = self.mul(acc, x) ^ c
        return acc

    def generator(self, genstart, r):
        """Coefficients of prod (x + alpha^(genstart+i)), highest degree first."""
        g = [1]
        for i in range(r):
            root = self.alpha(genstart + i)
            nxt = g + [0]
            for s in range(len(g)):
                nxt[s + 1] ^= self.mul(g[s], root)
            g = nxt
        return g


class CheckFailure(Exception):
    pass


def require(condition, what):
    if not condition:
        raise CheckFailure(what)


def hex_records(text):
    """[(address, value)] of the data records; checks every record's byte sum."""
    records = []
    for line in text.split("\n"):
        if not line:
            continue
        require(line[0] == ":" and len(line) % 2 == 1, "malformed HEX record %r" % line)
        data = bytes.fromhex(line[1:])
        require(sum(data) % 256 == 0, "HEX record %r does not sum to 0 mod 256" % line)
        require(data[0] == len(data) - 5, "HEX record %r has a wrong byte count" % line)
        if data[3] == 0:
            records.append((data[1] * 256 + data[2], data[4]))
    return records


def vec_patterns(text):
    """{signal lines: [entry lines]} of a vector file's PATTERN blocks; the signal lines are the
    INPUTS (and OUTPUTS) statements in front of the PATTERN, joined by a blank."""
    patterns = {}
    signals = []
    lines = text.split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        if line.startswith(("INPUTS", "OUTPUTS")):
            signals.append(line)
        elif line == "PATTERN":
            entries = []
            i += 1
            while i < len(lines):
                entries.append(lines[i])
                if lines[i].rstrip().endswith(";"):
                    break
                i += 1
            patterns[" ".join(signals)] = entries
            signals = []
        i += 1
    return patterns


def timed_values(entries):
    """[(time, [numbers])] of pattern entries "T> A" or "T> A = B"."""
    values = []
    for entry in entries:
        entry = entry.strip().rstrip(";").strip()
        if not entry:
            continue
        left, right = entry.split(">", 1)
        values.append((int(left), [int(w) for w in right.replace("=", " ").split()]))
    return values


def algebra_check(s, files, base):
    """Checks written files (the model's or the binary's) with the log field only."""
    lf = LogField(s.m, s.irrpol)
    n, r, g = s.n, s.check, s.genstart
    problems = []

    def zero_at_roots(cw, label):
        for i in range(r):
            if lf.evaluate(cw, lf.alpha(g + i)) != 0:
                problems.append("%s is not zero at alpha^%d" % (label, g + i))
                return

    try:
        for name, text in files.items():
            if name.endswith(".hex"):
                recs = hex_records(text)
                require([a for a, _ in recs] == list(range(pow2(s.m))),
                        "%s: addresses are not 0 .. 2^m - 1" % name)
                for a, v in recs:
                    if name.startswith("inv_"):
                        want = 0 if a == 0 else lf.inverse(a)
                    else:
                        want = a if g == 0 else lf.power(a, g)
                    require(v == want, "%s: address %d holds %d, expected %d" % (name, a, v, want))
        cnx = files.get(base + ".cnx", "")
        constants = {}
        for line in cnx.split("\n"):
            if line.startswith("CONSTANT:"):
                words = line.split()
                constants[words[1]] = words[3].strip('"')
        if s.Enc_Dec == 1:
            want = lf.generator(g, r) + [0] * (50 - r)
            got = [int(constants.get("gg%d" % i, "-1")) for i in range(51)]
            require(got == want, "gg0..gg50 %s differ from the generator %s" % (got, want))
        elif constants:
            for j in range(1, 51):
                e = g + j - 1
                want = lf.alpha(e) if e <= pow2(s.m) - 2 else 0
                require(int(constants["root%d" % j]) == want, "root%d is not %d" % (j, want))
            for k in range(26):
                want = lf.inverse(lf.alpha(k)) if k <= pow2(s.m) - 2 else 0
                require(int(constants["negroot%d" % k]) == want, "negroot%d is not %d" % (k, want))
        vec = files.get(base + ".vec")
        if vec is not None:
            patterns = vec_patterns(vec)
            rsin = [v for key, v in patterns.items() if key.startswith("INPUTS rsin")]
            require(len(rsin) == 1, "no rsin pattern")
            entries = timed_values(rsin[0])
            if s.Enc_Dec == 1:
                outputs = [vals[1] for _, vals in entries[2:-1]]
                require(len(outputs) == n, "%d encoder outputs, expected %d" % (len(outputs), n))
                cw = list(reversed(outputs))
                require(cw[r:] == list(range(n - r)), "the message part is not 0 .. k - 1")
                zero_at_roots(cw, "the encoder codeword")
            else:
                data = entries[1:-1]
                count = 1 if s.Disc_Stream == 1 else 5
                require(len(data) == count * n, "%d rsin entries" % len(data))
                for w in range(count):
                    cw = list(reversed([vals[0] for _, vals in data[w * n:(w + 1) * n]]))
                    zero_at_roots(cw, "codeword %d" % (w + 1))
                    msg = [streaming_message(s, w + 1, c) for c in range(n - r)]
                    require(cw[r:] == msg, "codeword %d carries the wrong message" % (w + 1))
    except (CheckFailure, ValueError, KeyError, IndexError) as e:
        problems.append(str(e))
    return problems


# --------------------------------------------------------------------------------------------
# Worked values.


def selftest():
    failures = []

    def check(what, got, want):
        if got != want:
            failures.append("%s: got %r, expected %r" % (what, got, want))

    t = Tables()
    f4 = ShiftField(4, 15, 19, 4, 0)
    f4.build_power_table(t)
    check("m=4 power table", t.power[:15], [1, 2, 4, 8, 3, 6, 12, 11, 5, 10, 7, 14, 15, 13, 9])
    check("power table past 2^m-2", t.power[15:], [0] * 241)
    f4.build_generator_poly(t)
    check("m=4 generator", t.generator, [1, 15, 3, 1, 12] + [0] * 46)
    for c in range(11):
        t.message[c] = c
    f4.encode(t)
    check("m=4 check symbols", t.codeword[:4], [4, 13, 15, 13])
    check("multiply by 0", [f4.multiply(0, b) for b in range(16)], [0] * 16)
    check("multiply by 1", [f4.multiply(1, b) for b in range(16)], list(range(16)))
    check("commutative", all(f4.multiply(a, b) == f4.multiply(b, a)
                             for a in range(16) for b in range(16)), True)

    t8 = Tables()
    f8 = ShiftField(8, 204, 285, 16, 0)
    f8.build_power_table(t8)
    f8.build_generator_poly(t8)
    check("DVB generator", t8.generator[:6], [1, 59, 13, 104, 189, 68])
    check("DVB generator past r", t8.generator[17:], [0] * 34)
    check("log field agrees on DVB", LogField(8, 285).generator(0, 16), t8.generator[:17])

    inv = inverse_hex(f4).split("\n")[:-1]
    check("inv_4_19.hex", inv, [
        ":020000020000fc", ":0100000000ff",
        ":0100010001fd", ":0100020009f4", ":010003000eee", ":010004000dee", ":010005000bef",
        ":0100060007f2", ":0100070006f2", ":010008000fe8", ":0100090002f4", ":01000a000ce9",
        ":01000b0005ef", ":01000c000ae9", ":01000d0004ee", ":01000e0003ee", ":01000f0008e8",
        ":00000001ff"])
    ev2 = evnum_hex(ShiftField(4, 15, 19, 4, 2)).split("\n")
    check("evnum genstart 2", ev2[2:6],
          [":0100010001fd", ":0100020004f9", ":0100030005f7", ":0100040003f8"])
    ev0 = evnum_hex(ShiftField(4, 15, 19, 4, 0)).split("\n")
    check("evnum genstart 0, address 2", ev0[3], ":0100020002fb")
    check("evnum first data record", (ev0[1], ev2[1]), (HEX_ZERO[:-1], HEX_ZERO[:-1]))
    check("evnum 0 and 1 alike", evnum_hex(ShiftField(5, 31, 37, 4, 0)),
          evnum_hex(ShiftField(5, 31, 37, 4, 1)))
    inv8 = inverse_hex(ShiftField(8, 255, 285, 4, 0)).split("\n")
    check("inverse of 255", inv8[-3], ":0100ff00fd03")
    check("inv_8_285.hex lines", len(inv8) - 1, 258)

    # Encoder vector file, m = 4, n = 15, r = 4.
    s = Settings(m=4, n=15, check=4, irrpol=19, genstart=0)
    files, _ = model_files(s, "rs")
    vec = files["rs.vec"].split("\n")
    check("encoder header", vec[0], "% n = 15 (length of message) %")
    check("encoder STOP", vec[5], "STOP 2500;")
    pattern = vec[vec.index("OUTPUTS rsout[4..1];") + 2:]
    check("encoder pattern", pattern, [
        "0> 0 = 0 ", "200> 10 = 0", "300> 9 = 10", "400> 8 = 9", "500> 7 = 8", "600> 6 = 7",
        "700> 5 = 6", "800> 4 = 5", "900> 3 = 4", "1000> 2 = 3", "1100> 1 = 2", "1200> 0 = 1",
        "1300> 0 = 0", "1400> 0 = 13", "1500> 0 = 15", "1600> 0 = 13", "1700> 0 = 4",
        "1800> 0 = 0", ";", ""])
    default_files, _ = model_files(Settings(), "rs")
    outs = [int(line.split("=")[1]) for line in default_files["rs.vec"].split("\n")
            if "> " in line and "=" in line]
    check("default encoder outputs", outs, [0] * 8)
    big = model_files(Settings(m=8, n=255, check=50, irrpol=285), "rs")[0]["rs.vec"].split("\n")
    check("n=255 STOP", big[5], "STOP 26500;")
    check("n=255 last entry", big[-3], "25800> 0 = 0")

    # Discrete decoder with the defaults.
    s = Settings(Enc_Dec=0, Disc_Stream=1, Fast_Small=1)
    files, t = model_files(s, "rs")
    vec = files["rs.vec"].split("\n")
    check("discrete STOP", vec[6], "STOP 7320;")
    rsin = vec[vec.index("INPUTS rsin[4..1];") + 2:]
    check("discrete rsin", rsin, ["0> 0 ", "200> 0", "300> 0", "400> 0", "500> 0", "600> 0",
                                  "700> 0 ;",
                                  "OUTPUTS outvalid rsout[4..1] numerr[3..1] decfail;", ""])
    check("m=4 root table", t.root, t.power[:15] + [0] * 35)
    check("m=4 negroots past 14", t.negroot[15:], [0] * 11)
    check("m=4 negroots", [f4.multiply(t.power[k], t.negroot[k]) for k in range(15)], [1] * 15)
    t6 = model_files(Settings(m=6, n=63, check=8, irrpol=67, Enc_Dec=0), "rs")[1]
    check("m=6 negroots all set", 0 in t6.negroot, False)

    # Streaming decoders, m = 4, n = 15, r = 4.
    s = Settings(m=4, n=15, check=4, irrpol=19, genstart=0, Enc_Dec=0, Disc_Stream=0)
    vec = model_files(s, "rs")[0]["rs.vec"].split("\n")
    check("streaming STOP", vec[6], "STOP 64800;")
    dsin = vec[vec.index("INPUTS dsin;") + 2:vec.index("INPUTS dsout;")]
    check("dsin", dsin[:6] + dsin[-3:], ["0> 1", "100> 0", "300> 1", "1900> 0", "5400> 1",
                                         "6915> 0", "54000> 1", "55515> 0", "57100> 0;"])
    check("dsin pulses", dsin[6:8], ["10800> 1", "12315> 0"])
    rsin = vec[vec.index("INPUTS rsin[4..1];") + 3:]
    check("codeword 1", rsin[0:15], ["%d> %d" % (300 + 100 * i, v) for i, v in enumerate(
        [10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 13, 15, 13, 4])])
    check("codeword 2", rsin[15:30], ["%d> %d" % (5400 + 100 * i, v) for i, v in enumerate(
        [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 3, 3, 12, 12])])
    check("codeword 5", rsin[60:75], ["%d> %d" % (21600 + 100 * i, v) for i, v in enumerate(
        [10, 6, 2, 13, 9, 5, 1, 12, 8, 4, 0, 12, 1, 0, 3])])
    check("streaming closing", rsin[75:77],
          ["23100> 0 ;", "OUTPUTS outvalid rsout[4..1] numerr[3..1] decfail rdyin;"])
    s.Fast_Small = 0
    check("streaming half", (codeword_spacing(s), model_files(s, "rs")[0]["rs.vec"]
                             .split("\n")[6]), (7400, "STOP 88800;"))
    dsin5 = model_files(Settings(Enc_Dec=0, Disc_Stream=0), "rs")[0]["rs.vec"].split("\n")
    pulse = dsin5[dsin5.index("INPUTS dsin;") + 6:dsin5.index("INPUTS dsin;") + 8]
    check("pulse length n=5", int(pulse[1].split(">")[0]) - int(pulse[0].split(">")[0]), 505)
    dsin255 = model_files(Settings(m=8, n=255, check=4, irrpol=285, Enc_Dec=0, Disc_Stream=0),
                          "rs")[0]["rs.vec"].split("\n")
    pulse = dsin255[dsin255.index("INPUTS dsin;") + 6:dsin255.index("INPUTS dsin;") + 8]
    check("pulse length n=255",
          int(pulse[1].split(">")[0]) - int(pulse[0].split(">")[0]), 25755)

    check("numerr widths", [numerr_width(r) for r in (4, 7, 8, 15, 16, 31, 32, 50)],
          [3, 3, 4, 4, 5, 5, 6, 6])
    check("k=2 codeword 3", [streaming_message(Settings(n=6, check=4), 3, c) for c in range(2)],
          [4, 4])
    check("k=1 codeword 3", [streaming_message(Settings(n=5, check=4), 3, 0)], [4])

    # The new-design encoder description.
    cnx = model_files(Settings(), "rs")[0]["rs.cnx"]
    want = ("GENERATION: STANDARD\nVERSION: WM1.0\nMODULE: RS_Enc\n\n"
            'PRIVATE: Enc_Dec NUMERIC "1"\nPRIVATE: GENSTART_V NUMERIC "0"\n'
            'PRIVATE: generate_vectorfile NUMERIC "1"\n\n'
            'CONSTANT: m NUMERIC "4"\nCONSTANT: n NUMERIC "5"\nCONSTANT: check NUMERIC "4"\n'
            'CONSTANT: irrpol NUMERIC "19"\nCONSTANT: genstart NUMERIC "0"\n'
            'CONSTANT: gg0 NUMERIC "1"\nCONSTANT: gg1 NUMERIC "15"\nCONSTANT: gg2 NUMERIC "3"\n'
            'CONSTANT: gg3 NUMERIC "1"\nCONSTANT: gg4 NUMERIC "12"\n'
            + "".join('CONSTANT: gg%d NUMERIC "0"\n' % i for i in range(5, 51)) + "\n"
            "USED_PORT: start 0 0 0 0 INPUT NODEFVAL start\n"
            "USED_PORT: enable 0 0 0 0 INPUT NODEFVAL enable\n"
            "USED_PORT: sysclk 0 0 0 0 INPUT NODEFVAL sysclk\n"
            "USED_PORT: reset 0 0 0 0 INPUT NODEFVAL reset\n"
            "USED_PORT: rsin 0 0 4 1 INPUT NODEFVAL rsin[4..1]\n"
            "USED_PORT: rsout 0 0 4 1 OUTPUT NODEFVAL rsout[4..1]\n\n"
            "CONNECT: @start 0 0 0 0 start 0 0 0 0\n"
            "CONNECT: @enable 0 0 0 0 enable 0 0 0 0\n"
            "CONNECT: @sysclk 0 0 0 0 sysclk 0 0 0 0\n"
            "CONNECT: @reset 0 0 0 0 reset 0 0 0 0\n"
            "CONNECT: @rsin 0 0 4 1 rsin 0 0 4 1\n"
            "CONNECT: rsout 0 0 4 1 @rsout 0 0 4 1\n\n")
    check("encoder description", cnx, want)

    # The DVB decoder description.
    dvb = Settings(m=8, n=204, check=16, irrpol=285, Enc_Dec=0, Disc_Stream=1, Fast_Small=1)
    lines = model_files(dvb, "rs")[0]["rs.cnx"].split("\n")
    check("DVB privates", lines[4:10], [
        'PRIVATE: Enc_Dec NUMERIC "0"', 'PRIVATE: Disc_Stream NUMERIC "1"',
        'PRIVATE: Fast_Small NUMERIC "1"', 'PRIVATE: GENSTART_V NUMERIC "0"',
        'PRIVATE: generate_vectorfile NUMERIC "1"', ""])
    check("DVB constants", lines[10:19], [
        'CONSTANT: speed STRING "full"', 'CONSTANT: m NUMERIC "8"', 'CONSTANT: n NUMERIC "204"',
        'CONSTANT: check NUMERIC "16"', 'CONSTANT: irrpol NUMERIC "285"',
        'CONSTANT: genstart NUMERIC "0"', 'CONSTANT: inv_file STRING "inv_8_285.hex"',
        'CONSTANT: evnum_file STRING "evnum_8_285_0.hex"', 'CONSTANT: wide NUMERIC "5"'])
    check("DVB constant count", sum(1 for x in lines if x.startswith("CONSTANT:")), 85)
    first_port = lines.index("USED_PORT: sysclk 0 0 0 0 INPUT NODEFVAL sysclk")
    check("DVB ports", lines[first_port:first_port + 12], [
        "USED_PORT: sysclk 0 0 0 0 INPUT NODEFVAL sysclk",
        "USED_PORT: reset 0 0 0 0 INPUT NODEFVAL reset",
        "USED_PORT: rsin 0 0 8 1 INPUT NODEFVAL rsin[8..1]",
        "USED_PORT: rsout 0 0 8 1 OUTPUT NODEFVAL rsout[8..1]",
        "USED_PORT: dsin 0 0 0 0 INPUT NODEFVAL dsin",
        "USED_PORT: dsout 0 0 0 0 INPUT NODEFVAL dsout",
        "USED_PORT: rdyin 0 0 0 0 OUTPUT NODEFVAL rdyin",
        "USED_PORT: outvalid 0 0 0 0 OUTPUT NODEFVAL outvalid",
        "USED_PORT: decfail 0 0 0 0 OUTPUT NODEFVAL decfail",
        "USED_PORT: bypass 0 0 0 0 INPUT NODEFVAL bypass",
        "USED_PORT: numerr 0 0 5 1 OUTPUT NODEFVAL numerr[5..1]", ""])
    check("DVB connection of an output", lines[first_port + 12 + 6],
          "CONNECT: rdyin 0 0 0 0 @rdyin 0 0 0 0")
    check("m=8 first root 7 names",
          (inverse_name(Settings(m=8, irrpol=285, genstart=7)),
           evnum_name(Settings(m=8, irrpol=285, genstart=7))),
          ("inv_8_285.hex", "evnum_8_285_7.hex"))
    check("r=7 / r=8 numerr ports", [port("numerr", numerr_width(r), True, 1)[0] for r in (7, 8)],
          ["USED_PORT: numerr 0 0 3 1 OUTPUT NODEFVAL numerr[3..1]\n",
           "USED_PORT: numerr 0 0 4 1 OUTPUT NODEFVAL numerr[4..1]\n"])

    # The algebra check must accept the model and reject a damaged codeword or table.
    for s in (Settings(), Settings(m=4, n=15, check=4), dvb,
              Settings(m=5, n=31, check=7, irrpol=59, genstart=24, Enc_Dec=0, Disc_Stream=0)):
        files = model_files(s, "rs")[0]
        check("algebra of %r" % s, algebra_check(s, files, "rs"), [])
    s = Settings(m=4, n=15, check=4)
    files = model_files(s, "rs")[0]
    files["rs.vec"] = files["rs.vec"].replace("1600> 0 = 13", "1600> 0 = 12")
    check("damaged codeword caught", len(algebra_check(s, files, "rs")) > 0, True)
    s = Settings(Enc_Dec=0)
    files = model_files(s, "rs")[0]
    files["inv_4_19.hex"] = files["inv_4_19.hex"].replace(":0100020009f4", ":0100020008f5")
    check("wrong inverse caught", len(algebra_check(s, files, "rs")) > 0, True)
    files = model_files(s, "rs")[0]
    files["inv_4_19.hex"] = files["inv_4_19.hex"].replace(":0100020009f4", ":0100020009f5")
    check("bad checksum caught", len(algebra_check(s, files, "rs")) > 0, True)

    for f in failures:
        print("selftest FAILED: " + f)
    print("selftest: %d failure(s)" % len(failures))
    return 1 if failures else 0


# --------------------------------------------------------------------------------------------
# Cross-check against the real binary.


def crosscheck_configs():
    """(settings, design file name, how the old description is written) for a wide spread of
    designs; the choice is deterministic so that a failure can be run again."""
    kinds = [(1, 1, 1), (0, 1, 1), (0, 1, 0), (0, 0, 1), (0, 0, 0)]
    designs = ["rs.tdf", "block.vhd", "codec_7.v"]
    configs = []
    counter = 0
    for m in range(4, 9):
        top = pow2(m) - 1
        for r in (4, 5, 7, 8, 15, 16, 31, 50):
            if r > min(50, top - 1):
                continue
            lo = max(5, r + 1)
            for n in sorted({lo, top, (lo + top) // 2}):
                polys = FIELD_POLYNOMIALS[m]
                enc, disc, fast = kinds[counter % 5]
                gmax = top - r
                genstart = (0, 1, 2, gmax)[(counter // 5) % 4] if gmax >= 2 else counter % 2
                s = Settings(m=m, n=n, check=r, irrpol=polys[(counter * 7) % len(polys)],
                             genstart=genstart, Enc_Dec=enc, Disc_Stream=disc, Fast_Small=fast,
                             generate_vectorfile=0 if counter % 6 == 5 else 1)
                configs.append((s, designs[counter % 3], "full"))
                counter += 1
    # Every field polynomial at least once, as a streaming and as an encoder design.
    for m, polys in FIELD_POLYNOMIALS.items():
        for i, p in enumerate(polys):
            top = pow2(m) - 1
            enc = 1 if i % 2 else 0
            configs.append((Settings(m=m, n=top - i % 3, check=4 + i % 4, irrpol=p,
                                     genstart=i % (top - 7), Enc_Dec=enc, Disc_Stream=0,
                                     Fast_Small=i % 2), "rs.tdf", "full"))
    # The largest first root with the smallest field, every kind; r = 14 leaves room for
    # nothing but genstart 0 and 1.
    for i, (enc, disc, fast) in enumerate(kinds):
        r, n = ((4, 15), (14, 15), (8, 9), (5, 11), (7, 15))[i]
        configs.append((Settings(m=4, n=n, check=r, irrpol=(19, 25)[i % 2], genstart=15 - r,
                                 Enc_Dec=enc, Disc_Stream=disc, Fast_Small=fast), "rs.tdf",
                        "full"))
    configs.append((Settings(m=5, n=31, check=30, irrpol=61, genstart=1, Enc_Dec=0,
                             Disc_Stream=0, Fast_Small=1), "rs.tdf", "full"))
    configs.append((Settings(m=8, n=51, check=50, irrpol=463, genstart=205, Enc_Dec=0,
                             Disc_Stream=1, Fast_Small=0), "rs.tdf", "full"))
    # Keys left out of the old description take their read defaults (streaming, half), and a
    # constant genstart that disagrees with GENSTART_V is not the one that counts.
    configs.append((Settings(m=6, n=40, check=9, irrpol=97, genstart=3, Enc_Dec=0,
                             Disc_Stream=0, Fast_Small=0), "rs.tdf", "no-decoder-keys"))
    configs.append((Settings(m=7, n=100, check=20, irrpol=143, genstart=107, Enc_Dec=1),
                    "rs.tdf", "stale-genstart-constant"))
    configs.append((Settings(m=8, n=204, check=16, irrpol=285, genstart=0, Enc_Dec=0,
                             Disc_Stream=1, Fast_Small=1), "dvb.tdf", "full"))
    configs.append((Settings(m=8, n=255, check=50, irrpol=501, genstart=205, Enc_Dec=0,
                             Disc_Stream=0, Fast_Small=0), "rs.tdf", "full"))
    configs.append((Settings(m=8, n=255, check=50, irrpol=285, genstart=205, Enc_Dec=1),
                    "rs.tdf", "full"))
    configs.append((Settings(), "rs.tdf", "new"))
    configs.append((Settings(m=5, n=20, check=6, irrpol=47, genstart=9, Enc_Dec=0,
                             Disc_Stream=1, Fast_Small=0), "bare.vhd", "bare"))
    for s, _, _ in configs:
        assert s.is_valid(), s
    return configs


def old_description(s, style):
    lines = ["GENERATION: STANDARD", "VERSION: WM1.0", "MODULE: old", ""]
    privates = [("Enc_Dec", s.Enc_Dec)]
    if style != "no-decoder-keys":
        privates += [("Disc_Stream", s.Disc_Stream), ("Fast_Small", s.Fast_Small)]
    privates += [("GENSTART_V", s.genstart), ("generate_vectorfile", s.generate_vectorfile)]
    lines += ['PRIVATE: %s NUMERIC "%d"' % p for p in privates] + [""]
    stale = s.genstart + 3 if style == "stale-genstart-constant" else s.genstart
    constants = [("m", s.m), ("n", s.n), ("check", s.check), ("irrpol", s.irrpol),
                 ("genstart", stale)]
    lines += ['CONSTANT: %s NUMERIC "%d"' % c for c in constants] + [""]
    return "\n".join(lines)


def short_diff(name, want, got):
    diff = difflib.unified_diff(want.splitlines(True), got.splitlines(True),
                                "model/" + name, "binary/" + name, n=2)
    out = "".join(list(diff)[:40])
    return out if out.endswith("\n") else out + "\n"


def crosscheck(binary):
    if not os.access(binary, os.X_OK):
        print("crosscheck: %s is not an executable" % binary)
        return 1
    binary = os.path.abspath(binary)
    started = time.monotonic()
    root = tempfile.mkdtemp(prefix="rs_reference_")
    env = dict(os.environ, RSWIZARD_UI="console")
    failures = 0
    first_diff = None
    configs = crosscheck_configs()
    try:
        for number, (s, design, style) in enumerate(configs):
            folder = os.path.join(root, "design %03d" % number)
            os.makedirs(folder)
            base = design.rsplit(".", 1)[0]
            # A bare design name puts every file into the working directory.
            args = [binary, design if style == "bare" else os.path.join(folder, design)]
            if style == "new":
                args.insert(1, "-n")
            else:
                with open(os.path.join(folder, base + ".cnx"), "w") as f:
                    f.write(old_description(s, style))
            run = subprocess.run(args, input=b"click Finish\n", env=env, capture_output=True,
                                 timeout=60, cwd=folder)
            want, _ = model_files(s, base)
            problems = []
            if run.returncode != 0:
                problems.append("exit code %d" % run.returncode)
            if run.stderr:
                problems.append("standard error: %r" % run.stderr.decode(errors="replace")[:300])
            written = sorted(os.listdir(folder))
            if written != sorted(want):
                problems.append("files %s, expected %s" % (written, sorted(want)))
            got_files = {}
            for name in sorted(want):
                path = os.path.join(folder, name)
                if not os.path.exists(path):
                    continue
                with open(path, "rb") as f:
                    raw = f.read()
                got = raw.decode("latin-1")
                if name.endswith(".cnx"):
                    cut = got.find("\nSYMBOL:")
                    tail = got[cut + 1:] if cut >= 0 else ""
                    got = got[:cut + 1] if cut >= 0 else got
                    if not tail or any(not line.startswith("SYMBOL: ")
                                       for line in tail.split("\n")[:-1]):
                        problems.append("%s: symbol lines missing or not last" % name)
                got_files[name] = got
                if got != want[name]:
                    problems.append("%s differs" % name)
                    if first_diff is None:
                        first_diff = "%r:\n%s" % (s, short_diff(name, want[name], got))
            problems += ["binary output: " + p for p in algebra_check(s, got_files, base)]
            problems += ["model output: " + p for p in algebra_check(s, want, base)]
            if problems:
                failures += 1
                print("FAIL %s [%s %s]: %s" % (s, design, style, "; ".join(problems)))
    finally:
        shutil.rmtree(root, ignore_errors=True)
    print("crosscheck: %d design(s), %d failed, %.1f s" % (len(configs), failures,
                                                          time.monotonic() - started))
    if first_diff:
        print("first difference, " + first_diff, end="")
    return 1 if failures else 0


def emit(argv):
    folder, base = argv[0], argv[1]
    s = Settings(*[int(v) for v in argv[2:11]])
    files, _ = model_files(s, base)
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", newline="\n") as f:
            f.write(text)
    return 0


def main(argv):
    if len(argv) == 1 and argv[0] == "--selftest":
        return selftest()
    if len(argv) == 2 and argv[0] == "--crosscheck":
        code = selftest()
        return crosscheck(argv[1]) or code
    if len(argv) == 12 and argv[0] == "--emit":
        return emit(argv[1:])
    print(__doc__.strip())
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
