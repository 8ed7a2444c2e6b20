#!/usr/bin/env bash
# `make package` gives ordoteca_<version>_amd64.deb with its library
# dependencies from dpkg-shlibdeps; unpacked into an empty root, the program
# starts and finds its templates, styles and guide.
# Usage: package_test.sh BUILD_DIR VERSION
. "$(dirname "$0")/common.sh"
build=$1 version=$2
arch=$(dpkg --print-architecture)
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb="$scratch/out/ordoteca_${version}_${arch}.deb"
need "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6webenginewidgets6 libsqlite3-0 libxml2 libxslt1.1 libcurl4 libc6 \
           libqt6webenginecore6-bin; do
  grep -q "\b$lib\b" <<<"$depends" || fail "dependency $lib missing"
done
[ "$(dpkg-deb -f "$deb" Package)" = ordoteca ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "architecture"
contents=$(dpkg-deb -c "$deb")
grep -q '\./usr/bin/ordoteca$' <<<"$contents" || fail "no /usr/bin/ordoteca"
dpkg -x "$deb" "$scratch/root"
check_installed "$scratch/root/usr"
echo "package ok"
