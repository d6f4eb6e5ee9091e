#include "app/project/settingsstore.h"

namespace {

const char* const kOrganisation = "Tarvos";
const char* const kApplication = "KELDRA";
const char* const kGroup = "2015.5.6";

}  // namespace

TSettingsGroup::TSettingsGroup() : m_store(kOrganisation, kApplication) {
    m_store.beginGroup(kGroup);
}
