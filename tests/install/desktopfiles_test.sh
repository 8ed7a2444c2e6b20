#!/usr/bin/env bash
# The menu entry and the software-centre description pass the desktop's own
# validators, and name each other and the icon consistently.
# Usage: desktopfiles_test.sh SOURCE_DIR
. "$(dirname "$0")/common.sh"
dir=$1/data/linux id=org.example.ordoteca
desktop-file-validate "$dir/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$dir/$id.metainfo.xml" || fail "appstreamcli validate"
grep -qx "Icon=$id" "$dir/$id.desktop" || fail "desktop entry names another icon"
grep -qx "Categories=Office;Database;" "$dir/$id.desktop" || fail "categories"
for word in book library ISBN catalogue; do
  grep -q "^Keywords=.*\b$word;" "$dir/$id.desktop" || fail "keyword $word missing"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$dir/$id.metainfo.xml" ||
  fail "metainfo does not launch the desktop entry"
grep -q "<release version=\"$2\"" "$dir/$id.metainfo.xml" || fail "no release entry for version $2"
echo "desktop files ok"
