"""Reads an .xls file with xlrd and prints what it holds, for the xls writer tests.

Line 1 is a JSON object: the sheet's size, column and row settings, the cell
formats the cells use (fonts, fills, borders, alignment, number format with
colours resolved through the workbook's palette), the counts of the records in
the Workbook stream, checks of the string index (EXTSST) and of the row index
(INDEX, DBCELL) that xlrd does not read, the compound document's sector counts and anything xlrd
logged while reading. Every further line is one non-empty cell as a JSON array
[row, column, type, value, xf] with rows and columns from 0; type is xlrd's
(1 text, 2 number, 6 blank).
"""
import io
import json
import struct
import sys

import xlrd
from xlrd import compdoc


def colour(book, index):
    rgb = book.colour_map.get(index)
    return list(rgb) if rgb is not None else None


def describe_xf(book, xf):
    font = book.font_list[xf.font_index]
    border = xf.border
    return {
        "font": {
            "name": font.name,
            "height": font.height,
            "bold": bool(font.bold),
            "italic": bool(font.italic),
            "underline": font.underline_type,
            "struck": bool(font.struck_out),
            "colour": colour(book, font.colour_index),
        },
        "fill": {
            "pattern": xf.background.fill_pattern,
            "fg": colour(book, xf.background.pattern_colour_index),
            "bg": colour(book, xf.background.background_colour_index),
        },
        "borders": {
            side: [getattr(border, side + "_line_style"),
                   colour(book, getattr(border, side + "_colour_index"))]
            for side in ("left", "right", "top", "bottom")
        },
        "h": xf.alignment.hor_align,
        "v": xf.alignment.vert_align,
        "wrap": xf.alignment.text_wrapped,
        "numfmt": book.format_map[xf.format_key].format_str,
    }


def records(data):
    """(position, type, data) of every record of the stream."""
    out = []
    pos = 0
    while pos + 4 <= len(data):
        rtype, length = struct.unpack_from("<HH", data, pos)
        out.append((pos, rtype, data[pos + 4:pos + 4 + length]))
        pos += 4 + length
    return out


