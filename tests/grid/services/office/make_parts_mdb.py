"""Writes parts.mdb: a minimal Access 97 (Jet 3) database with two tables: Parts (Id, Name,
Note), whose second record has no Note, and Order Lines (Id, Born), whose name holds a blank
whose second column holds dates and whose third holds an OLE object. No Debian tool writes .mdb files, so the pages are
laid out here by hand: the header page, the catalog's table definition and records, the
page-usage maps, and the Parts table. Run: python3 make_parts_mdb.py parts.mdb"""
import struct, sys

PAGE = 2048

def rc4(key, data):
    s = list(range(256)); j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) % 256; s[i], s[j] = s[j], s[i]
    out = bytearray(); i = j = 0
    for b in data:
        i = (i + 1) % 256; j = (j + s[i]) % 256; s[i], s[j] = s[j], s[i]
        out.append(b ^ s[(s[i] + s[j]) % 256])
    return bytes(out)

def header_page():
    p = bytearray(PAGE)
    p[0:4] = b"\x00\x01\x00\x00"
    p[4:20] = b"Standard Jet DB\x00"
    struct.pack_into("<I", p, 0x14, 0)              # Jet 3
    plain = bytearray(126)
    struct.pack_into("<H", plain, 0x3C - 0x18, 1252)  # code page
    # The database key at 0x3E stays 0: the pages are not encrypted.
    # This stretch of the header is stored RC4-encrypted under a fixed key.
    p[0x18:0x18 + 126] = rc4(bytes([0xC7, 0xDA, 0x39, 0x6B]), bytes(plain))
    return p

def ptr(page, row):
    return (page << 8) | row

LONG, INT, DATETIME, TEXT, OLE = 0x04, 0x03, 0x08, 0x0A, 0x0B
SIZES = {LONG: 4, INT: 2, DATETIME: 8}
PACKING = {4: "<i", 2: "<h", 8: "<d"}

def layout(columns):
    # (name, type, text length) -> where each column lies in a record
    fixed_off = 0; var_no = 0; out = []
    for num, (name, typ, tlen) in enumerate(columns):
        if typ in (TEXT, OLE):
            out.append(dict(name=name, type=typ, num=num, fixed=False, off_f=0, off_v=var_no, size=tlen)); var_no += 1
        else:
            out.append(dict(name=name, type=typ, num=num, fixed=True, off_f=fixed_off, off_v=0, size=SIZES[typ])); fixed_off += SIZES[typ]
    return out

def tdef_page(columns, num_rows, system, used_ptr, free_ptr):
    cols = layout(columns)
    p = bytearray(PAGE)
    p[0] = 2; p[1] = 1; p[2:4] = b"VC"
    body = bytearray()
    body += struct.pack("<IIB", num_rows, 0, 0x53 if system else 0x4E)
    nvar = sum(1 for c in cols if not c["fixed"])
    body += struct.pack("<HHHIIII", len(cols), nvar, len(cols), 0, 0, used_ptr, free_ptr)
    for c in cols:
        flags = 0x03 if c["fixed"] else 0x02
        misc = 1252 if c["type"] == TEXT else 0
        body += struct.pack("<BHHHHHHBHH", c["type"], c["num"], c["off_v"], c["num"], 0x409, misc, 0, flags, c["off_f"], c["size"])
    for c in cols:
        name = c["name"].encode("cp1252"); body += bytes([len(name)]) + name
    data = struct.pack("<I", len(body)) + body
    p[8:8 + len(data)] = data
    return p

def row_bytes(columns, values):
    cols = layout(columns)
    fixed = bytearray(sum(c["size"] for c in cols if c["fixed"]))
    mask = bytearray((len(cols) + 7) // 8)
    var_data = bytearray(); offsets = []
    start_var = 1 + len(fixed)
    for c, v in zip(cols, values):
        if v is not None: mask[c["num"] // 8] |= 1 << (c["num"] % 8)
        if c["fixed"]:
            if v is not None:
                struct.pack_into(PACKING[c["size"]], fixed, c["off_f"], v)
        else:
            offsets.append(start_var + len(var_data))
            if v is not None: var_data += v if isinstance(v, bytes) else v.encode("cp1252")
    row = bytearray([len(cols)]) + fixed + var_data
    if offsets:
        eod = len(row)
        row += bytes([eod]) + bytes(reversed(offsets)) + bytes([len(offsets)])
    row += mask
    assert len(row) < 256
    return bytes(row)

def data_page(tdef_pg, rows):
    p = bytearray(PAGE)
    p[0] = 1; p[1] = 1
    struct.pack_into("<IH", p, 4, tdef_pg, len(rows))
    end = PAGE
    for i, r in enumerate(rows):
        start = end - len(r); p[start:end] = r
        struct.pack_into("<H", p, 10 + 2 * i, start); end = start
    struct.pack_into("<H", p, 2, end - (10 + 2 * len(rows)))
    return p

def usage_map(pages):
    bits = bytearray(64)
    for pg in pages: bits[pg // 8] |= 1 << (pg % 8)
    return b"\x00" + struct.pack("<I", 0) + bytes(bits)

CATALOG = [("Id", LONG, 0), ("Name", TEXT, 255), ("Type", INT, 0), ("Flags", LONG, 0), ("LvProp", OLE, 0)]
PARTS = [("Id", LONG, 0), ("Name", TEXT, 50), ("Note", TEXT, 50)]
parts_rows = [(1, "Bolt", "M6"), (2, "Mutter \u00e4", None), (3, "Washer", "flat")]
ORDER_LINES = [("Id", LONG, 0), ("Born", DATETIME, 0), ("Photo", OLE, 0)]
def inline_ole(data):
    # The OLE field's header: the length with the flag of data kept in the record, then the
    # unused page pointer, then the data.
    return struct.pack("<II", 0x80000000 | len(data), 0) + struct.pack("<I", 0) + data
# Days since 30 December 1899: 8 December 1948, 6:30 on 31 January 2024.
order_rows = [(1, 17875.0, inline_ole(b"\xff\xd8\xff\xe0JFIF")), (2, 45322.0 + 6.5 / 24, None)]
catalog_rows = [(2, "MSysObjects", 1, -2147483646, None), (5, "Parts", 1, 0, None), (7, "Order Lines", 1, 0, None)]

def build():
    pages = [header_page(), bytearray(PAGE),
             tdef_page(CATALOG, len(catalog_rows), True, ptr(3, 0), ptr(3, 1)),
             data_page(2, [usage_map([4]), usage_map([]), usage_map([6]), usage_map([]), usage_map([8]),
                           usage_map([])]),
             data_page(2, [row_bytes(CATALOG, r) for r in catalog_rows]),
             tdef_page(PARTS, len(parts_rows), False, ptr(3, 2), ptr(3, 3)),
             data_page(5, [row_bytes(PARTS, r) for r in parts_rows]),
             tdef_page(ORDER_LINES, len(order_rows), False, ptr(3, 4), ptr(3, 5)),
             data_page(7, [row_bytes(ORDER_LINES, r) for r in order_rows])]
    return b"".join(bytes(p) for p in pages)

open(sys.argv[1], "wb").write(build())
