#!/usr/bin/env python3
"""regalo-decode scan on the test logs: the records expected.tsv lists, no more.

The logs mix the ways drivers and cash programs write readings with what must
not be taken for one (frames, MAC and IPv6 addresses, hashes, dates, a UUID,
product and cashier codes), and what almost is one, in UTF-8 with CR LF or
JSON lines and times in many forms, UTF-16 and Windows-1251 with lone CRs.

Usage: scan_logs_test.py REGALO_DECODE
"""
import json
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).parent


def expected():
    rows = {}
    for line in (HERE / 'expected.tsv').read_text(encoding='utf-8').splitlines():
        if line and not line.startswith('#'):
            file, *record = line.split('\t')
            rows.setdefault(file, []).append(record)
    return rows


def scanned(decoder, log):
    result = subprocess.run([decoder, 'scan', '--json', str(HERE / log)], capture_output=True, check=False)
    assert result.returncode == 0, (log, result.returncode, result.stderr)
    records = []
    for line in result.stdout.decode('utf-8').splitlines():
        record = json.loads(line)
        kind = record['kind']
        value = record['hex'] if kind == 'status' else record['input'] if kind == 'unreadable' else '%02X%02X' % (record['detail'], record['class'])
        records.append([str(record['line']), record['time'] or '', record['kind'], value])
    return records


def main():
    failures = 0
    for log, records in expected().items():
        found = scanned(sys.argv[1], log)
        if found != records:
            failures += 1
            print(f'{log}: found\n  ' + '\n  '.join('\t'.join(r) for r in found))
    print('logs read as expected' if failures == 0 else f'{failures} logs differ')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
