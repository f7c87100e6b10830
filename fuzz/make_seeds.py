#!/usr/bin/env python3
"""Writes the real-shaped seeds of the fuzz targets into corpus/<target>/.

The seeds are committed; run this again after changing it. Japanese text is
written in code page 932, as the program reads and writes it; several names
hold double-byte characters whose trail byte is 0x5C (表, ソ, 能).

The files named by a hash beside them come from long runs (fuzz/run-long.sh),
merged in with libFuzzer's -set_cover_merge=1 for the coverage they add, so
that the short runs of the test command start where the long ones got to.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def sjis(text):
    return text.encode("cp932")


def seed(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data if isinstance(data, bytes) else sjis(data))


def group(value):
    return f"{value:,}"


def report(rows, messages=(), crlf=True):
    """A report laid out as the result window shows and saves it."""
    width = max([4] + [len(sjis(name)) for name, _, _ in rows])
    size_width = max(5, len(group(max([0] + [size for _, _, size in rows]))))
    lines = list(messages)
    lines.append("Name".ljust(width) + "  CRC   Bytes")
    lines.append("-" * width + "  ----  " + "-" * size_width)
    for name, crc, size in rows:
        pad = width - len(sjis(name))
        lines.append(name + " " * pad + f"  {crc:04X}  " + group(size).rjust(size_width))
    lines.append("-" * (width + 8 + size_width))
    total = sum(size for _, _, size in rows)
    lines.append(f"Total  {len(rows)} Files  {group(total)} Bytes")
    end = "\r\n" if crlf else "\n"
    return sjis(end.join(lines) + end)


ROWS = [
    ("表示.bin", 0x5C5C, 1234),
    ("ソフト 一覧.txt", 0x00FF, 1234567),
    ("能力,data.dat", 0x1A2B, 6442450945),
    ("ﾃﾞｰﾀ.crc", 0xFFFF, 0),
    ("  leading.bin", 0x6F91, 9),
    ("a.b.c", 0x61DA, 3),
]


def report_list_seeds():
    t = "report_list_fuzz"
    seed(t, "cp932_report", report(ROWS, ["表示.bin:読み込みエラー",
                                          "ソフト.txt:CRC不一致(List=1A2B,File=00FF)"], crlf=False))
    seed(t, "cp932_report_crlf", report(ROWS))
    seed(t, "dash_message", report(ROWS[:2], ["-表.bin:読み込みエラー"], crlf=False))
    seed(t, "two_tables", report(ROWS[:2], crlf=False) + report(ROWS[2:], crlf=False))
    seed(t, "names_like_header", report([("Name", 1, 2), ("Total.bin", 3, 4),
                                         ("Name,x", 5, 6), ("Totals", 7, 8)], crlf=False))
    seed(t, "moved_columns", sjis("Name   CRC   Bytes\n-----  ----  -----\n"
                                  "a.bin   1A2B     5\nb.bin  1A2B 5\nc.bin  1A2B  \n"
                                  "d.bin  0x1A  5\ne.bin  -1A2  5\nf.bin  1A2B  +5\n"
                                  "g.bin  1A2B  99999999999999999999\n\t\t\t\t\t  1A2B  5\n"))


def delimited_seeds():
    t = "delimited_list_fuzz"
    lines = [f"{name.strip()}, {crc:04X}, {size}" for name, crc, size in ROWS if "," not in name]
    seed(t, "cp932_comma_space", sjis("\r\n".join(lines) + "\r\n"))
    seed(t, "two_spaces", sjis("表示.bin  5C5C  1234\r\nソフト.txt  00ff  99\r\n"))
    seed(t, "single_comma", sjis("表示.bin,5C5C,1234\r\nソ.bin,1A2B,100\r\n"))
    seed(t, "tabs", sjis("表示.bin\t5C5C\t1234\r\na.bin\t1A2B, 00FF, 9\r\n"))
    seed(t, "field_limits", sjis("n" * 259 + ", 1A2B, 5\r\n" + "n" * 260 + ", 1A2B, 5\r\n"
                                 "a.bin, 1234567, 5\r\na.bin, 12345678, 5\r\n"
                                 "a.bin, 1A2B, " + "1" * 31 + "\r\na.bin, 1A2B, " + "1" * 32 + "\r\n"))
    seed(t, "odd_fields", sjis(",1A2B, 5\r\n 表.bin, 1A2B, 5\r\na.bin, zz, 5\r\na.bin, 1A2B, x\r\n"
                               "a.bin, 0x1A, 5\r\na.bin, -1, 5\r\na.bin, 1A2B, -5\r\n"
                               "a.bin, 1A2B, 9223372036854775808\r\na.bin\r\na.bin, \r\n"
                               "a.bin, 1A2B,\r\n \t \r\n"))
    seed(t, "lone_line_feed", b"a.bin, 1A2B\n, 5\r\nb\x00.bin, 1A2B, 5\r\n")


def column_seeds():
    t = "column_list_fuzz"
    body = "".join(f"{name.ljust(20)}  {crc:04X}  {group(size)}\r\n" for name, crc, size in ROWS)
    seed(t, "cp932_columns", sjis("FileName              CRC   Size\r\n" + "-" * 40 + "\r\n" +
                                  body + "-" * 40 + "\r\nTotal 6 files\r\n"))
    seed(t, "preamble_and_blanks", sjis("FileName\r\nmade by hand\r\n\r\n----\r\n\r\n"
                                        "表示.bin 5C5C 1,234\r\n   \r\nソ.bin5C5C 5\r\n---\r\n"
                                        "after.bin 1A2B 5\r\n"))
    seed(t, "cut_characters", sjis("FileName\n-\n表1A2 5\n表表 5\nx表1 5\nﾃﾞｰﾀ1A2B 5\n"
                                   "nospace\ntrailing 1A2B \n1A2B 5\n a.bin  1A2B  1,2,3\n"))
    seed(t, "lf_cr_and_ctrl_z", b"FileName\n\r-\n\ra.bin 1A2B 5\n\rb.bin 1A2B 5\x1ac.bin 1A2B 5\n")
    seed(t, "header_only", b"FileName")


def list_text_seeds():
    t = "list_text_fuzz"
    seed(t, "cp932_report_crlf", report(ROWS))
    seed(t, "lf_cr", b"a.bin, 1A2B, 5\n\rb.bin, 1A2B, 5\n\r\n\rlast")
    seed(t, "lone_cr_and_lf", b"a.bin\r1A2B\r\n5\nb\r\n\r\n")
    seed(t, "ctrl_z_middle", b"\r\n\r\nName\r\n---\r\na  1A2B  5\r\n\x1a\r\nhidden  1A2B  5\r\n")
    seed(t, "nul_bytes", b"a\x00.bin, 1A2B, 5\r\n\x00\r\n\x00\x00\x1a")
    seed(t, "sfv32_after_blanks", b"\n\n\r\n; WIN-SFV32 made this\r\nfile 0123ABCD\r\n")
    seed(t, "column_header", sjis("FileName  CRC  Size\r\n----\r\n表示.bin  5C5C  1,234\r\n"))
    seed(t, "no_line_end", sjis("表示.bin, 5C5C, 1234"))


def command_line_seeds():
    t = "command_line_fuzz"
    seed(t, "cp932_quoted", sjis('"C:\\Program Files\\Varnel\\varnel.exe" "C:\\表示\\ソフト\\" '
                                 'C:\\能力\\a.txt "C:\\データ 一覧\\sums.crc"'))
    seed(t, "backslash_runs", sjis('varnelc.exe a\\\\b a\\\\\\"b "a\\\\" "c d\\\\\\" e" \\\\server\\share\\x'))
    seed(t, "doubled_quotes", sjis('v "a""b" "" x"" "表"" 表"'))
    seed(t, "unterminated", sjis('"C:\\prog.exe" "C:\\表示 フォルダ\\a.bin'))
    seed(t, "tabs_and_trail", sjis("v\t\t表\t\"ソ\"\t能\\\"x\t"))
    seed(t, "program_only", b'"C:\\x y\\varnel.exe"')


def path_seeds():
    t = "path_parts_fuzz"
    paths = ["C:\\表示\\ソフト.bin", "\\\\server\\share\\能.txt", "\\\\?\\C:\\very\\long\\表.crc",
             "C:relative.txt", "a/b\\c.d.e", "C:\\dir.ext\\name", "表", "..\\..\\x", "NUL",
             "C:\\dir\\nul.txt", "C:\\dir\\name.", "C:\\dir\\name ", "C:\\x\\表.", "表\\", "ソ\\能\\",
             " a . b ", "C:\\.bin", "C:\\dir\\..", "D:\\データ\\ﾃﾞｰﾀ.dat"]
    for i, path in enumerate(paths):
        seed(t, f"path_{i:02d}", sjis(path))
    seed(t, "lone_lead_byte", b"C:\\x\\\x81")
    seed(t, "lead_before_separator", b"C:\\\x81\\x\\\x95")


def report_layout_seeds():
    t = "report_layout_fuzz"

    def row(name, crc, size):
        data = sjis(name)
        return bytes([len(data)]) + struct.pack("<Hq", crc, size) + data

    seed(t, "cp932_rows", b"".join(row(n, c, s & ~1) for n, c, s in ROWS))
    seed(t, "messages_and_rows", row("表示.bin:読み込みエラー", 0, 1) + row("表示.bin", 0x5C5C, 1234)
         + row("-rule.bin", 1, 3) + row("Name", 2, 4) + row("big.iso", 3, 2 ** 62))
    seed(t, "extreme_sizes", row("a", 0, 0) + row("b", 0, 2 ** 63 - 2) + row("c", 0, 999) + row("d", 0, 1000))


if __name__ == "__main__":
    report_list_seeds()
    delimited_seeds()
    column_seeds()
    list_text_seeds()
    command_line_seeds()
    path_seeds()
    report_layout_seeds()
