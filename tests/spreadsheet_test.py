#!/usr/bin/env python3
"""What a spreadsheet makes of regalo-decode's --excel and --csv files.

Each file is imported into LibreOffice Calc (headless) the way its format is
meant to be opened: --excel as a spreadsheet opens it directly (semicolons,
UTF-8, every value's kind detected, formulas evaluated), --csv with its
columns taken as text, as a program or an import dialog set up for it would.
Every cell must show exactly the text the file means, and no cell may hold a
formula other than the text formulas ="..." that keep a value as text.

Usage: spreadsheet_test.py REGALO_DECODE
Exit 77 where LibreOffice is not installed (scripts/test installs it).
"""
import csv
import io
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

NS = {
    'table': 'urn:oasis:names:tc:opendocument:xmlns:table:1.0',
    'text': 'urn:oasis:names:tc:opendocument:xmlns:text:1.0',
    'office': 'urn:oasis:names:tc:opendocument:xmlns:office:1.0',
}

HOSTILE = ['=HYPERLINK("http://evil.example/","Click")', '=1+1', '@SUM(2+2)', '-2+3', '+1', '\x1b[2J0501', 'G\udcff01']
CODES = ['0501', '0E05', '0c05', 'FF04', '0000', '5010', '', *HOSTILE]
STATUS = ['808489808391', '80 84 89 80 83 91', '0x80 0x80 0x8A 0x80 0x80 0x80', '80 80', *HOSTILE]

# What each file is made of, and where a value must show as written.
RUNS = [
    (['list', 'errors'], '', {}),
    (['list', 'flags'], '', {}),
    (['error', '-'], '\n'.join(CODES) + '\n', {(1, 0): '0501', (2, 0): '0E05', (2, 1): '0E05', (4, 1): 'FF04',
                                               (8, 0): "'=HYPERLINK(\"http://evil.example/\",\"Click\")",
                                               (9, 0): "'=1+1", (11, 0): "'-2+3", (13, 0): '\\x1b[2J0501'}),
    (['status', '-'], '\n'.join(STATUS) + '\n', {(1, 0): '808489808391', (1, 1): '80 84 89 80 83 91',
                                                 (6, 0): "'=1+1"}),
    (['status', '808489808391'], '', {(1, 0): '808489808391'}),
    (['scan', '-'], '2026-12-09 10:00:01 =1+1 80 84 89 80 83 91\n09.12.2026 10:00:02 err=0E05\n10:00:03 80-80-89-80-83-91\n'
     '10:00:04 status: 80 80 80 80 83 =1+1\n',
     {(1, 2): '2026-12-09 10:00:01', (1, 5): '80 84 89 80 83 91', (2, 2): '2026-12-09 10:00:02', (2, 4): '0E05',
      (2, 9): '0E05', (3, 2): '10:00:03', (4, 3): 'unreadable', (4, 4): '80 80 80 80 83'}),
]


def cell_text(cell):
    """The text a cell shows, its line breaks and runs of blanks included."""
    def walk(element):
        out = element.text or ''
        for child in element:
            tag = child.tag.split('}')[1]
            if tag == 's':
                out += ' ' * int(child.get(f'{{{NS["text"]}}}c', '1'))
            elif tag == 'tab':
                out += '\t'
            elif tag == 'line-break':
                out += '\n'
            else:
                out += walk(child)
            out += child.tail or ''
        return out
    return '\n'.join(walk(p) for p in cell.findall('text:p', NS))


def sheet(path):
    """Rows of (text, formula, kind of value) as Calc holds them."""
    rows = []
    for row in ET.parse(path).iter(f'{{{NS["table"]}}}table-row'):
        cells = []
        for cell in row.findall('table:table-cell', NS):
            repeated = int(cell.get(f'{{{NS["table"]}}}number-columns-repeated', '1'))
            cells += [(cell_text(cell), cell.get(f'{{{NS["table"]}}}formula'),
                       cell.get(f'{{{NS["office"]}}}value-type'))] * min(repeated, 16)
        while cells and cells[-1][0] == '' and cells[-1][1] is None:
            cells.pop()
        rows.append(cells)
    while rows and not rows[-1]:
        rows.pop()
    return rows


