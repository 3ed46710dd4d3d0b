# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local wanted missing=()
    wanted=$(grep -v '^\s*#' "$root/scripts/packages.txt" | grep -v '^\s*$')
    for p in $wanted; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

# build <dir> [cmake options...]
build() {
    local dir=$1
    shift
    cmake -S "$root" -B "$root/$dir" -G Ninja "$@"
    cmake --build "$root/$dir" --parallel "$(nproc)"
}
