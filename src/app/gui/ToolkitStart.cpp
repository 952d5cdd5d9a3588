#include "app/gui/ToolkitStart.h"

#include <cstdio>

#include "app/gui/DisplayCheck.h"

namespace quorvale {

std::unique_ptr<QApplication> startToolkit(int& argc, char** argv) {
    if (const auto problem = DisplayCheck::prepareHere()) {
        std::fputs(DisplayCheck::message(*problem).c_str(), stderr);
        return nullptr;
    }
    auto app = std::make_unique<QApplication>(argc, argv);
    DisplayCheck::toolkitConnected();
    return app;
}

}  // namespace quorvale
