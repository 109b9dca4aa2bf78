#!/bin/sh
# Builds the Debian package from build/, checks the desktop entry and the metainfo, unpacks the
# package into a scratch root and runs the batch program found there on the example data.
set -eu
cd "$(dirname "$0")/.."

id=it.tarbelo.DimensionamentoMotori
cmake --build build
rm -f build/dimensionamento-motori_*.deb
(cd build && cpack -G DEB)
deb=$(ls build/dimensionamento-motori_*.deb)
versione=$(dpkg-deb -f "$deb" Version)

radice=$(mktemp -d)
trap 'rm -rf "$radice"' EXIT
dpkg-deb -x "$deb" "$radice"
usr="$radice/usr"

fallito() {
    echo "pacchetto: $*" >&2
    exit 1
}

grafica=libexec/dimensionamento-motori/dimensionamento-motori-calc-grafica
for f in bin/dimensionamento-motori bin/dimensionamento-motori-calc $grafica \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg \
         share/man/man1/dimensionamento-motori-calc.1.gz \
         share/dimensionamento-motori/cilindropieno.JPG \
         share/dimensionamento-motori/cilindrocavo.JPG \
         share/dimensionamento-motori/motori_esempio.csv; do
    [ -s "$usr/$f" ] || fallito "manca /usr/$f"
done
for p in bin/dimensionamento-motori bin/dimensionamento-motori-calc $grafica; do
    case $(file -b "$usr/$p") in
    ELF*", stripped"*) ;;
    *) fallito "/usr/$p non è un ELF senza simboli" ;;
    esac
done

desktop-file-validate "$usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml"
grep -q "<release version=\"$versione\"" "$usr/share/metainfo/$id.metainfo.xml" \
    || fallito "la metainfo non elenca la versione $versione"
# the man page renders without warnings from groff
avvisi=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$usr/share/man/man1/dimensionamento-motori-calc.1.gz" 2>&1 >/dev/null)
[ -z "$avvisi" ] || fallito "pagina di manuale: $avvisi"

dipendenze=$(dpkg-deb -f "$deb" Depends)
for d in fonts-liberation2 qt6-translations-l10n libqt6widgets6 libqt6svgwidgets6 libqt6printsupport6; do
    echo "$dipendenze" | grep -q "$d" || fallito "manca la dipendenza $d: $dipendenze"
done

calc="$usr/bin/dimensionamento-motori-calc"
[ "$("$calc" --version)" = "dimensionamento-motori-calc $versione" ] || fallito "--version"
"$calc" --help | grep -q '^  utilita ' || fallito "--help"

# every line must be printed, exactly
controlla() {
    uscita=$1
    shift
    for riga in "$@"; do
        printf '%s\n' "$uscita" | grep -qxF "$riga" || fallito "manca la riga \"$riga\""
    done
}
controlla "$("$calc" tamburo tests/data/tamburo_esempio.txt)" \
    "casella 20: 3,6884" \
    "risultato: Pot. resa = 3,6884 kW" \
    "risultato: Coppia Mx = 3,764kgm" \
    "risultato: Vmax = 955 rpm"
controlla "$("$calc" utilita tests/data/utilita_esempio.txt)" \
    "casella 1: 200" \
    "risultato: 1,233"
controlla "$("$calc" aspo tests/data/aspo_esempio.txt --svolgitore --decelerazione)" \
    "risultato: Potenza massima del motore = 18 kW"
# a chart hands the run to the drawing program in the package's libexec folder
controlla "$("$calc" aspo tests/data/aspo_esempio.txt --grafico velocita "$radice/v.png")" \
    "risultato: Potenza massima del motore = 22 kW"
[ -s "$radice/v.png" ] || fallito "il grafico non è stato scritto"
# the cylinder's sheet finds its photograph in the package's data folder, seen from libexec
"$calc" utilita tests/data/utilita_esempio.txt --scheda "$radice/u.pdf" >/dev/null ||
    fallito "la scheda non è stata scritta"
[ "$(pdfimages -list "$radice/u.pdf" | grep -c jpeg)" -eq 1 ] ||
    fallito "la scheda del cilindro non ha la sua fotografia"

echo "pacchetto: $deb verificato"