def check_extsst(recs):
    """Walks the shared strings across CONTINUE records and checks that EXTSST
    points at the start of every dsst-th string. Returns "" or what is wrong."""
    types = [r[1] for r in recs]
    if 0x00FC not in types:
        return "no SST"
    i = types.index(0x00FC)
    parts = [recs[i]]
    j = i + 1
    while j < len(recs) and recs[j][1] == 0x003C:
        parts.append(recs[j])
        j += 1
    if j >= len(recs) or recs[j][1] != 0x00FF:
        return "EXTSST does not follow the SST"
    ext = recs[j][2]
    dsst, = struct.unpack_from("<H", ext, 0)
    buckets = [struct.unpack_from("<IH", ext, 2 + 8 * k) for k in range((len(ext) - 2) // 8)]
    total, unique = struct.unpack_from("<II", parts[0][2], 0)
    part, off = 0, 8
    starts = []
    for n in range(unique):
        if off == len(parts[part][2]):
            part, off = part + 1, 0
        pos, _, data = parts[part]
        if off + 3 > len(data):
            return "string %d: its header is split" % n
        starts.append((pos + 4 + off, 4 + off))
        cch, flags = struct.unpack_from("<HB", data, off)
        if flags & ~1:
            return "string %d: unexpected flags %x" % (n, flags)
        off += 3
        size = 2 if flags & 1 else 1
        left = cch
        while left:
            avail = (len(data) - off) // size
            if avail == 0:
                if (len(data) - off) != 0:
                    return "string %d: a character is split" % n
                part, off = part + 1, 0
                pos, _, data = parts[part]
                size = 2 if data[0] & 1 else 1
                off = 1
                continue
            take = min(avail, left)
            off += take * size
            left -= take
    if off != len(parts[part][2]) or part != len(parts) - 1:
        return "bytes left after the last string"
    expected = [starts[k] for k in range(0, unique, dsst)]
    if [tuple(b) for b in buckets] != expected:
        return "EXTSST buckets %s, strings start at %s" % (buckets[:4], expected[:4])
    return ""


CELL_TYPES = {0x00FD, 0x0203, 0x027E, 0x00BD, 0x0201, 0x00BE, 0x0204}


def check_index(recs):
    """Checks the worksheet's INDEX and DBCELL records against the ROW and cell
    records they point at. Returns "" or what is wrong."""
    at = {r[0]: r for r in recs}
    index = [r for r in recs if r[1] == 0x020B]
    if len(index) != 1:
        return "%d INDEX records" % len(index)
    data = index[0][2]
    _, rw_mic, rw_mac, ib_xf = struct.unpack_from("<IIII", data, 0)
    if ib_xf not in at or at[ib_xf][1] != 0x0055:
        return "INDEX does not point at DEFCOLWIDTH"
    dbcells = [struct.unpack_from("<I", data, 16 + 4 * k)[0] for k in range((len(data) - 16) // 4)]
    if len(dbcells) != len([r for r in recs if r[1] == 0x00D7]):
        return "INDEX lists %d DBCELL records" % len(dbcells)
    rows_seen = []
    for db in dbcells:
        if db not in at or at[db][1] != 0x00D7:
            return "INDEX entry %d is not a DBCELL" % db
        d = at[db][2]
        rtrw, = struct.unpack_from("<I", d, 0)
        offsets = [struct.unpack_from("<H", d, 4 + 2 * k)[0] for k in range((len(d) - 4) // 2)]
        first = db - rtrw
        row_recs = []
        pos = first
        for _ in offsets:
            if pos not in at or at[pos][1] != 0x0208:
                return "DBCELL at %d: no ROW record at %d" % (db, pos)
            row_recs.append(at[pos])
            pos += 4 + len(at[pos][2])
        cell = first + 20
        for k, (rpos, _, rdata) in enumerate(row_recs):
            cell += offsets[k]
            rw, col_mic, col_mac = struct.unpack_from("<HHH", rdata, 0)
            rows_seen.append(rw)
            if col_mic == col_mac:
                continue
            if cell not in at or at[cell][1] not in CELL_TYPES:
                return "DBCELL at %d: row %d has no cell record at %d" % (db, rw, cell)
            crow, = struct.unpack_from("<H", at[cell][2], 0)
            if crow != rw:
                return "DBCELL at %d: row %d points at a cell of row %d" % (db, rw, crow)
    if rows_seen and (rows_seen[0] != rw_mic or rows_seen[-1] + 1 != rw_mac):
        return "INDEX rows %d..%d, ROW records %d..%d" % (rw_mic, rw_mac, rows_seen[0], rows_seen[-1] + 1)
    return ""


def main(path):
    log = io.StringIO()
    with open(path, "rb") as f:
        raw = f.read()
    book = xlrd.open_workbook(file_contents=raw, formatting_info=True, logfile=log, verbosity=0)
    doc = compdoc.CompDoc(raw, logfile=log)
    stream = doc.get_named_stream("Workbook")
    fat_sectors, = struct.unpack_from("<I", raw, 0x2C)
    difat_sectors, = struct.unpack_from("<I", raw, 0x48)
    sheet = book.sheet_by_index(0)
    recs = records(stream)
    counts = {}
    for _, rtype, _ in recs:
        key = "%04x" % rtype
        counts[key] = counts.get(key, 0) + 1

    cells = []
    used_xf = set()
    for r in range(sheet.nrows):
        for c in range(sheet.row_len(r)):
            cell = sheet.cell(r, c)
            if cell.ctype == xlrd.XL_CELL_EMPTY:
                continue
            cells.append([r, c, cell.ctype, cell.value, cell.xf_index])
            used_xf.add(cell.xf_index)

    summary = {
        "sheets": book.nsheets,
        "name": sheet.name,
        "nrows": sheet.nrows,
        "ncols": sheet.ncols,
        "show_grid_lines": sheet.show_grid_lines,
        "show_sheet_headers": sheet.show_sheet_headers,
        "colinfo": {str(c): [i.width, i.hidden] for c, i in sheet.colinfo_map.items()},
        "rowinfo": {str(r): [i.height, i.has_default_height] for r, i in sheet.rowinfo_map.items()},
        "xf": {str(x): describe_xf(book, book.xf_list[x]) for x in sorted(used_xf)},
        "records": counts,
        "extsst": check_extsst(recs),
        "index": check_index(recs),
        "stream_size": len(stream),
        "fat_sectors": fat_sectors,
        "difat_sectors": difat_sectors,
        "log": log.getvalue(),
    }
    out = sys.stdout
    out.write(json.dumps(summary) + "\n")
    for cell in cells:
        out.write(json.dumps(cell) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
