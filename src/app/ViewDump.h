// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace qv {

class TFrmMain;

// For the end-to-end test: when the environment variable QUANTOVA_VIEW_DUMP
// names a file, the view is written there after every change (the status
// panels, the value, its unit, then the rows of the grid). Otherwise nothing
// is connected.
void InstallViewDumpFromEnvironment(TFrmMain& window);

}  // namespace qv
