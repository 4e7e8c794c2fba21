#!/usr/bin/env bash
# Regenerates the constant data sources in a scratch copy and compares them with the committed
# ones, so a hand edit of generated data (or a generator change not run) is caught.
# Skipped (exit 77, which CTest reports as skipped) where python3 or the reference data are
# not at hand.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
data="$top/../shared"
if ! command -v python3 >/dev/null || [ ! -d "$data/property-data" ]; then
  echo "generated data: no python3 or reference data here; not checked"
  exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/repo"
cp -r "$top/tools" "$top/src" "$scratch/repo/"
TUBALYX_PROPERTY_DATA="$data/property-data" python3 "$scratch/repo/tools/gen_property_tables.py" >/dev/null
python3 "$scratch/repo/tools/gen_natural_gas_tables.py" "$data/reference-data/natural-gas-detail-method.json"
python3 "$scratch/repo/tools/gen_captions.py" >/dev/null
diff -r "$top/src" "$scratch/repo/src"
echo "generated data: up to date"
