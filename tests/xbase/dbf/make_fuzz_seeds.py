#!/usr/bin/env python3
# Writes the seed inputs of the dbf and memo fuzz targets: a few tiny valid
# files and damaged variants of them. Run from anywhere; the files go to
# fuzz/corpus/dbf and fuzz/corpus/memo of this source tree.
import os
import struct

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..', '..'))


def table(version, fields, records, backlink=False):
    """fields: (name, type, length, decimals); records: bytes incl. flag."""
    record_length = 1 + sum(f[2] for f in fields)
    header_length = 32 + 32 * len(fields) + 1 + (263 if backlink else 0)
    out = bytearray(header_length)
    struct.pack_into('<BBBBIHH', out, 0, version, 124, 1, 1, len(records), header_length, record_length)
    out[29] = 3
    pos, offset = 32, 1
    for name, ftype, length, decimals in fields:
        out[pos:pos + len(name)] = name.encode()
        out[pos + 11] = ord(ftype)
        struct.pack_into('<I', out, pos + 12, offset)
        out[pos + 16], out[pos + 17] = length, decimals
        pos, offset = pos + 32, offset + length
    out[pos] = 0x0D
    for r in records:
        assert len(r) == record_length, (r, record_length)
        out += r
    return bytes(out) + b'\x1a'


PLAIN_FIELDS = [('NAME', 'C', 8, 0), ('QTY', 'N', 5, 1), ('OK', 'L', 1, 0), ('BORN', 'D', 8, 0)]
PLAIN = table(0x03, PLAIN_FIELDS, [
    b' Ann       1.5T20240229',
    b'*Bob      -2.0F        ',
    b' M\xfcller    0.0?19991231',
])
VFP = table(0x30, [('ID', 'I', 4, 0), ('PRICE', 'Y', 8, 4), ('STAMP', 'T', 8, 0), ('RATIO', 'B', 8, 2),
                   ('NAME', 'C', 6, 0), ('_NullFlags', '0', 1, 0)], [
    b' ' + struct.pack('<iqiid', 42, 199900, 2460311, 3723000, 1 / 3) + b'Widget' + b'\0',
], backlink=True)
WITH_MEMO = table(0xF5, [('NAME', 'C', 4, 0), ('NOTES', 'M', 10, 0)], [b' Ann          8'])


def patched(data, offset, new):
    return data[:offset] + new + data[offset + len(new):]


DBF_SEEDS = {
    'valid_plain.dbf': PLAIN,
    'valid_visual_foxpro.dbf': VFP,
    'valid_memo_field_without_memo_file.dbf': WITH_MEMO,
    'empty_file.dbf': b'',
    'truncated_header.dbf': PLAIN[:20],
    'truncated_field_list.dbf': PLAIN[:80],
    'truncated_last_record.dbf': PLAIN[:-10],
    'header_length_beyond_file.dbf': patched(PLAIN, 8, struct.pack('<H', 0xFFFF)),
    'header_length_too_small.dbf': patched(PLAIN, 8, struct.pack('<H', 33)),
    'record_length_too_small.dbf': patched(PLAIN, 10, struct.pack('<H', 3)),
    'record_length_zero.dbf': patched(PLAIN, 10, struct.pack('<H', 0)),
    'count_beyond_file.dbf': patched(PLAIN, 4, struct.pack('<I', 0xFFFFFFFF)),
    'no_fields.dbf': patched(PLAIN, 32, b'\x0d'),
    'no_terminator.dbf': patched(PLAIN, 32 + 32 * 4, b'X'),
    'unknown_version.dbf': patched(PLAIN, 0, b'\x99'),
    'unknown_field_type.dbf': patched(PLAIN, 32 + 11, b'?'),
    'field_width_zero.dbf': patched(PLAIN, 32 + 16, b'\x00'),
    'binary_field_wrong_width.dbf': patched(VFP, 32 + 16, b'\x03'),
}


def memo_input(kind, block, memo_file):
    return bytes([kind]) + struct.pack('<I', block) + memo_file


def fpt(block_size, next_free, memos):
    """memos: {block: (type, data)}"""
    out = bytearray(512)
    struct.pack_into('>I', out, 0, next_free)
    struct.pack_into('>H', out, 6, block_size)
    for block, (mtype, data) in sorted(memos.items()):
        start = block * block_size
        if len(out) < start:
            out += bytes(start - len(out))
        out[start:start + 8 + len(data)] = struct.pack('>II', mtype, len(data)) + data
    return bytes(out)


def dbt3(memos):
    out = bytearray(512)
    struct.pack_into('<I', out, 0, 1 + len(memos))
    for text in memos:
        out += text + b'\x1a\x1a' + bytes(-(len(text) + 2) % 512)
    return bytes(out)


def dbt4(memos, block_size=512):
    out = bytearray(512)
    struct.pack_into('<I', out, 0, 1 + len(memos))
    struct.pack_into('<H', out, 20, block_size)
    for text in memos:
        out += b'\xff\xff\x08\x00' + struct.pack('<I', len(text) + 8) + text
        out += bytes(-len(out) % block_size)
    return bytes(out)


FPT_VALID = fpt(64, 11, {8: (1, b'hello world'), 9: (1, b'x' * 100)})
MEMO_SEEDS = {
    'fpt_valid': memo_input(0, 9, FPT_VALID),
    'fpt_block_in_header': memo_input(0, 2, FPT_VALID),
    'fpt_block_beyond_end': memo_input(0, 0xFFFFFFFF, FPT_VALID),
    'fpt_huge_length': memo_input(0, 8, fpt(64, 9, {8: (1, b'\xff' * 4)})[:512] + struct.pack('>II', 1, 0xFFFFFFF0)),
    'fpt_block_size_zero': memo_input(0, 8, patched(FPT_VALID, 6, b'\x00\x00')),
    'fpt_block_size_one': memo_input(0, 600, patched(FPT_VALID, 6, b'\x00\x01')),
    'fpt_next_free_huge': memo_input(0, 8, patched(FPT_VALID, 0, b'\xff\xff\xff\x00')),
    'fpt_shorter_than_header': memo_input(0, 8, FPT_VALID[:100]),
    'dbt3_valid': memo_input(1, 2, dbt3([b'line one\r\nline two', b'L' * 700])),
    'dbt3_no_terminator': memo_input(1, 1, dbt3([b'abc'])[:515]),
    'dbt4_valid': memo_input(2, 2, dbt4([b'first', b'second \x1a byte'])),
    'dbt4_length_below_header': memo_input(2, 1, patched(dbt4([b'first']), 516, struct.pack('<I', 3))),
    'dbt4_huge_length': memo_input(2, 1, patched(dbt4([b'first']), 516, struct.pack('<I', 0xFFFFFFFF))),
    'dbt4_block_size_tiny': memo_input(2, 1, patched(dbt4([b'first']), 20, struct.pack('<H', 4))),
}


def write_all(folder, seeds):
    path = os.path.join(ROOT, 'fuzz', 'corpus', folder)
    os.makedirs(path, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(path, name), 'wb') as f:
            f.write(data)


write_all('dbf', DBF_SEEDS)
write_all('memo', MEMO_SEEDS)
