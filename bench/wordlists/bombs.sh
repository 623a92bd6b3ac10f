#!/bin/sh
# Peak resident memory and time of tarn-cli's file run over two small documents that expand
# enormously: a 57 KB .odt of <text:s text:c="1024"/> elements in one paragraph, and a 725 KB
# .docx of empty paragraphs; and, as the worst the text cap lets through, a .docx of one
# 300 MB word. They are written once to /tmp/tarn-bench/.
# Usage: bombs.sh <build dir>
set -eu
cli=${1:?build dir}/bin/tarn-cli
dict=$(dirname "$0")/../../data/dict
folder=/tmp/tarn-bench
mkdir -p "$folder"
python3 - "$folder" <<'PY'
import os, sys, zipfile

folder = sys.argv[1]

def write(name, entries, repeated):
    path = os.path.join(folder, name)
    if os.path.exists(path):
        return
    with zipfile.ZipFile(path + ".part", "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for entry, text in entries:
            archive.writestr(entry, text)
        entry, head, unit, count, tail = repeated
        with archive.open(entry, "w") as out:
            out.write(head.encode())
            block = (unit * 65536).encode()
            for _ in range(count // 65536):
                out.write(block)
            out.write(tail.encode())
    os.replace(path + ".part", path)

write("spaces-bomb.odt", [("mimetype", "application/vnd.oasis.opendocument.text")],
      ("content.xml",
       '<?xml version="1.0" encoding="UTF-8"?><office:document-content '
       'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
       'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0">'
       "<office:body><office:text><text:p>",
       '<text:s text:c="1024"/>', 1040 * 1024,
       "</text:p></office:text></office:body></office:document-content>"))
write("paragraphs-bomb.docx", [("[Content_Types].xml", "<Types/>")],
      ("word/document.xml",
       '<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:document '
       'xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>',
       "<w:p/>", 81 * 1024 * 1024, "</w:body></w:document>"))
write("letters-bomb.docx", [("[Content_Types].xml", "<Types/>")],
      ("word/document.xml",
       '<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:document '
       'xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>'
       "<w:p><w:r><w:t>",
       "a", 300 * 1024 * 1024, "</w:t></w:r></w:p></w:body></w:document>"))
PY
for bomb in spaces-bomb.odt paragraphs-bomb.docx letters-bomb.docx; do
  echo "$bomb: $(($(stat -c %s "$folder/$bomb") / 1024)) KB"
  /usr/bin/time -v "$cli" --dict "$dict" open "$folder/$bomb" 2>&1 >/dev/null |
    grep -E "^message|^error|Maximum resident|Elapsed" || true
done
