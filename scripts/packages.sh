# shellcheck shell=bash
# Sourced by the set-up scripts (not run): installs Debian packages.
#
#   source scripts/packages.sh
#   install_packages PACKAGE...   installs those of the packages not installed
#                                 yet, with apt-get as root, through sudo
#                                 otherwise; without either it names them and
#                                 how to install them, and fails
#   as_root COMMAND...            runs a command as root (itself, or sudo)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "This needs root: $*" >&2
        return 1
    fi
}

install_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null 2>&1; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Install them as root (apt-get install ${missing[*]}) and run this again." >&2
        return 1
    fi
    echo "Installing: ${missing[*]}"
    # A fresh machine has no package lists yet, an old one stale lists.
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-upgrade "${missing[@]}"
}
