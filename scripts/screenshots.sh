#!/usr/bin/env bash
# Takes the README's pictures of the wizard (docs/welcome.png, docs/bot-information.png) on a virtual display at
# 96 dots per inch, with the wizard as scripts/run-wizard.sh builds it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh docs
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQELWIZARD_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)" --target QelWizard
xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" bash -c '
    build/QelWizard & wizard=$!
    window=$(xdotool search --sync --name "Qel Configuration Wizard" | head -n 1)
    sleep 1
    import -window "$window" docs/welcome.png
    xdotool windowfocus --sync "$window" key Return
    sleep 0.5
    xdotool key Tab Tab Tab Tab type yourname
    xdotool key Return
    sleep 0.5
    xdotool type mybot
    xdotool key Tab type secret
    xdotool key Tab Down Tab
    xdotool type "1234-5678-9012"
    xdotool key Tab Down Down Tab
    xdotool type "op mybot"
    sleep 0.5
    import -window "$window" docs/bot-information.png
    kill "$wizard"'
echo "docs/welcome.png docs/bot-information.png"
