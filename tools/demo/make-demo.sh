#!/usr/bin/env bash
# Lays out a demo under DEST: a MAME directory run by the stand-in emulator, with some ROM sets, samples and
# snapshots, and an application directory for Marqueon (MARQUEON_HOME). Running it again refreshes the MAME
# directory and keeps the application's settings. The Neo-Geo sets lie in "neoroms", where the setup wizard
# looks for them.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 DEST STANDIN_BINARY" >&2
    exit 2
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
data="$here/../standin-mame/demo"
mkdir -p "$1"
dest="$(cd "$1" && pwd)"
binary="$2"
[[ -x "$binary" ]] || { echo "not an executable: $binary" >&2; exit 1; }

mame="$dest/mame"
app="$dest/app"

# --- the MAME directory -------------------------------------------------------------------------------------
mkdir -p "$mame"
# The ROM and sample folders are laid out anew so that a refresh gives the same demo again.
rm -rf "$mame/roms" "$mame/neoroms" "$mame/samples"
mkdir -p "$mame/roms" "$mame/neoroms" "$mame/samples" "$mame/snap" "$mame/cfg" "$mame/hi" "$mame/nvram"
install -m 755 "$binary" "$mame/mame"
cp "$data/standin-games.dat" "$data/readme.txt" "$data/history.dat" "$mame/"

printf '[directory]\r\nrompath = %s\r\nsamplepath = %s\r\nsnap = %s\r\n' \
    "$mame/roms/;$mame/neoroms/" "$mame/samples/" "$mame/snap/" > "$mame/mame.cfg"

archive() { # archive DIR NAME [CONTENT]: a ROM or sample archive; only its name and marker words matter
    printf 'PK demo archive %s\n%s\n' "$2" "${3:-}" > "$1/$2.zip"
}

# About half of the Retro games.
for game in galwar galwarj rockblst vortexr tankcmd mazemnch mazemncp pengpush roadhop girdgor invwave \
    invwavec clraid pktennis trdiver drgnkngt ninjastr bubtwin stbrawl sfzch vbstars stormjet blastbot; do
    archive "$mame/roms" "$game"
done
archive "$mame/roms" cosdog BADCRC   # present but damaged
archive "$mame/roms" gemquest BADLEN # a ROM of the wrong size
archive "$mame/roms" mystowrj MISSING # a clone with a ROM missing (its parent is absent)
# A Retro game whose archive was put among the Neo-Geo sets.
archive "$mame/neoroms" puzdrop
# The Neo-Geo system and a few of its games.
for game in neogeo nam1975 roninbl cdrops brawl95; do
    archive "$mame/neoroms" "$game"
done

# Samples: an archive, a complete folder and a folder with a sample missing.
archive "$mame/samples" rockblst
mkdir -p "$mame/samples/tankcmd" "$mame/samples/invwave"
for s in engine shell hit; do printf 'RIFF' > "$mame/samples/tankcmd/$s.wav"; done
for s in 0 1 2 3 4 5 6 8; do printf 'RIFF' > "$mame/samples/invwave/$s.wav"; done

# Snapshots and per-game files, left by playing a few installed games.
(
    cd "$mame"
    for game in galwar rockblst mazemnch pengpush stbrawl drgnkngt invwave nam1975; do
        ./mame "$game" -nosound >/dev/null
    done
    rm -f standin-lastrun.txt standin-runs.log
)

# --- the application directory ------------------------------------------------------------------------------
# Left empty on purpose: the first start runs the setup wizard, which proposes the demo's folders once it is
# shown the MAME directory.
mkdir -p "$app"

echo "MAME directory:        $mame"
echo "Application directory: $app"
