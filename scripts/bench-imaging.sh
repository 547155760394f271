#!/usr/bin/env bash
# Runs the imaging benchmarks and, in the same run and on the same pictures,
# the tools a user would otherwise pick: vips (libvips-tools), Pillow
# (python3-pil) and djpeg (libjpeg-turbo-progs), installed here with apt-get
# for the benchmark only. Prints each figure and the ratio ours / theirs
# (below 1 means faster).
#
#   scripts/bench-imaging.sh [BUILD_DIR]     (default build-bench/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}

missing=()
for package in libvips-tools python3-pil libjpeg-turbo-progs; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILTARA_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target imaging_kernels_bench imaging_codecs_bench >/dev/null

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export QUILTARA_BENCH_DATA=$data
# Debian's own Python, where python3-pil lives.
python=/usr/bin/python3

# The pictures: photo-like (smooth gradients with noise), made once by Pillow.
"$python" - "$data" <<'PY'
import sys
from PIL import Image, ImageChops
folder = sys.argv[1]
def photo(width, height, seed):
    grad = Image.linear_gradient("L").resize((width, height))
    rad = Image.radial_gradient("L").resize((width, height))
    noise = Image.effect_noise((width, height), 24 + seed)
    return Image.merge("RGB", (grad, rad, ImageChops.add(grad.transpose(Image.FLIP_LEFT_RIGHT), noise, 2)))
photo(6000, 4000, 0).save(f"{folder}/large.ppm")
photo(6000, 4000, 0).save(f"{folder}/photo.jpg", quality=90)
photo(400, 300, 1).save(f"{folder}/small.ppm")
photo(1600, 1200, 2).save(f"{folder}/screen.ppm")
photo(4000, 3000, 3).save(f"{folder}/export.ppm")
PY
vips copy "$data/large.ppm" "$data/large.v"

for program in imaging_kernels_bench imaging_codecs_bench; do
  "$build/bench/$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=json --benchmark_out="$data/$program.json" --benchmark_out_format=json >/dev/null
done

# The other tools, each timed the way it is best measured: vips by its own
# report of the evaluation time (no start-up, no file writing), Pillow in
# process on a picture already decoded, djpeg as a command on the file.
"$python" - "$data" <<'PY'
import json, os, re, statistics, subprocess, sys, time
from PIL import Image
folder = sys.argv[1]

def ours(name):
    for program in ("imaging_kernels_bench", "imaging_codecs_bench"):
        with open(f"{folder}/{program}.json") as f:
            for b in json.load(f)["benchmarks"]:
                if b["name"] == f"{name}/real_time_median":
                    return b["real_time"]
    raise KeyError(name)

def best_of(function, runs=7):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        function()
        times.append((time.perf_counter() - start) * 1000)
    return statistics.median(times)

def vips_reduce():
    times = []
    for _ in range(5):
        out = subprocess.run(["vips", "reduce", f"{folder}/large.v", f"{folder}/reduced.v", "4", "4",
                              "--kernel", "lanczos3", "--vips-progress"], capture_output=True, text=True, check=True)
        found = re.findall(r"done in ([0-9.]+)s", out.stdout + out.stderr)
        times.append(float(found[-1]) * 1000)
    return statistics.median(times)

def command(arguments):
    return best_of(lambda: subprocess.run(arguments, check=True, stdout=subprocess.DEVNULL), runs=5)

small = Image.open(f"{folder}/small.ppm"); small.load()
screen = Image.open(f"{folder}/screen.ppm"); screen.load()
export = Image.open(f"{folder}/export.ppm"); export.load()
import io
rows = [
    ("Lanczos3 6000x4000 -> 1500x1000", "BM_ResampleLanczos3_6000x4000_to_1500x1000", "vips reduce", vips_reduce()),
    ("Lanczos3 400x300 -> 1600x1200", "BM_ResampleLanczos3_400x300_to_1600x1200", "Pillow resize LANCZOS",
     best_of(lambda: small.resize((1600, 1200), Image.LANCZOS))),
    ("bilinear rotation 1600x1200 by 30", "BM_RotateBilinear_1600x1200_by_30", "Pillow rotate BILINEAR",
     best_of(lambda: screen.rotate(30, resample=Image.BILINEAR))),
    ("JPEG decode 6000x4000 reduced", "BM_JpegDecodeReduced_6000x4000", "djpeg -scale 1/4",
     command(["djpeg", "-scale", "1/4", "-outfile", "/dev/null", f"{folder}/photo.jpg"])),
    ("JPEG decode 6000x4000 full", "BM_JpegDecodeFull_6000x4000", "djpeg",
     command(["djpeg", "-outfile", "/dev/null", f"{folder}/photo.jpg"])),
    ("JPEG encode 4000x3000 q90", "BM_JpegEncodeQuality90_4000x3000", "Pillow save JPEG q90",
     best_of(lambda: export.save(io.BytesIO(), "JPEG", quality=90))),
]
print(f"{'task':36} {'ours ms':>9} {'theirs ms':>10} {'ratio':>6}  compared with")
for task, name, tool, theirs in rows:
    mine = ours(name)
    print(f"{task:36} {mine:9.1f} {theirs:10.1f} {mine / theirs:6.2f}  {tool}")
PY
