#!/usr/bin/env bash
# `cmake --install` lays the program out by the XDG and FHS rules and the
# installed program finds everything from there.
# Usage: layout_test.sh BUILD_DIR
. "$(dirname "$0")/common.sh"
build=$1
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
check_installed "$scratch/prefix"
python3 "$(dirname "$0")/../docs/guide_test.py" "$scratch/prefix/share/ordoteca/docs" ||
  fail "the installed guide is incomplete"
[ ! -e "$scratch/prefix/bin/ordo.dbt" ] || fail "data files beside the executable"
echo "install layout ok"
