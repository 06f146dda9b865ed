#!/bin/bash
# Each of these texts is written in the Spanish catalogue and nowhere else in
# the program's sources (the window's form and the page's script, markup and
# build tools included): one text, one place.
root=$1
status=0
for text in "Sin medidas" "Error interno del programa" "Filtro del receptor:" "Copiar enlace" \
    "Guardar imagen…" "Acerca del programa" "Potencia total:"; do
    if ! grep -qF -- "$text" "$root/src/texts/Spanish.h"; then
        echo "not in the catalogue: $text"
        status=1
    fi
    if grep -rlF --exclude-dir=texts -- "$text" "$root/src" "$root/web/page" "$root/web/tools" \
        "$root/web/bridge"; then
        echo "written outside the catalogue: $text"
        status=1
    fi
done
exit $status
