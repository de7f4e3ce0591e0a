#!/usr/bin/env bash
# Creates the Wine prefix (scripts/wine-env.sh) once: Chinese font replacements so that the
# windows show real characters (WenQuanYi Micro Hei stands in for the fonts every Chinese
# Windows has).
set -eu
. "$(dirname "$0")/wine-env.sh"
mkdir -p "$WINEPREFIX"
lock="$WINEPREFIX.lock"
exec 9>"$lock"
flock 9
[ -f "$WINEPREFIX/.cubeworks-ready" ] && exit 0
"$CW_WINE" wineboot -i >/dev/null 2>&1 || true
wineserver -w || true
for f in "SimSun" "NSimSun" "Microsoft YaHei" "SimHei" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "宋体"; do
    "$CW_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1 || true
done
wineserver -w || true
touch "$WINEPREFIX/.cubeworks-ready"
