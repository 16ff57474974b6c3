#include "cashdrawerflow.h"
#include "cashdrawer.h"
#include "drawersetting.h"

#include "shopcore/foundation/connection.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"

CashDrawerFlow::CashDrawerFlow(const AliasEntry& alias, QString settingsTable, Prompter& prompter)
    : m_alias(alias), m_settingsTable(std::move(settingsTable)), m_prompter(prompter) {}

CashDrawerFlow::~CashDrawerFlow() = default;

bool CashDrawerFlow::open() {
    try {
        m_connection = std::make_unique<Connection>(m_alias, QStringLiteral("cash_drawer"));
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
        return false;
    }
    return true;
}

bool CashDrawerFlow::openDrawer() {
    if (!m_connection && !open())
        return false;
    QString setting;
    try {
        setting = ReadDrawerSetting(m_connection->db(), m_settingsTable);
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
        return false;
    }
    if (!DrawerPortNumber(DrawerPlace::DrawerWindow, setting))
        return false;
    if (const auto error = OpenDrawerOnce(DrawerPlace::DrawerWindow, setting, m_alias)) {
        m_prompter.information(*error);
        return false;
    }
    return true;
}
