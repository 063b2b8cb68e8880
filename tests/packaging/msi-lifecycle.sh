#!/usr/bin/env bash
# The Windows installer's life on one machine, under Wine in a fresh prefix, in the order a
# school's machine sees it: a silent install, the program started from where it was installed,
# an upgrade to a newer version, a refused downgrade, and a silent removal that leaves nothing.
# The newer version is a test build of the same program, one hundredth higher.
# Run on an X server (xvfb-run). Usage: msi-lifecycle.sh MSI WINDOWS_ZIP WORK_FOLDER
set -euo pipefail
msi=$(realpath "$1")
zip=$(realpath "$2")
work=$(realpath -m "$3")
sources=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$work"
mkdir -p "$work/newer"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
installed="$WINEPREFIX/drive_c/Program Files/Kymora"
# Wine's msi puts a per-machine shortcut in the user's own Start menu.
shortcut="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Kymora.lnk"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# A value of the installer's Property table.
property() {
    msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"
}
version=$(property "$msi" ProductVersion)
newer=$(printf '%d.%02d' "${version%%.*}" $((10#${version#*.} + 1)))
unzip -q "$zip" -d "$work/newer"
SOURCE_DATE_EPOCH=0 "$sources/scripts/make-msi.sh" "$work/newer" "$newer" "$work/newer.msi"
product_code=$(property "$msi" ProductCode)
newer_product_code=$(property "$work/newer.msi" ProductCode)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() {
    printf '%-10s %s\n' "$1" "$2"
}
msiexec() {
    local status=0
    wine msiexec "$@" /qn || status=$?
    echo "$status"
}
# The uninstall entries named Kymora, one line each: "DisplayVersion Publisher".
entries() {
    wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | awk '
        /^HKEY_/ { if (name == "Kymora") print version, publisher; name = version = publisher = "" }
        $1 == "DisplayName" { name = $3 }
        $1 == "DisplayVersion" { version = $3 }
        $1 == "Publisher" { publisher = substr($0, index($0, $3)) }
        END { if (name == "Kymora") print version, publisher }'
}
# A value of the installed version's uninstall entry.
entry_value() {
    wine reg query "$uninstall\\$product_code" /v "$1" 2>/dev/null | tr -d '\r' |
        awk -v name="$1" '$1 == name { print substr($0, index($0, $3)) }'
}

# What keeps each component installed is the machine's, as Windows Installer's validation
# (ICE38, ICE57) asks of a package for the whole machine: no key path is a value of a user's own
# registry (root 1, HKEY_CURRENT_USER), which would be SYSTEM's own when a fleet tool installs it.
per_user_key_paths=$(join -t $'\t' \
    <(msiinfo export "$msi" Component | tr -d '\r' | tail -n +4 |
        awk -F'\t' 'int($4 / 4) % 2 { print $6 "\t" $1 }' | sort) \
    <(msiinfo export "$msi" Registry | tr -d '\r' | tail -n +4 |
        awk -F'\t' '$2 == 1 { print $1 }' | sort) | cut -f2)
[[ -z $per_user_key_paths ]] || fail "components kept by a user's registry: $per_user_key_paths"
step package "every component is kept by the machine's own files and registry"

wineboot -i >/dev/null 2>&1

status=$(msiexec /i "$msi")
[[ $status == 0 ]] || fail "install ended with $status"
for file in kymora.exe README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do
    [[ -f "$installed/$file" ]] || fail "install: $file missing"
done
[[ -f "$shortcut" ]] || fail "install: no Start-menu shortcut"
grep -qa 'kymora.exe' "$shortcut" || fail "install: the shortcut does not start kymora.exe"
[[ $(entries) == "$version The Kymora developers" ]] || fail "install: entries: $(entries)"
for value in "NoModify:0x1" "NoRepair:0x1" "URLInfoAbout:https://example.org/kymora"; do
    [[ $(entry_value "${value%%:*}") == "${value#*:}" ]] || fail "install: ${value%%:*}"
done
# Apps shows the icon that the installer keeps for the product.
cmp -s "$WINEPREFIX/drive_c/windows/Installer/$product_code/kymora.ico" \
    "$sources/resources/icon/kymora.ico" || fail "install: the entry has not the program's icon"
step install "status 0; 4 files in Program Files\\Kymora, the shortcut, one entry $version"

wine "C:\\Program Files\\Kymora\\kymora.exe" &
program=$!
timeout 60 xdotool search --sync --onlyvisible --name '^Kymora - ' >/dev/null ||
    fail "run: no window"
wine taskkill /im kymora.exe >/dev/null 2>&1
status=0
wait "$program" || status=$?
[[ $status == 0 ]] || fail "run: the program ended with $status"
step run "the installed program showed its window and closed with status 0"

status=$(msiexec /i "$work/newer.msi")
[[ $status == 0 ]] || fail "upgrade ended with $status"
[[ $(entries) == "$newer The Kymora developers" ]] || fail "upgrade: entries: $(entries)"
step upgrade "status 0; one entry, $newer"

status=$(msiexec /i "$msi")
[[ $status == 67 ]] || fail "downgrade ended with $status, not 67 (1603, refused)"
[[ $(entries) == "$newer The Kymora developers" ]] || fail "downgrade: entries: $(entries)"
step downgrade "refused: status 67 (1603); still one entry, $newer"

status=$(msiexec /x "$work/newer.msi")
[[ $status == 0 ]] || fail "uninstall ended with $status"
[[ ! -e "$installed" ]] || fail "uninstall: Program Files\\Kymora is left"
[[ ! -e "$shortcut" ]] || fail "uninstall: the shortcut is left"
[[ -z $(entries) ]] || fail "uninstall: entries left: $(entries)"
! wine reg query 'HKLM\Software\Kymora' >/dev/null 2>&1 || fail "uninstall: HKLM\\Software\\Kymora is left"
! wine reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null | grep -q Kymora ||
    fail "uninstall: the product is still registered"
[[ ! -e "$WINEPREFIX/drive_c/windows/Installer/$newer_product_code" ]] ||
    fail "uninstall: the product's icon is left"
step uninstall "status 0; no file, folder, shortcut or registry key left"
wineserver -k || true
