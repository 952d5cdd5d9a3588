#pragma once
// The Simulator window as the main window opens it: created by the window
// registry in a frame of the multiple-document area, then loaded.

#include "base/gui/WindowRegistry.h"
#include "simulator/gui/FrmStats.h"

namespace quorvale::test {

inline FrmStats* openSimulator(WindowRegistry& windows, SimulatorHost& host) {
    windows.setFactory(WindowId::FrmStats, [&host] { return new FrmStats(host); });
    return windows.loadAs<FrmStats>(WindowId::FrmStats);
}

}  // namespace quorvale::test