def meant(data, excel):
    """The cells the file means: CSV parsed, a text formula ="..." read as its text."""
    text = data.decode('utf-8')
    if excel:
        assert text.startswith('\ufeff'), 'an Excel file starts with its byte-order mark'
        text = text[1:]
    rows = []
    for row in csv.reader(io.StringIO(text, newline=''), delimiter=';' if excel else ','):
        cells = []
        for field in row:
            if excel and field.startswith('="') and field.endswith('"'):
                field = field[2:-1].replace('""', '"')
            cells.append(field)
        while cells and cells[-1] == '':
            cells.pop()
        rows.append(cells)
    return rows


def main():
    decoder = sys.argv[1]
    soffice = shutil.which('soffice')
    if not soffice:
        print('SKIPPED: LibreOffice Calc is not installed (scripts/test installs libreoffice-calc-nogui)')
        return 77
    failures = []
    with tempfile.TemporaryDirectory() as work:
        work = Path(work)
        files = []
        for n, (arguments, stdin, expected) in enumerate(RUNS):
            for option in ('--excel', '--csv'):
                result = subprocess.run([decoder, *arguments, option], input=stdin.encode('utf-8', 'surrogateescape'),
                                        capture_output=True, check=False)
                path = work / f'{n}{option[2:]}.csv'
                path.write_bytes(result.stdout)
                files.append((path, option == '--excel', arguments, expected))
        # Two runs of Calc: each format imported the way it is meant to be opened.
        text_columns = '/'.join(f'{column}/2' for column in range(1, 16))
        for excel, filter_options in ((True, 'CSV:59,34,76,1'), (False, f'CSV:44,34,76,1,{text_columns}')):
            paths = [str(path) for path, is_excel, _, _ in files if is_excel == excel]
            subprocess.run([soffice, '--headless', f'-env:UserInstallation=file://{work}/profile',
                            f'--infilter={filter_options}', '--convert-to', 'fods', '--outdir', str(work), *paths],
                           capture_output=True, check=True, timeout=600)
        for path, excel, arguments, expected in files:
            name = f'{" ".join(arguments)} --{"excel" if excel else "csv"}'
            try:
                wanted = meant(path.read_bytes(), excel)
            except UnicodeDecodeError as error:
                failures.append(f'{name}: the file is not UTF-8 ({error})')
                continue
            got = sheet(path.with_suffix('.fods'))
            if [[cell[0] for cell in row] for row in got] != wanted:
                for r, (row, want) in enumerate(zip(got, wanted)):
                    if [cell[0] for cell in row] != want:
                        failures.append(f'{name}: row {r + 1} shows {[cell[0] for cell in row]}, the file means {want}')
                        break
                else:
                    failures.append(f'{name}: {len(got)} rows shown, the file means {len(wanted)}')
            for r, row in enumerate(got):
                for c, (text, formula, _) in enumerate(row):
                    if formula and formula != 'of:="' + text.replace('"', '""') + '"':
                        failures.append(f'{name}: row {r + 1} column {c + 1} holds the formula {formula}')
            # These must be text, not a number that happens to show the same digits.
            for (r, c), text in expected.items():
                shown = got[r][c] if r < len(got) and c < len(got[r]) else None
                if shown is None or shown[0] != text or shown[2] != 'string':
                    failures.append(f'{name}: row {r + 1} column {c + 1} holds {shown!r}, not the text {text!r}')
    for failure in failures:
        print('FAILED:', failure)
    failed = len({failure.split(':')[0] for failure in failures})
    print(f'{len(files) - failed} passed, {failed} failed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
