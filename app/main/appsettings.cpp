#include "app/main/appsettings.h"

#include "app/project/settingsstore.h"

namespace {

const char* const kEditorKey = "Word Processor";
const char* const kSubdivisionCheckKey = "Subdivision Check";

QString recentFileKey(int index) { return QStringLiteral("File%1").arg(index + 1); }

void storeRecentFiles(QSettings& store, const TRecentFiles& recentFiles) {
    for (int i = 0; i < TRecentFiles::kCapacity; ++i)
        store.setValue(recentFileKey(i), recentFiles.at(i));
}

}  // namespace

void readAppSettings(TAppSettings& settings) {
    TSettingsGroup store;
    if (store->status() != QSettings::NoError) {
        settings.editorPath.clear();
        settings.recentFiles.clear();
        return;
    }
    const QString editor = store->value(kEditorKey).toString();
    if (!editor.isEmpty()) settings.editorPath = editor;
    for (int i = 0; i < TRecentFiles::kCapacity; ++i)
        settings.recentFiles.setAt(i, store->value(recentFileKey(i)).toString());
    settings.subdivisionCheck = store->value(kSubdivisionCheckKey, true).toBool();
}

void writeAppSettings(const TAppSettings& settings) {
    TSettingsGroup store;
    store->setValue(kEditorKey, settings.editorPath);
    storeRecentFiles(*store, settings.recentFiles);
    store->setValue(kSubdivisionCheckKey, settings.subdivisionCheck);
}

void writeRecentFiles(const TRecentFiles& recentFiles) {
    TSettingsGroup store;
    storeRecentFiles(*store, recentFiles);
}

void writeSubdivisionCheck(bool on) {
    TSettingsGroup store;
    store->setValue(kSubdivisionCheckKey, on);
}
