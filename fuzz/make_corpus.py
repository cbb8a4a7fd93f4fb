#!/usr/bin/env python3
"""Writes the seed corpora in fuzz/corpus/<target>/ from the documented examples
of the port settings string and the address and port rules. The files are kept
in the tree; run this again only after changing the seeds below."""

import pathlib
import shutil
import struct

ROOT = pathlib.Path(__file__).resolve().parent / "corpus"

SOCKET = "10.0.0.5:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;"
HTTP = ("http://10.0.0.5/lp1;PROT=HTTP;HTTP_PROXY_ENABLED=ON;HTTP_PROXY_NAME=192.168.1.1;"
        "HTTP_PROXY_PORT=8080;HTTP_PROXY_LPRINTER=lp1;HTTP_SECURE=OFF;MONITORING=OFF;"
        "COMMUNITY=tulvex;")
HTTPS = ("http://10.0.0.5/elp1;PROT=HTTP;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
         "HTTP_PROXY_PORT=;HTTP_PROXY_LPRINTER=lp1;HTTP_SECURE=ON;MONITORING=OFF;"
         "COMMUNITY=tulvex;")
CONFIGURED = ("10.0.0.5:9100;TIMEOUT=5;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
              "HTTP_PROXY_PORT=0;MONITORING=ON;COMMUNITY=tulvex")
MALFORMED = "p;; PROT=HTTP ;TIMEOUT=x;MONITORING=on;HTTP_PROXY_NAME=;HTTP_PROXY_PORT=a=b"


def utf16(text, terminator=False):
    return text.encode("utf-16-le") + (b"\0\0" if terminator else b"")


def texts(*values):
    """FuzzInput::text() form: Latin-1 bytes, each text ended by a 0 byte."""
    return b"".join(v.encode("latin-1") + b"\0" for v in values)


def settings():
    seeds = {}
    for name, text in [("socket", SOCKET), ("http", HTTP), ("https", HTTPS),
                       ("configured", CONFIGURED), ("malformed", MALFORMED),
                       ("doubled-equals", "p;PROT==HTTP"), ("name-like-setting", "PROT=SOCKET"),
                       ("name-only", "p")]:
        seeds["parse-" + name] = b"\x00" + utf16(text)
    # "AddPort": protocol, flags (1 proxy, 2 secure, 4 monitoring), port name,
    # proxy name, proxy port, logical printer, community.
    seeds["addport-socket"] = b"\x01\x01\x04" + texts("10.0.0.5:9100", "", "", "", "tulvex")
    seeds["addport-http"] = b"\x01\x02\x01" + texts(
        "http://10.0.0.5/lp1", "192.168.1.1", "8080", "lp1", "tulvex")
    seeds["addport-https"] = b"\x01\x02\x02" + texts("http://10.0.0.5/elp1", "", "", "lp1",
                                                     "tulvex")
    # "SetProperties": flags (1 proxy, 4 monitoring), proxy port, port name,
    # time out, proxy name, community.
    seeds["setproperties"] = b"\x02\x04" + struct.pack("<H", 0) + texts(
        "10.0.0.5:9100", "5", "", "tulvex")
    seeds["setproperties-proxy"] = b"\x02\x01" + struct.pack("<H", 8080) + texts(
        "http://10.0.0.5/lp1", "120", "192.168.1.1", "public")
    return seeds


def configure_reply():
    # Flags: bits 0-1 size query, 2-3 fetch, 4-5 failing allocation, 6-7 the
    # reported size; then a word; then the reply bytes.
    def seed(flags, word, reply):
        return bytes([flags]) + struct.pack("<H", word) + reply

    return {
        "socket": seed(0x00, 0, utf16(SOCKET, True)),
        "http": seed(0x00, 0, utf16(HTTP, True)),
        "configured-status0": seed(0x01, 0, utf16(CONFIGURED, True)),
        "malformed": seed(0x00, 0, utf16(MALFORMED, True)),
        "no-terminator": seed(0x00, 0, utf16(SOCKET)),
        "size-zero": seed(0xC0, 0, utf16(SOCKET, True)),
        "odd-size": seed(0x40, 0xFF, utf16(SOCKET, True)),
        "size-beyond-reply": seed(0x80, 300, utf16("p;PROT=HTTP")),
        "size-query-refused": seed(0x02, 0, utf16(SOCKET, True)),
        "fetch-refused": seed(0x08, 0, utf16(SOCKET, True)),
        "no-reply-block": seed(0x30, 0, utf16(SOCKET, True)),
    }


def rules():
    seeds = {}
    for i, text in enumerate(["192.168.001.010", "010.0.0.5", "10. 1.2.3", "1.2.3.4.5",
                              "10.0.0.1:9100", "300.1.1.1", "-1.2.3.4", "10 .1.2.3", "1.2.3",
                              "printserver", "", "192.168.001.020"]):
        seeds["address-%02d" % i] = b"\x00" + text.encode("latin-1")
    seeds["address-utf16"] = b"\x02" + utf16("192.168.001.010")

    # Port field: mode 1 (4: with the log line), lastPort, texts set in turn.
    def field(mode, last, *steps):
        return bytes([mode]) + struct.pack("<H", last) + "\0".join(steps).encode("latin-1")

    seeds["port-above-max"] = field(0x05, 9100, "91001")
    seeds["port-typed"] = field(0x05, 9100, "9", "91", "910", "9100")
    seeds["port-typed-65536"] = field(0x05, 9100, "6", "65", "655", "6553", "65536")
    seeds["port-zero"] = field(0x01, 9100, "0", "00")
    seeds["port-emptied"] = field(0x05, 9100, "9100", "", "70000")
    seeds["proxy-port-above-max"] = field(0x05, 0, "99999")
    seeds["port-utf16"] = b"\x07" + struct.pack("<H", 9100) + utf16("123456")
    return seeds


def main():
    for target, seeds in [("fuzz_settings", settings()),
                          ("fuzz_configure_reply", configure_reply()),
                          ("fuzz_rules", rules())]:
        directory = ROOT / target
        shutil.rmtree(directory, ignore_errors=True)
        directory.mkdir(parents=True)
        for name, data in seeds.items():
            (directory / name).write_bytes(data)


if __name__ == "__main__":
    main()
