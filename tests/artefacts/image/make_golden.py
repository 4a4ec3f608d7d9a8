#!/usr/bin/env python3
"""Builds the expected bank.bin of every folder under golden/ from the project files there.

It follows the image's tables field by field and shares no code with the configurator, so
that the golden files check the C++ builder rather than repeat it. Run it after changing a
case's input files: python3 make_golden.py
"""
import os
import struct
import xml.etree.ElementTree as ET

BASE = 0x5A000
TABLE_SIZES = [512, 512, 256, 256, 128, 128]
HERE = os.path.dirname(os.path.abspath(__file__))
BLANKS = ''.join(chr(c) for c in range(33))  # what trimming removes


def number(text):
    """The number rule: leading blanks, a sign, decimal or $/x/0x hexadecimal, 32 bits."""
    if text is None:
        return None
    s = text.lstrip(' ')
    negative = s[:1] == '-'
    if s[:1] in '+-' and s:
        s = s[1:]
    base = 10
    if s[:2].lower() == '0x':
        base, s = 16, s[2:]
    elif s[:1] in ('$', 'x', 'X') and s:
        base, s = 16, s[1:]
    digits = '0123456789abcdef'[:base]
    if not s or any(c.lower() not in digits for c in s):
        return None
    value = int(s, base)
    if base == 16:
        if value > 0xFFFFFFFF:
            return None
        if value > 0x7FFFFFFF:
            value -= 1 << 32
    elif value > (0x80000000 if negative else 0x7FFFFFFF):
        return None
    return -value if negative else value


def number_or(text, default):
    value = number(text)
    return default if value is None else value


def u8(v): return struct.pack('<B', v & 0xFF)
def u16(v): return struct.pack('<H', v & 0xFFFF)
def u32(v): return struct.pack('<I', v & 0xFFFFFFFF)


def load_root(folder, name):
    path = os.path.join(folder, name)
    return ET.parse(path).getroot() if os.path.exists(path) else None


def ip_bytes(text):
    """Dotted text to four octets: the text and every part trimmed, a bad part gives 0."""
    parts = text.strip(BLANKS).split('.', 3)
    parts += [''] * (4 - len(parts))
    out = []
    for p in parts:
        v = number(p.strip(BLANKS))
        out.append(v if v is not None and 0 <= v <= 255 else 0)
    return bytes(out)


class GenBlock:
    def __init__(self):
        self.b = bytearray(2048)
        self.put(0x000, u32(250000))
        self.put(0x00C, u32(9600))
        self.put(0x028, bytes([192, 168, 2, 205]))
        self.put(0x02C, bytes([255, 255, 255, 0]))
        self.put(0x030, bytes([255, 255, 255, 255]))
        self.put(0x034, u16(10000))
        self.put(0x036, u16(10001))
        self.put(0x038, u16(10001))
        self.put(0x03C, u32(9600))

    def put(self, offset, data):
        self.b[offset:offset + len(data)] = data


def read_pargen(folder, gen):
    root = load_root(folder, 'ParGen.xml')
    if root is None:
        return

    def value(name, default):
        element = root.find(name)
        return default if element is None else number_or(element.text or '', default)

    def on(name):
        element = root.find(name)
        return element is not None and (element.text or '') == '1'

    def octets(prefix, defaults):
        return bytes(value(prefix + str(i + 1), defaults[i]) & 0xFF for i in range(4))

    ip = octets('EtherNetIP_Master_IP', [192, 168, 0, 5])
    mask = octets('EtherNetIP_Master_SM', [255, 255, 255, 0])
    gateway = octets('EtherNetIP_Master_GAT', [192, 168, 0, 1]) if on('EtherNetIP_Master_EN_GAT') \
        else bytes([255] * 4)
    for offset, data in ((0x028, ip), (0x02C, mask), (0x030, gateway),
                         (0x130, ip), (0x134, mask), (0x138, gateway)):
        gen.put(offset, data)
    rates = [10000, 20000, 50000, 100000, 125000, 250000, 500000, 800000, 1000000]
    index = value('CANopen_BAUDRATE', 8)
    gen.put(0x000, u32(rates[index] if 0 <= index <= 8 else 1000000))
    gen.put(0x09C, u32(value('CANopen_IDDev', 1)))
    gen.put(0x0A0, u32((1 if on('CANopen_Set_Operational') else 0) | (2 if on('CANopen_Network_Start') else 0)))
    gen.put(0x0A4, u32(value('CANopen_Delay', 10) * 1000))
    gen.put(0x0A8, u32(value('CANopen_SDO_TimeOut', 10000)))


