#include "shell/VariablesLink.h"

#include "inputs/FrmData.h"

namespace quorvale {

VariablesLink::VariablesLink(Window window)
    : m_window(std::move(window)),
      m_rule(FrmData::userNumberLocale()),
      m_defaults(FrmData::userNumberLocale()) {}

InputVariables& VariablesLink::current() {
    if (FrmData* window = m_window ? m_window() : nullptr) {
        return *window;
    }
    return m_defaults;
}

}  // namespace quorvale
