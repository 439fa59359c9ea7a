#!/usr/bin/env bash
# Builds the packages of one commit twice, from two copies of its tree in
# folders of different names, with SOURCE_DATE_EPOCH set to the commit's
# time, and compares the bytes: the .deb, the Linux .tar.gz, the Windows
# .zip and the Windows .exe.  Prints the SHA-256 sums; on a difference,
# names the files that differ and exits with status 1.
#   packaging/reproducible.sh [commit, default: HEAD]
set -euo pipefail
cd "$(dirname "$0")/.."

commit=${1:-HEAD}
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH
version=$(sed -n 's/^project(bitstuffing VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
artifacts=(
    "build/bitstuffing_${version}_${arch}.deb"
    "build/bitstuffing-${version}-Linux.tar.gz"
    "build-windows-x86/bitstuffing-${version}-win32.zip"
    "build-windows-x86/bitstuffing.exe"
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build_in() {
    local tree=$1
    mkdir -p "$tree"
    git archive "$commit" | tar -x -C "$tree"
    (
        cd "$tree"
        local options=(-DBUILD_TESTING=OFF -DBITSTUFFING_BENCHMARKS=OFF)
        cmake --preset default "${options[@]}" >/dev/null
        cmake --build --preset default --parallel >/dev/null
        cpack --preset deb >/dev/null
        cpack --preset tgz >/dev/null
        cmake --preset windows-x86 "${options[@]}" >/dev/null
        cmake --build --preset windows-x86 --parallel >/dev/null
        cpack --preset windows-zip >/dev/null
    )
}

first="$work/first"
second="$work/second-tree-with-a-longer-name"
echo "Building $(git rev-parse --short "$commit") twice, SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"
build_in "$first"
build_in "$second"

differ=()
for artifact in "${artifacts[@]}"; do
    a=$(sha256sum "$first/$artifact" | cut -d' ' -f1)
    b=$(sha256sum "$second/$artifact" | cut -d' ' -f1)
    printf '%s  %s\n%s  %s\n' "$a" "first/$artifact" "$b" "second/$artifact"
    if [[ $a != "$b" ]]; then
        differ+=("$artifact")
    fi
done

if ((${#differ[@]} > 0)); then
    echo "Not reproducible: ${differ[*]}" >&2
    if command -v diffoscope >/dev/null; then
        for artifact in "${differ[@]}"; do
            diffoscope "$first/$artifact" "$second/$artifact" >&2 || true
        done
    fi
    exit 1
fi
echo "Reproducible: all ${#artifacts[@]} artifacts are byte-identical"