def value_block(text, kind, limit):
    values = []
    for piece in text.split(','):
        v = number(piece.strip(BLANKS))
        if v is not None and 0 <= v <= 255 and len(values) < limit:
            values.append(v)
    n = len(values)
    return u16(n + 2) + bytes([kind, (n + 1) // 2]) + bytes(values)


def read_targets(folder, gen):
    records = [bytes(40)] * 10
    blocks = b''
    root = load_root(folder, 'EtherNetIP_Master_Rules.xml')
    rows = [] if root is None else [r for r in root if (r.get('Enable') or '').strip().upper() == 'Y'][:10]
    in_total = out_total = 0
    next_block = 0x68992
    for i, row in enumerate(rows):
        def get(name, default):
            return number_or(row.get(name), default)
        ip = bytes([255] * 4) if row.get('IP_Address') is None else ip_bytes(row.get('IP_Address'))
        num_in, num_out = get('Num_Input', 0) & 0xFFFF, get('Num_Output', 0) & 0xFFFF

        def header(name, default):
            text = row.get(name, 'Default')
            return default if text.upper() == 'DEFAULT' else number_or(text, default) & 7
        addresses = []
        for enable, name, kind, limit in (('EnableElectronicKey', 'ElectronicKey', 0x34, 97),
                                          ('EnableDataSegment', 'DataSegment', 0x80, 510)):
            text = row.get(name) or ''
            if (row.get(enable) or '').strip().upper() == 'Y' and text:
                block = value_block(text, kind, limit)
                addresses.append(next_block)
                next_block += len(block)
                blocks += block
            else:
                addresses.append(0x68990)
        records[i] = (ip + u16(get('Start_Input', 0)) + u16(num_in) + u16(in_total)
                      + u16(get('Start_Output', 0)) + u16(num_out) + u16(out_total)
                      + u16(get('Instance_T_O', 1)) + u16(get('Connection_Point_T_O', 100))
                      + u16(get('Instance_O_T', 1)) + u16(get('Connection_Point_O_T', 101))
                      + u32(get('Time_Poll', 1000))
                      + u32(header('Dim_Header_T_O', 0) | header('Dim_Header_O_T', 4) << 3)
                      + u32(addresses[0]) + u32(addresses[1]))
        in_total += num_in
        out_total += num_out
    gen.put(0x074, u32(in_total))
    gen.put(0x078, u32(out_total))
    gen.put(0x278, u32(len(rows)))
    return b''.join(records) + bytes(2) + blocks


def rule_record(cob=0, index=0, sub=0, device=0, time=0, words=None, size=0, mode=0):
    words = words if words is not None else [0xFFFF] * 8
    return (u32(cob) + u16(index) + u8(sub) + u8(device) + u32(time)
            + b''.join(u16(w) for w in words) + u8(size) + u8(mode) + u16(0))


def sdo_record(row, client, mode):
    def need(name):
        value = number(row.get(name))
        if value is None:
            raise ValueError(name)
        return value
    size = need('NByte') & 0xFF
    words = [0] * 8
    words[4] = need('Address_B1')
    if size >= 2:
        words[5] = need('Address_B2')
    if size >= 4:
        words[6], words[7] = need('Address_B3'), need('Address_B4')
    return rule_record(index=need('Index'), sub=need('SubIndex'), device=need('Device_ID') if client else 0,
                       time=need('Poll_Time') if client else 0, words=words, size=size, mode=mode)


def pdo_record(row, time_name, mode):
    size = number(row.get('Dimension')) & 0xFF
    words = [0] * 8
    for k in range(1, 9):
        if k == 1 or size >= k:
            words[k - 1] = number(row.get('Address_B%d' % k))
    return rule_record(cob=number(row.get('COB-ID')), time=number(row.get(time_name)), words=words,
                       size=size, mode=mode)


def on_change(row):
    return 3 if row.get('On_Change') == 'Y' else 1


def read_rules(folder, gen):
    tables = [[] for _ in TABLE_SIZES]
    server = load_root(folder, 'SDO_Server_CANopen.xml')
    if server is not None:
        tables[0] = [sdo_record(r, False, 0) for r in server.find('SDO_Read')]
        tables[1] = [sdo_record(r, False, 1) for r in server.find('SDO_Write')]
    client = load_root(folder, 'SDO_Client_CANopen.xml')
    if client is not None:
        tables[2] = [sdo_record(r, True, 0) for r in client.find('SDO_Read')]
        tables[3] = [sdo_record(r, True, on_change(r)) for r in client.find('SDO_Write')]
    pdo = load_root(folder, 'PDO_CANopen.xml')
    if pdo is not None:
        tables[4] = [pdo_record(r, 'TimeOut', 0) for r in pdo.find('Receive_PDO')]
        tables[5] = [pdo_record(r, 'Send_Time', on_change(r)) for r in pdo.find('Transmit_PDO')]
    image = b''
    address = BASE
    for t, size in enumerate(TABLE_SIZES):
        gen.put(0x0AC + 4 * t, u32(len(tables[t])))
        gen.put(0x0E0 + 4 * t, u32(address))
        address += size * 32
        image += b''.join(tables[t]) + rule_record() * (size - len(tables[t]))
    return image


def build(folder):
    gen = GenBlock()
    read_pargen(folder, gen)
    gen.put(0x27C, u32(0x68800))
    targets = read_targets(folder, gen)
    tables = read_rules(folder, gen)
    gen.put(0x7FC, u32(sum(gen.b[:0x7FC])))
    return tables + bytes(gen.b) + targets


if __name__ == '__main__':
    golden = os.path.join(HERE, 'golden')
    for case in sorted(os.listdir(golden)):
        folder = os.path.join(golden, case)
        with open(os.path.join(folder, 'bank.bin'), 'wb') as out:
            out.write(build(folder))
        print(case, os.path.getsize(os.path.join(folder, 'bank.bin')))
