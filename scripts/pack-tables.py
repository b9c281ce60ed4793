#!/usr/bin/env python3
"""Keeps the windows' control tables one control to a row: packs each table entry onto as few
lines as fit and fences the tables from clang-format, which would put every field on a line."""
import re
import sys

WIDTH = 110
START = re.compile(r'^(\s*)(static )?const (ControlSpec|std::vector<ControlSpec>) \w+(\[\])?( = )?\{')


def pack_entry(text, indent):
    body = ' '.join(part.strip() for part in text.splitlines())
    # Fold white space outside string literals only: captions keep their spaces.
    pieces = re.split(r'("(?:[^"\\]|\\.)*")', body)
    body = ''.join(p if i % 2 else re.sub(r'\s+', ' ', p) for i, p in enumerate(pieces))
    body = body.replace('{ ', '{').replace(' }', '}')
    fields = re.split(r', (?=\.)', body)
    lines, line = [], indent
    for i, field in enumerate(fields):
        piece = field + (', ' if i < len(fields) - 1 else '')
        if len(line) + len(piece.rstrip()) > WIDTH and line.strip():
            lines.append(line.rstrip())
            line = indent + ' ' + piece
        else:
            line += piece
    lines.append(line.rstrip())
    return '\n'.join(lines)


def entries(block):
    """Splits the inside of a table into its top-level {...} entries and the text between them."""
    out, depth, start, last = [], 0, None, 0
    for i, c in enumerate(block):
        if c == '{':
            if depth == 0:
                out.append(('gap', block[last:i]))
                start = i
            depth += 1
        elif c == '}':
            depth -= 1
            if depth == 0:
                out.append(('entry', block[start:i + 1]))
                last = i + 1
    out.append(('gap', block[last:]))
    return out


def process(source):
    lines = source.split('\n')
    result, i = [], 0
    while i < len(lines):
        line = lines[i]
        m = START.match(line)
        if not m or (i > 0 and 'clang-format off' in lines[i - 1]):
            result.append(line)
            i += 1
            continue
        j = i
        text = line
        while not re.search(r'\};\s*$', lines[j]):
            j += 1
            text += '\n' + lines[j]
        indent = m.group(1)
        single = m.group(4) is None and 'vector' not in m.group(3)
        result.append(indent + '// clang-format off')
        if single:
            head, rest = text.split('{', 1)
            packed = pack_entry('{' + rest.rstrip().rstrip(';'), indent + '    ')
            result.append(head.rstrip() + '\n' + packed + ';')
        else:
            open_at = text.index('{')
            head, inner = text[:open_at + 1], text[open_at + 1:text.rindex('}')]
            result.append(head)
            for kind, piece in entries(inner):
                if kind == 'entry':
                    result.append(pack_entry(piece, indent + '    ') + ',')
                else:
                    for comment in piece.splitlines():
                        if comment.strip().startswith('//'):
                            result.append(indent + '    ' + comment.strip())
            result.append(indent + '};')
        result.append(indent + '// clang-format on')
        i = j + 1
    return '\n'.join(result)


for path in sys.argv[1:]:
    with open(path) as f:
        source = f.read()
    packed = process(source)
    if packed != source:
        with open(path, 'w') as f:
            f.write(packed)
