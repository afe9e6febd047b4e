#!/usr/bin/env python3
"""Writes the translated texts of some contexts of Qt translation files as
C++ tables, for the programs that carry no Qt (the page, the C library):

  ts-to-cpp.py <regalo_en.ts> <regalo_ru.ts> <out.cpp> <table> <context>...

`table` names the two arrays: <table>Texts, English translations ordered by
context, then source (bytes of UTF-8, as strcmp orders them), and
<table>CountedTexts, the plural forms of counted texts in both languages.
"""
import re
import sys
import xml.etree.ElementTree as ElementTree


def messages(path, contexts):
    for context in ElementTree.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        if name not in contexts:
            continue
        for message in context.iter('message'):
            translation = message.find('translation')
            forms = [form.text or '' for form in translation.iter('numerusform')]
            yield name, message.findtext('source'), message.get('numerus') == 'yes', translation.text or '', forms


def literal(text):
    """A C++ string literal of the text's UTF-8; an escape never runs into a following digit."""
    out = []
    for byte in text.encode('utf-8'):
        if byte in (0x22, 0x5C):
            out.append('\\' + chr(byte))
        elif byte < 0x20 or byte >= 0x7F:
            out.append('\\%03o' % byte)
        else:
            out.append(chr(byte))
    return '"' + ''.join(out) + '"'


def order(row):
    return row[0].encode('utf-8'), row[1].encode('utf-8')


def main():
    english_file, russian_file, output, table, *contexts = sys.argv[1:]
    russian_forms = {(context, source): forms for context, source, counted, _, forms in messages(russian_file, contexts)
                     if counted}
    plain, counted = [], []
    for context, source, is_counted, translation, forms in messages(english_file, contexts):
        if is_counted:
            russian = russian_forms.get((context, source), [])
            if len(russian) != 3 or len(forms) != 2 or not all(russian + forms):
                sys.exit(f'ts-to-cpp: "{source}" ({context}) needs three Russian and two English forms')
            counted.append((context, source, *russian, *forms))
        elif translation:
            plain.append((context, source, translation))
    if not plain:
        sys.exit(f'ts-to-cpp: no texts for {", ".join(contexts)} in {english_file}')
    rows = lambda entries: '\n'.join('    {' + ', '.join(map(literal, entry)) + '},' for entry in sorted(entries, key=order))
    with open(output, 'w', encoding='utf-8') as out:
        out.write(f'''// Generated from {english_file.split('/')[-1]} and {russian_file.split('/')[-1]}; do not edit.
#include "core/TextTables.h"

extern const TranslatedText {table}Texts[] = {{
{rows(plain)}
}};
extern const std::size_t {table}TextCount = {len(plain)};

extern const CountedText {table}CountedTexts[] = {{
{rows(counted) or '    {}'}
}};
extern const std::size_t {table}CountedTextCount = {len(counted)};
''')


if __name__ == '__main__':
    main()
