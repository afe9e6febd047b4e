#!/usr/bin/python3
"""The Python module against regalo-decode, byte for byte: every case of the
expectations file (expected.py) through regalo.explain, and the module's
own calls against the same texts.

    same_as_decode.py <expectations>
"""
import json
import sys

import regalo

calls = {"status": (regalo.status, regalo.status_brief), "error": (regalo.error, regalo.error_brief), "diff": (regalo.diff, None)}
cases = differ = 0
with open(sys.argv[1], encoding="ascii") as expectations:
    for line in expectations:
        kind, lang, form, read, value, other, text = line.rstrip("\n").split("\t")
        values = [bytes.fromhex(v).decode("utf-8", "surrogateescape") for v in ([value, other] if kind == "diff" else [value])]
        expected = bytes.fromhex(text).decode("utf-8", "surrogateescape")
        got = regalo.explain(kind, *values, lang=lang, format=form)
        same = got == (read == "1", expected)
        # The module's calls: JSON as json.loads makes it, the words, and the reason as DecodeError's message.
        as_json, as_words = calls[kind]
        if same and (as_json if form == "json" else as_words):
            try:
                answer = as_json(*values, lang=lang) if form == "json" else as_words(*values, lang=lang)
                same = read == "1" and answer == (json.loads(expected) if form == "json" else expected)
            except regalo.DecodeError as refusal:
                reason = json.loads(regalo.explain(kind, *values, lang=lang, format="json")[1])["error"]
                same = read == "0" and str(refusal) == reason
        if not same:
            differ += 1
            if differ <= 5:
                print(f"{kind} {lang} {form} {values!r}: {got!r}, regalo-decode: {expected!r}", file=sys.stderr)
        cases += 1
print(f"{cases} cases, {differ} differ")
sys.exit(0 if differ == 0 and cases > 0 else 1)
