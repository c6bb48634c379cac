#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Designer plugin of the moved tree, loaded and used as Qt Designer does.
#   designer.sh PREFIX WORK_DIR   (ZELVIX_PLUGIN_CHECK and FENNORY_DESIGNER in the environment)
set -euo pipefail
source "$(dirname "$0")/common.sh"
tree=$1 work=$2
check_designer_plugin "$tree/lib/qt6/plugins" "$tree/include/zelvix" "$work"
echo "ok"
