#!/bin/sh
# Installs the build into a temporary prefix and runs the installed tramlet-batch on an
# installed example; checks the layout the package relies on.
set -eu
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for path in bin/tramlet-batch share/man/man1/tramlet-batch.1 share/tramlet/examples/random50/random50.dat; do
  [ -e "$prefix/$path" ] || { echo "install_test: $path missing" >&2; exit 1; }
done
ls "$prefix"/lib/libsablekit.so.* >/dev/null
cd "$prefix"
out=$(env -u LD_LIBRARY_PATH "$prefix/bin/tramlet-batch" share/tramlet/examples/random50/random50.dat savings-parallel --json)
echo "$out" | grep -q '"algorithm": "Savings (Greedy Parallel)"' || { echo "install_test: unexpected output: $out" >&2; exit 1; }
echo "$out" | grep -q '"routes": \[$' || { echo "install_test: no routes: $out" >&2; exit 1; }
