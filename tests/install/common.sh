# Shared by the install tests: a scratch folder removed at exit, settings kept
# inside it, and the check that an installed program finds its files.
set -euo pipefail

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" HOME="$scratch/home"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$HOME"
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu" QTWEBENGINE_DISABLE_SANDBOX=1

fail() { echo "FAIL: $*" >&2; exit 1; }

# need FILE...: every file must exist.
need() { for f in "$@"; do [ -e "$f" ] || fail "missing $f"; done; }

# check_installed PREFIX: the layout under PREFIX, then the installed program
# started on a new catalogue (a copy of its template, as File > New makes).
check_installed() {
  local prefix=$1 share=$1/share/ordoteca id=org.example.ordoteca
  need "$prefix/bin/ordoteca" "$share/ordo.dbt" "$share/docs/index.html" \
       "$prefix/share/applications/$id.desktop" "$prefix/share/metainfo/$id.metainfo.xml" \
       "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
  ls "$share"/Styles/*.xsl >/dev/null 2>&1 || fail "no templates in $share/Styles"
  ls "$share"/Styles/CSS/*.css >/dev/null 2>&1 || fail "no style sheets in $share/Styles/CSS"
  for size in 16 22 24 32 48 64 128 256; do
    local png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    need "$png"
    file "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not $size px"
  done
  # Nothing of the build tree may be needed: the build's folders are not on the path.
  local catalogue="$scratch/Новый каталог.mdb"
  cp "$share/ordo.dbt" "$catalogue"
  local report
  report=$(cd "$scratch" && "$prefix/bin/ordoteca" --check "$catalogue") || {
    echo "$report"; fail "the installed program did not find everything"; }
  echo "$report"
  grep -qx "Application folder: $(cd "$share" && pwd -P)/" <<<"$report" ||
    grep -qx "Application folder: $share/" <<<"$report" || fail "wrong application folder"
  grep -qx "Catalogue: $catalogue" <<<"$report" || fail "catalogue not opened"
}
