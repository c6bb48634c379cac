#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Random equation texts, one per line, for comparing two builds' outputs.

    bench/random-texts.py SEED COUNT

Sums of terms of letters, numbers (whole, fractions, mixed numbers, decimals, huge), powers
(whole, fraction, negative) and brackets nested up to twice, with "/" and "*" marks, and
now and then an equation. The same seed always gives the same texts."""
import random, sys
seed, count = int(sys.argv[1]), int(sys.argv[2])
R = random.Random(seed)
VARS = "xyzab"

def number():
    r = R.random()
    if r < 0.55: return str(R.choice([1,2,3,4,5,6,7,8,9,10,12,15,16,18,20,24,36,100,1000]))
    if r < 0.75: return "%%%d,%d$" % (R.randint(1,9), R.randint(1,12))
    if r < 0.85: return "%d%%%d,%d$" % (R.randint(1,5), R.randint(1,5), R.randint(2,9))
    if r < 0.95: return "%d.%d" % (R.randint(0,9), R.randint(1,99))
    return str(R.randint(10**12, 10**20))

def power():
    r = R.random()
    if r < 0.8: return "^%d!" % R.randint(2, 5)
    if r < 0.9: return "^%s!" % number()
    return "^-%d!" % R.randint(1,3)

def factor(depth):
    r = R.random()
    if r < 0.45:
        f = R.choice(VARS[:3] if R.random()<0.8 else VARS)
        if R.random() < 0.3: f += power()
        return f
    if r < 0.6: return number()
    if depth > 0:
        f = "(" + expr(depth-1, R.randint(1,3)) + ")"
        if R.random() < 0.3: f += "^%d!" % R.randint(2, 4)
        return f
    return R.choice(VARS[:3])

def term(depth, first):
    s = ""
    sign = R.random()
    if sign < 0.3: s += "-"
    elif not first: s += "+"
    n = R.randint(1, 3)
    for i in range(n):
        if i > 0:
            rr = R.random()
            if rr < 0.2: s += "/"
            elif rr < 0.27: s += "*"
        s += factor(depth)
    return s

def expr(depth, n):
    return "".join(term(depth, i == 0) for i in range(n))

for _ in range(count):
    d = R.randint(0, 2)
    e = expr(d, R.randint(1, 4))
    if R.random() < 0.2: e += "=" + expr(R.randint(0,1), R.randint(1,3))
    print(e)
