#!/usr/bin/env bash
# The application's parts depend one way: window -> plots -> widgets,
# window -> link, plots -> link. A part that includes a header of a part
# above it, or a link header that includes a widget header, fails here.
set -uo pipefail
app=${1:?usage: check_app_layers.sh APP_DIR}
status=0
forbid() {  # forbid PART PATTERN WHY
  local hits
  hits=$(grep -rnE "#include [<\"]($2)" "$app/$1" --include='*.h' --include='*.cpp')
  if [ -n "$hits" ]; then
    echo "app/$1 $3:"
    echo "$hits"
    status=1
  fi
}
forbid link 'app/(window|plots|widgets)/' "reaches into a view"
forbid link 'Q(Widget|Dialog|MainWindow|Label|PushButton|Painter|Image|Pixmap)|QtWidgets|QtGui|skin/|instruments/' \
  "includes a widget or drawing header"
forbid widgets 'app/(window|plots|link)/' "reaches into a part built from it"
forbid plots 'app/window/' "reaches into the window"
exit $status
