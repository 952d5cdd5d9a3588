#pragma once
// The child windows of the main window. Each exists at most once and is
// reached only through the window registry.

#include <array>

namespace quorvale {

enum class WindowId {
    FrmData,
    FrmStats,
    FrmGraphStats,
    FrmGraph,
    FrmGraphLoads,
    FrmGraphLogging,
    FrmGraphRoad,
    FrmGraphSettings,
    FrmDecision,
    FrmGuide,
    FrmUnitsOverview,
};

inline constexpr std::array<WindowId, 11> kAllWindows{
    WindowId::FrmData,       WindowId::FrmStats,        WindowId::FrmGraphStats,    WindowId::FrmGraph,
    WindowId::FrmGraphLoads, WindowId::FrmGraphLogging, WindowId::FrmGraphRoad,     WindowId::FrmGraphSettings,
    WindowId::FrmDecision,   WindowId::FrmGuide,        WindowId::FrmUnitsOverview,
};

// The window's name, also its objectName.
constexpr const char* windowName(WindowId id) {
    switch (id) {
        case WindowId::FrmData:
            return "FrmData";
        case WindowId::FrmStats:
            return "FrmStats";
        case WindowId::FrmGraphStats:
            return "FrmGraphStats";
        case WindowId::FrmGraph:
            return "FrmGraph";
        case WindowId::FrmGraphLoads:
            return "FrmGraphLoads";
        case WindowId::FrmGraphLogging:
            return "FrmGraphLogging";
        case WindowId::FrmGraphRoad:
            return "FrmGraphRoad";
        case WindowId::FrmGraphSettings:
            return "FrmGraphSettings";
        case WindowId::FrmDecision:
            return "FrmDecision";
        case WindowId::FrmGuide:
            return "FrmGuide";
        case WindowId::FrmUnitsOverview:
            return "FrmUnitsOverview";
    }
    return "";
}

}  // namespace quorvale
