#include "app/project/settingsstore.h"

#include <keldra/version.h>

namespace {

const char* const kOrganisation = "Tarvos";
const char* const kApplication = "KELDRA";

}  // namespace

TSettingsGroup::TSettingsGroup() : m_store(kOrganisation, kApplication) {
    m_store.beginGroup(QString::fromLatin1(keldra::kVersion));
}
