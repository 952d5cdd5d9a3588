#include "app/gui/VariablesLink.h"

#include "inputs/gui/FrmData.h"

namespace quorvale {

VariablesLink::VariablesLink(Window window)
    : m_window(std::move(window)), m_rule(FrmData::userNumberLocale()), m_defaults(FrmData::userNumberLocale()) {}

VariablesLink::~VariablesLink() = default;

void VariablesLink::windowClosed() { m_open = nullptr; }

InputVariables& VariablesLink::current() {
    if (!m_open && m_window) {
        m_open = m_window();
    }
    if (m_open) {
        return *m_open;
    }
    return m_defaults;
}

}  // namespace quorvale
