#!/usr/bin/env python3
"""Writes the seed books of fuzz_epub_reader beside this script. Entries are stored, not
deflated, so that the fuzzer's changes reach the XML. Run it again only to change the seeds."""
import os
import zipfile

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fuzz_epub_reader")

CONTAINER = ('<?xml version="1.0"?><container version="1.0" '
             'xmlns="urn:oasis:names:tc:opendocument:xmlns:container"><rootfiles>'
             '<rootfile full-path="OEBPS/content.opf" media-type="application/oebps-package+xml"/>'
             '</rootfiles></container>')
XHTML = "application/xhtml+xml"


def package(items, spine):
    manifest = "".join(f'<item id="{i}" href="{h}" media-type="{t}"/>' for i, h, t in items)
    refs = "".join(f'<itemref idref="{i}"/>' for i in spine)
    return ('<?xml version="1.0" encoding="UTF-8"?><package xmlns="http://www.idpf.org/2007/opf" '
            f'version="3.0"><metadata/><manifest>{manifest}</manifest><spine>{refs}</spine>'
            '</package>')


def chapter(body, doctype="<!DOCTYPE html>"):
    return ('<?xml version="1.0" encoding="UTF-8"?>' + doctype +
            '<html xmlns="http://www.w3.org/1999/xhtml"><head><title>t</title></head><body>' +
            body + '</body></html>')


def write(name, entries):
    with zipfile.ZipFile(os.path.join(HERE, name), "w", zipfile.ZIP_STORED) as book:
        book.writestr("mimetype", "application/epub+zip")
        book.writestr("META-INF/container.xml", CONTAINER)
        for entry, text in entries:
            book.writestr(entry, text)


os.makedirs(HERE, exist_ok=True)
write("two-chapters.epub", [
    ("OEBPS/content.opf", package([("b", "Text/b.xhtml", XHTML), ("a", "a%20one.xhtml", XHTML)],
                                  ["a", "b"])),
    ("OEBPS/a one.xhtml", chapter("<h1>One</h1><p>caf&eacute;&nbsp;&amp; <i>it</i></p><br/>"
                                  "<pre>\n kept\n</pre>")),
    ("OEBPS/Text/b.xhtml", chapter("<table><tr><td>x</td><td>y</td></tr></table>"
                                   "<script>var a = 1;</script><p>&#x4e2d;&unknown;</p>",
                                   '<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.1//EN" '
                                   '"http://www.w3.org/TR/xhtml11/DTD/xhtml11.dtd">')),
])
write("encrypted.epub", [
    ("META-INF/encryption.xml",
     '<encryption xmlns="urn:oasis:names:tc:opendocument:xmlns:container" '
     'xmlns:enc="http://www.w3.org/2001/04/xmlenc#"><enc:EncryptedData><enc:CipherData>'
     '<enc:CipherReference URI="OEBPS/c.xhtml"/></enc:CipherData></enc:EncryptedData>'
     '</encryption>'),
    ("OEBPS/content.opf", package([("c", "c.xhtml", XHTML)], ["c"])),
    ("OEBPS/c.xhtml", chapter("<p>locked</p>")),
])
write("entities.epub", [
    ("OEBPS/content.opf", package([("c", "c.xhtml", XHTML)], ["c"])),
    ("OEBPS/c.xhtml", '<?xml version="1.0"?><!DOCTYPE html [<!ENTITY a "aa"><!ENTITY b "&a;&a;">]>'
                      '<html><body><p>&b;</p></body></html>'),
])
